#pragma once

#include "base/Dialogs.h"
#include "rcon/PlanRunner.h"
#include "serverconfig/VariableCommand.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QObject>
#include <QPointer>
#include <QSpinBox>

#include <functional>

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
    BoundControl(QSpinBox* box, const QString& tag);

    // The binding of a control; null when it has none.
    static BoundControl* of(const QWidget* control);

    QWidget* widget() const;
    QCheckBox* checkBox() const { return m_box; }
    QLineEdit* field() const { return m_field; }
    QSpinBox* spinBox() const { return m_spin; }
    QString tag() const;

    bool isChanged() const { return m_changed; }
    void clearChanged() { m_changed = false; }

    // The value as it is sent: a box's state as a digit (0 unticked, 1 ticked, 2 greyed),
    // a field's text as typed, a spin box's number.
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
    QPointer<QSpinBox> m_spin;
    bool m_changed = false;
};

// What the read-outs and sends of the settings pages share.
namespace bound {

// The connection test of a read-out: false, after telling the operator, while no server
// is connected.
bool connectedOrWarn(Session& session);

// Sets the controls from one listing's reply; false stops the read-out there.
using ListingHandler = std::function<bool(qsizetype index, const QString& reply)>;

// A read-out for `context`: when a server is connected (else the operator is told), shows the
// progress notice and asks for the listings one after the other, quietly; after each reply
// `apply` sets the controls from it. A listing that did not come ends the read-out before
// anything is overwritten with the values of a reply never seen. The notice goes when the
// read-out ends, also when its context goes first.
void readOut(Session& session, QObject* context, const QString& progress,
             const QStringList& listings, ListingHandler apply);

// The steps that send one control.
using ControlSteps = std::function<Plan(qsizetype index, BoundControl& control)>;

// The send of a settings page: with a server connected and after the operator's OK to the
// question (its first line; the second says that only changes go), sends the steps of each
// changed control in order, and clears a control's mark once its last step went. Stops at the
// first step that did not go, so unsent controls keep their marks.
void sendChanged(Session& session, QObject* context, const QString& question,
                 const QList<BoundControl*>& controls, const ControlSteps& stepsOf);
// Sends the plan; each control in `sent` has its mark cleared once its step (by position)
// went. `done` runs when the plan ends. With a progress text, the notice shows it until the
// plan ends, also when its context goes first.
void sendPlanFor(Session& session, QObject* context, const Plan& plan,
                 const QList<BoundControl*>& sent, PlanHandler done = {},
                 const QString& progress = QString());

// One step that sends a control's command, echoed in the RCON pane, and logs the line.
Step controlStep(const QString& command, const QString& logLine);

// The operator's OK to a send: while no server is connected the operator is told so and
// nothing is asked; otherwise the question with OK and Cancel.
bool confirmed(Session& session, const QString& text, const QString& title, Dialogs::Icon icon);
// Puts a listing value into a check box and clears its mark. A value that is no box state
// means the listing cannot be trusted: the operator is told with the given text, the box is
// left alone and the read-out stops (false).
bool applyState(Session& session, BoundControl& box, const QString& value,
                const QString& slowServerText);

// Disables the buttons while `context` has a request or a sequence under way.
void disableWhileBusy(Session& session, QObject* context, const QList<QWidget*>& buttons);

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
