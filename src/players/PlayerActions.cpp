#include "PlayerActions.h"

#include <QCoreApplication>

namespace playeractions {

namespace {

QString translated(const char* text) {
    return QCoreApplication::translate("playeractions", text);
}

// The operator's texts stay in English here and are translated where they are used: the
// table is made once, whatever language the window switches to later.
struct RemovalWords {
    const char* command;
    const char* logLine; // %1: the player's name
    const char* what;
    const char* question; // %1: the name, %2: the slot
    const char* title;
};

const RemovalWords& wordsOf(Removal removal) {
    static const RemovalWords kick{
        "clientkick ", QT_TRANSLATE_NOOP("playeractions", "Player Kicked >%1<"),
        QT_TRANSLATE_NOOP("playeractions", "Kick of %1"),
        QT_TRANSLATE_NOOP("playeractions", "Kick %1 (slot %2) from the server?"),
        QT_TRANSLATE_NOOP("playeractions", "Kick")};
    static const RemovalWords ban{
        "banclient ", QT_TRANSLATE_NOOP("playeractions", "Player banned and kicked [%1]"),
        QT_TRANSLATE_NOOP("playeractions", "Ban of %1"),
        QT_TRANSLATE_NOOP("playeractions", "Ban %1 (slot %2) from the server?"),
        QT_TRANSLATE_NOOP("playeractions", "Ban")};
    static const RemovalWords tempBan{
        "tempbanclient ",
        QT_TRANSLATE_NOOP("playeractions", "Player temporary banned and kicked [%1]"),
        QT_TRANSLATE_NOOP("playeractions", "Temp ban of %1"),
        QT_TRANSLATE_NOOP("playeractions", "Temporarily ban %1 (slot %2) from the server?"),
        QT_TRANSLATE_NOOP("playeractions", "Temp Ban")};
    return removal == Removal::Kick ? kick : (removal == Removal::Ban ? ban : tempBan);
}

} // namespace

Plan removalPlan(Removal removal, const QString& slot, const QString& name) {
    const RemovalWords& w = wordsOf(removal);
    return {actionStep(Request::shown(QLatin1String(w.command) + slot),
                       translated(w.logLine).arg(name), translated(w.what).arg(name))};
}

QString removalQuestion(Removal removal, const QString& slot, const QString& name) {
    return translated(wordsOf(removal).question).arg(name, slot);
}

QString removalTitle(Removal removal) {
    return translated(wordsOf(removal).title);
}

Plan privateMessagePlan(const QString& slot, const QString& name, const QString& message) {
    return {actionStep(
        Request::shown(QLatin1String("tell ") + slot + QLatin1Char(' ') + message)
            .from(QCoreApplication::translate("playeractions", "private message")),
        QCoreApplication::translate("playeractions", "Private message to [%1]: %2")
            .arg(name, message),
        QCoreApplication::translate("playeractions", "Private message to [%1]").arg(name))};
}

Step autoKickStep(const QString& slot, const QString& name) {
    Step step = actionStep(
        Request::shown(QLatin1String("clientkick ") + slot),
        QCoreApplication::translate("playeractions", "Player Auto Kicked for 999 ping [%1]")
            .arg(name),
        QCoreApplication::translate("playeractions", "Auto kick of %1").arg(name));
    step.player = name;
    // Kept in the history as written, whatever the language.
    step.reason = QStringLiteral("automatic: ping 999");
    return step;
}

} // namespace playeractions
