#include "FleetPlans.h"

#include "maps/MapCommands.h"
#include "messages/MessagePlans.h"

#include <QCoreApplication>

namespace fleetplans {

Plan plan(Kind kind, const QString& text, const QString& userPrefix) {
    switch (kind) {
    case Kind::ConsoleLine:
        return {actionStep(
            Request::shown(text).typedAtConsole(),
            QCoreApplication::translate("fleetplans", "Sent to several servers: %1").arg(text),
            text)};
    case Kind::Message:
        return messageplans::oneOffMessage(userPrefix, text);
    case Kind::MapRestart:
        return mapcommands::restartPlan();
    }
    return {};
}

QString commandName(Kind kind, const QString& text) {
    return kind == Kind::MapRestart ? QCoreApplication::translate("fleetplans", "Map restart")
                                    : text;
}

QString outcomeLine(const QString& server, const QString& command, const PlanOutcome& outcome) {
    QString result;
    if (outcome.allTaken)
        result = QCoreApplication::translate("fleetplans", "taken");
    else if (!outcome.refusals.isEmpty())
        result = QCoreApplication::translate("fleetplans", "refused: %1")
                     .arg(outcome.refusals.join(QStringLiteral("; ")));
    else if (outcome.completed)
        result = QCoreApplication::translate("fleetplans", "no answer (it may have been applied)");
    else
        result = QCoreApplication::translate("fleetplans", "not sent");
    return QCoreApplication::translate("fleetplans", "%1: %2: %3").arg(server, command, result);
}

QString notConnectedLine(const QString& server, const QString& command) {
    return QCoreApplication::translate("fleetplans", "%1: %2: not connected").arg(server, command);
}

} // namespace fleetplans
