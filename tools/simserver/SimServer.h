#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QRandomGenerator>
#include <QSet>
#include <QString>
#include <QStringList>

class QUdpSocket;

// One occupied client slot as the server's status command reports it.
struct SimPlayer {
    int num = 0;
    int score = 0;
    QString ping = QStringLiteral("50"); // a number, or "CNCT" / "ZMBI" while connecting
    QString guid = QStringLiteral("0");
    QString name;
    int lastmsg = 0;
    QString address = QStringLiteral("127.0.0.1:28960");
    int qport = 1234;
    int rate = 25000;

    friend bool operator==(const SimPlayer&, const SimPlayer&) = default;
};

// A stock Call of Duty 1.1 dedicated server as far as an rcon client can see it: one UDP
// socket on loopback, the engine's framing, refusals, rate limit and reply texts, plus hooks
// that let tests lose, delay or replace traffic.
class SimServer : public QObject {
    Q_OBJECT
public:
    explicit SimServer(QObject* parent = nullptr);
    ~SimServer() override;

    // Only loopback addresses are accepted; port 0 picks a free port.
    bool start(quint16 port = 0, const QHostAddress& address = QHostAddress::LocalHost);
    void stop();
    quint16 port() const;

    // Which engine of the family the server shows to the client: the stock Call of Duty 1.1
    // server; an ioquake3 1.36 server (its status columns "cl score ping name address rate",
    // its "unknown command: <name>", its maps in "maps" rather than "maps/mp"); or the
    // engine whose every reply datagram starts "FF FF FF FF n" instead of "FF FF FF FF
    // print\n" (otherwise as the Call of Duty server, "Unknown command "<name>"" included).
    enum class Engine { CallOfDuty, Ioquake3, ShortHeader };
    void setEngine(Engine engine) { m_engine = engine; }
    Engine engine() const { return m_engine; }

    // The password lives in the cvar "rconpassword", as on the engine, so an rcon
    // "rconpassword x" changes it too.
    void setRconPassword(const QString& password);
    // Some servers of the family answer a wrong password with nothing at all instead of
    // "Bad rconpassword."; the request still uses up the rate limit's window.
    void setSilentOnBadPassword(bool silent) { m_silentOnBadPassword = silent; }
    // Commands (verbs, any letter case, or variable names sent as assignments) this server
    // does not have: each is answered "unknown command: <name>" whatever the engine, as an
    // ioquake3 server answers tempbanclient, banclient or map_rotate.
    void setUnknownCommands(const QStringList& names);
    void setMaxPrintBytes(int bytes);
    void setRateLimitMs(int ms);
    void dropNextRequests(int n);
    void dropNextReplies(int n);
    void setReplyDelayMs(int ms);
    // A jittery line: every datagram, in either direction, takes an extra 0..maxMs ms drawn on
    // its own, so requests reach the server late (the rate limit sees them as they arrive)
    // and the datagrams of one reply may overtake each other. The draws come from a generator
    // seeded by setJitterSeed (1 unless set), so a run can be repeated. 0 turns it off.
    void setJitterMs(int maxMs);
    void setJitterSeed(quint32 seed);

    QList<QByteArray> received() const { return m_received; }
    QList<qint64> receivedAtMs() const { return m_receivedAt; }
    QStringList receivedCommands() const { return m_receivedCommands; }
    void clearReceived();
    // Rcon requests dropped unanswered because they came too soon after the one before.
    int rateLimitedCount() const { return m_rateLimited; }

    void setCvar(const QString& name, const QString& value);
    QString cvar(const QString& name) const; // null when the variable does not exist
    void removeCvar(const QString& name);
    // Flag letters out of "SURIALC" (serverinfo, userinfo, read only, init, archive, latched,
    // cheat). Serverinfo variables make up the getstatus and serverinfo replies.
    void setCvarFlags(const QString& name, const QString& letters);
    QString cvarFlags(const QString& name) const;
    QStringList cvarNames() const; // registration order, as cvarlist prints them
    // A value set for a latched variable, waiting for the next map load; null when none.
    QString latchedCvar(const QString& name) const;

