#include "app/CfgScan.h"
#include "app/ConnectChecks.h"
#include "app/StatusQuery.h"

#include <QTest>

Q_DECLARE_METATYPE(PasswordCheck)

class TestConnectRules : public QObject {
    Q_OBJECT
private slots:
    void passwordReply_data();
    void passwordReply();
    void port_data();
    void port();
    void statusValue_data();
    void statusValue();
    void cfgNames_data();
    void cfgNames();
};

void TestConnectRules::passwordReply_data() {
    QTest::addColumn<QString>("response");
    QTest::addColumn<PasswordCheck>("expected");

    QTest::newRow("as the server says it") << "Bad rconpassword.\n" << PasswordCheck::BadPassword;
    QTest::newRow("mixed case, sixteen only") << "bAD RconPassWORD" << PasswordCheck::BadPassword;
    QTest::newRow("fifteen characters") << "Bad rconpasswor" << PasswordCheck::Accepted;
    QTest::newRow("not at the start") << " Bad rconpassword." << PasswordCheck::Accepted;
    QTest::newRow("no password, upper case") << "NO RCONPASSWORD SET ON THE SERVER.\r\n"
                                             << PasswordCheck::NoPasswordSet;
    QTest::newRow("status report") << "map: mp_harbor\nnum score ping\n" << PasswordCheck::Accepted;
    QTest::newRow("no reply") << "" << PasswordCheck::Accepted;
}

void TestConnectRules::passwordReply() {
    QFETCH(QString, response);
    QFETCH(PasswordCheck, expected);
    QCOMPARE(checkPasswordReply(response), expected);
}

void TestConnectRules::port_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("port"); // 0: refused

    QTest::newRow("blanks around") << " 28961 " << 28961;
    QTest::newRow("lowest") << "1" << 1;
    QTest::newRow("highest") << "65535" << 65535;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("one past the top") << "65536" << 0;
    QTest::newRow("far past the top") << "99999999999" << 0;
    QTest::newRow("plus sign") << "+28960" << 0;
    QTest::newRow("fraction") << "28960.0" << 0;
    QTest::newRow("trailing letters") << "28960x" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("non-ASCII digits") << QString::fromUtf8("\xef\xbc\x92\xef\xbc\x98") << 0;
}

void TestConnectRules::port() {
    QFETCH(QString, text);
    QFETCH(int, port);
    QCOMPARE(int(parsePort(text).value_or(0)), port);
}

void TestConnectRules::statusValue_data() {
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("gametype");
    QTest::addColumn<QString>("map");

    const auto row = [](const char* name, const QString& reply, const QString& gametype,
                        const QString& map) { QTest::newRow(name) << reply << gametype << map; };
    row("captured reply",
        "\xff\xff\xff\xffstatusResponse\n\\g_gametype\\dm\\gamename\\main\\mapname\\mp_pavlov"
        "\\protocol\\1\\sv_hostname\\CoDHost\n12 48 \"^1Red^7Baron\"\n",
        "dm", "mp_pavlov");
    row("names in any case", "\\G_GameType\\sd\\MAPNAME\\mp_carentan\\", "sd", "mp_carentan");
    row("neither", "\\protocol\\1\\sv_pure\\1\n", "", "");
    row("last value, line feed after it", "\\g_gametype\\ctf\\mapname\\mp_uo_harbor\n0 50 \"P\"\n",
        "ctf", "mp_uo_harbor");
    row("last value, nothing after it", "\\g_gametype\\dom\\mapname\\mp_arnhem", "dom",
        "mp_arnhem");
    row("name at the very end", "\\g_gametype\\sd\\mapname", "sd", "");
    row("empty value", "\\g_gametype\\\\mapname\\mp_depot\\", "", "mp_depot");
}

void TestConnectRules::statusValue() {
    QFETCH(QString, reply);
    QFETCH(QString, gametype);
    QFETCH(QString, map);
    const statusquery::GameStatus status = statusquery::readGameStatus(reply);
    QCOMPARE(status.gametype, gametype);
    QCOMPARE(status.map, map);
}

void TestConnectRules::cfgNames_data() {
    QTest::addColumn<QString>("response");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("as the server lists them")
        << "---------------\n/server.cfg\n/dedicated.cfg\n/sd.cfg\n3 files listed\n"
        << QStringList{"server", "dedicated", "sd"};
    QTest::newRow("empty reply") << "" << QStringList{};
    QTest::newRow("last line without line feed") << "/a.cfg\n/b.cfg" << QStringList{"a", "b"};
    QTest::newRow("packed files have no slash") << "server.cfg\n/local.cfg\n2 files listed\n"
                                                << QStringList{"local"};
    QTest::newRow("other file between") << "/readme.txt\n/league.cfg\n" << QStringList{"league"};
    QTest::newRow("upper-case extension") << "/SERVER.CFG\n" << QStringList{"SERVER"};
    QTest::newRow("pane line ends") << "/a.cfg\r\n/b.cfg\r\n" << QStringList{"a", "b"};
    QTest::newRow("extension twice") << "/x.cfg.cfg\n" << QStringList{"x"};
}

void TestConnectRules::cfgNames() {
    QFETCH(QString, response);
    QFETCH(QStringList, names);
    QCOMPARE(scanCfgNames(response), names);
}

QTEST_GUILESS_MAIN(TestConnectRules)
#include "tst_connectrules.moc"
