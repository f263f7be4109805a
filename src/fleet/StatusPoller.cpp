#include "StatusPoller.h"

#include "base/WaitClock.h"

#include <QHostInfo>
#include <QNetworkDatagram>
#include <QUdpSocket>

#include <algorithm>
#include <limits>

namespace fleet {

namespace {

const QByteArray kRequest = QByteArray(4, '\xff') + "getstatus";

} // namespace

StatusPoller::StatusPoller(QObject* parent) : QObject(parent) {
    qRegisterMetaType<fleet::ServerStatus>();
    connect(&m_refresh, &QTimer::timeout, this, &StatusPoller::refreshNow);
    m_giveUp.setSingleShot(true);
    connect(&m_giveUp, &QTimer::timeout, this, &StatusPoller::giveUpOverdue);
}

StatusPoller::~StatusPoller() = default;

void StatusPoller::setServers(const QList<ServerEndpoint>& servers) {
    m_servers = servers;
    m_pending = QList<Pending>(servers.size());
    ++m_round;
    m_giveUp.stop();
    if (isPolling())
        start();
}

void StatusPoller::start() {
    m_refresh.start(int(WaitClock::instance().toMs(kRefreshSeconds)));
    refreshNow();
}

void StatusPoller::stop() {
    m_refresh.stop();
    m_giveUp.stop();
    ++m_round;
    m_pending = QList<Pending>(m_servers.size());
}

bool StatusPoller::ensureSocket() {
    if (m_socket && m_socket->state() == QAbstractSocket::BoundState)
        return true;
    if (m_socket)
        m_socket->deleteLater();
    m_socket = new QUdpSocket(this);
    connect(m_socket, &QUdpSocket::readyRead, this, &StatusPoller::readReplies);
    // Any address of both families: one socket reaches IPv4 and IPv6 servers alike.
    return m_socket->bind(QHostAddress::Any, 0) || m_socket->bind(QHostAddress::AnyIPv4, 0);
}

void StatusPoller::refreshNow() {
    if (m_refresh.isActive())
        m_refresh.start(); // the period counts from this round
    const quint64 round = ++m_round;
    const qint64 now = WaitClock::instance().nowMs();
    const qint64 wait = WaitClock::instance().toMs(kAnswerSeconds);
    const bool socketReady = ensureSocket();
    m_pending = QList<Pending>(m_servers.size());
    for (int i = 0; i < m_servers.size(); ++i) {
        const ServerEndpoint& server = m_servers[i];
        const QString host = server.host.trimmed();
        if (!socketReady || host.isEmpty() || server.port == 0) {
            reportNoAnswer(i);
            if (round != m_round)
                return; // a receiver started another round or changed the list
            continue;
        }
        m_pending[i].deadlineMs = now + wait; // a lookup that never ends is no answer too
        QHostAddress literal;
        if (literal.setAddress(host)) {
            ask(i, literal);
            if (round != m_round)
                return;
            continue;
        }
        QHostInfo::lookupHost(host, this, [this, round, i](const QHostInfo& info) {
            if (round != m_round)
                return;
            const QList<QHostAddress> found = info.addresses();
            if (info.error() != QHostInfo::NoError || found.isEmpty()) {
                reportNoAnswer(i);
                return;
            }
            // Game servers listen on IPv4; a name with both kinds of address is asked there,
            // as the connect does.
            const auto ipv4 = std::find_if(found.begin(), found.end(), [](const QHostAddress& a) {
                return a.protocol() == QAbstractSocket::IPv4Protocol;
            });
            ask(i, ipv4 != found.end() ? *ipv4 : found.first());
        });
    }
    scheduleGiveUp();
}

void StatusPoller::ask(int index, const QHostAddress& address) {
    Pending& pending = m_pending[index];
    pending.address = address;
    pending.sentAtMs = WaitClock::instance().nowMs();
    pending.deadlineMs = pending.sentAtMs + WaitClock::instance().toMs(kAnswerSeconds);
    if (m_socket->writeDatagram(kRequest, address, m_servers[index].port) != kRequest.size())
        reportNoAnswer(index);
    scheduleGiveUp();
}

void StatusPoller::readReplies() {
    const quint64 round = m_round;
    while (m_socket->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_socket->receiveDatagram(kMaxReplyBytes);
        const QHostAddress from = datagram.senderAddress();
        const int fromPort = datagram.senderPort();
        std::optional<ServerStatus> status;
        for (int i = 0; i < m_pending.size(); ++i) {
            Pending& pending = m_pending[i];
            if (pending.sentAtMs < 0 || pending.deadlineMs < 0 || m_servers[i].port != fromPort ||
                !pending.address.isEqual(from, QHostAddress::TolerantConversion))
                continue;
            if (!status)
                status = readStatusReply(datagram.data());
            if (!status)
                break; // not a status reply: the request stays awaited
            status->roundTripMs = int(WaitClock::instance().nowMs() - pending.sentAtMs);
            pending.deadlineMs = -1;
            emit statusRead(i, *status);
            if (round != m_round)
                return; // the list or the round changed under the receiver
        }
    }
    scheduleGiveUp();
}

void StatusPoller::reportNoAnswer(int index) {
    m_pending[index].deadlineMs = -1;
    emit statusRead(index, ServerStatus{});
}

void StatusPoller::giveUpOverdue() {
    const qint64 now = WaitClock::instance().nowMs();
    const quint64 round = m_round;
    for (int i = 0; i < m_pending.size(); ++i) {
        if (m_pending[i].deadlineMs >= 0 && m_pending[i].deadlineMs <= now) {
            reportNoAnswer(i);
            if (round != m_round)
                return;
        }
    }
    scheduleGiveUp();
}

void StatusPoller::scheduleGiveUp() {
    qint64 next = std::numeric_limits<qint64>::max();
    for (const Pending& pending : std::as_const(m_pending))
        if (pending.deadlineMs >= 0)
            next = qMin(next, pending.deadlineMs);
    if (next == std::numeric_limits<qint64>::max()) {
        m_giveUp.stop();
        return;
    }
    m_giveUp.start(int(qMax<qint64>(0, next - WaitClock::instance().nowMs())));
}

} // namespace fleet
