#include "support/Harness.h"
#include "ui/pages/MapsPage.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString kDir = u"dir maps/mp bsp"_s;

QStringList rows(const Harness& h) {
    const auto* list = h.find<QListWidget>(u"lstmaps"_s);
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i)->text();
    return names;
}

QStringList boxes(const Harness& h) {
    QStringList shown;
    for (const ScriptedDialogs::Shown& box : h.dialogs.messages())
        shown << box.title + ": "_L1 + box.text;
    return shown;
}

} // namespace

class TestMapsPage : public QObject {
    Q_OBJECT
private slots:
    void defaultsAndLoad();
    void populate_data();
    void populate();
    void restartAndRotate();
};

void TestMapsPage::defaultsAndLoad() {
    Harness h;
    h.connectDirect();
    h.find<QPushButton>(u"cmddefmaps"_s)->click();
    h.find<QPushButton>(u"cmddefmaps"_s)->click();
    const QStringList names = rows(h);
    QCOMPARE(names.size(), 25);
    QCOMPARE(names.first(), u"mp_brecourt"_s);
    QCOMPARE(names.last(), u"mp_uo_stanjel.bsp"_s);

    h.find<QPushButton>(u"cmdmapload"_s)->click();
    QCOMPARE(boxes(h), QStringList{u"Select Map: Select a map in the table to load first"_s});
    h.find<QListWidget>(u"lstmaps"_s)->setCurrentRow(names.indexOf(u"mp_arnhem.bsp"_s));
    h.find<QPushButton>(u"cmdmapload"_s)->click();
    Harness::pause(1);
    QCOMPARE(h.commands(), QStringList{u"map mp_arnhem.bsp"_s});
    QVERIFY(h.messageLog().isEmpty());
    QVERIFY(!h.main->session().state().nowait);
}

void TestMapsPage::populate_data() {
    QTest::addColumn<bool>("connected");
    QTest::addColumn<QByteArrayList>("replies"); // to the first, second, ... request
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("requests");
    QTest::addColumn<QStringList>("boxes");

    QTest::newRow("four lines: only the second file")
        << true
        << QByteArrayList{"Directory of maps/mp bsp\n----------\nmp_alpha.bsp\nmp_Beta.BSP\n"}
        << QStringList{"mp_Beta"} << 1 << QStringList{};
    QTest::newRow("one line feed: read from just after it")
        << true << QByteArrayList{"mp_first.bsp\nmp_second.bsp"} << QStringList{"mp_second"} << 1
        << QStringList{};
    QTest::newRow("two line feeds: asked again")
        << true
        << QByteArrayList{"Directory\n-----\nmp_cut.bsp",
                          "Directory\n-----\nmp_a.bsp\nmp_b.bsp\nmp_c.bsp\n"}
        << QStringList{"mp_b", "mp_c"} << 2 << QStringList{};
    QTest::newRow("three empty replies: the box")
        << true << QByteArrayList{"", "", ""} << QStringList{} << 3
        << QStringList{"No response: Asked server 3 times for list and none returned"};
    QTest::newRow("not connected: the channel's refusal")
        << false << QByteArrayList{} << QStringList{} << 0
        << QStringList{"Not connected: Please connect to a server first!"};
}

void TestMapsPage::populate() {
    QFETCH(bool, connected);
    QFETCH(QByteArrayList, replies);
    Harness h;
    if (connected)
        h.connectDirect();
    QObject::connect(&h.sim, &SimServer::datagramReceived, &h.sim, [&h, &replies] {
        h.sim.setReplyOverride(kDir, replies.value(h.commands().size() - 1));
    });
    // A populate starts from an empty list, so a failed one leaves it empty.
    h.find<QListWidget>(u"lstmaps"_s)->addItem(u"left over"_s);
    h.find<QPushButton>(u"cmdpopmaps"_s)->click();
    QTEST(rows(h), "names");
    QFETCH(int, requests);
    QCOMPARE(h.commands(), QStringList(requests, kDir));
    QTEST(boxes(h), "boxes");
    QVERIFY(!h.main->session().state().collectquiet);
    QVERIFY(!h.main->session().state().busy);
    // Collected quietly: the listing stays out of the pane.
    QVERIFY(!h.rconText().contains(".bsp"_L1));
}

void TestMapsPage::restartAndRotate() {
    Harness h;
    h.connectDirect();
    h.find<QPushButton>(u"cmdrestartmap"_s)->click();
    h.main->findChild<QAction*>(u"commmap_restart"_s)->trigger();
    h.find<QPushButton>(u"cmdrotatemap"_s)->click();
    h.main->findChild<QAction*>(u"commmap_rotate"_s)->trigger();
    // The server answers nothing while it loads; no retry may follow.
    Harness::pause(4);
    QCOMPARE(h.commands(), (QStringList{"map_restart", "map_restart", "map_rotate", "map_rotate"}));
    QCOMPARE(h.sim.received().at(0), h.sim.received().at(1));
    QCOMPARE(h.messageLog(),
             (QStringList{"Map Rotate", "Map Rotate", "Map Restart", "Map Restart"}));
    QVERIFY(h.dialogs.shown().isEmpty());
}

QTEST_MAIN(TestMapsPage)
#include "tst_mapspage.moc"
