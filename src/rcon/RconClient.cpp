#include "RconClient.h"

#include "Outcome.h"
#include "OutputSink.h"
#include "ReplyEnd.h"
#include "ReplyText.h"
#include "base/Dialogs.h"
#include "base/WaitClock.h"
#include "base/Wire1252.h"

#include <QNetworkDatagram>
#include <QTime>
#include <QUdpSocket>

namespace {

const QByteArray kHeader(4, char(0xFF));
// Every reply datagram starts with one of these: the stock engine's "print" and line feed,
// or the "n" of another engine of the family.
const QByteArray kPrintHeader = kHeader + "print\n";
const QByteArray kShortHeader = kHeader + "n";

int clockMs(double seconds) {
    return int(WaitClock::instance().toMs(seconds));
}

// An engine that queues console text runs each line as a command of its own, so a line break
// typed into a message or a name must not reach it.
QString oneLine(QString command) {
    command.replace(QLatin1String("\r\n"), QLatin1String(" "));
    command.replace(QLatin1Char('\r'), QLatin1Char(' '));
    command.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return command;
}

// The clock time a gap after now ends. The clock reads whole milliseconds, dropping up to one:
// the gap is made one longer so that it is never short.
qint64 paceFromNow(double gapSeconds) {
    return WaitClock::instance().nowMs() + clockMs(gapSeconds) + 1;
}

} // namespace

RconClient::RconClient(Dialogs& dialogs, OutputSink& out, QObject* parent)
    : QObject(parent), m_dialogs(dialogs), m_out(out) {
    for (QTimer* timer : {&m_pumpTimer, &m_paceTimer, &m_attemptTimer, &m_quietTimer}) {
        timer->setSingleShot(true);
        timer->setTimerType(Qt::PreciseTimer);
    }
    connect(&m_pumpTimer, &QTimer::timeout, this, &RconClient::pump);
    connect(&m_paceTimer, &QTimer::timeout, this, &RconClient::transmit);
    connect(&m_attemptTimer, &QTimer::timeout, this, &RconClient::attemptTimedOut);
    connect(&m_quietTimer, &QTimer::timeout, this, &RconClient::replyComplete);
}

QString RconClient::datagramText(QByteArray datagram) {
    if (datagram.startsWith(kPrintHeader))
        datagram.remove(0, kPrintHeader.size());
    else if (datagram.startsWith(kShortHeader))
        datagram.remove(0, kShortHeader.size());
    return wire1252::decode(datagram);
}

RconClient::~RconClient() {
    closeSocket();
}

bool RconClient::open(const QHostAddress& address, quint16 port) {
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
    connect(socket, &QUdpSocket::readyRead, this, &RconClient::onReadyRead);
    connect(socket, &QUdpSocket::errorOccurred, this, &RconClient::onSocketError);
    return true;
}

void RconClient::close() {
    cancelAll();
    closeSocket();
}

void RconClient::closeSocket() {
    if (!m_socket)
        return;
    QUdpSocket* socket = m_socket;
    m_socket = nullptr;
    socket->disconnect(this);
    socket->close();
    socket->deleteLater();
}

bool RconClient::isOpen() const {
    return m_socket && (m_socket->state() == QAbstractSocket::BoundState ||
                        m_socket->state() == QAbstractSocket::ConnectedState);
}

void RconClient::onSocketError(QAbstractSocket::SocketError error) {
    // UDP has no connection: a refusal from the server's host (its port closed while the
    // game restarts) says nothing about later datagrams, so the socket stays open.
    if (error == QAbstractSocket::ConnectionRefusedError || !m_socket)
        return;
    const QString description = m_socket->errorString();
    close();
    emit closedByError(description);
}

// ---- the queue ----

QString RconClient::unsendableReason(const Request& request) const {
    const QString source = request.origin.isEmpty() ? tr("command") : request.origin;
    const QString missing = wire1252::unsupportedCharacters(request.command);
    if (!missing.isEmpty())
        return tr("The %1 holds characters the game server cannot show: %2\rNothing was sent. "
                  "Please use only the characters of Western European text (Windows-1252).")
            .arg(source, missing);
    if (request.command.size() > kMaxCommandBytes)
        return tr("The %1 is %2 characters long; one request holds at most %3.\rNothing was sent.")
            .arg(source, QString::number(request.command.size()),
                 QString::number(kMaxCommandBytes));
    return {};
}

void RconClient::send(const Request& request, QObject* context, ReplyHandler done) {
    Request oneLineRequest = request;
    oneLineRequest.command = oneLine(request.command);
    const QString refusal = unsendableReason(oneLineRequest);
    if (!refusal.isEmpty()) {
        m_dialogs.message(refusal, tr("Not sent"), Dialogs::Icon::Exclamation);
        // Answered from the event loop, as every request is.
        QPointer<QObject> guard(context);
        const bool hasContext = context;
        addWork(context);
        QTimer::singleShot(0, this, [this, guard, hasContext, context, done = std::move(done)] {
            if (done && (!hasContext || guard))
                done(Reply{Reply::Status::Unsendable, {}});
            removeWork(context);
        });
        return;
    }
    m_queue.append(Pending{oneLineRequest, context, context, std::move(done)});
    addWork(context);
    schedulePump();
}

