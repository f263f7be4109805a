#pragma once

#include <QAbstractSocket>
#include <QHostAddress>
#include <QObject>
#include <QPointer>

#include <functional>

class QUdpSocket;
class Dialogs;
class OutputSink;
struct SharedState;

// The one road to the game server's remote console: frames a command as an out-of-band
// datagram, sends it, waits for the reply while the user interface stays live, retries,
// and collects the reply text in the shared response buffer.
class RconChannel : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxDatagram = 8192;
    static constexpr int kAttempts = 5;
    static constexpr int kWaitsPerAttempt = 3;
    // The stock server drops an rcon request that follows the one before within 500 ms; the
    // margin covers requests that travel faster than the one before them.
    static constexpr double kMinGapSeconds = 0.6;
    // A reply is complete once the line has been quiet this long after its first datagram.
    static constexpr double kSettleSeconds = 0.05;

    RconChannel(SharedState& state, Dialogs& dialogs, OutputSink& out, QObject* parent = nullptr);
    ~RconChannel() override;

    // The password is read at each send (the text of the password box).
    void setPasswordSource(std::function<QString()> source) { m_password = std::move(source); }

    // Opens a UDP socket on a local port chosen by the system, towards the server.
    bool open(const QHostAddress& address, quint16 port);
    // Closes the socket if it is not closed.
    void close();
    bool isOpen() const;
    QHostAddress serverAddress() const { return m_serverAddress; }
    quint16 serverPort() const { return m_serverPort; }

    // Sends one command and waits for its reply; see the shared flags for the outcome.
    void sendinfo(const QString& comm, bool quietmode = false);
    // Sends the header and the text straight on the socket: no rcon, no password, no retry.
    bool sendDirect(const QString& text);

signals:
    // The socket was closed because of a socket error (not by close()).
    void closedByError(const QString& description);

private:
    enum class SendResult { Sent, NoRoute, Failed };
    SendResult sendRcon(const QString& comm);
    void onReadyRead();
    void onSocketError(QAbstractSocket::SocketError error);
    void handleDatagram(QByteArray bytes);
    bool replySettled() const;

    SharedState& m_state;
    Dialogs& m_dialogs;
    OutputSink& m_out;
    std::function<QString()> m_password;
    QPointer<QUdpSocket> m_socket;
    QHostAddress m_serverAddress;
    quint16 m_serverPort = 0;
    qint64 m_lastRconSendMs = -1;
    qint64 m_lastDatagramMs = -1;
};

// The value in double quotes that follows the first match of key (any letter case) in the
// response; "" when the key is absent or no complete pair of double quotes follows it.
QString getquoted(const QString& response, const QString& key);
