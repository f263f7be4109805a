#include "ConnectController.h"

#include "LogActions.h"
#include "MainWidgets.h"
#include "app/CfgScan.h"
#include "app/ConnectChecks.h"
#include "app/Dialogs.h"
#include "app/Session.h"
#include "app/StatusQuery.h"
#include "pages/MessagesPage.h"
#include "pages/MiscPage.h"
#include "pages/PlayersPage.h"
#include "rcon/WaitClock.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEventLoop>
#include <QHostInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include <functional>

namespace {

// Seconds the public status query may take before the server counts as silent.
constexpr int kStatusWaits = 5;

const QString kErrorTitle = QStringLiteral("Error...");
const QString kNoConnectionTitle = QStringLiteral("No connection");

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

ConnectController::ConnectController(Session& session, MainWidgets& widgets, Pages& pages,
                                     LogActions& logs, QObject* parent)
    : QObject(parent), m_session(session), m_widgets(widgets), m_pages(pages), m_logs(logs) {
    connect(&session.channel(), &RconChannel::closedByError, this,
            &ConnectController::onClosedByError);
    // A locked combo box must not change its value through its list either.
    m_widgets.comserver->installEventFilter(this);
    m_widgets.comport->installEventFilter(this);
}

void ConnectController::cmdconnect_Click() {
    if (m_session.isConnected()) {
        disconnectFromServer();
        return;
    }
    // A click that arrives while a connect waits for the server would start a second one.
    if (m_connecting)
        return;
    m_connecting = true;
    connectToServer();
    m_connecting = false;
}

void ConnectController::progress(const QString& text, const char* mode) {
    m_session.showprogress(text, QLatin1String(mode));
}

void ConnectController::refuse(const QString& text, const QString& title) {
    m_session.dialogs().message(text, title, Dialogs::Icon::Exclamation);
    progress({}, "REP");
}

void ConnectController::closeAndStop() {
    m_session.channel().close();
    progress({}, "REP");
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
    SharedState& state = m_session.state();
    const auto automatically = [&state](const std::function<void()>& save) {
        const bool previous = state.automode;
        state.automode = true;
        save();
        state.automode = previous;
    };
    const Options& o = state.options;
    if (o.clearrconnew) {
        if (o.savercon)
            automatically([this] { m_logs.saveRcon(); });
        m_widgets.txtoutput->clear();
    }
    if (o.clearmessnew) {
        if (o.savemessages)
            automatically([this] { m_logs.saveMessages(); });
        m_widgets.lstmessages->clear();
    }
}

std::optional<QHostAddress> ConnectController::resolve(const QString& host) {
    QHostAddress literal;
    if (literal.setAddress(host))
        return literal;

    // Looked up in the background; the window stays live meanwhile.
    std::optional<QHostInfo> info;
    QEventLoop loop;
    QHostInfo::lookupHost(host, &loop, [&info, &loop](const QHostInfo& result) {
        info = result;
        loop.quit();
    });
    if (!info)
        loop.exec();
    // The program is quitting: every event loop was told to end.
    if (!info)
        return std::nullopt;

    const QList<QHostAddress> addresses = info->addresses();
    if (info->error() != QHostInfo::NoError || addresses.isEmpty()) {
        const QString reason = info->error() != QHostInfo::NoError
                                   ? info->errorString()
                                   : QStringLiteral("The name has no address.");
        refuse(QStringLiteral("Cannot find the server ") + host + QLatin1Char('\r') + reason,
               QStringLiteral("Server not found"));
        return std::nullopt;
    }
    // Game servers listen on IPv4; a name with both kinds of address is reached there.
    for (const QHostAddress& address : addresses)
        if (address.protocol() == QAbstractSocket::IPv4Protocol)
            return address;
    return addresses.first();
}

void ConnectController::connectToServer() {
    SharedState& state = m_session.state();
    progress({}, "REP");
    if (!state.loading)
        saveAndClearLogs();

    const QString server = m_widgets.comserver->currentText().trimmed();
    const QString portText = m_widgets.comport->currentText().trimmed();
    const QString password = m_widgets.txtPWD->text().trimmed();
    m_widgets.comserver->setEditText(server);
    m_widgets.comport->setEditText(portText);
    m_widgets.txtPWD->setText(password);

    if (server.isEmpty() || portText.isEmpty() || password.isEmpty()) {
        refuse(QStringLiteral("Please provide all fields, Server, Port and password"), kErrorTitle);
        return;
    }
    const std::optional<quint16> port = parsePort(portText);
    if (!port) {
        refuse(QStringLiteral("Please provide a port number from 1 to 65535"), kErrorTitle);
        return;
    }
    const std::optional<QHostAddress> address = resolve(server);
    if (!address)
        return;
    if (!m_session.channel().open(*address, *port)) {
        refuse(QStringLiteral("Cannot open a network socket towards the server"), kErrorTitle);
        return;
    }

    m_session.sendinfo(QStringLiteral("status"), true);
    pausesecs(1);
    if (state.noroute || !m_session.channel().isOpen()) {
        closeAndStop();
        return;
    }
    switch (checkPasswordReply(state.response)) {
    case PasswordCheck::BadPassword:
        m_session.dialogs().message(
            QStringLiteral("Invalid Rcon password, no connection established"), kNoConnectionTitle,
            Dialogs::Icon::Exclamation);
        closeAndStop();
        return;
    case PasswordCheck::NoPasswordSet:
        // Such a server runs no command at all, so there is nothing to administer.
        m_session.dialogs().message(
            QStringLiteral("The server has no RCON password set, no connection established"),
            kNoConnectionTitle, Dialogs::Icon::Exclamation);
        closeAndStop();
        return;
    case PasswordCheck::Accepted:
        break;
    }

    // Connected; also when "status" went unanswered (the operator has seen that box).
    setFieldsLocked(true);
    m_widgets.cmdconnect->setText(QStringLiteral("Disconnect"));
    m_session.setConnectTag(QStringLiteral("YES"));
    state.Player999 = {Player999Entry{}};
    m_session.addmessage(QStringLiteral("Connected to server ") + server + QLatin1Char(':') +
                         portText);
    m_pages.misc->connectPresets();
    readServerDetails();
}

void ConnectController::readServerDetails() {
    SharedState& state = m_session.state();
    const bool quietly = state.loading;
    const auto finish = [this, &state, quietly] {
        if (!quietly)
            progress({}, "REP");
        state.collectquiet = false;
    };

    if (!quietly)
        progress(QStringLiteral("Asking server for status"), "REP");
    state.collectquiet = true;
    state.gotreply = false;
    // The buffer still holds the "status" reply; game type and map come after it.
    const qsizetype statusEnd = state.response.size();
    m_session.channel().sendDirect(QStringLiteral("getstatus"));
    QCoreApplication::processEvents();
    for (int i = 0; i < kStatusWaits && !state.gotreply && m_session.isConnected(); ++i) {
        WaitClock::instance().wait(1, [&state] { return state.gotreply; });
        QCoreApplication::processEvents();
    }
    if (!state.gotreply || !m_session.isConnected()) {
        finish();
        return;
    }
    m_session.addrcon(
        statusquery::gameModeLine(statusquery::readGameStatus(state.response.mid(statusEnd))));

    if (!quietly)
        progress(QStringLiteral("Asking server for Map rotation"), "ADD");
    m_session.sendinfo(QStringLiteral("cvarlist sv_maprotation"), true);
    pausesecs(1);
    if (!m_session.isConnected()) {
        finish();
        return;
    }
    if (state.gotreply)
        m_pages.misc->showServerRotation(m_session.getquoted(QStringLiteral("sv_maprotation")));

    if (!quietly)
        progress(QStringLiteral("Asking server for cfg files"), "ADD");
    m_session.sendinfo(QStringLiteral("fdir *.cfg"), true);
    pausesecs(1);
    if (!m_session.isConnected()) {
        finish();
        return;
    }
    if (state.gotreply) {
        if (!state.response.contains(QLatin1Char('\n')))
            m_session.addmessage(QStringLiteral("Server has no CFG files - Disabling fields..."));
        m_pages.misc->setCfgNames(scanCfgNames(state.response));
    }

    if (state.options.autoqplayer)
        m_pages.players->startAutoUpdate();
    finish();
}

void ConnectController::disconnectFromServer() {
    m_session.channel().close();
    m_widgets.cmdconnect->setText(QStringLiteral("Connect"));
    m_session.setConnectTag(QStringLiteral("NO"));
    setFieldsLocked(false);
    if (m_pages.messages->cyclerRunning())
        m_pages.messages->stopCycler();
    m_pages.players->stopAutoUpdateForDisconnect();
    m_pages.misc->clearForDisconnect();
}

void ConnectController::onClosedByError(const QString& description) {
    m_session.addmessage(QStringLiteral("Connection to server lost: ") + description);
    if (m_session.isConnected())
        disconnectFromServer();
}
