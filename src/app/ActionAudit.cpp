#include "ActionAudit.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QtGlobal>

#include <algorithm>
#include <iterator>

namespace audit {

namespace {

QString firstWord(const QString& command) {
    return command.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty).toLower();
}

// The stored words as the operator reads them; the database keeps them in English, so a
// history written in one language reads in another.
const char* const kKindWords[] = {
    QT_TRANSLATE_NOOP("ActionAudit", "kick"),      QT_TRANSLATE_NOOP("ActionAudit", "ban"),
    QT_TRANSLATE_NOOP("ActionAudit", "tempban"),   QT_TRANSLATE_NOOP("ActionAudit", "tell"),
    QT_TRANSLATE_NOOP("ActionAudit", "map"),       QT_TRANSLATE_NOOP("ActionAudit", "restart"),
    QT_TRANSLATE_NOOP("ActionAudit", "setting"),   QT_TRANSLATE_NOOP("ActionAudit", "cfg"),
    QT_TRANSLATE_NOOP("ActionAudit", "broadcast"), QT_TRANSLATE_NOOP("ActionAudit", "console")};
const char* const kOutcomeWords[] = {QT_TRANSLATE_NOOP("ActionAudit", "taken"),
                                     QT_TRANSLATE_NOOP("ActionAudit", "taken at next map"),
                                     QT_TRANSLATE_NOOP("ActionAudit", "refused"),
                                     QT_TRANSLATE_NOOP("ActionAudit", "no answer"),
                                     QT_TRANSLATE_NOOP("ActionAudit", "not sent")};

// A word of the table translated; any other text (a word of a later version) as it is.
template <std::size_t N> QString displayed(const char* const (&words)[N], const QString& stored) {
    const auto found = std::find_if(std::begin(words), std::end(words), [&stored](const char* w) {
        return stored == QLatin1String(w);
    });
    return found == std::end(words) ? stored : QCoreApplication::translate("ActionAudit", *found);
}

} // namespace

QString displayedKind(const QString& kind) {
    return displayed(kKindWords, kind);
}

QString displayedOutcome(const QString& outcome) {
    return displayed(kOutcomeWords, outcome);
}

QString actionKind(const Request& request) {
    if (request.outOfBand || request.quiet)
        return {};
    // A line the operator typed is kept as typed, whatever it does.
    if (request.typed)
        return QStringLiteral("console");
    const QString word = firstWord(request.command);
    if (word == QLatin1String("clientkick") || word == QLatin1String("kick") ||
        word == QLatin1String("onlykick"))
        return QStringLiteral("kick");
    if (word == QLatin1String("banclient") || word == QLatin1String("banuser"))
        return QStringLiteral("ban");
    if (word == QLatin1String("tempbanclient") || word == QLatin1String("tempbanuser"))
        return QStringLiteral("tempban");
    if (word == QLatin1String("tell"))
        return QStringLiteral("tell");
    if (word == QLatin1String("say"))
        return QStringLiteral("broadcast");
    if (word == QLatin1String("exec"))
        return QStringLiteral("cfg");
    if (word == QLatin1String("map_restart") || word == QLatin1String("fast_restart"))
        return QStringLiteral("restart");
    if (word == QLatin1String("map") || word == QLatin1String("map_rotate") ||
        word == QLatin1String("devmap"))
        return QStringLiteral("map");
    if (word == QLatin1String("status") || word == QLatin1String("serverinfo") ||
        word == QLatin1String("dir") || word == QLatin1String("fdir") ||
        word == QLatin1String("cvarlist"))
        return {};
    return QStringLiteral("setting");
}

QString outcomeWord(const Outcome& outcome) {
    switch (outcome.kind) {
    case Outcome::Kind::Taken:
        return QStringLiteral("taken");
    case Outcome::Kind::TakenAtNextMap:
        return QStringLiteral("taken at next map");
    case Outcome::Kind::Refused:
        return QStringLiteral("refused");
    case Outcome::Kind::NoAnswer:
        return QStringLiteral("no answer");
    case Outcome::Kind::NotSent:
        break;
    }
    return QStringLiteral("not sent");
}

QString keptCommand(const QString& command) {
    // "g_password secret", "set rconpassword x", "sets g_password x": the value goes.
    static const QRegularExpression password(
        QStringLiteral("^(\\s*(?:sets?a?\\s+)?\\S*password\\S*)\\s"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = password.match(command);
    if (!match.hasMatch())
        return command;
    const QString value = command.mid(match.capturedEnd(1)).trimmed();
    // Removing the password hides nothing.
    if (value == QLatin1String("\"\""))
        return command;
    return match.captured(1) + QLatin1String(" ******");
}

QString operatorUser() {
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    return user;
}

} // namespace audit
