#include "../players/PlayerFixtures.h"
#include "players/PlayerColumns.h"
#include "rcon/WaitClock.h"

#include <QTest>

using namespace players_fixture;
namespace col = playercol;

Q_DECLARE_METATYPE(QList<SimPlayer>)

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

bool autoUpdate(const Harness& h) {
    return h.find<QCheckBox>(QStringLiteral("chkautoupdate"))->isChecked();
}

QStringList kicks(const Harness& h) {
    return h.commands().filter(QRegularExpression(QStringLiteral("^clientkick ")));
}

// The scenarios drive the refresh by hand; a quiet populate, as while auto update runs.
void armWatch(Harness& h, int checks) {
    Options& o = h.main->session().state().options;
    o.autokick999 = true;
    o.autokick999int = qint16(checks);
    o.autoqplayer = true;
    h.connectDirect();
}

// One refresh with the server listing these players.
void refresh(Harness& h, const QList<SimPlayer>& players) {
    h.sim.setPlayers(players);
    page(h)->tmrplayer_Timer();
}

const SimPlayer kAlpha = player(3, "^1Alpha", "999");
const SimPlayer kBravo = player(7, "Bravo", "999");
const SimPlayer kCharlie = player(9, "Charlie", "45");

} // namespace

class TestPlayersAutoUpdate : public QObject {
    Q_OBJECT
private slots:
    void switchingOnAndOff();
    void kickOnTheNthPopulateInARow_data();
    void kickOnTheNthPopulateInARow();
    void recoveriesAndLeavers();
    void manualPopulatesCountButOnlyTheTimerKicks_data();
    void manualPopulatesCountButOnlyTheTimerKicks();
    void mapChangeKicksNobody();
    void timerKicksByItself();
};

void TestPlayersAutoUpdate::switchingOnAndOff() {
    Harness h;
    h.sim.setPlayers({});
    Options& o = h.main->session().state().options;
    Options startup;
    startup.removeid = startup.usequery = startup.autoqplayer = true;
    page(h)->applyStartupOptions(startup);
    QVERIFY(h.find<QCheckBox>("chkremcol")->isChecked());
    QVERIFY(h.find<QCheckBox>("chkplyq")->isChecked());
    tick(h, "chkplyq", false);
    // Not connected: the box unticks itself.
    QVERIFY(!autoUpdate(h) && !timer(h)->isActive());
    QCOMPARE(enabledButtons(h), kButtons);
    QCOMPARE(h.commands(), QStringList());

    h.connectDirect();
    for (const auto& [seconds, used] : {std::pair{3, 30}, std::pair{40, 40}}) {
        o.autoqplayerint = qint16(seconds);
        tick(h, "chkautoupdate", true);
        QCOMPARE(timer(h)->interval(), used * WaitClock::instance().secondMs());
        QCOMPARE(int(o.autoqplayerint), used);
        QVERIFY(timer(h)->isActive());
        QCOMPARE(enabledButtons(h), QStringList());
        tick(h, "chkautoupdate", false);
        QVERIFY(!timer(h)->isActive());
        QCOMPARE(enabledButtons(h), kButtons);
    }
    QCOMPARE(h.commands(), (QStringList{"status", "status"})); // one populate at each tick

    // The link went down without the disconnect: the next tick stops the refresh quietly.
    tick(h, "chkautoupdate", true);
    h.main->session().setConnectTag(QStringLiteral("NO"));
    h.sim.clearReceived();
    page(h)->tmrplayer_Timer();
    QVERIFY(!autoUpdate(h) && !timer(h)->isActive());
    QCOMPARE(h.commands(), QStringList());
    QCOMPARE(titles(h), QStringList()); // every populate above was quiet
}

void TestPlayersAutoUpdate::kickOnTheNthPopulateInARow_data() {
    QTest::addColumn<int>("checks");
    for (int n : {1, 3, 5})
        QTest::addRow("%d checks", n) << n;
}

void TestPlayersAutoUpdate::kickOnTheNthPopulateInARow() {
    QFETCH(int, checks);
    Harness h;
    armWatch(h, checks);
    for (int n = 1; n < checks; ++n)
        refresh(h, {kAlpha, kCharlie});
    QCOMPARE(kicks(h), QStringList());
    refresh(h, {kAlpha, kCharlie});
    QCOMPARE(kicks(h), QStringList{"clientkick 3"});
    QCOMPARE(h.messageLog(), QStringList{"Player Auto Kicked for 999 ping [Alpha]"});
    QCOMPARE(column(h, col::Num), QStringList{"9"});
    QCOMPARE(watched(h), QStringList());
    QCOMPARE(titles(h), QStringList());
}