void RconClient::schedulePump() {
    if (!m_current && !m_queue.isEmpty() && !m_pumpTimer.isActive())
        m_pumpTimer.start(0);
}

void RconClient::pump() {
    if (m_current || m_queue.isEmpty()) {
        checkIdle();
        return;
    }
    m_current = m_queue.takeFirst();
    m_orphaned = false;
    m_attempt = 0;
    m_gotData = false;
    m_text.clear();
    start();
}

void RconClient::start() {
    const Request& request = m_current->request;
    if (!isOpen()) {
        if (!request.outOfBand)
            m_dialogs.message(tr("Please connect to a server first!"), tr("Not connected"),
                              Dialogs::Icon::Exclamation);
        complete(Reply::Status::NotConnected);
        return;
    }
    if (!request.outOfBand && m_rconReadyAtMs >= 0) {
        const qint64 now = WaitClock::instance().nowMs();
        if (now < m_rconReadyAtMs) {
            m_paceTimer.start(int(m_rconReadyAtMs - now));
            return;
        }
    }
    transmit();
}

void RconClient::transmit() {
    if (!m_current)
        return;
    if (!isOpen()) {
        start(); // reports the refusal
        return;
    }
    const Request& request = m_current->request;
    const QString password = m_password ? m_password() : QString();
    const QString text =
        request.outOfBand ? request.command
                          : QLatin1String("rcon ") + password + QLatin1Char(' ') + request.command;
    const QByteArray datagram = kHeader + wire1252::encode(text);
    ++m_attempt;
    if (!request.outOfBand) {
        m_rconReadyAtMs = paceFromNow(kMinGapSeconds);
        if (m_rconSentAtMs.size() == kSendTimesKept)
            m_rconSentAtMs.removeFirst();
        m_rconSentAtMs << WaitClock::instance().nowMs();
    }
    if (m_socket->writeDatagram(datagram, m_serverAddress, m_serverPort) != datagram.size()) {
        if (m_socket && m_socket->error() == QAbstractSocket::NetworkError) {
            m_dialogs.message(
                tr("No route to server, are you sure your connected to the Internet!"),
                tr("No Route"), Dialogs::Icon::Exclamation);
            complete(Reply::Status::NoRoute);
        } else {
            complete(Reply::Status::SendFailed);
        }
        return;
    }
    if (!request.waitForReply) {
        complete(Reply::Status::Sent);
        return;
    }
    m_attemptTimer.start(clockMs(request.outOfBand        ? kStatusQuerySeconds
                                 : request.silenceIsTaken ? kLoadingAnswerSeconds
                                                          : kAttemptSeconds));
}

void RconClient::attemptTimedOut() {
    if (!m_current || m_gotData)
        return;
    const Request& request = m_current->request;
    if (request.silenceIsTaken) {
        complete(Reply::Status::Silent);
        return;
    }
    // A command the server may have run but whose answer was lost goes again, as long as
    // someone still waits for it.
    if (!request.outOfBand && request.resend && !m_orphaned && m_attempt < kAttempts) {
        start();
        return;
    }
    if (!request.outOfBand && request.resend && request.boxWhenUnanswered && !m_orphaned &&
        !m_out.activeWindowMinimised())
        m_dialogs.message(tr("No response from server in 15 seconds\n"
                             "Could be server loading map! or \n"
                             "Fragmented UDP packets which routers do not pass on\n"
                             "Try again..."),
                          tr("No response"), Dialogs::Icon::Exclamation);
    complete(Reply::Status::NoReply);
}

void RconClient::replyComplete() {
    if (!m_current)
        return;
    const Request& request = m_current->request;
    if (!request.outOfBand && replytext::isPasswordRefusal(m_text))
        emit passwordRefused(m_text.trimmed());
    complete(Reply::Status::Replied, request.quiet ? replytext::collapseBlanks(m_text) : m_text);
}

void RconClient::complete(Reply::Status status, const QString& text) {
    m_paceTimer.stop();
    m_attemptTimer.stop();
    m_quietTimer.stop();
    Pending finished = std::move(*m_current);
    m_current.reset();
    m_text.clear();
    m_lastQuiet = finished.request.quiet;
    const bool deliver = !m_orphaned && finished.done && (!finished.owner || finished.context);
    m_orphaned = false;
    schedulePump();
    // The handler may queue more, cancel, or close: the queue is consistent before it runs.
    if (deliver)
        finished.done(Reply{status, text});
    removeWork(finished.owner);
}

