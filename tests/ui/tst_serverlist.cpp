#include "base/WaitClock.h"
#include "fleet/HostNameRuns.h"
#include "fleet/StatusPoller.h"
#include "settings/ProfileFile.h"
#include "settings/ServerRecords.h"
#include "support/Harness.h"
#include "ui/HostNameDelegate.h"
#include "ui/ServerEditDialog.h"
#include "ui/ServerListPanel.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QUdpSocket>
#include <QtTest>

using namespace Qt::StringLiterals;

// The server list: its records in the settings file, the status of many servers, the panel.
class TestServerList : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { WaitClock::instance().setSecondMs(Harness::kSecondMs); }
    void recordsFromSettings_data();
    void recordsFromSettings();
    void recordsRoundTrip();
    void hostNameRuns_data();
    void hostNameRuns();
    void statusReply();
    void pollerAsksEveryServer();
    void panelEditsTheList();
    void panelFindsOpensAndTicks();
    void panelShowsStatus();
};

namespace {

// A record as one line: address|port|password|name|connect at start.
QString line(const ServerRecord& r) {
    return QStringList{r.address, r.port, r.password, r.name, r.connectAtStart ? "1" : "0"}.join(
        u'|');
}

QStringList lines(const ServerRecords& records) {
    QStringList out;
    for (const ServerRecord& r : records)
        out << line(r);
    return out;
}

// Two answering servers and a port that never answers, on loopback.
struct Servers {
    SimServer red;
    SimServer blue;
    QUdpSocket silent;
    Servers() {
        red.start();
        red.setCvar(u"sv_hostname"_s, u"^1Red^7 Base"_s);
        red.setPlayers({{0, 5, u"40"_s, {}, u"^2Ann"_s}, {1, 2, u"60"_s, {}, u"Bob"_s}});
        blue.start();
        blue.setCvar(u"sv_hostname"_s, u"Blue"_s);
        blue.setCvar(u"mapname"_s, u"mp_carentan"_s);
        blue.setCvar(u"sv_maxclients"_s, u"16"_s);
        blue.setPlayers({});
        silent.bind(QHostAddress::LocalHost, 0);
    }
    ServerRecords records() const {
        return {{u"127.0.0.1"_s, QString::number(red.port()), {}, {}, false},
                {u"localhost"_s, QString::number(blue.port()), {}, u"Mine"_s, false},
                {u"127.0.0.1"_s, QString::number(silent.localPort()), {}, {}, false}};
    }
};

} // namespace

void TestServerList::recordsFromSettings_data() {
    QTest::addColumn<QString>("ini");
    QTest::addColumn<QStringList>("records");
    const QString list = u"[servers]\nserver1=cod.example.org\nserver2=2001:db8::7\n"
                         "server3=10.0.0.3\n[ports]\nport1=28960\nport2=28961\nport3=\n"
                         "[rcon]\nrcon1=pw one\nrcon2=\n"_s;
    const QStringList plain{u"cod.example.org|28960|pw one||0"_s, u"2001:db8::7|28961|||0"_s,
                            u"10.0.0.3||||0"_s};
    QTest::newRow("today's list, IPv6 and blanks") << list << plain;
    QTest::newRow("start-up server in the list")
        << list + u"[options]\nautoconnect=1\nautoconnectserv=COD.Example.org\n"
                  "autoconnectport=28960\nautoconnectrcon=other\n"_s
        << QStringList{u"cod.example.org|28960|pw one||1"_s, plain[1], plain[2]};
    QTest::newRow("start-up server not in the list")
        << list + u"[options]\nautoconnect=1\nautoconnectserv=cod.example.org\n"
                  "autoconnectport=28965\nautoconnectrcon=pw2\n"_s
        << plain + QStringList{u"cod.example.org|28965|pw2||1"_s};
    QTest::newRow("start-up option off")
        << list + u"[options]\nautoconnect=0\nautoconnectserv=10.0.0.9\n"_s << plain;
    QTest::newRow("records written: the options no longer count")
        << list + u"[names]\nname2=Six\n[startup]\nconnect1=0\nconnect3=1\n"
                  "[options]\nautoconnect=1\nautoconnectserv=cod.example.org\n"
                  "autoconnectport=28960\n"_s
        << QStringList{plain[0], u"2001:db8::7|28961||Six|0"_s, u"10.0.0.3||||1"_s};
    QTest::newRow("the list ends at a blank address")
        << u"[servers]\nserver1=a\nserver2=\nserver3=c\n[ports]\nport1=1\nport3=3\n"_s
        << QStringList{u"a|1|||0"_s};
}

