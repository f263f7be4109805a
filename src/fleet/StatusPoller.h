#pragma once

#include "ServerStatus.h"

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

class QUdpSocket;

namespace fleet {

// Where one server of the list answers its status query.
struct ServerEndpoint {
    QString host;     // a host name or a literal address
    quint16 port = 0; // 0: not a usable port, never asked
};

// Asks every server of a list for its public status ("getstatus") over one UDP socket and
// reports each answer, or its absence, as it comes: every request of a round leaves at once
// (host names are resolved without waiting), so a long list takes one round trip, not one per
// server. Replies are matched by sender address and port; a datagram from anywhere else, or
// one not a status reply, is dropped, and no reply is read beyond kMaxReplyBytes.
class StatusPoller : public QObject {
    Q_OBJECT
public:
    static constexpr double kRefreshSeconds = 15;
    static constexpr double kAnswerSeconds = 3;
    static constexpr int kMaxReplyBytes = 16384;

    explicit StatusPoller(QObject* parent = nullptr);
    ~StatusPoller() override;

    // A new list drops the round under way (its late replies are ignored); while polling,
    // the new list is asked at once. Indexes of statusRead are positions in this list.
    void setServers(const QList<ServerEndpoint>& servers);
    // Asks every server now; the refresh period starts again from here.
    void refreshNow();
    // Asks now and then every kRefreshSeconds clock seconds.
    void start();
    // Stops asking; replies still on their way are ignored.
    void stop();
    bool isPolling() const { return m_refresh.isActive(); }

signals:
    void statusRead(int index, const fleet::ServerStatus& status);

private:
    struct Pending {
        QHostAddress address; // null until resolved
        qint64 sentAtMs = -1;
        qint64 deadlineMs = -1; // -1: nothing awaited
    };

    void ask(int index, const QHostAddress& address);
    void readReplies();
    void giveUpOverdue();
    void scheduleGiveUp();
    void reportNoAnswer(int index);
    bool ensureSocket();

    QList<ServerEndpoint> m_servers;
    QList<Pending> m_pending;
    quint64 m_round = 0; // bumped by every round and every new list
    QUdpSocket* m_socket = nullptr;
    QTimer m_refresh;
    QTimer m_giveUp;
};

} // namespace fleet