    QList<SimPlayer> players() const { return m_players; }
    void setPlayers(const QList<SimPlayer>& players);
    // A scripted event: once the server has answered its next "status" itself, the player in
    // `slot` has left and `newcomer` holds the slot (an empty slot is simply taken). Between
    // that report and the next, a command by slot reaches the newcomer.
    void replaceAfterNextStatus(int slot, SimPlayer newcomer);
    QStringList maps() const { return m_maps; }
    void setMaps(const QStringList& names);
    QStringList cfgFiles() const { return m_cfgFiles; }
    void setCfgFiles(const QStringList& paths);
    bool loadDataFile(const QString& path, QString* error = nullptr);

    void setReplyOverride(const QString& command, const QByteArray& rawText);
    void clearReplyOverrides();
    void setGetstatusOverride(const QByteArray& rawReplyAfterHeader);
    void sendRaw(const QHostAddress& to, quint16 port, const QByteArray& bytes);
    QHostAddress lastClientAddress() const { return m_lastAddress; }
    quint16 lastClientPort() const { return m_lastPort; }
    void printToClient(const QString& text);
    // Console output that happens to be printed while the next rcon command runs (a chat
    // line, a kill): it lands at the start of that command's reply.
    void injectIntoNextReply(const QString& text);

    // One player's line of the status report, line feed included.
    static QString statusLine(const SimPlayer& player, Engine engine = Engine::CallOfDuty);

signals:
    void datagramReceived(const QByteArray& bytes);

private:
    struct Cvar {
        QString name;
        QString value;
        QString defaultValue;
        QString flags;
        QString latched;
        bool hasLatch = false;
    };
    struct Reply {
        QString text;
        bool silent = false; // the server is busy loading and answers nothing
    };

    void readPending();
    int jitterDrawMs();
    void writeDatagram(const QByteArray& bytes, const QHostAddress& to, quint16 port, int delayMs);
    void handleDatagram(const QByteArray& bytes, const QHostAddress& from, quint16 port);
    void handleRcon(const QByteArray& password, const QByteArray& commandBytes,
                    const QHostAddress& from, quint16 port);
    void handleGetstatus(const QHostAddress& from, quint16 port);
    Reply execute(const QString& command);
    void sendPrint(const QByteArray& text, const QHostAddress& to, quint16 port, bool delayed);
    void sendDatagrams(const QList<QByteArray>& datagrams, const QHostAddress& to, quint16 port,
                       bool delayed);

    QString statusText() const;
    QString getstatusText() const;
    QList<QPair<QString, QString>> serverInfo() const;
    QString cvarlistText(const QString& pattern) const;
    QString setFromConsole(const QString& name, const QString& value, bool create);
    QString queryCvar(const Cvar& var) const;
    QString kick(const QString& command, const QStringList& args);
    QString findSlot(const QString& arg, qsizetype* index) const;
    QString dumpUser(const QStringList& args) const;
    QString unknownCommand(const QString& name) const;
    void playersChangeAfterStatus();
    QString loadMap(const QString& name);
    void rotateMap();
    void applyLatched();
    Cvar* findCvar(const QString& name);
    const Cvar* findCvar(const QString& name) const;
    void rebuildCvarIndex();

    QPointer<QUdpSocket> m_socket;
    quint64 m_generation = 0; // bumped on stop so delayed replies of an old run are not sent

    QList<Cvar> m_cvars;
    QHash<QString, int> m_cvarIndex; // lower-case name -> position in m_cvars
    QList<SimPlayer> m_players;
    QStringList m_maps;
    QStringList m_cfgFiles;

    int m_maxPrintBytes = 1000;
    int m_rateLimitMs = 500;
    int m_dropRequests = 0;
    int m_dropReplies = 0;
    int m_replyDelayMs = 0;
    int m_jitterMs = 0;
    QRandomGenerator m_jitter{1};
    int m_rateLimited = 0;
    Engine m_engine = Engine::CallOfDuty;
    bool m_silentOnBadPassword = false;
    QSet<QString> m_unknownCommands; // lower case
    QList<SimPlayer> m_newcomers;    // taking their slot after the next status
    QElapsedTimer m_sinceAccepted;
    QElapsedTimer m_clock;

    QHash<QString, QByteArray> m_overrides;
    QByteArray m_getstatusOverride;
    QString m_injected;

    QList<QByteArray> m_received;
    QList<qint64> m_receivedAt;
    QStringList m_receivedCommands;
    QHostAddress m_lastAddress;
    quint16 m_lastPort = 0;
};
