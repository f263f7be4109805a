#pragma once

#include "Exchange.h"

#include <QAbstractSocket>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <optional>

class QUdpSocket;
class Dialogs;
class OutputSink;

// The one road to the game server's remote console. Requests wait in a first-in, first-out
// queue and go out one at a time: a command is framed, sent, sent again while unanswered,
// and its reply is collected until the datagrams stop; then the requester gets the reply and
// the next request goes. Nothing waits by running events: every wait is a timer.
class RconClient : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxDatagram = 8192;
    static constexpr int kAttempts = 5;
    static constexpr double kAttemptSeconds = 3;
    static constexpr double kStatusQuerySeconds = 5;
    // The stock server drops an rcon request that reaches it within 500 ms of the one it
    // handled before. The server handled a request before its reply left, so a request sent
    // kGapAfterReplySeconds after the first datagram of that reply arrived reaches the server
    // at least that long after it handled the one before, whatever the network does.
    static constexpr double kGapAfterReplySeconds = 0.505;
    // A request without a reply (not waited for, or unanswered before a retry) only has its
    // send to count from; the margin covers a next request that travels faster than it did.
    static constexpr double kMinGapSeconds = 0.6;
    // Most replies carry no end mark: such a reply is complete once the line has been quiet
    // this long.
    static constexpr double kQuietSeconds = 0.05;
    // A reply whose closing line is in (see replyend::isComplete) is complete after this
    // grace, which lets a datagram that follows at once still join it.
    static constexpr double kEndGraceSeconds = 0.005;
    // A map load or restart is answered only when refused, and at once; after this long
    // without an answer the server is taken to be loading.
    static constexpr double kLoadingAnswerSeconds = 1;
    // The longest command framed in one request: the engine drops a datagram longer than its
    // message buffer of 16,384 bytes, so the command leaves room for the frame and password.
    static constexpr int kMaxCommandBytes = 16000;

    RconClient(Dialogs& dialogs, OutputSink& out, QObject* parent = nullptr);

    // The text of one reply datagram, without the header either engine puts before it.
    static QString datagramText(QByteArray datagram);
    ~RconClient() override;

    // The password is read at each send (the text of the password box).
    void setPasswordSource(std::function<QString()> source) { m_password = std::move(source); }

    // Opens a UDP socket on a local port chosen by the system, towards the server.
    bool open(const QHostAddress& address, quint16 port);
    // Cancels everything queued and closes the socket.
    void close();
    bool isOpen() const;
    QHostAddress serverAddress() const { return m_serverAddress; }
    quint16 serverPort() const { return m_serverPort; }

    // Queues a request. `done` runs once, from the event loop, with the outcome; it is dropped
    // (and the request withdrawn) when `context` is destroyed first. A null context never
    // withdraws. A command is one console line: a line break in it goes as a blank. A command
    // the code page cannot hold, or longer than one request frames, is refused with a box and
    // ends Unsendable; nothing of it is sent.
    void send(const Request& request, QObject* context, ReplyHandler done = {});
    // Ends every queued request and the one on the wire as Cancelled.
    void cancelAll();

    // A sequence of several requests counts its context busy from its first request to its
    // end, also between two requests: it holds the context meanwhile.
    void hold(QObject* context);
    void release(QObject* context);
    // The context has a request queued or on the wire, or is held.
    bool isBusy(const QObject* context) const;
    // Nothing is queued, on the wire or held.
    bool idle() const;

    // The clock times (WaitClock::nowMs) at which the latest rcon datagrams left, oldest
    // first, at most kSendTimesKept: the pacing as this client kept it, which neither the
    // network nor a busy machine can shorten.
    static constexpr int kSendTimesKept = 100;
    QList<qint64> rconSentAtMs() const { return m_rconSentAtMs; }

signals:
    void busyChanged(QObject* context, bool busy);
    void idleNow();
    // Everything was cancelled: a sequence waiting between two of its requests ends too.
    void cancelled();
    // The socket was closed because of a socket error (not by close()).
    void closedByError(const QString& description);
    // A reply said the password is wrong (or that the server has none).
    void passwordRefused(const QString& serverWords);

private:
    struct Pending {
        Request request;
        QPointer<QObject> context;
        const QObject* owner = nullptr; // the context as given, for the busy count
        ReplyHandler done;
    };

    void schedulePump();
    void pump();
    void start();
    void transmit();
    void attemptTimedOut();
    void replyComplete();
    void complete(Reply::Status status, const QString& text = {});
    void onReadyRead();
    void onSocketError(QAbstractSocket::SocketError error);
    void handleDatagram(QByteArray bytes);
    void showInPane(const QString& text);
    QString unsendableReason(const Request& request) const;
    void addWork(const QObject* owner);
    void removeWork(const QObject* owner);
    void forgetContext(QObject* context);
    void checkIdle();
    void closeSocket();

    Dialogs& m_dialogs;
    OutputSink& m_out;
    std::function<QString()> m_password;
    QPointer<QUdpSocket> m_socket;
    QHostAddress m_serverAddress;
    quint16 m_serverPort = 0;

    QList<Pending> m_queue;
    std::optional<Pending> m_current;
    bool m_orphaned = false; // the current request's context went away: no retries, no answer
    int m_attempt = 0;
    bool m_gotData = false;
    QString m_text;
    // Datagrams that arrive between requests follow the mode of the request before them.
    bool m_lastQuiet = false;
    // The earliest clock time at which the next rcon datagram may leave; -1: at once.
    qint64 m_rconReadyAtMs = -1;
    QList<qint64> m_rconSentAtMs;
    // The pane's last line is complete: the next reply starts at the left edge.
    bool m_paneAtLineStart = true;
    QHash<const QObject*, int> m_work;

    QTimer m_pumpTimer;
    QTimer m_paceTimer;
    QTimer m_attemptTimer;
    QTimer m_quietTimer;
};
