#include "BoundControls.h"

#include "app/Session.h"
#include "rcon/WaitClock.h"
#include "serverconfig/ListingValue.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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

BoundControl* BoundControl::of(const QWidget* control) {
    return control ? control->findChild<BoundControl*>(QString(), Qt::FindDirectChildrenOnly)
                   : nullptr;
}

QWidget* BoundControl::widget() const {
    if (m_box)
        return m_box;
    return m_field;
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
    return QString::number(state());
}

QString BoundControl::command(varcommand::Form form) const {
    return varcommand::command(form, tag(), value());
}

namespace bound {

bool connectedOrWarn(Session& session) {
    if (session.isConnected())
        return true;
    session.dialogs().message(QStringLiteral("You need to connect to a server first"),
                              QStringLiteral("Not Connected"), Dialogs::Icon::Exclamation);
    return false;
}

bool readListing(Session& session, const QString& command, double pauseAfter) {
    session.sendinfo(command, true);
    if (!session.state().gotreply)
        return false;
    if (pauseAfter > 0)
        pausesecs(pauseAfter);
    return true;
}

bool lastSendWent(Session& session) {
    return !session.sendRefused();
}

bool sendControl(Session& session, BoundControl& control, const QString& command,
                 const QString& logLine) {
    session.sendinfo(command, false);
    if (!lastSendWent(session))
        return false;
    session.addmessage(logLine);
    control.clearChanged();
    return true;
}

bool confirmed(Session& session, const QString& text, const QString& title, Dialogs::Icon icon) {
    return session.dialogs().message(text, title, icon, Dialogs::Buttons::OkCancel) ==
           Dialogs::Answer::Ok;
}

void sendChanged(Session& session, const QString& question, const QList<BoundControl*>& controls,
                 const std::function<bool(qsizetype index, BoundControl& control)>& sendOne) {
    if (!confirmed(session, question + QStringLiteral("\rOnly changed values will be sent."),
                   QStringLiteral("Send to Server?"), Dialogs::Icon::Information))
        return;
    ExchangeScope scope(session, ExchangeScope::Busy);
    for (qsizetype i = 0; i < controls.size(); ++i) {
        if (controls[i]->isChanged() && !sendOne(i, *controls[i]))
            return;
    }
}

bool applyState(Session& session, BoundControl& box, const QString& value,
                const QString& slowServerText) {
    const std::optional<int> state = listing::checkState(value);
    if (!state) {
        session.dialogs().message(slowServerText, QStringLiteral("Slow Server Response"),
                                  Dialogs::Icon::Exclamation);
        return false;
    }
    box.setState(*state);
    box.clearChanged();
    return true;
}

QPushButton* button(const QString& name, const QString& caption, const QString& toolTip) {
    auto* made = new QPushButton(caption);
    made->setObjectName(name);
    made->setToolTip(toolTip);
    return made;
}

QPushButton* populateButton(const QString& name) {
    return button(name, QStringLiteral("Populate from server"),
                  QStringLiteral("Check existing settings on server and sets below fields up"));
}

QPushButton* sendButton(const QString& name) {
    return button(name, QStringLiteral("Send current to server"),
                  QStringLiteral("Send setting to server, blanks will be ignored."));
}

QLabel* captionFor(QWidget* control, const QString& caption, const QString& toolTip,
                   const QString& labelName) {
    auto* label = new QLabel(caption, control->parentWidget());
    label->setObjectName(labelName);
    label->setToolTip(toolTip);
    label->setBuddy(control);
    control->setAccessibleName(caption.trimmed());
    return label;
}

} // namespace bound

ExchangeScope::ExchangeScope(Session& session, int flags) : m_session(session), m_flags(flags) {
    if (m_flags & CollectQuiet)
        m_session.state().collectquiet = true;
    if (m_flags & Busy)
        m_session.state().busy = true;
}

ExchangeScope::~ExchangeScope() {
    if (m_flags & Progress)
        m_session.showprogress(QString(), QStringLiteral("REP"));
    if (m_flags & Busy)
        m_session.state().busy = false;
    if (m_flags & CollectQuiet)
        m_session.state().collectquiet = false;
}

ReadOutScope::ReadOutScope(Session& session, const QString& progress) {
    if (!bound::connectedOrWarn(session))
        return;
    m_scope.emplace(session,
                    ExchangeScope::CollectQuiet | ExchangeScope::Busy | ExchangeScope::Progress);
    session.showprogress(progress, QStringLiteral("REP"));
}
