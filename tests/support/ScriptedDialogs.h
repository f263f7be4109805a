#pragma once

#include "base/Dialogs.h"

#include <QList>
#include <QQueue>
#include <QStringList>

#include <functional>

// Answers the program's dialogs from a script and records everything shown.
// Without a scripted answer a box is accepted (OK or Yes), a Retry box is cancelled (a retry
// could go on for ever), an input box returns its default text and a save dialog is cancelled.
class ScriptedDialogs : public Dialogs {
public:
    enum class Kind { Message, Input, SaveFile, Beep };
    struct Shown {
        Kind kind = Kind::Message;
        QString text; // message text, input prompt, or save dialog's proposed name
        QString title;
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
        QString defaultText;        // input default, or the save dialog's default suffix
        bool offersDontAsk = false; // a question with a "Don't ask again" check box
        bool asksReason = false;    // a question with a reason field, offering these
        QStringList recentReasons;
    };

    void setNextAnswer(Answer answer) { m_answers.enqueue(answer); }
    void setNextInput(const QString& text) { m_inputs.enqueue(text); }
    void setNextSaveName(const QString& path) { m_saveNames.enqueue(path); }
    // The next question with a "Don't ask again" box comes back with it ticked.
    void setNextDontAsk() { m_dontAsk = true; }
    // The next question with a reason field comes back with this reason.
    void setNextReason(const QString& reason) { m_reasons.enqueue(reason); }
    // Runs once while the next box is up, before it is answered: what the operator does
    // meanwhile (closes a window, clicks elsewhere).
    void setWhileNextShown(std::function<void()> action) { m_whileShown = std::move(action); }

    const QList<Shown>& shown() const { return m_shown; }
    // Only the message boxes, in order.
    QList<Shown> messages() const;
    QStringList messageTitles() const;
    int beeps() const;
    void clear();

    Answer message(const QString& text, const QString& title, Icon icon,
                   Buttons buttons = Buttons::Ok) override;
    Answer askOnce(const QString& text, const QString& title, bool& dontAskAgain) override;
    Answer askWithReason(const QString& text, const QString& title,
                         const QStringList& recentReasons, QString& reason,
                         bool& dontAskAgain) override;
    QString input(const QString& prompt, const QString& title, const QString& defaultText) override;
    QString saveFileName(const QString& title, const QString& proposedName,
                         const QString& defaultSuffix) override;
    void beep() override;

private:
    QList<Shown> m_shown;
    QQueue<Answer> m_answers;
    QQueue<QString> m_inputs;
    QQueue<QString> m_reasons;
    QQueue<QString> m_saveNames;
    std::function<void()> m_whileShown;
    bool m_dontAsk = false;
};
