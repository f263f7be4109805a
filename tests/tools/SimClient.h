#pragma once

#include "rcon/Wire1252.h"
#include "simserver/SimServer.h"

#include <QNetworkDatagram>
#include <QUdpSocket>
#include <QtTest>

// A bare rcon client on loopback for driving SimServer in tests: it keeps every datagram that
// comes back, in arrival order.
class SimClient {
public:
    static inline const QByteArray kOob{"\xff\xff\xff\xff", 4};
    static inline const QByteArray kPrint = kOob + QByteArray("print\n");

    explicit SimClient(const SimServer& server) : m_server(server) {
        m_socket.bind(QHostAddress::LocalHost, 0);
        QObject::connect(&m_socket, &QUdpSocket::readyRead, &m_socket, [this] {
            while (m_socket.hasPendingDatagrams())
                replies << m_socket.receiveDatagram().data();
        });
    }

    static QByteArray oob(const QByteArray& body) { return kOob + body; }
    quint16 localPort() const { return m_socket.localPort(); }

    void send(const QByteArray& bytes) {
        m_socket.writeDatagram(bytes, QHostAddress::LocalHost, m_server.port());
    }
    void rcon(const QString& command, const QString& password = QStringLiteral("secret")) {
        send(oob("rcon ") + wire1252::encode(password) + ' ' + wire1252::encode(command));
    }
    // The console text of each reply so far; empty for datagrams that are not prints.
    QStringList printTexts() const {
        QStringList texts;
        for (const QByteArray& r : replies)
            texts << (r.startsWith(kPrint) ? wire1252::decode(r.mid(kPrint.size())) : QString());
        return texts;
    }
    bool waitForReply() {
        return QTest::qWaitFor([this] { return !replies.isEmpty(); }, 2000);
    }
    // Sends one command and returns the text of what came back first; the replies used with
    // this fit in one datagram. Empty on silence.
    QString ask(const QString& command, const QString& password = QStringLiteral("secret")) {
        replies.clear();
        rcon(command, password);
        return waitForReply() ? printTexts().join(QString()) : QString();
    }

    QList<QByteArray> replies;

private:
    const SimServer& m_server;
    QUdpSocket m_socket;
};
