#include "support/Harness.h"
#include "ui/pages/MapsPage.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

QStringList rows(const QListWidget* list) {
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i)->text();
    return names;
}

const QString kDir = QStringLiteral("dir maps/mp bsp");

} // namespace

class TestMapsPage : public QObject {
    Q_OBJECT
private slots:
    void defaultsTwice();
    void populate_data();
    void populate();
    void incompleteReplyIsAskedAgain();
    void threeIncompleteRepliesGiveTheBox();
    void populateNotConnected();
    void loadSelectedMap();
    void loadWithoutSelection();
    void restartAndRotate_data();
    void restartAndRotate();
};

void TestMapsPage::defaultsTwice() {
    Harness h;
    auto* list = h.find<QListWidget>(QStringLiteral("lstmaps"));
    h.find<QPushButton>(QStringLiteral("cmddefmaps"))->click();
    h.find<QPushButton>(QStringLiteral("cmddefmaps"))->click();
    QCOMPARE(list->count(), 25);
    QCOMPARE(list->item(0)->text(), QStringLiteral("mp_brecourt"));
    QCOMPARE(list->item(24)->text(), QStringLiteral("mp_uo_stanjel.bsp"));
    QVERIFY(h.commands().isEmpty());
}

void TestMapsPage::populate_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("four lines: only the second file")
        << QByteArray("Directory of maps/mp bsp\n----------\nmp_alpha.bsp\nmp_Beta.BSP\n")
        << QStringList{"mp_Beta"};
    QTest::newRow("one line feed: read from just after it")
        << QByteArray("mp_first.bsp\nmp_second.bsp") << QStringList{"mp_second"};
    QTest::newRow("last name without line feed")
        << QByteArray("h\n-\nx.bsp\nmp_a.bsp\nmp_b.BsP") << QStringList{"mp_a", "mp_b"};
}

void TestMapsPage::populate() {
    QFETCH(QByteArray, reply);
    QFETCH(QStringList, names);
    Harness h;
    h.connectDirect();
    auto* list = h.find<QListWidget>(QStringLiteral("lstmaps"));
    list->addItem(QStringLiteral("left over"));
    h.sim.setReplyOverride(kDir, reply);
    h.find<QPushButton>(QStringLiteral("cmdpopmaps"))->click();
    QCOMPARE(rows(list), names);
    QCOMPARE(h.commands(), QStringList{kDir});
    const SharedState& state = h.main->session().state();
    QVERIFY(!state.collectquiet);
    QVERIFY(!state.busy);
    QVERIFY(h.dialogs.shown().isEmpty());
    // Collected quietly: the listing itself stays out of the pane.
    QVERIFY(!h.rconText().contains(QLatin1String(".bsp")));
}

void TestMapsPage::incompleteReplyIsAskedAgain() {
    Harness h;
    h.connectDirect();
    h.sim.setReplyOverride(kDir, "Directory of maps/mp bsp\n----------\nmp_cut.bsp");
    // The second request finds the complete listing.
    QObject::connect(&h.sim, &SimServer::datagramReceived, &h.sim, [&h] {
        if (h.sim.receivedCommands().size() == 2)
            h.sim.setReplyOverride(kDir, "Directory of maps/mp bsp\n----------\n"
                                         "mp_a.bsp\nmp_b.bsp\nmp_c.bsp\n");
    });
    h.find<QPushButton>(QStringLiteral("cmdpopmaps"))->click();
    QCOMPARE(h.commands(), (QStringList{kDir, kDir}));
    QCOMPARE(rows(h.find<QListWidget>(QStringLiteral("lstmaps"))), (QStringList{"mp_b", "mp_c"}));
    QVERIFY(h.dialogs.shown().isEmpty());
}

