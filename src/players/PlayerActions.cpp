#include "PlayerActions.h"

namespace playeractions {

namespace {

struct RemovalWords {
    const char* command;
    const char* logStart; // the name stands between the two halves
    const char* logEnd;
    const char* what;
    const char* verb;
    const char* title;
};

const RemovalWords& wordsOf(Removal removal) {
    static const RemovalWords kick{"clientkick ", "Player Kicked >", "<",
                                   "Kick of ",    "Kick ",           "Kick"};
    static const RemovalWords ban{
        "banclient ", "Player banned and kicked [", "]", "Ban of ", "Ban ", "Ban"};
    static const RemovalWords tempBan{"tempbanclient ",
                                      "Player temporary banned and kicked [",
                                      "]",
                                      "Temp ban of ",
                                      "Temporarily ban ",
                                      "Temp Ban"};
    return removal == Removal::Kick ? kick : (removal == Removal::Ban ? ban : tempBan);
}

} // namespace

Plan removalPlan(Removal removal, const QString& slot, const QString& name) {
    const RemovalWords& w = wordsOf(removal);
    return {actionStep(Request::shown(QLatin1String(w.command) + slot),
                       QLatin1String(w.logStart) + name + QLatin1String(w.logEnd),
                       QLatin1String(w.what) + name)};
}

QString removalQuestion(Removal removal, const QString& slot, const QString& name) {
    return QLatin1String(wordsOf(removal).verb) + name + QLatin1String(" (slot ") + slot +
           QLatin1String(") from the server?");
}

QString removalTitle(Removal removal) {
    return QLatin1String(wordsOf(removal).title);
}

Plan privateMessagePlan(const QString& slot, const QString& name, const QString& message) {
    const QString to = QLatin1String("Private message to [") + name + QLatin1Char(']');
    return {actionStep(Request::shown(QLatin1String("tell ") + slot + QLatin1Char(' ') + message)
                           .from(QStringLiteral("private message")),
                       to + QLatin1String(": ") + message, to)};
}

Step autoKickStep(const QString& slot, const QString& name) {
    Step step =
        actionStep(Request::shown(QLatin1String("clientkick ") + slot),
                   QLatin1String("Player Auto Kicked for 999 ping [") + name + QLatin1Char(']'),
                   QLatin1String("Auto kick of ") + name);
    step.player = name;
    step.reason = QStringLiteral("automatic: ping 999");
    return step;
}

} // namespace playeractions
