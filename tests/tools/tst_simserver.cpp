#include "SimClient.h"

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(SimPlayer)

namespace {
const QByteArray kPrint = SimClient::kPrint;
QByteArray oob(const QByteArray& body) {
    return SimClient::oob(body);
}

// Fields in status order: num score ping guid name lastmsg address qport rate.
SimPlayer player(int num, int score, const QString& ping, const QString& name,
                 const QString& address = u"127.0.0.1:28960"_s, int qport = 1234) {
    return {num, score, ping, "465030", name, 0, address, qport, 25000};
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
} // namespace

// What a client sees on the wire: framing, refusals, report layouts, limits and loss.
class TstSimServer : public QObject {
    Q_OBJECT
    std::unique_ptr<SimServer> server;
    std::unique_ptr<SimClient> client;

    QString ask(const QString& command, const QString& password = u"secret"_s) {
        return client->ask(command, password);
    }
    void rcon(const QString& command) { client->rcon(command); }
    void send(const QByteArray& bytes) { client->send(bytes); }

private slots:
    void init() {
        server = std::make_unique<SimServer>();
        QVERIFY(server->start());
        server->setRateLimitMs(0);
        client = std::make_unique<SimClient>(*server);
    }
    void cleanup() {
        client.reset();
        server.reset();
    }

    void refusals_data() {
        textTable({"serverPassword", "sentPassword", "expected"},
                  {{"wrong", "secret", "wrong", "Bad rconpassword.\n"},
                   {"letter case counts", "secret", "Secret", "Bad rconpassword.\n"},
                   {"longer", "secret", "secrets", "Bad rconpassword.\n"},
                   {"none set", "", "secret", "No rconpassword set on the server.\n"},
                   {"right", "secret", "secret", "console: ok\n"}});
    }
    void refusals() {
        QFETCH(QString, serverPassword);
        QFETCH(QString, sentPassword);
        server->setRconPassword(serverPassword);
        QTEST(ask(u"say ok"_s, sentPassword), "expected");
    }