void RconClient::cancelAll() {
    QList<Pending> withdrawn = std::move(m_queue);
    m_queue.clear();
    if (m_current) {
        m_paceTimer.stop();
        m_attemptTimer.stop();
        m_quietTimer.stop();
        withdrawn.prepend(std::move(*m_current));
        m_current.reset();
        m_text.clear();
        if (m_orphaned)
            withdrawn.first().done = {};
        m_orphaned = false;
    }
    for (Pending& pending : withdrawn) {
        if (pending.done && (!pending.owner || pending.context))
            pending.done(Reply{Reply::Status::Cancelled, {}});
        removeWork(pending.owner);
    }
    emit cancelled();
    checkIdle();
}

// ---- busy state ----

void RconClient::addWork(const QObject* owner) {
    if (!owner)
        return;
    int& count = m_work[owner];
    if (++count == 1) {
        connect(owner, &QObject::destroyed, this, &RconClient::forgetContext, Qt::UniqueConnection);
        emit busyChanged(const_cast<QObject*>(owner), true);
    }
}

void RconClient::removeWork(const QObject* owner) {
    auto it = m_work.find(owner);
    if (it != m_work.end() && --it.value() == 0) {
        m_work.erase(it);
        emit busyChanged(const_cast<QObject*>(owner), false);
    }
    checkIdle();
}

void RconClient::hold(QObject* context) {
    addWork(context);
}

void RconClient::release(QObject* context) {
    removeWork(context);
}

bool RconClient::isBusy(const QObject* context) const {
    return m_work.contains(context);
}

bool RconClient::idle() const {
    return !m_current && m_queue.isEmpty() && m_work.isEmpty();
}

void RconClient::checkIdle() {
    if (idle())
        emit idleNow();
}

void RconClient::forgetContext(QObject* context) {
    m_work.remove(context);
    m_queue.removeIf([context](const Pending& pending) { return pending.owner == context; });
    // The request on the wire keeps collecting its reply, so that it is not taken for the
    // next one's, but it is not sent again and nobody hears of it.
    if (m_current && m_current->owner == context) {
        m_orphaned = true;
        if (m_attempt == 0 || !m_current->request.waitForReply)
            complete(Reply::Status::Cancelled);
    }
    checkIdle();
}

// ---- replies ----

void RconClient::showInPane(const QString& text) {
    if (text.isEmpty())
        return;
    QString lines = text;
    lines.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    // A reply (or its echo) starts on a line of its own; a reply split inside a line goes on
    // where its previous datagram stopped.
    const bool continuesReply = m_current && m_gotData;
    if (!m_paneAtLineStart && !continuesReply)
        lines.prepend(QLatin1String("\r\n"));
    m_paneAtLineStart = text.endsWith(QLatin1Char('\n'));
    m_out.appendRcon(lines);
}

void RconClient::onReadyRead() {
    while (m_socket && m_socket->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_socket->receiveDatagram(kMaxDatagram + 1);
        const bool fromServer =
            datagram.senderPort() == m_serverPort &&
            datagram.senderAddress().isEqual(m_serverAddress, QHostAddress::ConvertV4MappedToIPv4);
        if (fromServer)
            handleDatagram(datagram.data());
    }
}

void RconClient::handleDatagram(QByteArray bytes) {
    if (bytes.size() > kMaxDatagram) {
        bytes.truncate(kMaxDatagram);
        m_dialogs.message(tr("Data returned is to large for buffers\r"
                             "Truncated after 8192 bytes\r"
                             "I bet you did CVARLIST ;)"),
                          tr("Truncated data"), Dialogs::Icon::Information);
    }
    const QString text = datagramText(std::move(bytes));
    const bool collecting = m_current && m_attempt > 0 && m_current->request.waitForReply;
    const bool quiet = collecting ? m_current->request.quiet : m_lastQuiet;
    // The echo stands above the reply, as on a console (also above a reply kept out of it).
    if (collecting && !m_gotData && m_current->request.echo && !m_current->request.outOfBand)
        showInPane(tr(">>RCON sent [%1] %2")
                       .arg(QTime::currentTime().toString(QStringLiteral("hh:mm:ss")),
                            m_current->request.command) +
                   QLatin1Char('\n'));
    if (!quiet)
        showInPane(text);
    if (!collecting)
        return;
    const bool firstOfReply = !m_gotData;
    m_text += text;
    m_gotData = true;
    m_attemptTimer.stop();
    const Request& request = m_current->request;
    // The pacing counts from the reply from now on: see kGapAfterReplySeconds.
    if (firstOfReply && !request.outOfBand)
        m_rconReadyAtMs = paceFromNow(kGapAfterReplySeconds);
    // The public status reply is one datagram.
    const bool complete = request.outOfBand || replyend::isComplete(request.command, m_text);
    m_quietTimer.start(clockMs(complete ? kEndGraceSeconds : kQuietSeconds));
}
