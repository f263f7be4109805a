#include "base/Wire1252.h"
#include "simserver/SimFleet.h"
#include "simserver/SimServer.h"
#include "support/Captures.h"

#include <QNetworkDatagram>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <QtTest>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QByteArray kOob{"\xff\xff\xff\xff", 4};
const QByteArray kPrint = kOob + "print\n";

QByteArray oob(const QByteArray& body) {
    return kOob + body;
}

// Fields in status order: num score ping guid name lastmsg address qport rate.
SimPlayer player(int num, int score, const QString& ping, const QString& name) {
    return {num, score, ping, "465030", name, 0, u"127.0.0.1:28960"_s, 1234, 25000};
}

// Text-only data tables: the first entry of each row is its tag.
void textTable(std::initializer_list<const char*> columns,
               std::initializer_list<std::initializer_list<const char*>> rows) {
    for (const char* column : columns)
        QTest::addColumn<QString>(column);
    for (const auto& row : rows) {
        QTestData& data = QTest::newRow(*row.begin());
        for (auto it = row.begin() + 1; it != row.end(); ++it)
            data << QString::fromUtf8(*it);
    }
}

// A bare rcon client on loopback: it keeps every datagram that comes back, in arrival order.
class Client {
public:
    explicit Client(const SimServer& server) : m_server(server) {
        m_socket.bind(QHostAddress::LocalHost, 0);
        QObject::connect(&m_socket, &QUdpSocket::readyRead, &m_socket, [this] {
            while (m_socket.hasPendingDatagrams())
                replies << m_socket.receiveDatagram().data();
        });
    }
    quint16 localPort() const { return m_socket.localPort(); }
    void send(const QByteArray& bytes) {
        m_socket.writeDatagram(bytes, QHostAddress::LocalHost, m_server.port());
    }
    void rcon(const QString& command, const QString& password = u"secret"_s) {
        send(oob("rcon ") + wire1252::encode(password) + ' ' + wire1252::encode(command));
    }
    // The console text of each reply so far; empty for datagrams that are not prints.
    QStringList printTexts() const {
        QStringList texts;
        for (const QByteArray& r : replies)
            texts << (r.startsWith(kPrint) ? wire1252::decode(r.mid(kPrint.size())) : QString());
        return texts;
    }
    // Sends one command and returns the text of its reply; empty on silence. A status query
    // follows the command: it is never limited, and its answer comes after the whole reply.
    QString ask(const QString& command, const QString& password = u"secret"_s) {
        replies.clear();
        rcon(command, password);
        send(oob("getstatus"));
        if (!QTest::qWaitFor(
                [this] {
                    return !replies.isEmpty() && replies.last().startsWith(oob("statusResponse"));
                },
                5000))
            return u"(no status response)"_s;
        replies.removeLast();
        return printTexts().join(QString());
    }

    QList<QByteArray> replies;

private:
    const SimServer& m_server;
    QUdpSocket m_socket;
};

} // namespace

// What a client sees on the wire from the simulated server: framing, refusals, report
// layouts, limits and loss, and the data file that sets the server up.
class TstSimServer : public QObject {
    Q_OBJECT
    std::unique_ptr<SimServer> server;
    std::unique_ptr<Client> client;

private slots:
    void init() {
        server = std::make_unique<SimServer>();
        QVERIFY(server->start());
        server->setRateLimitMs(0);
        client = std::make_unique<Client>(*server);
    }
    void cleanup() {
        client.reset();
        server.reset();
    }

    void refusals_data() {
        textTable({"serverPassword", "sentPassword", "silentOnBad", "expected"},
                  {{"wrong", "secret", "wrong", "", "Bad rconpassword.\n"},
                   {"letter case counts", "secret", "Secret", "", "Bad rconpassword.\n"},
                   {"none set", "", "secret", "", "No rconpassword set on the server.\n"},
                   {"right", "secret", "secret", "", "console: ok\n"},
                   {"wrong, silent server", "secret", "wrong", "yes", ""},
                   {"right, silent server", "secret", "secret", "yes", "console: ok\n"}});
    }
    void refusals() {
        QFETCH(QString, serverPassword);
        QFETCH(QString, sentPassword);
        QFETCH(QString, silentOnBad);
        server->setRconPassword(serverPassword);
        server->setSilentOnBadPassword(!silentOnBad.isEmpty());
        QTEST(client->ask(u"say ok"_s, sentPassword), "expected");
    }

