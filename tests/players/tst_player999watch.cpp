#include "players/Player999Watch.h"

#include <QTest>

namespace {

struct Line {
    QString name;
    QString ping;
    QString num;
};

// One populate as the page feeds it: a new cycle, then every listed player. Returns whether
// the listing was a map change.
bool populate(Player999Watch& watch, const QList<Line>& lines) {
    watch.clearSeen();
    QStringList pings;
    for (const Line& line : lines)
        pings << line.ping;
    const bool mapChange = Player999Watch::isMapChange(pings);
    for (const Line& line : lines) {
        if (mapChange)
            watch.hold(line.name, line.num);
        else
            watch.check(line.name, line.ping, line.num);
    }
    return mapChange;
}

// A refresh as the page runs it: populate, kick the due players unless the listing was a
// map change, clean up. Returns the slots kicked.
QStringList refresh(Player999Watch& watch, const QList<Line>& lines, int checks) {
    const bool mapChange = populate(watch, lines);
    QStringList kicked;
    for (const Player999Entry& entry : mapChange ? QList<Player999Entry>{} : watch.due(checks)) {
        kicked << entry.num;
        watch.markKicked(entry);
    }
    watch.cleanUp();
    return kicked;
}

QStringList names(const QList<Player999Entry>& entries) {
    QStringList out;
    for (const Player999Entry& e : entries)
        out << e.name + u'@' + e.num + u'#' + QString::number(e.count);
    return out;
}

} // namespace

class TestPlayer999Watch : public QObject {
    Q_OBJECT
private slots:
    void kickedOnTheNthRefreshInARow();
    void recoveryStartsTheCountAgain();
    void secondPlayerKeepsHisSlotWhenTheFirstRecovers();
    void playerWhoLeftIsDropped();
    void playerWhoLeftBehindARecoveryIsDropped();
    void manualPopulatesCount();
    void sameNameInTwoSlotsAreTwoPlayers();
    void nameIsTrimmed();
    void connectPlaceholderIsDroppedByTheFirstCleanUp();
    void mapChange_data();
    void mapChange();
    void mapChangeNeitherAddsNorCounts();
};

void TestPlayer999Watch::kickedOnTheNthRefreshInARow() {
    for (int checks = 1; checks <= 5; ++checks) {
        QList<Player999Entry> entries;
        Player999Watch watch(entries);
        const QList<Line> lines = {
            {QStringLiteral("Lagger"), QStringLiteral("999"), QStringLiteral("5")},
            {QStringLiteral("Fine"), QStringLiteral("40"), QStringLiteral("6")}};
        for (int n = 1; n < checks; ++n)
            QCOMPARE(refresh(watch, lines, checks), QStringList());
        QCOMPARE(refresh(watch, lines, checks), QStringList{QStringLiteral("5")});
        QVERIFY(entries.isEmpty());
    }
}

void TestPlayer999Watch::recoveryStartsTheCountAgain() {
    QList<Player999Entry> entries;
    Player999Watch watch(entries);
    const QList<Line> lag = {{QStringLiteral("A"), QStringLiteral("999"), QStringLiteral("1")}};
    const QList<Line> ok = {{QStringLiteral("A"), QStringLiteral("50"), QStringLiteral("1")}};
    QCOMPARE(refresh(watch, lag, 3), QStringList());
    QCOMPARE(refresh(watch, lag, 3), QStringList());
    QCOMPARE(refresh(watch, ok, 3), QStringList());
    QVERIFY(entries.isEmpty());
    QCOMPARE(refresh(watch, lag, 3), QStringList());
    QCOMPARE(refresh(watch, lag, 3), QStringList());
    QCOMPARE(refresh(watch, lag, 3), QStringList{QStringLiteral("1")});
}

void TestPlayer999Watch::secondPlayerKeepsHisSlotWhenTheFirstRecovers() {
    QList<Player999Entry> entries;
    Player999Watch watch(entries);
    const QString a = QStringLiteral("Alpha"), b = QStringLiteral("Bravo");
    const QString lag = QStringLiteral("999");
    const Line c{QStringLiteral("Charlie"), QStringLiteral("40"), QStringLiteral("9")};
    QCOMPARE(refresh(watch, {{a, lag, "3"}, {b, lag, "7"}, c}, 3), QStringList());
    QCOMPARE(refresh(watch, {{a, "50", "3"}, {b, lag, "7"}, c}, 3), QStringList());
    QCOMPARE(names(entries), QStringList{QStringLiteral("Bravo@7#2")});
    QCOMPARE(refresh(watch, {{a, "50", "3"}, {b, lag, "7"}, c}, 3),
             QStringList{QStringLiteral("7")});
}

