#include "MessageCycler.h"

#include "FrameHelpers.h"
#include "app/Session.h"
#include "base/Dialogs.h"
#include "base/NumberRules.h"
#include "base/WaitClock.h"
#include "messages/CyclerLogic.h"
#include "messages/CyclerPlan.h"
#include "messages/MessageSets.h"
#include "rcon/OutputSink.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

using messageframes::tippedButton;

MessageCycler::MessageCycler(Session& session, MessageSets& sets,
                             std::function<QString()> chosenSet, QWidget* parent)
    : QGroupBox(tr("Message Cycler"), parent), m_session(session), m_sets(sets),
      m_chosenSet(std::move(chosenSet)) {
    setObjectName(QStringLiteral("frmcycler"));
    connect(&session, &Session::disconnected, this, [this] {
        if (running())
            stop();
    });
    m_timer = named(new QTimer(this), "tmrmessage");
    m_broadcasts = new QObject(this);
    m_timer->setInterval(60 * WaitClock::instance().secondMs());
    connect(m_timer, &QTimer::timeout, this, &MessageCycler::tick);

    m_interval = named(new QLineEdit(QStringLiteral("3"), this), "txtinterval");
    m_interval->setToolTip(tr("Number of minutes between messages (1 -10)"));
    m_interval->setMaximumWidth(50);
    auto* intervalLabel = new QLabel(tr("Message Interval"), this);
    intervalLabel->setBuddy(m_interval);
    m_start = tippedButton(tr("Start"), "cmdmessstart",
                           tr("Start the message cycle on active server"), this);
    m_stop = tippedButton(tr("Stop"), "cmdmessstop", tr("Stop the message cycle on server"), this);
    m_stop->setEnabled(false);

    auto* row = new QHBoxLayout(this);
    row->addWidget(intervalLabel);
    row->addWidget(m_interval);
    row->addSpacing(12);
    row->addWidget(m_start);
    row->addWidget(m_stop);
    row->addStretch();

    m_interval->installEventFilter(this);
    connect(m_interval, &QLineEdit::textEdited, this, [this] { m_intervalChanged = true; });
    connect(m_start, &QPushButton::clicked, this, [this] { start(true); });
    connect(m_stop, &QPushButton::clicked, this, &MessageCycler::stop);
}

bool MessageCycler::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_interval && messageframes::operatorLeft(event))
        intervalEdited();
    return QGroupBox::eventFilter(watched, event);
}

bool MessageCycler::running() const {
    return m_timer->isActive();
}

void MessageCycler::stop() {
    m_timer->stop();
    m_start->setEnabled(true);
    m_stop->setEnabled(false);
}

void MessageCycler::stopBeforeSave() {
    if (!running())
        return;
    m_session.showProgress(tr("Stopping the active message Cycle to sync changes"));
    stop();
}

void MessageCycler::start(bool interactive) {
    ServerState& server = m_session.server();
    Dialogs& dialogs = m_session.dialogs();
    if (!m_session.isConnected()) {
        if (interactive)
            dialogs.message(tr("Please connect to server first"), tr("Not Connected"),
                            Dialogs::Icon::Information);
        return;
    }
    if (m_sets.pending()) {
        dialogs.message(tr("Pending Save sets active\r"
                           "Please either Save or Discard changes\r"
                           "before starting message cycler"),
                        tr("Pending Save Sets"), Dialogs::Icon::Exclamation);
        return;
    }
    const QString name = m_chosenSet();
    if (interactive && dialogs.message(tr("Start message Cycle for set named:\r%1").arg(name),
                                       tr("Start Message Cycler"), Dialogs::Icon::Question,
                                       Dialogs::Buttons::OkCancel) != Dialogs::Answer::Ok)
        return;
    // A name that is no saved set keeps the set cycled before.
    const qsizetype slot = name.isEmpty() ? -1 : m_sets.savedNames().indexOf(name);
    if (slot >= 0)
        server.cycleSet = qint16(slot);
    if (!m_sets.savedMessages(server.cycleSet).isEmpty()) {
        m_timer->setInterval(60 * WaitClock::instance().secondMs());
        m_timer->start();
        m_start->setEnabled(false);
        m_stop->setEnabled(true);
    } else if (interactive) {
        dialogs.message(tr("The message set does not contain any messages!\r"
                           " Please make some messages first."),
                        tr("No messages in set"), Dialogs::Icon::Exclamation);
    }
}

void MessageCycler::tick() {
    // Never a second broadcast of its own while one is queued or under way.
    if (m_session.client().isBusy(m_broadcasts))
        return;
    ServerState& server = m_session.server();
    if (!m_session.isConnected()) {
        if (!m_session.out().activeWindowMinimised())
            m_session.dialogs().message(tr("Please connect to server first"), tr("Not Connected"),
                                        Dialogs::Icon::Information);
        return;
    }
    const int typed = cycler::intervalMinutes(m_interval->text());
    if (!cycler::tickDue(server.cycleMinutes, typed > 0 ? typed : m_lastValidInterval))
        return;
    const QStringList messages = m_sets.savedMessages(server.cycleSet);
    const int index = cycler::pickMessage(messages, server.cyclePosition);
    if (index < 0)
        return;
    // The next tick moves on unless a cancel or a disconnect withdrew this message: one that
    // cannot be sent at all is not tried again (with its box) at every tick.
    m_session.run(cycler::broadcastPlan(messages.at(index), m_session.serverName()), m_broadcasts,
                  [this](const PlanOutcome& outcome) {
                      if (!outcome.withdrawn)
                          ++m_session.server().cyclePosition;
                  });
}

void MessageCycler::intervalEdited() {
    if (!m_intervalChanged)
        return;
    const QString text = m_interval->text();
    Dialogs& dialogs = m_session.dialogs();
    if (!numbers::isNumeric(text)) {
        dialogs.message(tr("Value between 1 and 10 only please"), tr("Invalid Entry"),
                        Dialogs::Icon::Information);
        messageframes::refocusLater(m_interval);
        return;
    }
    const int minutes = cycler::intervalMinutes(text);
    if (minutes == 0) {
        dialogs.message(tr("Value between 1 and 10 minutes"), tr("Invalid Entry"),
                        Dialogs::Icon::Information);
        messageframes::refocusLater(m_interval);
        return;
    }
    m_lastValidInterval = minutes;
    m_intervalChanged = false;
    m_session.server().cycleMinutes = 0;
}

void MessageCycler::useInterval(qint16 minutes) {
    m_interval->setText(QString::number(minutes));
    if (const int valid = cycler::intervalMinutes(m_interval->text()))
        m_lastValidInterval = valid;
}
