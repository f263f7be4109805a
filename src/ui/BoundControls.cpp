#include "BoundControls.h"

#include "app/Session.h"
#include "rcon/ReplyText.h"
#include "serverconfig/ListingValue.h"
#include "ui/Mnemonics.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <memory>

SettingCheckBox::SettingCheckBox(QWidget* parent) : QCheckBox(parent) {
    setTristate(true);
}

void SettingCheckBox::nextCheckState() {
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

BoundControl::BoundControl(QCheckBox* box, const QString& tag) : QObject(box), m_box(box) {
    box->setProperty("tag", tag);
    connect(box, &QCheckBox::stateChanged, this, &BoundControl::markChanged);
}

BoundControl::BoundControl(QLineEdit* field, const QString& tag) : QObject(field), m_field(field) {
    field->setProperty("tag", tag);
    connect(field, &QLineEdit::textChanged, this, &BoundControl::markChanged);
}

BoundControl::BoundControl(QSpinBox* box, const QString& tag) : QObject(box), m_spin(box) {
    box->setProperty("tag", tag);
    connect(box, &QSpinBox::valueChanged, this, &BoundControl::markChanged);
}

BoundControl* BoundControl::of(const QWidget* control) {
    return control ? control->findChild<BoundControl*>(QString(), Qt::FindDirectChildrenOnly)
                   : nullptr;
}

QWidget* BoundControl::widget() const {
    if (m_box)
        return m_box;
    if (m_field)
        return m_field;
    return m_spin;
}

QString BoundControl::tag() const {
    const QWidget* control = widget();
    return control ? control->property("tag").toString() : QString();
}

int BoundControl::state() const {
    if (!m_box)
        return 0;
    switch (m_box->checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    default:
        return 0;
    }
}

void BoundControl::setState(int state) {
    if (!m_box)
        return;
    m_box->setCheckState(state == 1   ? Qt::Checked
                         : state == 2 ? Qt::PartiallyChecked
                                      : Qt::Unchecked);
}

void BoundControl::setText(const QString& text) {
    if (m_field)
        m_field->setText(text);
}

QString BoundControl::value() const {
    if (m_field)
        return m_field->text();
    if (m_spin)
        return QString::number(m_spin->value());
    return QString::number(state());
}

QString BoundControl::command(varcommand::Form form) const {
    return varcommand::command(form, tag(), value());
}

namespace bound {

namespace {

// The progress notice of an exchange, as a child of the exchange's context: it goes when
// the exchange ends, or with the context.
class ProgressShown : public QObject {
public:
    ProgressShown(Session& session, QObject* context, const QString& text)
        : QObject(context), m_session(&session) {
        session.showProgress(text);
    }
    ~ProgressShown() override {
        // The session may already be gone when the program ends mid exchange.
        if (m_session)
            m_session->hideProgress();
    }

protected:
    QPointer<Session> m_session;
};

} // namespace

bool connectedOrWarn(Session& session) {
    if (session.isConnected())
        return true;
    session.dialogs().message(
        QCoreApplication::translate("bound", "You need to connect to a server first"),
        QCoreApplication::translate("bound", "Not Connected"), Dialogs::Icon::Exclamation);
    return false;
}

void readOut(Session& session, QObject* context, const QString& progress,
             const QStringList& listings, ListingHandler apply) {
    if (!connectedOrWarn(session))
        return;
    const auto applyReply = std::make_shared<ListingHandler>(std::move(apply));
    Plan plan;
    for (qsizetype i = 0; i < listings.size(); ++i)
        plan << readStep(
            Request::listing(listings.at(i)), [applyReply, i](const Reply& reply, const Outcome&) {
                if (reply.status != Reply::Status::Replied || !(*applyReply)(i, reply.text))
                    return ReadResult::stopHere();
                return ReadResult::goOn();
            });
    sendPlanFor(session, context, plan, {}, {}, progress);
}

Step controlStep(const QString& command, const QString& logLine) {
    return settingStep(Request::shown(command), logLine);
}

void sendPlanFor(Session& session, QObject* context, const Plan& plan,
                 const QList<BoundControl*>& sent, PlanHandler done, const QString& progress) {
    QList<QPointer<BoundControl>> controls(sent.begin(), sent.end());
    QPointer<ProgressShown> shown;
    if (!progress.isEmpty())
        shown = new ProgressShown(session, context, progress);
    auto ended = [shown, done = std::move(done)](const PlanOutcome& outcome) {
        delete shown.data();
        if (done)
            done(outcome);
    };
    session.run(plan, context, std::move(ended),
                [controls](int index, const Step&, const Reply&, const Outcome& outcome) {
                    // A value the server did not take is still a change to send.
                    if (index < controls.size() && controls.at(index) && !outcome.refused())
                        controls.at(index)->clearChanged();
                });
}

void sendChanged(Session& session, QObject* context, const QString& question,
                 const QList<BoundControl*>& controls, const ControlSteps& stepsOf) {
    if (!confirmed(session,
                   QCoreApplication::translate("bound", "%1\rOnly changed values will be sent.")
                       .arg(question),
                   QCoreApplication::translate("bound", "Send to Server?"),
                   Dialogs::Icon::Information))
        return;
    Plan plan;
    // The control a step clears once it went: only the last step of each control does.
    QList<BoundControl*> clears;
    for (qsizetype i = 0; i < controls.size(); ++i) {
        if (!controls[i]->isChanged())
            continue;
        const Plan steps = stepsOf(i, *controls[i]);
        for (qsizetype s = 0; s < steps.size(); ++s)
            clears << (s + 1 == steps.size() ? controls[i] : nullptr);
        plan << steps;
    }
    sendPlanFor(session, context, plan, clears);
}

bool confirmed(Session& session, const QString& text, const QString& title, Dialogs::Icon icon) {
    // A question whose answer could only lead to "not connected" is not asked.
    return connectedOrWarn(session) &&
           session.dialogs().message(text, title, icon, Dialogs::Buttons::OkCancel) ==
               Dialogs::Answer::Ok;
}

bool applyState(Session& session, BoundControl& box, const QString& value,
                const QString& slowServerText) {
    const std::optional<int> state = listing::checkState(value);
    if (!state) {
        session.dialogs().message(slowServerText,
                                  QCoreApplication::translate("bound", "Slow Server Response"),
                                  Dialogs::Icon::Exclamation);
        return false;
    }
    box.setState(*state);
    box.clearChanged();
    return true;
}

void disableWhileBusy(Session& session, QObject* context, const QList<QWidget*>& buttons) {
    QList<QPointer<QWidget>> guarded(buttons.begin(), buttons.end());
    QObject::connect(&session.client(), &RconClient::busyChanged, context,
                     [context, guarded](QObject* busyContext, bool busy) {
                         if (busyContext != context)
                             return;
                         for (const QPointer<QWidget>& button : guarded)
                             if (button)
                                 button->setEnabled(!busy);
                     });
}

QPushButton* button(const QString& name, const QString& caption, const QString& toolTip) {
    auto* made = new QPushButton(caption);
    made->setObjectName(name);
    made->setToolTip(toolTip);
    return made;
}

QPushButton* populateButton(const QString& name) {
    return button(name, QCoreApplication::translate("bound", "Populate from server"),
                  QCoreApplication::translate(
                      "bound", "Check existing settings on server and sets below fields up"));
}

QPushButton* sendButton(const QString& name) {
    return button(
        name, QCoreApplication::translate("bound", "Send current to server"),
        QCoreApplication::translate("bound", "Send setting to server, blanks will be ignored."));
}

QLabel* captionFor(QWidget* control, const QString& caption, const QString& toolTip,
                   const QString& labelName) {
    auto* label = new QLabel(caption, control->parentWidget());
    label->setObjectName(labelName);
    label->setToolTip(toolTip);
    label->setBuddy(control);
    control->setAccessibleName(mnemonics::plain(caption).trimmed());
    return label;
}

} // namespace bound