void TestPlayersAutoUpdate::recoveriesAndLeavers() {
    Harness h;
    armWatch(h, 3);
    const SimPlayer delta = player(11, "Delta", "999");
    refresh(h, {kAlpha, kBravo, kCharlie, delta});
    QCOMPARE(watched(h), (QStringList{"Alpha@3#1", "Bravo@7#1", "Delta@11#1"}));
    // Alpha recovers and Delta leaves: Bravo moves up, keeping his own slot.
    refresh(h, {player(3, "^1Alpha", "60"), kBravo, kCharlie});
    QCOMPARE(watched(h), QStringList{"Bravo@7#2"});
    refresh(h, {kAlpha, kBravo, kCharlie});
    QCOMPARE(kicks(h), QStringList{"clientkick 7"});
    QCOMPARE(h.messageLog(), QStringList{"Player Auto Kicked for 999 ping [Bravo]"});
    QCOMPARE(column(h, col::Num), (QStringList{"3", "9"}));
    // Alpha's count started again after his recovery.
    QCOMPARE(watched(h), QStringList{"Alpha@3#1"});
    refresh(h, {kAlpha, kCharlie});
    QCOMPARE(kicks(h), QStringList{"clientkick 7"});
    refresh(h, {kAlpha, kCharlie});
    QCOMPARE(kicks(h), (QStringList{"clientkick 7", "clientkick 3"}));
}

void TestPlayersAutoUpdate::manualPopulatesCountButOnlyTheTimerKicks_data() {
    QTest::addColumn<bool>("optionOff");
    QTest::addColumn<QList<SimPlayer>>("next");
    QTest::addColumn<QStringList>("kicked");
    const QList<SimPlayer> same = {kAlpha, kBravo, kCharlie};
    QTest::newRow("still at 999") << false << same << QStringList{"clientkick 3", "clientkick 7"};
    QTest::newRow("option switched off since") << true << same << QStringList();
    // Alpha recovers as Bravo leaves and a newcomer takes his slot: that slot is not kicked.
    QTest::newRow("a leaver behind a recovery")
        << false
        << QList<SimPlayer>{player(3, "^1Alpha", "50"), player(7, "Newcomer", "40"), kCharlie}
        << QStringList();
}

void TestPlayersAutoUpdate::manualPopulatesCountButOnlyTheTimerKicks() {
    QFETCH(bool, optionOff);
    QFETCH(QList<SimPlayer>, next);
    QFETCH(QStringList, kicked);
    Harness h;
    h.sim.setPlayers({kAlpha, kBravo, kCharlie});
    armWatch(h, 2);
    h.main->session().state().options.autoqplayer = false;
    for (int n = 0; n < 3; ++n)
        populate(h);
    QCOMPARE(kicks(h), QStringList());
    QCOMPARE(watched(h), (QStringList{"Alpha@3#3", "Bravo@7#3"}));
    QCOMPARE(titles(h), QStringList());
    // A tick while another page's long exchange runs is skipped.
    h.sim.clearReceived();
    h.main->session().state().busy = true;
    page(h)->tmrplayer_Timer();
    QCOMPARE(h.commands(), QStringList());
    h.main->session().state().busy = false;

    h.main->session().state().options.autokick999 = !optionOff;
    refresh(h, next);
    QCOMPARE(kicks(h), kicked);
    QCOMPARE(watched(h), QStringList());
    QCOMPARE(grid(h)->rowCount(), 3 - int(kicked.size()));
}

// During a map change every player reads 999 for a while; that is nobody's connection.
void TestPlayersAutoUpdate::mapChangeKicksNobody() {
    Harness h;
    armWatch(h, 2);
    refresh(h, {kAlpha, kCharlie});
    QCOMPARE(watched(h), QStringList{"Alpha@3#1"});
    refresh(h, {kAlpha, kBravo, player(9, "Charlie", "999")});
    refresh(h, {kAlpha, kBravo, player(9, "Charlie", "999")});
    QCOMPARE(kicks(h), QStringList());
    QCOMPARE(watched(h), QStringList{"Alpha@3#1"});
    QCOMPARE(grid(h)->rowCount(), 3);

    // Back in game: Alpha is still stuck, the others answer again.
    refresh(h, {kAlpha, player(7, "Bravo", "70"), kCharlie});
    QCOMPARE(kicks(h), QStringList{"clientkick 3"});
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