void TestServerList::recordsFromSettings() {
    QFETCH(QString, ini);
    QTemporaryDir dir;
    QFile file(dir.filePath(u"vostrel.ini"_s));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(ini.toLatin1()) > 0);
    file.close();
    QTEST(lines(readServerRecords(ProfileFile(file.fileName()))), "records");
}

void TestServerList::recordsRoundTrip() {
    QTemporaryDir dir;
    ProfileFile file(dir.filePath(u"vostrel.ini"_s));
    QVERIFY(file.write(u"options"_s, u"autoconnect"_s, u"1"_s));
    QVERIFY(file.write(u"options"_s, u"autoconnectserv"_s, u"gone.example.org"_s));
    const ServerRecords records{{u"::1"_s, u"28960"_s, u"pässword"_s, u"Home ^1box"_s, true},
                                {u"b.example.org"_s, u"28961"_s, {}, {}, false},
                                {u"10.1.1.1"_s, {}, u"x"_s, u"Third"_s, true}};
    QVERIFY(writeServerRecords(file, records, 0).ok);
    QCOMPARE(readServerRecords(file), records);

    QVERIFY(writeServerRecords(file, records.mid(0, 1), 3).ok);
    QCOMPARE(readServerRecords(file), records.mid(0, 1));
    for (const auto& [section, key] : {std::pair{"servers", "server2"},
                                       {"names", "name3"},
                                       {"rcon", "rcon3"},
                                       {"startup", "connect3"}})
        QCOMPARE(file.read(section, key), QString());
    // An empty list stays empty: the start-up option of older versions does not come back.
    QVERIFY(writeServerRecords(file, {}, 1).ok);
    QCOMPARE(readServerRecords(file), ServerRecords{});
    QCOMPARE(file.read(u"options"_s, u"autoconnect"_s), u"1"_s);
}

void TestServerList::hostNameRuns_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("runs"); // colour:text, separated by "|"; -1 the starting colour
    QTest::addColumn<QString>("plain");
    QTest::newRow("plain") << "CoD Host"
                           << "-1:CoD Host"
                           << "CoD Host";
    QTest::newRow("codes") << "^1Red^7 White"
                           << "1:Red|7: White"
                           << "Red White";
    QTest::newRow("8, 9 and letters") << "^8a^9b^xc"
                                      << "0:a|1:b|0:c"
                                      << "abc";
    QTest::newRow("caret before caret") << "a^^1b"
                                        << "-1:a^|1:b"
                                        << "a^b";
    QTest::newRow("trailing caret") << "end^"
                                    << "-1:end^"
                                    << "end^";
    QTest::newRow("empty and repeated runs") << "^1^2x^2y^"
                                             << "2:xy^"
                                             << "xy^";
}

void TestServerList::hostNameRuns() {
    QFETCH(QString, name);
    const fleet::HostNameRuns split = fleet::splitHostName(name);
    QStringList runs;
    for (const fleet::ColourRun& run : split.runs)
        runs << QString::number(run.colour) + u':' + run.text;
    QTEST(runs.join(u'|'), "runs");
    QTEST(split.plain, "plain");
}

void TestServerList::statusReply() {
    const QByteArray oob(4, '\xff');
    const auto status = fleet::readStatusReply(
        oob + "statusResponse\n\\g_gametype\\tdm\\mapname\\mp_dawnville\\sv_hostname\\mapname"
              "\\sv_maxclients\\24\n3 50 \"a\"\n0 999 \"b\"\n");
    QVERIFY(status);
    QCOMPARE(*status, (fleet::ServerStatus{true, "mapname", "mp_dawnville", "tdm", 2, 24, -1}));
    QVERIFY(!fleet::readStatusReply(oob + "print\nstatusResponse\n"));
    QVERIFY(!fleet::readStatusReply("statusResponse\n\\mapname\\x\n"));
}

