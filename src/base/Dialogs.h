#pragma once

#include <QString>
#include <QStringList>

// Every message box, question, input box and save dialog of the program goes through
// this interface, so tests can answer them from a script and see exactly what was shown.
class Dialogs {
public:
    enum class Icon { None, Information, Exclamation, Question, Critical };
    enum class Buttons { Ok, OkCancel, YesNo, RetryCancel };
    enum class Answer { Ok, Cancel, Yes, No, Retry };

    virtual ~Dialogs() = default;

    virtual Answer message(const QString& text, const QString& title, Icon icon,
                           Buttons buttons = Buttons::Ok) = 0;
    // A Yes/No question with a "Don't ask again" check box; `dontAskAgain` comes back ticked
    // when the operator ticked it. A dialog without the box asks the plain question.
    virtual Answer askOnce(const QString& text, const QString& title, bool& dontAskAgain) {
        dontAskAgain = false;
        return message(text, title, Icon::Question, Buttons::YesNo);
    }
    // askOnce that also asks why: `reason` comes back as typed or picked from
    // `recentReasons` (newest first), and may be empty. A dialog without the field asks the
    // plain question and gives no reason.
    virtual Answer askWithReason(const QString& text, const QString& title,
                                 const QStringList& recentReasons, QString& reason,
                                 bool& dontAskAgain) {
        Q_UNUSED(recentReasons);
        reason.clear();
        return askOnce(text, title, dontAskAgain);
    }
    // Returns the typed text; an empty text when the operator cancels.
    virtual QString input(const QString& prompt, const QString& title,
                          const QString& defaultText) = 0;
    // Returns the chosen path; an empty text when the operator cancels.
    virtual QString saveFileName(const QString& title, const QString& proposedName,
                                 const QString& defaultSuffix) = 0;
    virtual void beep() = 0;
};
