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
    void gameModeLine();
    void cfgNames_data();
    void cfgNames();
};

void TestConnectRules::passwordReply_data() {
    QTest::addColumn<QString>("response");
    QTest::addColumn<PasswordCheck>("expected");

    QTest::newRow("as the server says it") << "Bad rconpassword.\n" << PasswordCheck::BadPassword;
    QTest::newRow("pane line ends") << "Bad rconpassword.\r\n" << PasswordCheck::BadPassword;
    QTest::newRow("upper case") << "BAD RCONPASSWORD." << PasswordCheck::BadPassword;
    QTest::newRow("mixed case, sixteen only") << "bAD RconPassWORD" << PasswordCheck::BadPassword;
    QTest::newRow("fifteen characters") << "Bad rconpasswor" << PasswordCheck::Accepted;
    QTest::newRow("not at the start") << " Bad rconpassword." << PasswordCheck::Accepted;
    QTest::newRow("no password on server") << "No rconpassword set on the server.\n"
                                           << PasswordCheck::NoPasswordSet;
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

    QTest::newRow("stock port") << "28960" << 28960;
    QTest::newRow("blanks around") << " 28961 " << 28961;
    QTest::newRow("lowest") << "1" << 1;
    QTest::newRow("highest") << "65535" << 65535;
    QTest::newRow("leading zeros") << "0028960" << 28960;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("one past the top") << "65536" << 0;
    QTest::newRow("far past the top") << "99999999999" << 0;
    QTest::newRow("negative") << "-1" << 0;
    QTest::newRow("plus sign") << "+28960" << 0;
    QTest::newRow("fraction") << "28960.0" << 0;
    QTest::newRow("exponent") << "2e4" << 0;
    QTest::newRow("trailing letters") << "28960x" << 0;
    QTest::newRow("word") << "port" << 0;
    QTest::newRow("blank inside") << "289 60" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("non-ASCII digits") << QString::fromUtf8("\xef\xbc\x92\xef\xbc\x98") << 0;
}

void TestConnectRules::port() {
    QFETCH(QString, text);
    QFETCH(int, port);
    const std::optional<quint16> parsed = parsePort(text);
    QCOMPARE(parsed.has_value(), port != 0);
    if (parsed)
        QCOMPARE(int(*parsed), port);
}

void TestConnectRules::statusValue_data() {
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("gametype");
    QTest::addColumn<QString>("map");

    const QString real = QStringLiteral(
        "\xff\xff\xff\xffstatusResponse\n\\g_gametype\\dm\\gamename\\main\\mapname\\mp_pavlov"
        "\\protocol\\1\\shortversion\\1.1\\sv_hostname\\CoDHost\\sv_maxclients\\8\\pswrd\\0\n"
        "12 48 \"^1Red^7Baron\"\n");
    const auto row = [](const char* name, const QString& reply, const QString& gametype,
                        const QString& map) { QTest::newRow(name) << reply << gametype << map; };
    row("captured reply", real, "dm", "mp_pavlov");
    row("names in any case", "\\G_GameType\\sd\\MAPNAME\\mp_carentan\\", "sd", "mp_carentan");
    row("no game type", "\\gamename\\main\\mapname\\mp_harbor\\", "", "mp_harbor");
    row("no map", "\\g_gametype\\tdm\\protocol\\1\n", "tdm", "");
    row("neither", "\\protocol\\1\\sv_pure\\1\n", "", "");
    row("empty reply", "", "", "");
    row("last value, line feed after it",
        "\\g_gametype\\ctf\\mapname\\mp_uo_harbor\n0 50 \"Player\"\n", "ctf", "mp_uo_harbor");
    row("last value, nothing after it", "\\g_gametype\\dom\\mapname\\mp_arnhem", "dom",
        "mp_arnhem");
    row("name at the very end", "\\g_gametype\\sd\\mapname", "sd", "");
    row("name and separator at the end", "\\g_gametype\\sd\\mapname\\", "sd", "");
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

void TestConnectRules::gameModeLine() {
    QCOMPARE(statusquery::gameModeLine({QStringLiteral("sd"), QStringLiteral("mp_harbor")}),
             QStringLiteral("Server running game mode [sd] on map [mp_harbor]"));
    QCOMPARE(statusquery::gameModeLine({}),
             QStringLiteral("Server running game mode [] on map []"));
}

void TestConnectRules::cfgNames_data() {
    QTest::addColumn<QString>("response");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("as the server lists them")
        << "---------------\n/server.cfg\n/dedicated.cfg\n/sd.cfg\n3 files listed\n"
        << QStringList{"server", "dedicated", "sd"};
    QTest::newRow("without the dashes") << "/server.cfg\n/dedicated.cfg\n"
                                        << QStringList{"server", "dedicated"};
    QTest::newRow("no cfg files") << "---------------\n0 files listed\n" << QStringList{};
    QTest::newRow("empty reply") << "" << QStringList{};
    QTest::newRow("last line without line feed") << "/a.cfg\n/b.cfg" << QStringList{"a", "b"};
    QTest::newRow("one line without line feed") << "/only.cfg" << QStringList{"only"};
    QTest::newRow("packed files have no slash")
        << "---------------\nserver.cfg\n/local.cfg\n2 files listed\n"
        << QStringList{"local"};
    QTest::newRow("other file between") << "/readme.txt\n/league.cfg\n" << QStringList{"league"};
    QTest::newRow("upper-case extension") << "/SERVER.CFG\n" << QStringList{"SERVER"};
    QTest::newRow("in a folder") << "/configs/league.cfg\n" << QStringList{"configs/league"};
    QTest::newRow("pane line ends") << "/a.cfg\r\n/b.cfg\r\n" << QStringList{"a", "b"};
    QTest::newRow("slash and extension only") << "/.cfg\n" << QStringList{""};
    QTest::newRow("extension twice") << "/x.cfg.cfg\n" << QStringList{"x"};
}

void TestConnectRules::cfgNames() {
    QFETCH(QString, response);
    QFETCH(QStringList, names);
    QCOMPARE(scanCfgNames(response), names);
}

QTEST_GUILESS_MAIN(TestConnectRules)
#include "tst_connectrules.moc"
