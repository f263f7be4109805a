#include "ConnectController.h"

#include "LogActions.h"
#include "MainWidgets.h"
#include "app/ConnectChecks.h"
#include "app/ServerDetailsPlan.h"
#include "app/Session.h"
#include "app/StatusQuery.h"
#include "base/Dialogs.h"
#include "base/WaitClock.h"
#include "rcon/Outcome.h"
#include "rcon/ReplyText.h"

#include <QComboBox>
#include <QHostInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include <functional>

namespace {

// Translated where they are shown: a text made before main() would stay English.
const char* const kErrorTitle = QT_TRANSLATE_NOOP("ConnectController", "Error...");
const char* const kNoConnectionTitle = QT_TRANSLATE_NOOP("ConnectController", "No connection");
// A server answers again this many clock seconds after a map load or restart began.
constexpr double kLoadSeconds = 5;

// Keys with which a combo box changes its value without typing.
bool isListKey(const QKeyEvent* key) {
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_F4:
        return true;
    default:
        return false;
    }
}

} // namespace

ConnectController::ConnectController(Session& session, MainWidgets& widgets, LogActions& logs,
                                     QObject* parent)
    : QObject(parent), m_session(session), m_widgets(widgets), m_logs(logs) {
    connect(&session.client(), &RconClient::closedByError, this,
            &ConnectController::onClosedByError);
    connect(&session, &Session::mapLoaded, this, &ConnectController::mapLoaded);
    m_reloadWait.setSingleShot(true);
    connect(&m_reloadWait, &QTimer::timeout, this, &ConnectController::rereadGameStatus);
    // Return in the password box connects, as the Connect button would.
    connect(m_widgets.txtPWD, &QLineEdit::returnPressed, this, [this] {
        if (m_session.connection() == ConnectionState::Disconnected)
            connectToServer();
    });
    // A locked combo box must not change its value through its list either.
    m_widgets.comserver->installEventFilter(this);
    m_widgets.comport->installEventFilter(this);
}

void ConnectController::connectClicked() {
    switch (m_session.connection()) {
    case ConnectionState::Connected:
        disconnectFromServer();
        return;
    case ConnectionState::Connecting:
        // One connect at a time: the click waits for the one under way.
        return;
    case ConnectionState::Disconnected:
        connectToServer();
        return;
    }
}

void ConnectController::progress(const QString& text, ProgressMode mode, bool quietly) {
    if (!quietly)
        m_session.showProgress(text, mode);
}

void ConnectController::refuse(const QString& text, const QString& title) {
    closeAndStop();
    m_session.dialogs().message(text, title, Dialogs::Icon::Exclamation);
}

void ConnectController::closeAndStop() {
    m_session.client().close();
    m_session.hideProgress();
    m_session.setConnection(ConnectionState::Disconnected);
    endSequence();
}

void ConnectController::endSequence() {
    if (!m_sequenceRunning)
        return;
    m_sequenceRunning = false;
    emit connectEnded();
}

void ConnectController::setFieldsLocked(bool locked) {
    m_locked = locked;
    m_widgets.comserver->lineEdit()->setReadOnly(locked);
    m_widgets.comport->lineEdit()->setReadOnly(locked);
    m_widgets.txtPWD->setReadOnly(locked);
}

bool ConnectController::eventFilter(QObject* watched, QEvent* event) {
    if (!m_locked || (watched != m_widgets.comserver && watched != m_widgets.comport))
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        return true;
    case QEvent::KeyPress:
        return isListKey(static_cast<QKeyEvent*>(event));
    default:
        return QObject::eventFilter(watched, event);
    }
}

void ConnectController::saveAndClearLogs() {
    const Options& o = m_session.state().options;
    if (o.clearrconnew) {
        if (o.savercon)
            m_logs.saveRcon(false);
        m_widgets.txtoutput->clear();
    }
    if (o.clearmessnew) {
        if (o.savemessages)
            m_logs.saveMessages(false);
        m_widgets.lstmessages->clear();
    }
    // The saves are over: their notice must not stand for the connect.
    m_session.hideProgress();
}

void ConnectController::connectToServer(bool retry) {
    const SharedState& state = m_session.state();
    m_session.hideProgress();
    if (!state.loading && !retry)
        saveAndClearLogs();

    const QString server = m_widgets.comserver->currentText().trimmed();
    const QString portText = m_widgets.comport->currentText().trimmed();
    const QString password = m_widgets.txtPWD->text().trimmed();
    m_widgets.comserver->setEditText(server);
    m_widgets.comport->setEditText(portText);
    m_widgets.txtPWD->setText(password);

    // A refused field leaves no notice up (the saving of the old logs shows one).
    const auto refuseField = [this](const QString& text) {
        m_session.dialogs().message(text, tr(kErrorTitle), Dialogs::Icon::Exclamation);
        m_session.hideProgress();
    };
    if (server.isEmpty() || portText.isEmpty() || password.isEmpty()) {
        refuseField(tr("Please provide all fields, Server, Port and password"));
        return;
    }
    const QString refusal = connectionRowRefusal(server, portText, password);
    if (!refusal.isEmpty()) {
        m_session.dialogs().message(refusal, unsupportedTitle(), Dialogs::Icon::Exclamation);
        m_session.hideProgress();
        return;
    }
    const std::optional<quint16> port = parsePort(portText);
    if (!port) {
        refuseField(tr("Please provide a port number from 1 to 65535"));
        return;
    }
    const Target target{server, portText, *port, state.loading};
    m_session.setServerName(server + QLatin1Char(':') + portText);
    m_sequenceRunning = true;
    m_session.setConnection(ConnectionState::Connecting);
    QHostAddress literal;
    if (literal.setAddress(server)) {
        openAndProbe(target, literal);
        return;
    }
    // Looked up in the background; the window stays live meanwhile.
    QHostInfo::lookupHost(server, this,
                          [this, target](const QHostInfo& info) { lookedUp(target, info); });
}

