#include "../players/PlayerFixtures.h"
#include "players/PlayerColumns.h"
#include "rcon/WaitClock.h"

#include <QTest>

using namespace players_fixture;
namespace col = playercol;

namespace {

const QStringList kButtons = {"cmdplypop",     "cmdsavenames", "cmdplykick",
                              "cmdplymessage", "cmdplyban",    "cmdtempban"};

QStringList enabledButtons(const Harness& h) {
    QStringList names;
    for (const QString& name : kButtons)
        if (h.find<QPushButton>(name)->isEnabled())
            names << name;
    return names;
}

QTimer* timer(const Harness& h) {
    return h.find<QTimer>(QStringLiteral("tmrplayer"));
}

QStringList kicks(const Harness& h) {
    return h.commands().filter(QRegularExpression(QStringLiteral("^clientkick ")));
}

QStringList watched(const Harness& h) {
    QStringList out;
    for (const Player999Entry& e : h.main->session().state().Player999)
        out << e.name + u'@' + e.num + u'#' + QString::number(e.count);
    return out;
}

// The scenarios drive the refresh by hand; a quiet populate, as while auto update runs.
void armWatch(Harness& h, int checks) {
    Options& o = h.main->session().state().options;
    o.autokick999 = true;
    o.autokick999int = qint16(checks);
    o.autoqplayer = true;
    h.connectDirect();
}

void refresh(const Harness& h) {
    page(h)->tmrplayer_Timer();
}

const SimPlayer kAlpha = player(3, "^1Alpha", "999");
const SimPlayer kBravo = player(7, "Bravo", "999");
const SimPlayer kCharlie = player(9, "Charlie", "45");

SimPlayer withPing(SimPlayer p, const QString& ping) {
    p.ping = ping;
    return p;
}

} // namespace

class TestPlayersAutoUpdate : public QObject {
    Q_OBJECT
private slots:
    void tickWhileDisconnected();
    void tickWhileConnected();
    void interval_data();
    void interval();
    void disconnectStopsIt();
    void startupOptions_data();
    void startupOptions();
    void kickOnTheNthPopulateInARow_data();
    void kickOnTheNthPopulateInARow();
    void recoveryStartsAgain();
    void kickGoesToTheSecondPlayersOwnSlot();
    void playerWhoLeftIsDropped();
    void leaverBehindARecoveryIsNotKicked();
    void manualPopulatesCountButOnlyTheTimerKicks();
    void mapChangeKicksNobody();
    void busyTickIsSkipped();
    void optionOffKicksNobody();
    void linkLostStopsTheRefresh();
    void timerKicksByItself();
};

void TestPlayersAutoUpdate::tickWhileDisconnected() {
    Harness h;
    tick(h, "chkautoupdate", true);
    QVERIFY(!h.find<QCheckBox>("chkautoupdate")->isChecked());
    QCOMPARE(enabledButtons(h), kButtons);
    QVERIFY(!timer(h)->isActive());
    QCOMPARE(h.commands(), QStringList());
    QCOMPARE(titles(h), QStringList());
}

void TestPlayersAutoUpdate::tickWhileConnected() {
    Harness h;
    h.sim.setPlayers({});
    h.main->session().state().options.autoqplayerint = 40;
    h.connectDirect();
    tick(h, "chkautoupdate", true);
    QCOMPARE(enabledButtons(h), QStringList());
    QVERIFY(timer(h)->isActive());
    QCOMPARE(h.commands(), QStringList{"status"});
    QCOMPARE(titles(h), QStringList()); // quiet: no "No players" box

    tick(h, "chkautoupdate", false);
    QCOMPARE(enabledButtons(h), kButtons);
    QVERIFY(!timer(h)->isActive());
}

void TestPlayersAutoUpdate::interval_data() {
    QTest::addColumn<int>("seconds");
    QTest::addColumn<int>("used");
    QTest::newRow("3 becomes 30") << 3 << 30;
    QTest::newRow("4 becomes 30") << 4 << 30;
    QTest::newRow("5") << 5 << 5;
    QTest::newRow("10") << 10 << 10;
    QTest::newRow("40 stays 40") << 40 << 40;
    QTest::newRow("41 becomes 30") << 41 << 30;
    QTest::newRow("negative becomes 30") << -7 << 30;
}

void TestPlayersAutoUpdate::interval() {
    QFETCH(int, seconds);
    QFETCH(int, used);
    Harness h;
    h.main->session().state().options.autoqplayerint = qint16(seconds);
    h.connectDirect();
    tick(h, "chkautoupdate", true);
    timer(h)->stop(); // only the interval matters here
    QCOMPARE(timer(h)->interval(), used * WaitClock::instance().secondMs());
    QCOMPARE(int(h.main->session().state().options.autoqplayerint), used);
}

