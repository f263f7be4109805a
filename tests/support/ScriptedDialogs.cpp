#include "ScriptedDialogs.h"

#include <utility>

QList<ScriptedDialogs::Shown> ScriptedDialogs::messages() const {
    QList<Shown> boxes;
    for (const Shown& s : m_shown)
        if (s.kind == Kind::Message)
            boxes << s;
    return boxes;
}

QStringList ScriptedDialogs::messageTitles() const {
    QStringList titles;
    for (const Shown& s : messages())
        titles << s.title;
    return titles;
}

int ScriptedDialogs::beeps() const {
    int n = 0;
    for (const Shown& s : m_shown)
        n += s.kind == Kind::Beep;
    return n;
}

void ScriptedDialogs::clear() {
    m_shown.clear();
    m_answers.clear();
    m_inputs.clear();
    m_reasons.clear();
    m_saveNames.clear();
}

Dialogs::Answer ScriptedDialogs::message(const QString& text, const QString& title, Icon icon,
                                         Buttons buttons) {
    m_shown << Shown{Kind::Message, text, title, icon, buttons, {}};
    if (std::function<void()> action = std::exchange(m_whileShown, {}))
        action();
    if (!m_answers.isEmpty())
        return m_answers.dequeue();
    switch (buttons) {
    case Buttons::YesNo:
        return Answer::Yes;
    case Buttons::RetryCancel:
        return Answer::Cancel;
    default:
        return Answer::Ok;
    }
}

Dialogs::Answer ScriptedDialogs::askOnce(const QString& text, const QString& title,
                                         bool& dontAskAgain) {
    const Answer answer = message(text, title, Icon::Question, Buttons::YesNo);
    m_shown.last().offersDontAsk = true;
    dontAskAgain = std::exchange(m_dontAsk, false);
    return answer;
}

Dialogs::Answer ScriptedDialogs::askWithReason(const QString& text, const QString& title,
                                               const QStringList& recentReasons, QString& reason,
                                               bool& dontAskAgain) {
    const Answer answer = askOnce(text, title, dontAskAgain);
    m_shown.last().asksReason = true;
    m_shown.last().recentReasons = recentReasons;
    reason = m_reasons.isEmpty() ? QString() : m_reasons.dequeue();
    return answer;
}

QString ScriptedDialogs::input(const QString& prompt, const QString& title,
                               const QString& defaultText) {
    m_shown << Shown{Kind::Input, prompt, title, Icon::None, Buttons::OkCancel, defaultText};
    return m_inputs.isEmpty() ? defaultText : m_inputs.dequeue();
}

QString ScriptedDialogs::saveFileName(const QString& title, const QString& proposedName,
                                      const QString& defaultSuffix) {
    m_shown << Shown{Kind::SaveFile, proposedName,      title,
                     Icon::None,     Buttons::OkCancel, defaultSuffix};
    return m_saveNames.isEmpty() ? QString() : m_saveNames.dequeue();
}

void ScriptedDialogs::beep() {
    m_shown << Shown{Kind::Beep, {}, {}, Icon::None, Buttons::Ok, {}};
}