    void statusMatchesCapturedLine() {
        server->setPlayers({{2, 0, "29", "465030", "ThorN", 50, "68.63.6.62:-32085", 6597, 5000}});
        const QString text = ask(u"Status"_s);
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

    void statusColumns_data() {
        QTest::addColumn<SimPlayer>("p");
        QTest::addColumn<QString>("line");
        const QString tail = u"      0 127.0.0.1:28960        1234 25000"_s;
        QTest::newRow("colour codes take no room")
            << player(0, 12, "48", "^1Red^7Baron")
            << "  0      12   48 465030 ^1Red^7Baron        ^7" + tail;
        QTest::newRow("connecting, negative score")
            << player(7, -15, "CNCT", "New Player")
            << "  7     -15 CNCT 465030 New Player      ^7" + tail;
        QTest::newRow("long name gets no padding")
            << player(19, 3, "999", "J\u00fcrgen the Magnificent")
            << " 19       3  999 465030 J\u00fcrgen the Magnificent^7" + tail;
        QTest::newRow("22-character address runs into qport")
            << player(11, 0, "50", "x", "255.255.255.255:-32768", 12345)
            << QStringLiteral(" 11       0   50 465030 x               ^7      0 "
                              "255.255.255.255:-3276812345 25000");
    }
    void statusColumns() {
        QFETCH(SimPlayer, p);
        server->setPlayers({p});
        QTEST(ask(u"status"_s).split(u'\n').value(3), "line");
    }

    void longReplySplitsWithoutLoss_data() {
        QTest::addColumn<int>("maxBytes");
        QTest::newRow("engine flush") << 1000;
        QTest::newRow("odd size") << 333;
    }
    void longReplySplitsWithoutLoss() {
        QFETCH(int, maxBytes);
        QList<SimPlayer> many;
        for (int i = 0; i < 64; ++i)
            many << player(i, i * 3 - 20, QString::number(i * 7),
                           u"^%1Soldier %2"_s.arg(i % 10).arg(i));
        server->setPlayers(many);
        server->setMaxPrintBytes(0);
        const QString whole = ask(u"status"_s);
        QCOMPARE(client->replies.size(), 1);
        QVERIFY(whole.size() > 3 * maxBytes);

        server->setMaxPrintBytes(maxBytes);
        client->replies.clear();
        rcon(u"status"_s);
        QTRY_COMPARE_WITH_TIMEOUT(client->printTexts().join(QString()).size(), whole.size(), 2000);
        QCOMPARE(client->printTexts().join(QString()), whole);
        QCOMPARE(client->replies.size(), (whole.size() + maxBytes - 1) / maxBytes);
        for (const QByteArray& r : std::as_const(client->replies)) {
            QVERIFY(r.startsWith(kPrint));
            QVERIFY(r.size() - kPrint.size() <= maxBytes);
        }
    }

    void cvarlistMatchesPrefix_data() {
        const char* mp = "        scr_allow_m1carbine \"1\"\n        scr_allow_m1garand \"1\"\n"
                         "        scr_allow_mp40 \"1\"\n        scr_allow_mp44 \"1\"\n"
                         "        scr_allow_mg34 \"1\"\n        scr_allow_mg30cal \"1\"\n";
        textTable({"command", "lines"},
                  {{"wildcard", "cvarlist setf*", "        setfriendlyfire \"2\"\n"},
                   {"letter case ignored", "CVARLIST SETF*", "        setfriendlyfire \"2\"\n"},
                   {"flags", "cvarlist sv_host*", "S   A   sv_hostname \"Vostrel Test Server\"\n"},
                   {"bare name is a prefix", "cvarlist sv_maprotation",
                    "        sv_maprotation \"gametype dm map mp_harbor gametype sd map "
                    "mp_carentan\"\n        sv_maprotationcurrent \"\"\n"},
                   {"registration order", "cvarlist scr_allow_m*", mp}});
    }
    void cvarlistMatchesPrefix() {
        QFETCH(QString, command);
        QFETCH(QString, lines);
        const QString total = QString::number(server->cvarNames().size());
        QCOMPARE(ask(command), lines + "\n" + total + " total cvars\n" + total + " cvar indexes\n");
    }

    void consoleCommands_data() {
        textTable(
            {"command", "reply", "name", "value"},
            {{"quoted, no blank", "scr_allow_mp40\"0\"", "", "scr_allow_mp40", "0"},
             {"quoted with blank", "scr_allow_bazooka \"0\"", "", "SCR_ALLOW_BAZOOKA", "0"},
             {"set joins words", "set sv_hostname My  Server", "", "sv_hostname", "My Server"},
             {"plain takes one word", "sv_hostname My Server", "", "sv_hostname", "My"},
             {"set creates", "set brand_new 5", "", "brand_new", "5"},
             {"rotation", "sv_maprotationcurrent \"gametype sd map mp_ship\"", "",
              "sv_maprotationcurrent", "gametype sd map mp_ship"},
             {"read only", "set mapname mp_ship", "mapname is read only.\n", "mapname",
              "mp_harbor"},
             {"query", "scr_killcam", "\"scr_killcam\" is:\"1^7\" default:\"1^7\"\n", "scr_killcam",
              "1"},
             {"latched", "set g_gametype sd", "g_gametype will be changed upon restarting.\n",
              "g_gametype", "dm"},
             {"say", "say hello  world", "console: hello world\n", "", ""},
             {"tell empty slot", "tell 2 hi", "Client 2 is not active\n", "", ""},
             {"tell active slot", "tell 0 hi", "", "", ""},
             {"unknown", "xyz 1", "Unknown command \"xyz\"\n", "", ""},
             {"exec", "exec server", "execing server.cfg\n", "", ""},
             {"exec missing", "exec nope.cfg", "couldn't exec nope.cfg\n", "", ""},
             {"missing map", "map mp_nowhere", "Can't find map maps/mp/mp_nowhere.bsp\n", "", ""}});
    }
    void consoleCommands() {
        QFETCH(QString, command);
        QFETCH(QString, name);
        server->setPlayers({player(0, 0, "50", "a")});
        QTEST(ask(command), "reply");
        QCOMPARE(client->replies.size(), 1);
        if (!name.isEmpty())
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
        rcon(u"say b"_s);
        send(oob("getstatus")); // never limited; its answer marks the end of the burst
        QTRY_VERIFY_WITH_TIMEOUT(!client->replies.isEmpty() &&
                                     client->replies.last().startsWith(oob("statusResponse")),
                                 2000);
        client->replies.removeLast();
        QTEST(client->printTexts(), "answered");
        QCOMPARE(server->received().size(), 3);
        if (limitMs > 0) {
            QTest::qWait(limitMs + 50);
            QCOMPARE(ask(u"say c"_s), u"console: c\n"_s);
        }
    }

    void dropHooks() {
        server->dropNextReplies(2);
        rcon(u"say one"_s);
        rcon(u"set scr_killcam 0"_s);
        QCOMPARE(ask(u"say two"_s), u"console: two\n"_s);
        QCOMPARE(client->replies.size(), 1);           // nothing came back for the first two
        QCOMPARE(server->cvar("scr_killcam"), u"0"_s); // processed all the same
        server->dropNextRequests(1);
        rcon(u"set scr_killcam 1"_s);
        QCOMPARE(ask(u"say three"_s), u"console: three\n"_s);
        QCOMPARE(server->cvar("scr_killcam"), u"0"_s);
        QCOMPARE(server->receivedCommands(), QStringList({"say one", "set scr_killcam 0", "say two",
                                                          "set scr_killcam 1", "say three"}));
    }

    void getstatusLayout() {
        server->setPlayers({player(4, 3, "29", "ThorN"), player(6, 0, "CNCT", "^1New")});
        server->setCvar("sv_privateClients", QString());
        server->setMaxPrintBytes(50); // getstatus is never split
        send(oob("getstatus"));
        QTRY_COMPARE_WITH_TIMEOUT(client->replies.size(), 1, 2000);
        QCOMPARE(client->replies[0],
                 oob("statusResponse\n"
                     "\\g_gametype\\dm\\gamename\\main\\mapname\\mp_harbor"
                     "\\protocol\\1\\shortversion\\1.1\\sv_allowAnonymous\\0\\sv_floodProtect\\1"
                     "\\sv_hostname\\Vostrel Test Server\\sv_maxclients\\20\\sv_maxPing\\0"
                     "\\sv_maxRate\\10000\\sv_minPing\\0\\sv_pure\\1\\pswrd\\0\n"
                     "3 29 \"ThorN\"\n0 999 \"^1New\"\n"));
        server->setGetstatusOverride("statusResponse\n\\g_gametype\\sd\n");
        send(oob("getstatus"));
        QTRY_COMPARE_WITH_TIMEOUT(client->replies.size(), 2, 2000);
        QCOMPARE(client->replies[1], oob("statusResponse\n\\g_gametype\\sd\n"));
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
        QTEST(ask(command), "reply");
    }

    void kickRemovesPlayer_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QList<int>>("left");
        const struct {
            const char *tag, *command, *reply;
            QList<int> left;
        } rows[] = {
            {"kick slot", "clientkick 1", "J\u00fcrgen^7 was kicked\n", {0, 3}},
            {"ban", "banclient 0", "^1Red^7Baron^7 was banned\n", {1, 3}},
            {"temp ban", "tempbanclient 3", "Zed^7 was temporarily banned\n", {0, 1}},
            {"by name", "kick redbaron", "^1Red^7Baron^7 was kicked\n", {1, 3}},
            {"empty slot", "clientkick 2", "Bad client slot: 2\n", {0, 1, 3}},
        };
        for (const auto& r : rows)
            QTest::newRow(r.tag) << QString::fromUtf8(r.command) << QString::fromUtf8(r.reply)
                                 << r.left;
    }
    void kickRemovesPlayer() {
        server->setPlayers({player(0, 0, "5", "^1Red^7Baron"), player(1, 0, "5", "J\u00fcrgen"),
                            player(3, 0, "5", "Zed")});
        QFETCH(QString, command);
        QTEST(ask(command), "reply");
        QList<int> left;
        for (const SimPlayer& p : server->players())
            left << p.num;
        QTEST(left, "left");
    }

    void receivedKeepsEverythingInOrder() {
        const QList<QByteArray> sent{oob("getstatus"), oob("rcon secret  two blanks "), "no header",
                                     oob("rcon wrong say x")};
        for (const QByteArray& bytes : sent)
            send(bytes);
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
};

QTEST_GUILESS_MAIN(TstSimServer)
#include "tst_simserver.moc"