void TestServerList::pollerAsksEveryServer() {
    Servers servers;
    fleet::StatusPoller poller;
    QHash<int, fleet::ServerStatus> seen;
    connect(&poller, &fleet::StatusPoller::statusRead, this,
            [&](int index, const fleet::ServerStatus& status) { seen.insert(index, status); });
    QList<fleet::ServerEndpoint> endpoints;
    for (const ServerRecord& r : servers.records())
        endpoints << fleet::ServerEndpoint{r.address, r.port.toUShort()};
    poller.setServers(endpoints + QList<fleet::ServerEndpoint>{{u"127.0.0.1"_s, 0}});
    poller.start();
    QTRY_COMPARE_WITH_TIMEOUT(seen.size(), 4, 10000);
    QCOMPARE(seen[0].hostName, u"^1Red^7 Base"_s);
    QCOMPARE(seen[0].players, 2);
    QCOMPARE(seen[1].map, u"mp_carentan"_s);
    QCOMPARE(seen[1].maxPlayers, 16);
    QVERIFY(seen[0].roundTripMs >= 0 && seen[1].answered);
    QCOMPARE(seen[2], fleet::ServerStatus{});
    QCOMPARE(seen[3], fleet::ServerStatus{});

    // A reply from a stranger, even a well-formed one, counts for no server.
    QUdpSocket stranger;
    stranger.writeDatagram(QByteArray(4, '\xff') + "statusResponse\n\\sv_hostname\\Fake\n",
                           QHostAddress::LocalHost, servers.red.lastClientPort());
    seen.clear();
    // The next round comes by itself, one refresh period later.
    QTRY_COMPARE_WITH_TIMEOUT(seen.size(), 4, 10000);
    QCOMPARE(seen[0].hostName, u"^1Red^7 Base"_s);
    QCOMPARE(servers.red.receivedCommands(), QStringList(2, u"getstatus"_s));
}

void TestServerList::panelEditsTheList() {
    ScriptedDialogs dialogs;
    ServerListPanel panel(dialogs);
    QSignalSpy changed(&panel, &ServerListPanel::recordsChanged);
    const ServerRecord first{u"a.example.org"_s, u"28960"_s, u"pw"_s, {}, false};
    const ServerRecord second{u"10.0.0.2"_s, u"28961"_s, {}, u"Second"_s, false};
    panel.setRecords({first, second});
    const QAbstractItemModel* rows = panel.findChild<QListView*>(u"lstservers"_s)->model();
    QCOMPARE(rows->rowCount(), 2);
    QCOMPARE(rows->index(1, 0).data().toString(), u"Second\n10.0.0.2:28961"_s);

    const auto fill = [&panel](const QString& field, const QString& text) {
        panel.openEditor()->findChild<QLineEdit*>(field)->setText(text);
    };
    const auto ok = [&panel] {
        panel.openEditor()->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    };
    panel.findChild<QPushButton*>(u"cmdaddserver"_s)->click();
    QVERIFY(panel.openEditor());
    QCOMPARE(panel.openEditor()->findChild<QLineEdit*>(u"txtport"_s)->text(), u"28960"_s);
    fill(u"txtname"_s, u"Third"_s);
    ok();
    fill(u"txtport"_s, u"70000"_s);
    const QLabel* problem = panel.openEditor()->findChild<QLabel*>(u"lblproblem"_s);
    QVERIFY(problem->text().contains(u"address"_s));
    fill(u"txtaddress"_s, u" 10.0.0.3 "_s);
    ok();
    QVERIFY(problem->text().contains(u"1 to 65535"_s));
    fill(u"txtport"_s, u"28962"_s);
    panel.openEditor()->findChild<QCheckBox*>()->setChecked(true);
    ok();
    QVERIFY(!panel.openEditor());
    const ServerRecord third{u"10.0.0.3"_s, u"28962"_s, {}, u"Third"_s, true};
    QCOMPARE(panel.records(), (ServerRecords{first, second, third}));
    QCOMPARE(changed.size(), 1);

    // Edit takes the selected server, whatever the filter shows around it.
    panel.findChild<QLineEdit*>(u"txtfindserver"_s)->setText(u"a.example"_s);
    QListView* view = panel.findChild<QListView*>(u"lstservers"_s);
    view->setCurrentIndex(rows->index(0, 0));
    panel.findChild<QPushButton*>(u"cmdeditserver"_s)->click();
    fill(u"txtname"_s, u"First"_s);
    ok();
    ServerRecord renamed = first;
    renamed.name = u"First"_s;
    QCOMPARE(panel.records(), (ServerRecords{renamed, second, third}));

    view->setCurrentIndex(rows->index(0, 0));
    dialogs.setNextAnswer(Dialogs::Answer::No);
    panel.findChild<QPushButton*>(u"cmdremoveserver"_s)->click();
    QCOMPARE(panel.records().size(), 3);
    view->setCurrentIndex(rows->index(0, 0));
    panel.findChild<QPushButton*>(u"cmdremoveserver"_s)->click();
    QCOMPARE(panel.records(), (ServerRecords{second, third}));
    QCOMPARE(changed.size(), 3);
    QCOMPARE(dialogs.messages().size(), 2);
    QCOMPARE(dialogs.messages().last().text, u"Remove First from the server list?"_s);
}

