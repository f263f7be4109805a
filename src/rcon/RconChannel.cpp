#include "RconChannel.h"

#include "OutputSink.h"
#include "WaitClock.h"
#include "Wire1252.h"
#include "app/Dialogs.h"
#include "app/SharedState.h"

#include <QCoreApplication>
#include <QNetworkDatagram>
#include <QTime>
#include <QUdpSocket>

namespace {

const QChar kEchoMark(0x18);

QString timeOfDay() {
    return QTime::currentTime().toString(QStringLiteral("hh:mm:ss"));
}

QString collapseBlanks(QString text) {
    while (text.contains(QLatin1String("  ")))
        text.replace(QLatin1String("  "), QLatin1String(" "));
    return text;
}

} // namespace

RconChannel::RconChannel(SharedState& state, Dialogs& dialogs, OutputSink& out, QObject* parent)
    : QObject(parent), m_state(state), m_dialogs(dialogs), m_out(out) {}

RconChannel::~RconChannel() {
    close();
}

bool RconChannel::open(const QHostAddress& address, quint16 port) {
    close();
    auto* socket = new QUdpSocket(this);
    const bool v6 = address.protocol() == QAbstractSocket::IPv6Protocol;
    if (!socket->bind(v6 ? QHostAddress::AnyIPv6 : QHostAddress::AnyIPv4, 0)) {
        delete socket;
        return false;
    }
    m_socket = socket;
    m_serverAddress = address;
    m_serverPort = port;
    connect(socket, &QUdpSocket::readyRead, this, &RconChannel::onReadyRead);
    connect(socket, &QUdpSocket::errorOccurred, this, &RconChannel::onSocketError);
    return true;
}

void RconChannel::close() {
    if (!m_socket)
        return;
    QUdpSocket* socket = m_socket;
    m_socket = nullptr;
    socket->disconnect(this);
    socket->close();
    socket->deleteLater();
}

bool RconChannel::isOpen() const {
    return m_socket && (m_socket->state() == QAbstractSocket::BoundState ||
                        m_socket->state() == QAbstractSocket::ConnectedState);
}

void RconChannel::onSocketError(QAbstractSocket::SocketError error) {
    // UDP has no connection: a refusal from the server's host (its port closed while the
    // game restarts) says nothing about later datagrams, so the socket stays open.
    if (error == QAbstractSocket::ConnectionRefusedError || !m_socket)
        return;
    const QString description = m_socket->errorString();
    close();
    emit closedByError(description);
}

RconChannel::SendResult RconChannel::sendRcon(const QString& comm) {
    WaitClock& clock = WaitClock::instance();
    if (m_lastRconSendMs >= 0) {
        const qint64 readyAt = m_lastRconSendMs + clock.toMs(kMinGapSeconds);
        if (clock.nowMs() < readyAt)
            clock.wait(double(readyAt - clock.nowMs()) / clock.secondMs());
        if (!isOpen())
            return SendResult::Failed;
    }
    const QString password = m_password ? m_password() : QString();
    const QByteArray datagram = wire1252::encode(m_state.header + QLatin1String("rcon ") +
                                                 password + QLatin1Char(' ') + comm);
    m_lastRconSendMs = clock.nowMs();
    if (m_socket->writeDatagram(datagram, m_serverAddress, m_serverPort) == datagram.size())
        return SendResult::Sent;
    if (m_socket && m_socket->error() == QAbstractSocket::NetworkError)
        return SendResult::NoRoute;
    return SendResult::Failed;
}

bool RconChannel::sendDirect(const QString& text) {
    if (!isOpen())
        return false;
    const QByteArray datagram = wire1252::encode(m_state.header + text);
    return m_socket->writeDatagram(datagram, m_serverAddress, m_serverPort) == datagram.size();
}

bool RconChannel::replySettled() const {
    const WaitClock& clock = WaitClock::instance();
    return m_state.gotreply && clock.nowMs() - m_lastDatagramMs >= clock.toMs(kSettleSeconds);
}

