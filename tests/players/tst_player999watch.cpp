#include "players/Player999Watch.h"

#include <QTest>

namespace {

QStringList names(const QList<Player999Entry>& entries) {
    QStringList out;
    for (const Player999Entry& e : entries)
        out << e.name + u'@' + e.num + u'#' + QString::number(e.count);
    return out;
}

} // namespace

// The refresh scenarios run against the Players page; these are the watch's own rules.
class TestPlayer999Watch : public QObject {
    Q_OBJECT
private slots:
    void entryIsAPlayerInASlot();
    void mapChange_data();
    void mapChange();
};

void TestPlayer999Watch::entryIsAPlayerInASlot() {
    QList<Player999Entry> entries{Player999Entry{}}; // what a connect leaves
    Player999Watch watch(entries);
    // Names repeat: the same name in another slot, with a good ping, is another player. The
    // blanks round a name are no part of it; what the connect left goes at the first clean-up.
    for (const QString& name :
         {QStringLiteral(" Unknown Soldier "), QStringLiteral("Unknown Soldier")}) {
        watch.clearSeen();
        watch.check(name, QStringLiteral("999"), QStringLiteral("1"));
        watch.check(QStringLiteral("Unknown Soldier"), QStringLiteral("35"), QStringLiteral("2"));
        watch.cleanUp();
    }
    QCOMPARE(names(entries), QStringList{"Unknown Soldier@1#2"});
    QCOMPARE(names(watch.due(2)), QStringList{"Unknown Soldier@1#2"});
    QCOMPARE(names(watch.due(3)), QStringList());
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

QTEST_GUILESS_MAIN(TestPlayer999Watch)
#include "tst_player999watch.moc"