void TestMapsPage::threeIncompleteRepliesGiveTheBox() {
    Harness h;
    h.connectDirect();
    h.sim.setReplyOverride(kDir, QByteArray(""));
    h.find<QPushButton>(QStringLiteral("cmdpopmaps"))->click();
    QCOMPARE(h.commands(), (QStringList{kDir, kDir, kDir}));
    QCOMPARE(h.dialogs.messages().size(), 1);
    const ScriptedDialogs::Shown box = h.dialogs.messages().at(0);
    QCOMPARE(box.text, QStringLiteral("Asked server 3 times for list and none returned"));
    QCOMPARE(box.title, QStringLiteral("No response"));
    QCOMPARE(box.icon, Dialogs::Icon::Information);
    QCOMPARE(h.find<QListWidget>(QStringLiteral("lstmaps"))->count(), 0);
    QVERIFY(!h.main->session().state().busy);
    QVERIFY(!h.main->session().state().collectquiet);
}

void TestMapsPage::populateNotConnected() {
    Harness h;
    auto* list = h.find<QListWidget>(QStringLiteral("lstmaps"));
    h.find<QPushButton>(QStringLiteral("cmddefmaps"))->click();
    h.find<QPushButton>(QStringLiteral("cmdpopmaps"))->click();
    // The channel's own refusal, and the list left empty.
    QCOMPARE(h.dialogs.messageTitles(), QStringList{QStringLiteral("Not connected")});
    QCOMPARE(list->count(), 0);
    QVERIFY(h.commands().isEmpty());
    QVERIFY(!h.main->session().state().busy);
}

void TestMapsPage::loadSelectedMap() {
    Harness h;
    h.connectDirect();
    auto* list = h.find<QListWidget>(QStringLiteral("lstmaps"));
    h.find<QPushButton>(QStringLiteral("cmddefmaps"))->click();
    const QList<QListWidgetItem*> found =
        list->findItems(QStringLiteral("mp_arnhem.bsp"), Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    list->setCurrentItem(found.first());
    h.find<QPushButton>(QStringLiteral("cmdmapload"))->click();
    Harness::pause(1);
    QCOMPARE(h.commands(), QStringList{QStringLiteral("map mp_arnhem.bsp")});
    QVERIFY(h.messageLog().isEmpty());
    QVERIFY(!h.main->session().state().nowait);
    QVERIFY(h.dialogs.shown().isEmpty());
}

void TestMapsPage::loadWithoutSelection() {
    Harness h;
    h.connectDirect();
    h.find<QPushButton>(QStringLiteral("cmddefmaps"))->click();
    h.find<QPushButton>(QStringLiteral("cmdmapload"))->click();
    QCOMPARE(h.dialogs.messages().size(), 1);
    QCOMPARE(h.dialogs.messages().at(0).text,
             QStringLiteral("Select a map in the table to load first"));
    QCOMPARE(h.dialogs.messages().at(0).title, QStringLiteral("Select Map"));
    QVERIFY(h.commands().isEmpty());
}

void TestMapsPage::restartAndRotate_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("logLine");
    QTest::newRow("restart") << "cmdrestartmap"
                             << "commmap_restart"
                             << "map_restart"
                             << "Map Restart";
    QTest::newRow("rotate") << "cmdrotatemap"
                            << "commmap_rotate"
                            << "map_rotate"
                            << "Map Rotate";
}

void TestMapsPage::restartAndRotate() {
    QFETCH(QString, button);
    QFETCH(QString, menuItem);
    QFETCH(QString, command);
    QFETCH(QString, logLine);
    Harness h;
    h.connectDirect();
    // The server answers nothing while it loads; no retry may follow.
    h.find<QPushButton>(button)->click();
    Harness::pause(4);
    QCOMPARE(h.commands(), QStringList{command});
    h.main->findChild<QAction*>(menuItem)->trigger();
    Harness::pause(4);
    QCOMPARE(h.commands(), (QStringList{command, command}));
    QCOMPARE(h.sim.received().at(0), h.sim.received().at(1));
    QCOMPARE(h.messageLog(), (QStringList{logLine, logLine}));
    QVERIFY(h.dialogs.shown().isEmpty());
}

QTEST_MAIN(TestMapsPage)
#include "tst_mapspage.moc"
