#include "maps/DefaultMaps.h"
#include "maps/MapListParser.h"
#include "maps/RotationNotes.h"

#include <QTest>

class TestMapList : public QObject {
    Q_OBJECT
private slots:
    void reading_data();
    void reading();
    void defaults();
    void notes();
};

void TestMapList::reading_data() {
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("incomplete");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("heading, dashes, two files: the first file is passed over")
        << "Directory of maps/mp bsp\n----------\nmp_alpha.bsp\nmp_beta.BSP\n"
        << false << QStringList{"mp_beta"};
    QTest::newRow("mixed-case extension, letter case of the name kept")
        << "a\nb\nc\nMP_Harbor.BsP\nmp_x.bSp\n"
        << false << QStringList{"MP_Harbor", "mp_x"};
    QTest::newRow("last name without a line feed still counts")
        << "a\nb\nc\nmp_one.bsp\nmp_two.bsp" << false << QStringList{"mp_one", "mp_two"};
    QTest::newRow("text after the last name without extension is ignored")
        << "a\nb\nc\nmp_one.bsp\nreadme" << false << QStringList{"mp_one"};
    QTest::newRow("exactly two line feeds: incomplete")
        << "a\nb\nmp_one.bsp" << true << QStringList{};
    QTest::newRow("one line feed: read from just after it")
        << "mp_first.bsp\nmp_second.bsp" << false << QStringList{"mp_second"};
    QTest::newRow("no line feed: incomplete") << "mp_only.bsp" << true << QStringList{};
    QTest::newRow("empty reply: incomplete") << "" << true << QStringList{};
    QTest::newRow("three line feeds, no maps") << "Directory\n-----\n\n" << false << QStringList{};
    QTest::newRow("name with blanks and dots kept whole") << "h\n-\nx\nmp_my map.v2.bsp\n"
                                                          << false << QStringList{"mp_my map.v2"};
}

void TestMapList::reading() {
    QFETCH(QString, reply);
    QFETCH(bool, incomplete);
    QFETCH(QStringList, names);
    const MapListReading reading = readMapList(reply);
    QCOMPARE(reading.incomplete, incomplete);
    QCOMPARE(reading.names, names);
}

void TestMapList::defaults() {
    const QStringList maps = defaultMaps();
    QCOMPARE(maps.size(), 25);
    QCOMPARE(maps.first(), QStringLiteral("mp_brecourt"));
    QCOMPARE(maps.at(13), QStringLiteral("mp_neuville"));
    QCOMPARE(maps.at(14), QStringLiteral("mp_arnhem.bsp"));
    QCOMPARE(maps.last(), QStringLiteral("mp_uo_stanjel.bsp"));
    // The base-game maps go without extension, the add-on maps with it, and none twice.
    for (int i = 0; i < maps.size(); ++i)
        QCOMPARE(maps.at(i).endsWith(QLatin1String(".bsp")), i >= 14);
    QCOMPARE(QSet<QString>(maps.cbegin(), maps.cend()).size(), maps.size());
}

void TestMapList::notes() {
    const QStringList lines = rotationNotesLines();
    QCOMPARE(lines.size(), 23);
    const int emptyLines[] = {2, 6, 9, 16};
    for (int i = 0; i < lines.size(); ++i)
        QCOMPARE(lines.at(i).isEmpty(), std::find(std::begin(emptyLines), std::end(emptyLines),
                                                  i) != std::end(emptyLines));
    QCOMPARE(lines.at(20), QStringLiteral("GAMETYPE xxx MAP xxxxxx  repeating"));
    const QString text = rotationNotes();
    QVERIFY(text.endsWith(QLatin1String("mp_pavlov\r\n")));
    QCOMPARE(text.count(QLatin1String("\r\n")), 23);
    QCOMPARE(text.split(QLatin1String("\r\n")).mid(0, 23), lines);
}

QTEST_GUILESS_MAIN(TestMapList)
#include "tst_maplist.moc"