void ConnectController::lookedUp(const Target& target, const QHostInfo& info) {
    // A disconnect while the name was looked up ended this connect.
    if (m_session.connection() != ConnectionState::Connecting)
        return;
    const QList<QHostAddress> addresses = info.addresses();
    if (info.error() != QHostInfo::NoError || addresses.isEmpty()) {
        const QString reason = info.error() != QHostInfo::NoError ? info.errorString()
                                                                  : tr("The name has no address.");
        refuse(tr("Cannot find the server %1\r%2").arg(target.server, reason),
               tr("Server not found"));
        return;
    }
    // Game servers listen on IPv4; a name with both kinds of address is reached there.
    for (const QHostAddress& address : addresses) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol) {
            openAndProbe(target, address);
            return;
        }
    }
    openAndProbe(target, addresses.first());
}

void ConnectController::openAndProbe(const Target& target, const QHostAddress& address) {
    if (!m_session.client().open(address, target.port)) {
        refuse(tr("Cannot open a network socket towards the server"), tr(kErrorTitle));
        return;
    }
    // The password probe: its reply (the player list) shows in the pane unless the start-up
    // connects. Silence is told by the connect itself, once it knows more.
    Request probe = Request::unechoed(QStringLiteral("status"));
    probe.quiet = target.quietly;
    probe.boxWhenUnanswered = false;
    const int run = ++m_connectRuns;
    const Plan plan{readStep(probe, [this, target](const Reply& reply, const Outcome& outcome) {
        return probeRead(target, reply, outcome);
    })};
    m_session.run(plan, this, [this, run, quietly = target.quietly](const PlanOutcome&) {
        // A retry offered at the end of this connect has started another one.
        if (run != m_connectRuns)
            return;
        if (m_session.connection() == ConnectionState::Connected)
            finishConnect(quietly);
        else
            closeAndStop(); // cancelled, or no route to the server
    });
}

ReadResult ConnectController::probeRead(const Target& target, const Reply& reply,
                                        const Outcome& outcome) {
    if (!m_session.client().isOpen())
        return ReadResult::stopHere();
    if (reply.status == Reply::Status::NoReply)
        return ReadResult::goOn({publicStatusStep(target)});
    if (outcome.refused()) {
        refuse((replytext::isPasswordRefusal(reply.text)
                    ? tr("Invalid Rcon password, no connection established\r%1")
                    : tr("The server refused \"status\", no connection established\r%1"))
                   .arg(outcome.serverWords),
               tr(kNoConnectionTitle));
        return ReadResult::stopHere();
    }

    // Connected: the remote console answered and took the password.
    setFieldsLocked(true);
    m_widgets.cmdconnect->setText(tr("Disconnect"));
    m_session.setConnection(ConnectionState::Connected);
    m_session.addMessage(tr("Connected to server %1:%2").arg(target.server, target.portText));
    return ReadResult::goOn(serverDetailsPlan(m_session, target.quietly,
                                              [this](const QString& gametype, const QString& map) {
                                                  emit gameStatusRead(gametype, map);
                                              }));
}

// The remote console stayed silent through every attempt: the public status query tells a
// server that does not let this console in from no server at all.
Step ConnectController::publicStatusStep(const Target& target) {
    return readStep(
        Request::statusQuery(),
        [this, target](const Reply& reply, const Outcome&) {
            if (m_session.client().isOpen())
                offerRetry(target, reply.status == Reply::Status::Replied);
            return ReadResult::stopHere();
        },
        target.quietly ? QString()
                       : tr("No answer from the remote console; asking for the server's status"));
}

void ConnectController::offerRetry(const Target& target, bool publicQueryAnswered) {
    closeAndStop();
    const QString address = addressText(target.server, QString::number(target.port));
    if (m_session.dialogs().message(unansweredConnectText(address, publicQueryAnswered),
                                    tr(kNoConnectionTitle), Dialogs::Icon::Exclamation,
                                    Dialogs::Buttons::RetryCancel) == Dialogs::Answer::Retry &&
        m_session.connection() == ConnectionState::Disconnected)
        connectToServer(true);
}

void ConnectController::finishConnect(bool quietly) {
    if (!quietly)
        m_session.hideProgress();
    endSequence();
}

// The game type and map read at the connect no longer hold: they are read again once the server
// has loaded. Another load meanwhile puts the read off again.
void ConnectController::mapLoaded() {
    if (!m_session.isConnected())
        return;
    emit gameStatusRead({}, {});
    m_reloadWait.start(int(WaitClock::instance().toMs(kLoadSeconds)));
}

void ConnectController::rereadGameStatus() {
    if (!m_session.isConnected())
        return;
    m_session.send(Request::statusQuery(), &m_rereadWork, [this](const Reply& reply) {
        if (reply.status != Reply::Status::Replied || !m_session.isConnected())
            return;
        const statusquery::GameStatus status = statusquery::readGameStatus(reply.text);
        emit gameStatusRead(status.gametype, status.map);
    });
}

void ConnectController::disconnectFromServer() {
    m_reloadWait.stop();
    m_session.client().close();
    m_session.hideProgress();
    m_widgets.cmdconnect->setText(tr("Connect"));
    m_session.setConnection(ConnectionState::Disconnected);
    setFieldsLocked(false);
    // A connect cut short (also after the password was accepted, while the server's details
    // are read) has ended too.
    endSequence();
}

void ConnectController::onClosedByError(const QString& description) {
    m_session.addMessage(tr("Connection to server lost: %1").arg(description));
    if (m_session.connection() != ConnectionState::Disconnected)
        disconnectFromServer();
}