void TestPlayersAutoUpdate::disconnectStopsIt() {
    Harness h;
    Options& o = h.main->session().state().options;
    o.autoqplayer = true;
    o.autoqplayerint = 40;
    h.connectDirect();
    page(h)->startAutoUpdate();
    QVERIFY(h.find<QCheckBox>("chkautoupdate")->isChecked());
    QVERIFY(timer(h)->isActive());

    page(h)->stopAutoUpdateForDisconnect();
    QVERIFY(!h.find<QCheckBox>("chkautoupdate")->isChecked());
    QVERIFY(!timer(h)->isActive());
    QVERIFY(!o.autoqplayer);
    QCOMPARE(enabledButtons(h), kButtons);

    // Without a running refresh the option is left alone.
    o.autoqplayer = true;
    page(h)->stopAutoUpdateForDisconnect();
    QVERIFY(o.autoqplayer);
}

void TestPlayersAutoUpdate::startupOptions_data() {
    QTest::addColumn<bool>("removeid");
    QTest::addColumn<bool>("usequery");
    QTest::addColumn<bool>("autoqplayer");
    QTest::newRow("defaults") << true << false << false;
    QTest::newRow("all on") << true << true << true;
    QTest::newRow("all off") << false << false << false;
}

void TestPlayersAutoUpdate::startupOptions() {
    QFETCH(bool, removeid);
    QFETCH(bool, usequery);
    QFETCH(bool, autoqplayer);
    Harness h;
    Options o;
    o.removeid = removeid;
    o.usequery = usequery;
    o.autoqplayer = autoqplayer;
    page(h)->applyStartupOptions(o);
    QCOMPARE(h.find<QCheckBox>("chkremcol")->isChecked(), removeid);
    QCOMPARE(h.find<QCheckBox>("chkplyq")->isChecked(), usequery);
    // Not connected yet: the box's handler unticks it again.
    QVERIFY(!h.find<QCheckBox>("chkautoupdate")->isChecked());
    QVERIFY(!timer(h)->isActive());
    QCOMPARE(titles(h), QStringList());
}

void TestPlayersAutoUpdate::kickOnTheNthPopulateInARow_data() {
    QTest::addColumn<int>("checks");
    for (int n = 1; n <= 5; ++n)
        QTest::addRow("%d checks", n) << n;
}

void TestPlayersAutoUpdate::kickOnTheNthPopulateInARow() {
    QFETCH(int, checks);
    Harness h;
    h.sim.setPlayers({kAlpha, kCharlie});
    armWatch(h, checks);
    for (int n = 1; n < checks; ++n) {
        refresh(h);
        QCOMPARE(kicks(h), QStringList());
    }
    refresh(h);
    QCOMPARE(kicks(h), QStringList{"clientkick 3"});
    QCOMPARE(h.messageLog(), QStringList{"Player Auto Kicked for 999 ping [Alpha]"});
    QCOMPARE(column(h, col::Num), QStringList{"9"});
    QCOMPARE(watched(h), QStringList());
    QCOMPARE(titles(h), QStringList());
}

void TestPlayersAutoUpdate::recoveryStartsAgain() {
    Harness h;
    armWatch(h, 3);
    const QStringList pings = {"999", "999", "50", "999", "999"};
    for (const QString& ping : pings) {
        h.sim.setPlayers({withPing(kAlpha, ping), kCharlie});
        refresh(h);
    }
    QCOMPARE(kicks(h), QStringList());
    QCOMPARE(watched(h), QStringList{"Alpha@3#2"});
    h.sim.setPlayers({kAlpha, kCharlie});
    refresh(h);
    QCOMPARE(kicks(h), QStringList{"clientkick 3"});
}

void TestPlayersAutoUpdate::kickGoesToTheSecondPlayersOwnSlot() {
    Harness h;
    armWatch(h, 3);
    h.sim.setPlayers({kAlpha, kBravo, kCharlie});
    refresh(h);
    QCOMPARE(watched(h), (QStringList{"Alpha@3#1", "Bravo@7#1"}));
    h.sim.setPlayers({withPing(kAlpha, "60"), kBravo, kCharlie});
    refresh(h);
    QCOMPARE(watched(h), QStringList{"Bravo@7#2"});
    refresh(h);
    QCOMPARE(kicks(h), QStringList{"clientkick 7"});
    QCOMPARE(h.messageLog(), QStringList{"Player Auto Kicked for 999 ping [Bravo]"});
    QCOMPARE(column(h, col::Num), (QStringList{"3", "9"}));
}

void TestPlayersAutoUpdate::playerWhoLeftIsDropped() {
    Harness h;
    armWatch(h, 3);
    h.sim.setPlayers({kAlpha, kBravo, kCharlie});
    refresh(h);
    h.sim.setPlayers({kAlpha, kCharlie});
    refresh(h);
    QCOMPARE(watched(h), QStringList{"Alpha@3#2"});
    QCOMPARE(kicks(h), QStringList());
}