void RconChannel::sendinfo(const QString& comm, bool quietmode) {
    m_state.gotreply = false;
    m_state.response.clear();
    m_state.noroute = false;

    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        if (!isOpen()) {
            m_state.notconnected = true;
            // A pending no-wait belongs to this refused command, not to the next one.
            m_state.nowait = false;
            m_dialogs.message(QStringLiteral("Please connect to a server first!"),
                              QStringLiteral("Not connected"), Dialogs::Icon::Exclamation);
            return;
        }
        m_state.notconnected = false;
        const SendResult result = sendRcon(comm);
        QCoreApplication::processEvents();
        if (result != SendResult::Sent) {
            if (result == SendResult::NoRoute) {
                m_state.noroute = true;
                m_dialogs.message(
                    QStringLiteral(
                        "No route to server, are you sure your connected to the Internet!"),
                    QStringLiteral("No Route"), Dialogs::Icon::Exclamation);
            }
            return;
        }
        if (m_state.nowait) {
            m_state.nowait = false;
            return;
        }
        for (int wait = 0; wait < kWaitsPerAttempt && !m_state.gotreply; ++wait)
            WaitClock::instance().wait(1, [this] { return replySettled(); });
        if (m_state.gotreply) {
            // Let the rest of a reply that spans several datagrams come in.
            WaitClock::instance().wait(kSettleSeconds * 10, [this] { return replySettled(); });
            break;
        }
    }

    if (m_state.gotreply) {
        if (!quietmode)
            m_out.addrcon(QLatin1String(">>RCON sent [") + timeOfDay() + QLatin1String("] ") +
                          kEchoMark + comm + kEchoMark + QLatin1String("\r\n"));
        return;
    }
    if (!m_out.activeWindowMinimised())
        m_dialogs.message(QStringLiteral("No response from server in 15 seconds\n"
                                         "Could be server loading map! or \n"
                                         "Fragmented UDP packets which routers do not pass on\n"
                                         "Try again..."),
                          QStringLiteral("No response"), Dialogs::Icon::Exclamation);
}

void RconChannel::onReadyRead() {
    while (m_socket && m_socket->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_socket->receiveDatagram();
        const bool fromServer =
            datagram.senderPort() == m_serverPort &&
            datagram.senderAddress().isEqual(m_serverAddress, QHostAddress::ConvertV4MappedToIPv4);
        if (fromServer)
            handleDatagram(datagram.data());
    }
}

void RconChannel::handleDatagram(QByteArray bytes) {
    m_lastDatagramMs = WaitClock::instance().nowMs();
    if (bytes.size() > kMaxDatagram) {
        bytes.truncate(kMaxDatagram);
        m_dialogs.message(QStringLiteral("Data returned is to large for buffers\r"
                                         "Truncated after 8192 bytes\r"
                                         "I bet you did CVARLIST ;)"),
                          QStringLiteral("Truncated data"), Dialogs::Icon::Information);
    }
    QString text = wire1252::decode(bytes);
    text.remove(m_state.header + QLatin1String("print\n"));
    if (m_state.collectquiet) {
        m_state.response += collapseBlanks(text);
    } else {
        text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
        m_state.response += text;
        m_out.addrcon(text);
    }
    QCoreApplication::processEvents();
    m_state.gotreply = true;
    m_lastDatagramMs = WaitClock::instance().nowMs();
    WaitClock::instance().poke();
}

QString getquoted(const QString& response, const QString& key) {
    const qsizetype found = response.indexOf(key, 0, Qt::CaseInsensitive);
    if (found < 0)
        return {};
    const qsizetype open = response.indexOf(QLatin1Char('"'), found);
    if (open < 0)
        return {};
    const qsizetype close = response.indexOf(QLatin1Char('"'), open + 1);
    if (close < 0)
        return {};
    return response.mid(open + 1, close - open - 1);
}