void TestServerList::panelFindsOpensAndTicks() {
    ScriptedDialogs dialogs;
    ServerListPanel panel(dialogs);
    const ServerRecords records{{u"a.example.org"_s, u"1"_s, {}, {}, false},
                                {u"b.example.org"_s, u"2"_s, {}, u"Box"_s, false},
                                {u"c.example.org"_s, u"3"_s, {}, {}, false}};
    panel.setRecords(records);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QSignalSpy opened(&panel, &ServerListPanel::openRequested);
    QSignalSpy ticked(&panel, &ServerListPanel::tickedChanged);
    QListView* view = panel.findChild<QListView*>(u"lstservers"_s);
    QLineEdit* find = panel.findChild<QLineEdit*>(u"txtfindserver"_s);

    find->setText(u"BOX"_s); // the operator's name, any letter case
    QCOMPARE(view->model()->rowCount(), 1);
    QTest::keyClick(find, Qt::Key_Return); // the one match opens
    find->setText(u"c.example"_s);
    QTest::keyClick(view, Qt::Key_Return); // nothing current yet: nothing opens
    view->setCurrentIndex(view->model()->index(0, 0));
    QTest::keyClick(view, Qt::Key_Return);
    find->clear();
    QCOMPARE(view->model()->rowCount(), 3);
    const QRect cell = view->visualRect(view->model()->index(0, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(opened.size(), 3);
    QCOMPARE(opened[0][0].value<ServerRecord>(), records[1]);
    QCOMPARE(opened[1][0].value<ServerRecord>(), records[2]);
    QCOMPARE(opened[2][0].value<ServerRecord>(), records[0]);

    view->model()->setData(view->model()->index(2, 0), Qt::Checked, Qt::CheckStateRole);
    QCOMPARE(ticked.size(), 1);
    QCOMPARE(panel.tickedRecords(), ServerRecords{records[2]});
    panel.setRecords(records.mid(1)); // ticks of servers still listed stay
    QCOMPARE(panel.tickedRecords(), ServerRecords{records[2]});
}

void TestServerList::panelShowsStatus() {
    Servers servers;
    ScriptedDialogs dialogs;
    ServerListPanel panel(dialogs);
    panel.setRecords(servers.records());
    const QAbstractItemModel* rows = panel.findChild<QListView*>(u"lstservers"_s)->model();
    const auto row = [rows](int r) {
        return rows->index(r, 0).data().toString().replace(QRegularExpression(u"\\d+ ms"_s),
                                                           u"N ms"_s);
    };
    QCOMPARE(row(1), u"Mine\nlocalhost:%1"_s.arg(servers.blue.port()));
    panel.startPolling();
    QTRY_COMPARE_WITH_TIMEOUT(row(0), u"Red Base\nmp_harbor \u00b7 dm \u00b7 2/20 \u00b7 N ms"_s,
                              10000);
    QTRY_COMPARE_WITH_TIMEOUT(
        row(1), u"Mine \u2014 Blue\nmp_carentan \u00b7 dm \u00b7 0/16 \u00b7 N ms"_s, 10000);
    const QString silent = u"127.0.0.1:%1\nno answer"_s.arg(servers.silent.localPort());
    QTRY_COMPARE_WITH_TIMEOUT(row(2), silent, 10000);
    QCOMPARE(rows->index(0, 0).data(HostNameDelegate::kColouredNameRole).toString(),
             u"^1Red^7 Base"_s);
    panel.stopPolling();
}

QTEST_MAIN(TestServerList)
#include "tst_serverlist.moc"
