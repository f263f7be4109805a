#include "ServerDetailsPlan.h"

#include "CfgScan.h"
#include "Session.h"
#include "StatusQuery.h"
#include "rcon/ReplyText.h"

#include <QCoreApplication>
#include <QPointer>

Plan serverDetailsPlan(
    Session& session, bool quietly,
    std::function<void(const QString& gametype, const QString& map)> statusRead) {
    const auto shown = [quietly](const char* text) {
        return quietly ? QString() : QCoreApplication::translate("ServerDetailsPlan", text);
    };
    QPointer<Session> to(&session);
    const Step status = readStep(
        Request::statusQuery(),
        [to, statusRead](const Reply& reply, const Outcome&) {
            if (!to || reply.status != Reply::Status::Replied)
                return ReadResult::stopHere();
            const statusquery::GameStatus game = statusquery::readGameStatus(reply.text);
            to->appendRcon(statusquery::gameModeLine(game));
            statusRead(game.gametype, game.map);
            return ReadResult::goOn();
        },
        shown(QT_TRANSLATE_NOOP("ServerDetailsPlan", "Asking server for status")));
    const Step rotation = readStep(
        Request::listing(QStringLiteral("cvarlist sv_maprotation")),
        [to](const Reply& reply, const Outcome&) {
            if (to && reply.status == Reply::Status::Replied)
                emit to->rotationRead(getquoted(reply.text, QStringLiteral("sv_maprotation")));
            return ReadResult::goOn();
        },
        shown(QT_TRANSLATE_NOOP("ServerDetailsPlan", "Asking server for Map rotation")));
    const Step cfgFiles = readStep(
        Request::listing(QStringLiteral("fdir *.cfg")),
        [to](const Reply& reply, const Outcome&) {
            if (!to)
                return ReadResult::stopHere();
            if (reply.status == Reply::Status::Replied) {
                if (!reply.text.contains(QLatin1Char('\n')))
                    to->addMessage(QCoreApplication::translate(
                        "ServerDetailsPlan", "Server has no CFG files - Disabling fields..."));
                emit to->cfgNamesRead(scanCfgNames(reply.text));
            }
            emit to->detailsRead();
            return ReadResult::goOn();
        },
        shown(QT_TRANSLATE_NOOP("ServerDetailsPlan", "Asking server for cfg files")));
    return {status, rotation, cfgFiles};
}
