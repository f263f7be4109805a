#include "FleetPlans.h"

#include "maps/MapCommands.h"
#include "messages/MessagePlans.h"

namespace fleetplans {

Plan plan(Kind kind, const QString& text, const QString& userPrefix) {
    switch (kind) {
    case Kind::ConsoleLine:
        return {actionStep(Request::shown(text).from(QStringLiteral("console command")),
                           QStringLiteral("Sent to several servers: ") + text, text)};
    case Kind::Message:
        return messageplans::oneOffMessage(userPrefix, text);
    case Kind::MapRestart:
        return mapcommands::restartPlan();
    }
    return {};
}

QString commandName(Kind kind, const QString& text) {
    return kind == Kind::MapRestart ? QStringLiteral("Map restart") : text;
}

QString outcomeLine(const QString& server, const QString& command, const PlanOutcome& outcome) {
    QString result;
    if (outcome.allTaken)
        result = QStringLiteral("taken");
    else if (!outcome.refusals.isEmpty())
        result = QStringLiteral("refused: ") + outcome.refusals.join(QStringLiteral("; "));
    else if (outcome.completed)
        result = QStringLiteral("no answer (it may have been applied)");
    else
        result = QStringLiteral("not sent");
    return server + QStringLiteral(": ") + command + QStringLiteral(": ") + result;
}

QString notConnectedLine(const QString& server, const QString& command) {
    return server + QStringLiteral(": ") + command + QStringLiteral(": not connected");
}

} // namespace fleetplans
