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
    void sameNameInTwoSlotsAreTwoPlayers();
    void nameIsTrimmed();
    void connectPlaceholderIsDroppedByTheFirstCleanUp();
    void mapChange_data();
    void mapChange();
    void mapChangeNeitherAddsNorCounts();
};

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
