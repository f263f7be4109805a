#pragma once

#include "app/Dialogs.h"
#include "serverconfig/VariableCommand.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

class QLabel;
class QPushButton;
class Session;

// A settings check box. Besides unticked and ticked it can show the greyed third state,
// but only a value read from the server puts it there: a click moves between unticked and
// ticked (a greyed box becomes ticked).
class SettingCheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit SettingCheckBox(QWidget* parent = nullptr);

protected:
    void nextCheckState() override;
};

// Binds one settings control to its server variable. The variable's name lives in the
// control's "tag" property; the binding keeps the changed mark, which every change of the
// control's value sets, whether the operator or the program made it, and which only a
// read-out or a send clears.
class BoundControl : public QObject {
    Q_OBJECT
public:
    BoundControl(QCheckBox* box, const QString& tag);
    BoundControl(QLineEdit* field, const QString& tag);

    // The binding of a control; null when it has none.
    static BoundControl* of(const QWidget* control);

    QWidget* widget() const;
    QCheckBox* checkBox() const { return m_box; }
    QLineEdit* field() const { return m_field; }
    QString tag() const;

    bool isChanged() const { return m_changed; }
    void clearChanged() { m_changed = false; }

    // The value as it is sent: a box's state as a digit (0 unticked, 1 ticked, 2 greyed),
    // a field's text as typed.
    QString value() const;
    // A box's state: 0 unticked, 1 ticked, 2 greyed.
    int state() const;
    void setState(int state);
    void setText(const QString& text);

    QString command(varcommand::Form form) const;

private:
    void markChanged() { m_changed = true; }

    QPointer<QCheckBox> m_box;
    QPointer<QLineEdit> m_field;
    bool m_changed = false;
};

// What the read-outs and sends of the settings pages share.
namespace bound {

// The connection test of a read-out: false, after telling the operator, while no server
// is connected.
bool connectedOrWarn(Session& session);
// Asks for a variable listing, quietly, and pauses the given clock seconds for the rest of
// it. False when no listing came (the channel has told the operator why): a read-out then
// stops before it overwrites anything with the values of a listing it never saw.
bool readListing(Session& session, const QString& command, double pauseAfter);
// Whether the last send left the program: false when it was refused for want of a
// connection or a route. A sequence stops there, so that nothing unsent is logged as
// updated and the unsent controls keep their marks.
bool lastSendWent(Session& session);
// Sends one control's command (echoed in the RCON pane); when it went, logs the line and
// clears the control's mark. Returns whether it went.
bool sendControl(Session& session, BoundControl& control, const QString& command,
                 const QString& logLine);
// The operator's OK to a send: the question with OK and Cancel.
bool confirmed(Session& session, const QString& text, const QString& title, Dialogs::Icon icon);
// The send of a settings page: after the operator's OK to the question (its first line; the
// second says that only changes go), sends each changed control in order through sendOne,
// with the busy flag up, and stops at the first send that did not go.
void sendChanged(Session& session, const QString& question, const QList<BoundControl*>& controls,
                 const std::function<bool(qsizetype index, BoundControl& control)>& sendOne);
// Puts a listing value into a check box and clears its mark. A value that is no box state
// means the listing cannot be trusted: the operator is told with the given text, the box is
// left alone and the read-out stops (false).
bool applyState(Session& session, BoundControl& box, const QString& value,
                const QString& slowServerText);

// A push button with its control name, caption and tool tip.
QPushButton* button(const QString& name, const QString& caption,
                    const QString& toolTip = QString());
// The read-out and send buttons of the settings pages.
QPushButton* populateButton(const QString& name);
QPushButton* sendButton(const QString& name);

// The label beside a control: its caption, the tool tip (the variable's name), and the
// control as its buddy; the control takes the caption as its accessible name.
QLabel* captionFor(QWidget* control, const QString& caption, const QString& toolTip,
                   const QString& labelName);

} // namespace bound

// Raises the collect-quietly and busy flags for a read-out or a send and lowers them
// (closing the progress notice when asked) however the operation ends.
class ExchangeScope {
public:
    enum Flag { CollectQuiet = 0x1, Busy = 0x2, Progress = 0x4 };
    ExchangeScope(Session& session, int flags);
    ~ExchangeScope();

    ExchangeScope(const ExchangeScope&) = delete;
    ExchangeScope& operator=(const ExchangeScope&) = delete;

private:
    Session& m_session;
    int m_flags;
};

// A read-out's frame: when a server is connected (else the operator is told and started() is
// false), raises the collect-quietly and busy flags and shows the progress notice with the
// given text, and takes them all down again however the read-out ends.
class ReadOutScope {
public:
    ReadOutScope(Session& session, const QString& progress);
    bool started() const { return m_scope.has_value(); }

private:
    std::optional<ExchangeScope> m_scope;
};