void TestPlayer999Watch::playerWhoLeftIsDropped() {
    QList<Player999Entry> entries;
    Player999Watch watch(entries);
    const QString lag = QStringLiteral("999");
    refresh(watch, {{"A", lag, "1"}, {"B", lag, "2"}, {"C", "40", "3"}}, 3);
    QCOMPARE(names(entries), (QStringList{"A@1#1", "B@2#1"}));
    refresh(watch, {{"A", lag, "1"}, {"C", "40", "3"}}, 3);
    QCOMPARE(names(entries), QStringList{"A@1#2"});
}

// The recovering player's entry goes, the one behind it moves up: the move must not count as
// a sighting, or a player who left stays on the watch and may be kicked in a slot that has
// changed hands since.
void TestPlayer999Watch::playerWhoLeftBehindARecoveryIsDropped() {
    QList<Player999Entry> entries;
    Player999Watch watch(entries);
    const QString lag = QStringLiteral("999");
    // Two manual populates bring both to the kick threshold without a kick.
    populate(watch, {{"A", lag, "1"}, {"B", lag, "2"}, {"C", "40", "3"}});
    populate(watch, {{"A", lag, "1"}, {"B", lag, "2"}, {"C", "40", "3"}});
    // B has left; a newcomer took slot 2. A recovers.
    QCOMPARE(refresh(watch, {{"A", "40", "1"}, {"Newcomer", "40", "2"}, {"C", "40", "3"}}, 2),
             QStringList());
    QVERIFY(entries.isEmpty());
}

void TestPlayer999Watch::manualPopulatesCount() {
    QList<Player999Entry> entries;
    Player999Watch watch(entries);
    const QList<Line> lag = {{QStringLiteral("A"), QStringLiteral("999"), QStringLiteral("4")}};
    for (int n = 0; n < 4; ++n)
        populate(watch, lag);
    QCOMPARE(names(entries), QStringList{"A@4#4"});
    QCOMPARE(refresh(watch, lag, 5), QStringList{QStringLiteral("4")});
}

void TestPlayer999Watch::sameNameInTwoSlotsAreTwoPlayers() {
    QList<Player999Entry> entries;
    Player999Watch watch(entries);
    const QString us = QStringLiteral("Unknown Soldier");
    for (int n = 0; n < 2; ++n)
        QCOMPARE(refresh(watch, {{us, "999", "1"}, {us, "35", "2"}}, 3), QStringList());
    QCOMPARE(names(entries), QStringList{"Unknown Soldier@1#2"});
    QCOMPARE(refresh(watch, {{us, "999", "1"}, {us, "35", "2"}}, 3), QStringList{"1"});
}

void TestPlayer999Watch::nameIsTrimmed() {
    QList<Player999Entry> entries;
    Player999Watch watch(entries);
    populate(watch, {{" Ace ", "999", "2"}});
    populate(watch, {{"Ace", "999", "2"}});
    QCOMPARE(names(entries), QStringList{"Ace@2#2"});
}

void TestPlayer999Watch::connectPlaceholderIsDroppedByTheFirstCleanUp() {
    QList<Player999Entry> entries{Player999Entry{}};
    Player999Watch watch(entries);
    QCOMPARE(refresh(watch, {{"A", "50", "1"}}, 1), QStringList());
    QVERIFY(entries.isEmpty());
}

void TestPlayer999Watch::mapChange_data() {
    QTest::addColumn<QStringList>("pings");
    QTest::addColumn<bool>("mapChange");
    QTest::newRow("nobody") << QStringList{} << false;
    QTest::newRow("one player at 999") << QStringList{"999"} << false;
    QTest::newRow("two at 999") << QStringList{"999", "999"} << true;
    QTest::newRow("all of many at 999") << QStringList(20, "999") << true;
    QTest::newRow("one still answering") << QStringList{"999", "999", "48"} << false;
    QTest::newRow("one connecting") << QStringList{"999", "CNCT"} << false;
}

void TestPlayer999Watch::mapChange() {
    QFETCH(QStringList, pings);
    QFETCH(bool, mapChange);
    QCOMPARE(Player999Watch::isMapChange(pings), mapChange);
}

void TestPlayer999Watch::mapChangeNeitherAddsNorCounts() {
    QList<Player999Entry> entries;
    Player999Watch watch(entries);
    const QString lag = QStringLiteral("999");
    // A is stuck before the map change; a manual populate has made him due.
    refresh(watch, {{"A", lag, "1"}, {"B", "40", "2"}}, 2);
    populate(watch, {{"A", lag, "1"}, {"B", "40", "2"}});
    QCOMPARE(refresh(watch, {{"A", lag, "1"}, {"B", lag, "2"}, {"C", lag, "3"}}, 2), QStringList());
    QCOMPARE(names(entries), QStringList{"A@1#2"});
    QCOMPARE(refresh(watch, {{"A", lag, "1"}, {"B", "40", "2"}, {"C", "35", "3"}}, 2),
             QStringList{"1"});
}

QTEST_GUILESS_MAIN(TestPlayer999Watch)
#include "tst_player999watch.moc"
