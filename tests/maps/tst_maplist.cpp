#include "maps/MapListParser.h"

#include <QTest>

// The populate's walk through the server and its re-requests are covered by the page test;
// here the reading rules the page test does not reach.
class TestMapList : public QObject {
    Q_OBJECT
private slots:
    void reading_data();
    void reading();
};

void TestMapList::reading_data() {
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("incomplete");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("mixed-case extension, letter case of the name kept")
        << "a\nb\nc\nMP_Harbor.BsP\nmp_x.bSp\n"
        << false << QStringList{"MP_Harbor", "mp_x"};
    QTest::newRow("last name without a line feed still counts")
        << "a\nb\nc\nmp_one.bsp\nmp_two.bsp" << false << QStringList{"mp_one", "mp_two"};
    QTest::newRow("text after the last name without extension is ignored")
        << "a\nb\nc\nmp_one.bsp\nreadme" << false << QStringList{"mp_one"};
    QTest::newRow("no line feed: incomplete") << "mp_only.bsp" << true << QStringList{};
    QTest::newRow("three line feeds, no maps") << "Directory\n-----\n\n" << false << QStringList{};
    QTest::newRow("name with blanks and dots kept whole") << "h\n-\nx\nmp_my map.v2.bsp\n"
                                                          << false << QStringList{"mp_my map.v2"};
}

void TestMapList::reading() {
    QFETCH(QString, reply);
    const MapListReading reading = readMapList(reply);
    QTEST(reading.incomplete, "incomplete");
    QTEST(reading.names, "names");
}

QTEST_GUILESS_MAIN(TestMapList)
#include "tst_maplist.moc"
