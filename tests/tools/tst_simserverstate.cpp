#include "SimClient.h"

#include <QTemporaryDir>

#include <memory>

using namespace Qt::StringLiterals;

// Server state behind the wire: map loads and latched variables, the data file, test hooks.
class TstSimServerState : public QObject {
    Q_OBJECT
    std::unique_ptr<SimServer> server;
    std::unique_ptr<SimClient> client;

    // Loads answer nothing, so the query sent right after must be the first thing to come back.
    QString queryAfterLoad(const QString& load, const QString& query) {
        client->replies.clear();
        client->rcon(load);
        client->rcon(query);
        return client->waitForReply() ? client->printTexts().value(0) : QString();
    }

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

    void mapLoadsAreSilentAndApplyLatches() {
        client->ask(u"set g_gametype sd"_s);
        QCOMPARE(queryAfterLoad(u"map_restart"_s, u"g_gametype"_s),
                 u"\"g_gametype\" is:\"sd^7\" default:\"dm^7\"\n"_s);
        // The rotation starts over from sv_maprotation and leaves the rest behind.
        QCOMPARE(queryAfterLoad(u"map_rotate"_s, u"mapname"_s),
                 u"\"mapname\" is:\"mp_harbor^7\" default:\"mp_harbor^7\"\n"_s);
        QCOMPARE(server->cvar("g_gametype"), u"dm"_s);
        QCOMPARE(server->cvar("sv_maprotationcurrent"), u"gametype sd map mp_carentan"_s);
        queryAfterLoad(u"map_rotate"_s, u"mapname"_s);
        QCOMPARE(server->cvar("g_gametype"), u"sd"_s);
        QCOMPARE(server->cvar("mapname"), u"mp_carentan"_s);
        QCOMPARE(server->cvar("sv_maprotationcurrent"), QString());
        QCOMPARE(queryAfterLoad(u"map MP_SHIP.bsp"_s, u"say x"_s), u"console: x\n"_s);
        QCOMPARE(server->cvar("mapname"), u"mp_ship"_s);
    }

    void dataFile_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("badLine"); // 0: loads
        QTest::newRow("good")
            << QByteArray("# sample\n[cvars]\nsv_hostname = \"  Spaced  \"\nscr_new = 7\n"
                          "[serverinfo]\nsv_punkbuster = 0\n[players]\n"
                          "5 10 CNCT 99 \"^2Big Joe\" 20 127.0.0.1:1 999 3000\n"
                          "[maps]\nmp_one\nmp_two.bsp\n[cfgs]\nserver.cfg\n")
            << 0;
        QTest::newRow("unknown section") << QByteArray("[cvars]\na = 1\n[bogus]\n") << 3;
        QTest::newRow("no section") << QByteArray("a = 1\n") << 1;
        QTest::newRow("no equals sign") << QByteArray("[cvars]\na 1\n") << 2;
        QTest::newRow("player number") << QByteArray("[players]\nx 1 50 0 \"n\"\n") << 2;
        QTest::newRow("player fields") << QByteArray("[players]\n1 1 50 0\n") << 2;
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
    }

    void textHooks() {
        const QByteArray big(2500, 'x');
        server->setReplyOverride("status", big);
        client->rcon(u"status"_s);
        QTRY_COMPARE_WITH_TIMEOUT(client->replies.size(), 3, 2000);
        QCOMPARE(client->printTexts().join(QString()).toLatin1(), big);
        server->clearReplyOverrides();
        server->injectIntoNextReply(u"Zed: hi\n"_s);
        QCOMPARE(client->ask(u"say ok"_s), u"Zed: hi\nconsole: ok\n"_s);
        client->replies.clear();
        server->printToClient(u"Zed killed Joe\n"_s);
        QTRY_COMPARE_WITH_TIMEOUT(client->printTexts(), QStringList{"Zed killed Joe\n"}, 2000);
    }

    void delayedReplies() {
        server->setReplyDelayMs(50);
        QCOMPARE(client->ask(u"say late"_s), u"console: late\n"_s);
        // A reply still waiting when the server stops is never sent.
        server->setReplyDelayMs(300);
        connect(server.get(), &SimServer::datagramReceived, this,
                [this] { QTimer::singleShot(0, server.get(), [this] { server->stop(); }); });
        client->replies.clear();
        client->rcon(u"say lost"_s);
        QTRY_COMPARE_WITH_TIMEOUT(server->port(), quint16(0), 2000);
        QVERIFY(!QTest::qWaitFor([this] { return !client->replies.isEmpty(); }, 500));
    }
};

QTEST_GUILESS_MAIN(TstSimServerState)
#include "tst_simserverstate.moc"