// Alpha recovers in the refresh in which Bravo has left and a newcomer has his slot: the
// kick must not go to that slot.
void TestPlayersAutoUpdate::leaverBehindARecoveryIsNotKicked() {
    Harness h;
    armWatch(h, 2);
    h.sim.setPlayers({kAlpha, kBravo, kCharlie});
    populate(h);
    populate(h);
    QCOMPARE(watched(h), (QStringList{"Alpha@3#2", "Bravo@7#2"}));
    h.sim.setPlayers({withPing(kAlpha, "50"), player(7, "Newcomer", "40"), kCharlie});
    refresh(h);
    QCOMPARE(kicks(h), QStringList());
    QCOMPARE(watched(h), QStringList());
    QCOMPARE(grid(h)->rowCount(), 3);
}

void TestPlayersAutoUpdate::manualPopulatesCountButOnlyTheTimerKicks() {
    Harness h;
    h.sim.setPlayers({kAlpha, kCharlie});
    armWatch(h, 2);
    h.main->session().state().options.autoqplayer = false;
    for (int n = 0; n < 3; ++n)
        populate(h);
    QCOMPARE(kicks(h), QStringList());
    QCOMPARE(watched(h), QStringList{"Alpha@3#3"});
    QCOMPARE(titles(h), QStringList());
    refresh(h);
    QCOMPARE(kicks(h), QStringList{"clientkick 3"});
}

// During a map change every player reads 999 for a while; that is nobody's connection.
void TestPlayersAutoUpdate::mapChangeKicksNobody() {
    Harness h;
    armWatch(h, 2);
    h.sim.setPlayers({kAlpha, kCharlie});
    refresh(h);
    QCOMPARE(watched(h), QStringList{"Alpha@3#1"});
    const QList<SimPlayer> loading = {kAlpha, kBravo, withPing(kCharlie, "999")};
    h.sim.setPlayers(loading);
    refresh(h);
    refresh(h);
    QCOMPARE(kicks(h), QStringList());
    QCOMPARE(watched(h), QStringList{"Alpha@3#1"});
    QCOMPARE(grid(h)->rowCount(), 3);

    // Back in game: Alpha is still stuck, the others answer again.
    h.sim.setPlayers({kAlpha, withPing(kBravo, "70"), kCharlie});
    refresh(h);
    QCOMPARE(kicks(h), QStringList{"clientkick 3"});
}

void TestPlayersAutoUpdate::busyTickIsSkipped() {
    Harness h;
    armWatch(h, 1);
    h.main->session().state().busy = true;
    refresh(h);
    QCOMPARE(h.commands(), QStringList());
    h.main->session().state().busy = false;
    refresh(h);
    QCOMPARE(h.commands().first(), QStringLiteral("status"));
}

void TestPlayersAutoUpdate::optionOffKicksNobody() {
    Harness h;
    h.sim.setPlayers({kAlpha, kCharlie});
    armWatch(h, 2);
    populate(h);
    populate(h);
    QCOMPARE(watched(h), QStringList{"Alpha@3#2"});
    // Switched off in the preferences before the next refresh.
    h.main->session().state().options.autokick999 = false;
    refresh(h);
    QCOMPARE(kicks(h), QStringList());
    QCOMPARE(watched(h), QStringList());
}

void TestPlayersAutoUpdate::linkLostStopsTheRefresh() {
    Harness h;
    h.main->session().state().options.autoqplayerint = 40;
    h.connectDirect();
    tick(h, "chkautoupdate", true);
    h.main->session().setConnectTag(QStringLiteral("NO"));
    h.sim.clearReceived();
    refresh(h);
    QVERIFY(!h.find<QCheckBox>("chkautoupdate")->isChecked());
    QVERIFY(!timer(h)->isActive());
    QCOMPARE(titles(h), QStringList());
    QCOMPARE(h.commands(), QStringList());
}

void TestPlayersAutoUpdate::timerKicksByItself() {
    Harness h;
    h.sim.setPlayers({player(5, "Lagger", "999"), kCharlie});
    Options& o = h.main->session().state().options;
    o.autokick999 = true;
    o.autokick999int = 2;
    o.autoqplayerint = 5;
    h.connectDirect();
    tick(h, "chkautoupdate", true);
    QCOMPARE(kicks(h), QStringList()); // the box's own populate does not kick
    WaitClock::instance().wait(200, [&h] { return !kicks(h).isEmpty(); });
    tick(h, "chkautoupdate", false);
    QCOMPARE(kicks(h), QStringList{"clientkick 5"});
    QCOMPARE(h.messageLog(), QStringList{"Player Auto Kicked for 999 ping [Lagger]"});
    QVERIFY(!column(h, col::Num).contains(QStringLiteral("5")));
}

QTEST_MAIN(TestPlayersAutoUpdate)
#include "tst_playersautoupdate.moc"