    void statusMatchesCapturedLine() {
        server->setPlayers({{2, 0, "29", "465030", "ThorN", 50, "68.63.6.62:-32085", 6597, 5000}});
        const QString text = client->ask(u"Status"_s);
        const QStringList lines = text.split(u'\n');
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines[0], u"map: mp_harbor"_s);
        QCOMPARE(lines[1], QStringLiteral("num score ping guid   name            lastmsg address  "
                                          "             qport rate"));
        QCOMPARE(lines[2], QStringLiteral("--- ----- ---- ------ --------------- ------- ---------"
                                          "------------ ----- -----"));
        // The captured line shows the name with its colour reset already rendered away.
        QCOMPARE(QString(lines[3]).remove(u"^7"_s),
                 QStringLiteral("  2       0   29 465030 ThorN                50 "
                                "68.63.6.62:-32085      6597  5000"));
        QVERIFY(lines[3].contains(u"ThorN           ^7     50"_s));
        QVERIFY(text.endsWith(u"\n\n"_s));
    }

    void ioquake3MatchesItsCaptures() {
        server->setEngine(SimServer::Engine::Ioquake3);
        server->setCvar("mapname", "oa_dm1");
        QList<SimPlayer> bots;
        for (const char* name :
             {"Angelyss", "^1Red^7Sarge", "Kyonshi", "Cyber-Garg", "^2A_Very_Long_Bot_Name_22"})
            bots << SimPlayer{int(bots.size()), 0, "0", "0", name, 0, "bot", 0, 16384};
        server->setPlayers(bots);
        const auto captured = [](const char* file) {
            return wire1252::decode(captures::bytes(file).mid(kPrint.size()));
        };
        QCOMPARE(client->ask(u"status"_s), captured("rcon_status.bin"));
        server->setPlayers({});
        QCOMPARE(client->ask(u"status"_s), captured("rcon_status_no_players.bin"));
        QCOMPARE(client->ask(u"scr_nosuch 15"_s), u"unknown command: scr_nosuch\n"_s);
    }

    // Each engine's replies: a capture file (a name ending ".bin") as the real server sent it,
    // or the text under that engine's header. Slot 1 is empty, tempbanclient, map_rotate and
    // sv_maprotationcurrent are unknown, scr_sd_graceperiod is not a variable here.
    void engineReplies_data() {
        textTable({"engine", "command", "reply"},
                  {{"ioquake3: kick of an empty slot", "ioquake3", "clientkick 1",
                    "rcon_clientkick_not_active.bin"},
                   {"ioquake3: unknown ban", "ioquake3", "tempbanclient 2",
                    "rcon_tempbanclient_unknown.bin"},
                   {"ioquake3: missing file", "ioquake3", "exec vostreltest.cfg",
                    "rcon_exec_missing.bin"},
                   {"ioquake3: missing map", "ioquake3", "map mp_brecourt", "rcon_map_missing.bin"},
                   {"ioquake3: latched", "ioquake3", "sv_maxclients 10", "rcon_set_latched.bin"},
                   {"ioquake3: maps folder", "ioquake3", "dir maps bsp", "rcon_dir_maps_bsp.bin"},
                   {"ioquake3: no maps in maps/mp", "ioquake3", "dir maps/mp bsp",
                    "Directory of maps/mp bsp\n---------------\n"},
                   {"short header: unknown", "shortheader", "scr_sd_graceperiod 15",
                    "rcon_unknown_other_engine.bin"},
                   {"short header: listed unknown", "shortheader", "map_rotate",
                    "unknown command: map_rotate\n"},
                   {"cod: listed unknown, any case", "callofduty", "TempBanClient 2",
                    "unknown command: TempBanClient\n"},
                   {"cod: listed variable unknown", "callofduty", "sv_maprotationcurrent \"x\"",
                    "unknown command: sv_maprotationcurrent\n"},
                   {"cod: no maps in maps", "callofduty", "dir maps bsp",
                    "Directory of maps bsp\n----------\n"},
                   {"cod: missing map", "callofduty", "map mp_nowhere",
                    "Can't find map maps/mp/mp_nowhere.bsp\n"}});
    }
    void engineReplies() {
        QFETCH(QString, engine);
        QFETCH(QString, command);
        QFETCH(QString, reply);
        // Chosen the way the data file chooses it.
        QTemporaryDir dir;
        QFile data(dir.filePath(u"engine.ini"_s));
        QVERIFY(data.open(QIODevice::WriteOnly) && data.write("[engine]\n" + engine.toLatin1()));
        data.close();
        QVERIFY(server->loadDataFile(data.fileName()));
        server->setPlayers({player(0, 0, "0", "Angelyss"), player(2, 0, "0", "Kyonshi")});
        server->setUnknownCommands({"tempbanclient", "Map_Rotate", "sv_maprotationcurrent"});
        server->removeCvar("scr_sd_graceperiod");
        QStringList maps;
        for (const QByteArray& line : captures::bytes("rcon_dir_maps_bsp.bin").split('\n'))
            if (line.endsWith(".bsp"))
                maps << QString::fromLatin1(line);
        server->setMaps(maps);
        server->setCfgFiles({"server.cfg"});
        const QByteArray header = engine == u"shortheader" ? oob("n") : kPrint;
        const QList<QByteArray> expected = reply.endsWith(u".bin"_s)
                                               ? captures::datagrams(qPrintable(reply))
                                               : QList<QByteArray>{header + reply.toLatin1()};
        // The datagrams' header and the text they make up together; the split may differ.
        const auto joined = [&header](const QList<QByteArray>& datagrams) {
            QByteArray text;
            for (const QByteArray& d : datagrams)
                text += d.startsWith(header) ? d.mid(header.size()) : "(other header)" + d;
            return text;
        };
        client->ask(command);
        QCOMPARE(joined(client->replies), joined(expected));
    }

    void longReplySplitsWithoutLoss_data() {
        QTest::addColumn<int>("maxBytes");
        QTest::addColumn<int>("jitterMs");
        QTest::newRow("engine flush") << 1000 << 0;
        QTest::newRow("odd size") << 333 << 0;
        // Each part is late on its own: all still come, perhaps overtaking one another.
        QTest::newRow("jittery line") << 333 << 40;
    }
    void longReplySplitsWithoutLoss() {
        QFETCH(int, maxBytes);
        QFETCH(int, jitterMs);
        QList<SimPlayer> many;
        for (int i = 0; i < 64; ++i)
            many << player(i, i * 3 - 20, QString::number(i * 7),
                           u"^%1Soldier %2"_s.arg(i % 10).arg(i));
        server->setPlayers(many);
        server->setMaxPrintBytes(0);
        const QString whole = client->ask(u"status"_s);
        QCOMPARE(client->replies.size(), 1);
        QVERIFY(whole.size() > 3 * maxBytes);

        server->setMaxPrintBytes(maxBytes);
        server->setJitterMs(jitterMs);
        client->replies.clear();
        client->rcon(u"status"_s);
        const QByteArray wholeBytes = wire1252::encode(whole);
        QList<QByteArray> parts; // as the server cuts them, in sending order
        for (qsizetype at = 0; at < wholeBytes.size(); at += maxBytes)
            parts << kPrint + wholeBytes.mid(at, maxBytes);
        QTRY_COMPARE_WITH_TIMEOUT(client->replies.size(), parts.size(), 2000);
        QList<QByteArray> arrived = client->replies;
        if (jitterMs > 0) {
            std::sort(arrived.begin(), arrived.end());
            std::sort(parts.begin(), parts.end());
        }
        QCOMPARE(arrived, parts);
        for (const QByteArray& r : std::as_const(client->replies))
            QVERIFY(r.startsWith(kPrint) && r.size() - kPrint.size() <= maxBytes);
    }

    void cvarlistMatchesPrefix_data() {
        textTable(
            {"command", "lines"},
            {{"wildcard", "cvarlist setf*", "        setfriendlyfire \"2\"\n"},
             {"letter case ignored", "CVARLIST SETF*", "        setfriendlyfire \"2\"\n"},
             {"flags", "cvarlist sv_host*", "S   A   sv_hostname \"Vostrel Test Server\"\n"}});
    }
    void cvarlistMatchesPrefix() {
        QFETCH(QString, command);
        QFETCH(QString, lines);
        const QString total = QString::number(server->cvarNames().size());
        QCOMPARE(client->ask(command),
                 lines + "\n" + total + " total cvars\n" + total + " cvar indexes\n");
    }

    void assignments_data() {
        textTable(
            {"command", "reply", "name", "value"},
            {{"quoted, no blank", "scr_allow_mp40\"0\"", "", "scr_allow_mp40", "0"},
             {"quoted with blank", "scr_allow_bazooka \"0\"", "", "SCR_ALLOW_BAZOOKA", "0"},
             {"plain takes one word", "sv_hostname My Server", "", "sv_hostname", "My"},
             {"set joins words", "set sv_hostname My  Server", "", "sv_hostname", "My Server"},
             {"read only", "set mapname mp_ship", "mapname is read only.\n", "mapname",
              "mp_harbor"},
             {"latched", "set g_gametype sd", "g_gametype will be changed upon restarting.\n",
              "g_gametype", "dm"}});
    }
    void assignments() {
        QFETCH(QString, command);
        QFETCH(QString, name);
        QTEST(client->ask(command), "reply");
        QCOMPARE(client->replies.size(), 1);
        QTEST(server->cvar(name), "value");
    }

    void rateLimit_data() {
        QTest::addColumn<int>("limitMs");
        QTest::addColumn<QString>("firstPassword");
        QTest::addColumn<QStringList>("answered");
        QTest::newRow("second dropped") << 300 << "secret" << QStringList{"console: a\n"};
        QTest::newRow("refusal counts") << 300 << "bad" << QStringList{"Bad rconpassword.\n"};
        QTest::newRow("off") << 0 << "secret" << QStringList{"console: a\n", "console: b\n"};
    }
    void rateLimit() {
        QFETCH(int, limitMs);
        QFETCH(QString, firstPassword);
        server->setRateLimitMs(limitMs);
        client->rcon(u"say a"_s, firstPassword);
        client->rcon(u"say b"_s);
        client->send(oob("getstatus")); // never limited; its answer marks the end of the burst
        QTRY_VERIFY_WITH_TIMEOUT(!client->replies.isEmpty() &&
                                     client->replies.last().startsWith(oob("statusResponse")),
                                 2000);
        client->replies.removeLast();
        QTEST(client->printTexts(), "answered");
        QCOMPARE(server->received().size(), 3);
        if (limitMs > 0) {
            QTest::qWait(limitMs + 50);
            QCOMPARE(client->ask(u"say c"_s), u"console: c\n"_s);
        }
    }

    void getstatusLayout() {
        server->setPlayers({player(4, 3, "29", "ThorN"), player(6, 0, "CNCT", "^1New")});
        server->setCvar("sv_privateClients", QString());
        server->setMaxPrintBytes(50); // getstatus is never split
        client->send(oob("getstatus"));
        QTRY_COMPARE_WITH_TIMEOUT(client->replies.size(), 1, 2000);
        QCOMPARE(client->replies[0],
                 oob("statusResponse\n"
                     "\\g_gametype\\dm\\gamename\\main\\mapname\\mp_harbor"
                     "\\protocol\\1\\shortversion\\1.1\\sv_allowAnonymous\\0\\sv_floodProtect\\1"
                     "\\sv_hostname\\Vostrel Test Server\\sv_maxclients\\20\\sv_maxPing\\0"
                     "\\sv_maxRate\\10000\\sv_minPing\\0\\sv_pure\\1\\pswrd\\0\n"
                     "3 29 \"ThorN\"\n0 999 \"^1New\"\n"));
    }

    void listings_data() {
        textTable({"command", "reply"},
                  {{"maps", "dir maps/mp bsp",
                    "Directory of maps/mp bsp\n----------\nmp_harbor.bsp\nmp_ship.bsp\n"},
                   {"other extension", "dir maps/mp cfg", "Directory of maps/mp cfg\n----------\n"},
                   {"cfgs", "fdir *.cfg",
                    "---------------\n/server.cfg\n/cfgs/sd.cfg\n2 files listed\n"}});
    }
    void listings() {
        server->setMaps({"mp_harbor", "mp_ship.bsp"});
        server->setCfgFiles({"server.cfg", "cfgs/sd.cfg", "readme.txt"});
        QFETCH(QString, command);
        QTEST(client->ask(command), "reply");
    }

    void kickRemovesPlayer_data() {
        textTable(
            {"command", "reply", "left"},
            {{"kick slot", "clientkick 1", "J\u00fcrgen^7 was kicked\n", "0 3"},
             {"ban", "banclient 0", "^1Red^7Baron^7 was banned\n", "1 3"},
             {"temp ban", "tempbanclient 3", "Zed^7 was temporarily banned\n", "0 1"},
             {"by name", "kick redbaron", "^1Red^7Baron^7 was kicked\n", "1 3"},
             {"empty slot", "clientkick 2", "Client 2 is not active\n", "0 1 3"},
             {"beyond sv_maxclients", "banclient 020", "Bad client slot: 20\n", "0 1 3"},
             {"not a number", "tempbanclient -1", "Bad client slot: -1\n", "0 1 3"},
             {"tell to an empty slot", "tell 2 hi", "Client 2 is not active\n", "0 1 3"},
             {"tell", "tell 1 hi", "", "0 1 3"},
             {"dumpuser of an empty slot", "dumpuser 19", "Client 19 is not active\n", "0 1 3"},
             {"dumpuser", "dumpuser 3",
              "userinfo\n--------\nname                Zed\nip                  "
              "127.0.0.1:28960\nrate                25000\n",
              "0 1 3"}});
    }
    void kickRemovesPlayer() {
        server->setPlayers({player(0, 0, "5", "^1Red^7Baron"), player(1, 0, "5", "J\u00fcrgen"),
                            player(3, 0, "5", "Zed")});
        QFETCH(QString, command);
        QTEST(client->ask(command), "reply");
        QStringList left;
        for (const SimPlayer& p : server->players())
            left << QString::number(p.num);
        QTEST(left.join(' '), "left");
    }

    // A player leaves and another takes his slot between two reports: a command by slot
    // reaches the newcomer.
    void slotChangesHandsAfterStatus() {
        server->replaceAfterNextStatus(1, player(9, 0, "40", u"Major"_s));
        QVERIFY(client->ask(u"dumpuser 1"_s).contains(u"J\u00fcrgen"_s));
        QVERIFY(client->ask(u"status"_s).contains(u"J\u00fcrgen"_s));
        QCOMPARE(client->ask(u"clientkick 1"_s), u"Major^7 was kicked\n"_s);
        server->setPlayers({player(1, 0, "5", u"Back"_s)});
        QVERIFY(client->ask(u"status"_s).contains(u"Back"_s)); // the event happens once
        QVERIFY(client->ask(u"status"_s).contains(u"Back"_s));
    }

    void receivedKeepsEverythingInOrder() {
        const QList<QByteArray> sent{oob("getstatus"), oob("rcon secret  two blanks "), "no header",
                                     oob("rcon wrong say x")};
        for (const QByteArray& bytes : sent)
            client->send(bytes);
        QTRY_COMPARE_WITH_TIMEOUT(server->received().size(), sent.size(), 2000);
        QCOMPARE(server->received(), sent);
        QCOMPARE(server->receivedCommands(),
                 QStringList({"getstatus", " two blanks ", "no header", "say x"}));
        const QList<qint64> at = server->receivedAtMs();
        QCOMPARE(at.size(), sent.size());
        QVERIFY(std::is_sorted(at.begin(), at.end()));
        QCOMPARE(server->lastClientPort(), client->localPort());
        server->clearReceived();
        QVERIFY(server->received().isEmpty() && server->receivedCommands().isEmpty());
    }

    // Each server of a fleet has its own port, name and traffic.
    void fleetKeepsItsServersApart() {
        SimFleet fleet(3);
        QVERIFY(fleet.start());
        for (int i = 0; i < fleet.size(); ++i) {
            Client c(fleet.server(i));
            if (i == 1)
                QCOMPARE(c.ask(u"say here"_s), u"console: here\n"_s);
            c.send(oob("getstatus"));
            QTRY_VERIFY(!c.replies.isEmpty() && c.replies.last().startsWith(oob("statusResponse")));
            QVERIFY(c.replies.last().contains(
                QByteArray("\\^1Sim^7 Server " + QByteArray::number(i + 1) + '\\')));
        }
        const QStringList status{u"getstatus"_s};
        QCOMPARE(fleet.server(0).receivedCommands(), status);
        QCOMPARE(fleet.server(1).receivedCommands(), QStringList{u"say here"_s} + status + status);
        QCOMPARE(fleet.server(2).receivedCommands(), status);
    }

    void dataFile_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("badLine"); // 0: loads
        QTest::newRow("good")
            << QByteArray("# sample\n[cvars]\nsv_hostname = \"  Spaced  \"\nscr_new = 7\n"
                          "[serverinfo]\nsv_punkbuster = 0\n[players]\n"
                          "5 10 CNCT 99 \"^2Big Joe\" 20 127.0.0.1:1 999 3000\n"
                          "[maps]\nmp_one\nmp_two.bsp\n[cfgs]\nserver.cfg\n[engine]\nioquake3\n")
            << 0;
        QTest::newRow("unknown section") << QByteArray("[cvars]\na = 1\n[bogus]\n") << 3;
        QTest::newRow("no section") << QByteArray("a = 1\n") << 1;
        QTest::newRow("no equals sign") << QByteArray("[cvars]\na 1\n") << 2;
        QTest::newRow("player number") << QByteArray("[players]\nx 1 50 0 \"n\"\n") << 2;
        QTest::newRow("player fields") << QByteArray("[players]\n1 1 50 0\n") << 2;
        QTest::newRow("engine") << QByteArray("[engine]\nquake2\n") << 2;
    }
    void dataFile() {
        QFETCH(QByteArray, content);
        QFETCH(int, badLine);
        QTemporaryDir dir;
        QFile file(dir.filePath("sim.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        file.close();
        QString error;
        QCOMPARE(server->loadDataFile(file.fileName(), &error), badLine == 0);
        if (badLine != 0) {
            QVERIFY2(error.startsWith(u"line %1:"_s.arg(badLine)), qPrintable(error));
            QCOMPARE(server->players().size(), 3); // a broken file changes nothing
            QCOMPARE(server->engine(), SimServer::Engine::CallOfDuty);
            QVERIFY(server->cvar("a").isNull());
            return;
        }
        QCOMPARE(server->cvar("sv_hostname"), u"  Spaced  "_s);
        QCOMPARE(server->cvar("scr_new"), u"7"_s);
        QVERIFY(server->cvarFlags("sv_punkbuster").contains(u'S'));
        QCOMPARE(server->players(), QList<SimPlayer>({{5, 10, "CNCT", "99", "^2Big Joe", 20,
                                                       "127.0.0.1:1", 999, 3000}}));
        QCOMPARE(server->maps(), QStringList({"mp_one", "mp_two"}));
        QCOMPARE(server->cfgFiles(), QStringList{"server.cfg"});
        QCOMPARE(server->engine(), SimServer::Engine::Ioquake3);
    }
};

QTEST_GUILESS_MAIN(TstSimServer)
#include "tst_simserver.moc"
