#include "../players/PlayerFixtures.h"
#include "players/PlayerColumns.h"
#include "ui/ProgressNotice.h"

#include <QTest>

using namespace players_fixture;
namespace col = playercol;

Q_DECLARE_METATYPE(QList<SimPlayer>)

class TestPlayersPage : public QObject {
    Q_OBJECT
private slots:
    void pageLayout();
    void populateFillsEveryColumn();
    void names_data();
    void names();
    void noPlayers();
    void populateWhileDisconnected();
    void secondClickDuringPopulate();
    void quietPopulateShowsNoBoxes_data();
    void quietPopulateShowsNoBoxes();
    void slowServerKeepsRowsRead();
    void fullServerInSeveralDatagrams();
    void consoleOutputInTheReply();
    void queryModeInsertsOnTop();
    void queryModeNames_data();
    void queryModeNames();
    void queryModeNoReply_data();
    void queryModeNoReply();
    void queryModeNoPlayers_data();
    void queryModeNoPlayers();
    void sortAfterPopulate_data();
    void sortAfterPopulate();
    void sortChoiceKeepsTheSelectedPlayer();
};

void TestPlayersPage::pageLayout() {
    Harness h(false);
    QCOMPARE(h.main->widgets().SSTab->widget(4), static_cast<QWidget*>(page(h)));
    QCOMPARE(h.main->widgets().SSTab->tabText(4), QStringLiteral("Players"));
    QTableWidget* g = grid(h);
    QStringList headers;
    for (int c = 0; c < g->columnCount(); ++c)
        headers << g->horizontalHeaderItem(c)->text();
    QCOMPARE(headers, (QStringList{"", "Num", "Guid", "Player", "Ping", "Score", "Address", "Qport",
                                   "Rate", "Last Message"}));
    QCOMPARE(g->rowCount(), 0);
    QVERIFY(g->columnWidth(col::Player) > g->columnWidth(col::Guid));
    QVERIFY(g->columnWidth(col::Guid) > g->columnWidth(col::Num));
    QCOMPARE(h.find<QPushButton>("cmdplypop")->text(), QStringLiteral("Populate from server"));
    QCOMPARE(h.find<QPushButton>("cmdplypop")->toolTip(),
             QStringLiteral("Get current player list from server"));
    QCOMPARE(h.find<QCheckBox>("chkplyq")->text(), QStringLiteral("Query Mode"));
    QCOMPARE(h.find<QCheckBox>("chkremcol")->accessibleName(), QStringLiteral("Remove colour id"));
    QCOMPARE(h.find<QCheckBox>("chkautoupdate")->accessibleName(), QStringLiteral("Auto Update"));
    QComboBox* sort = h.find<QComboBox>("complayersort");
    QCOMPARE(sort->count(), 9);
    QCOMPARE(sort->itemText(6), QStringLiteral("Port"));
    QCOMPARE(sort->currentIndex(), -1);
    for (const char* name :
         {"cmdplykick", "cmdplyban", "cmdtempban", "cmdplymessage", "cmdsavenames"})
        QVERIFY2(h.find<QPushButton>(QLatin1String(name)), name);
    QTimer* timer = h.find<QTimer>("tmrplayer");
    QVERIFY(timer && timer->parent() == page(h) && !timer->isActive());

    // A click on the caption ticks the box, as on any check box.
    QLabel* caption = h.find<QLabel>("lblremcol");
    QCOMPARE(caption->buddy(), h.find<QCheckBox>("chkremcol"));
    const bool before = h.find<QCheckBox>("chkremcol")->isChecked();
    QTest::mouseClick(caption, Qt::LeftButton);
    QCOMPARE(h.find<QCheckBox>("chkremcol")->isChecked(), !before);
}

void TestPlayersPage::populateFillsEveryColumn() {
    Harness h;
    const QList<SimPlayer> players = {player(0, "Ace", "48", 12), player(1, "Bee", "CNCT", -2),
                                      player(3, "Cat", "71", 5)};
    h.sim.setPlayers(players);
    h.connectDirect();
    populate(h);

    QCOMPARE(h.commands(), QStringList{"status"});
    QCOMPARE(titles(h), QStringList());
    QCOMPARE(grid(h)->rowCount(), 3);
    for (int r = 0; r < 3; ++r) {
        const SimPlayer& p = players[r];
        QCOMPARE(cell(h, r, col::Blank), QString());
        QCOMPARE(cell(h, r, col::Num), QString::number(p.num));
        QCOMPARE(cell(h, r, col::Guid), p.guid);
        QCOMPARE(cell(h, r, col::Player), p.name);
        QCOMPARE(cell(h, r, col::Ping), p.ping);
        QCOMPARE(cell(h, r, col::Score), QString::number(p.score));
        QCOMPARE(cell(h, r, col::Address), p.address);
        QCOMPARE(cell(h, r, col::Qport), QString::number(p.qport));
        QCOMPARE(cell(h, r, col::Rate), QString::number(p.rate));
        QCOMPARE(cell(h, r, col::LastMessage), QString());
    }
    // Collected quietly: neither the command nor the report reach the RCON pane.
    QVERIFY(!h.rconText().contains(QLatin1String("status")));
    QVERIFY(!h.rconText().contains(QLatin1String("Ace")));
    const SharedState& state = h.main->session().state();
    QVERIFY(!state.collectquiet);
    QVERIFY(!state.busy);
    QVERIFY(h.main->progressNotice()->text().isEmpty());
    QVERIFY(h.main->progressNotice()->isHidden());
}

void TestPlayersPage::names_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("removeColours");
    QTest::addColumn<QString>("stripped");
    QTest::newRow("blanks, colours kept") << "Big Bad Wolf" << false << "Big Bad Wolf";
    QTest::newRow("blanks, colours removed") << "Big Bad Wolf" << true << "Big Bad Wolf";
    QTest::newRow("colours kept") << "^1Red^7Baron" << false << "RedBaron";
    QTest::newRow("colours removed") << "^1Red^7Baron" << true << "RedBaron";
    QTest::newRow("both kept") << "^4Big ^1Bad ^2Wolf" << false << "Big Bad Wolf";
    QTest::newRow("both removed") << "^4Big ^1Bad ^2Wolf" << true << "Big Bad Wolf";
    QTest::newRow("long name removed")
        << "^3A^4Very^5Long^6Name^7Of^8Many^9Colours" << true << "AVeryLongNameOfManyColours";
}

void TestPlayersPage::names() {
    QFETCH(QString, name);
    QFETCH(bool, removeColours);
    QFETCH(QString, stripped);

    Harness h;
    h.sim.setPlayers({player(2, "Other", "40"), player(5, name, "999")});
    h.main->session().state().options.autokick999 = true;
    tick(h, "chkremcol", removeColours);
    h.connectDirect();
    populate(h);

    QCOMPARE(grid(h)->rowCount(), 2);
    const QString shown = cell(h, 1, col::Player);
    if (removeColours) {
        QCOMPARE(shown, stripped);
    } else {
        QCOMPARE(shown, name);
    }
    const QList<Player999Entry>& watch = h.main->session().state().Player999;
    QCOMPARE(watch.size(), 1);
    QCOMPARE(watch.first().name, stripped);
    QCOMPARE(watch.first().num, QStringLiteral("5"));
    QCOMPARE(watch.first().count, qint16(1));
}

void TestPlayersPage::noPlayers() {
    Harness h;
    h.sim.setPlayers({});
    h.connectDirect();
    populate(h);
    QCOMPARE(grid(h)->rowCount(), 0);
    QCOMPARE(h.dialogs.messages().size(), 1);
    QCOMPARE(h.dialogs.messages().first().text, QStringLiteral("No players on server"));
    QCOMPARE(h.dialogs.messages().first().title, QStringLiteral("No players"));
    QCOMPARE(h.dialogs.messages().first().icon, Dialogs::Icon::Information);
    QVERIFY(h.main->progressNotice()->isHidden());
}

void TestPlayersPage::populateWhileDisconnected() {
    Harness h;
    h.connectDirect();
    populate(h);
    QCOMPARE(grid(h)->rowCount(), 3);
    h.main->session().setConnectTag(QStringLiteral("NO"));
    h.sim.clearReceived();
    populate(h);
    QCOMPARE(h.dialogs.messages().size(), 1);
    QCOMPARE(h.dialogs.messages().first().text,
             QStringLiteral("You need to connect to a server first"));
    QCOMPARE(h.dialogs.messages().first().title, QStringLiteral("Not Connected"));
    QCOMPARE(h.dialogs.messages().first().icon, Dialogs::Icon::Exclamation);
    QCOMPARE(grid(h)->rowCount(), 3);
    QCOMPARE(h.commands(), QStringList());
}

// The button stays live while the populate waits for the report.
void TestPlayersPage::secondClickDuringPopulate() {
    Harness h;
    h.connectDirect();
    QTimer::singleShot(0, h.main.get(), [&h] { populate(h); });
    populate(h);
    QCOMPARE(h.commands(), QStringList{"status"});
    QCOMPARE(grid(h)->rowCount(), 3);
    QCOMPARE(titles(h), QStringList());
}

void TestPlayersPage::quietPopulateShowsNoBoxes_data() {
    QTest::addColumn<bool>("byOption");
    QTest::addColumn<bool>("slow");
    QTest::newRow("option, no players") << true << false;
    QTest::newRow("option, slow server") << true << true;
    QTest::newRow("auto update, no players") << false << false;
    QTest::newRow("auto update, slow server") << false << true;
}

void TestPlayersPage::quietPopulateShowsNoBoxes() {
    QFETCH(bool, byOption);
    QFETCH(bool, slow);
    Harness h;
    if (slow)
        h.sim.setReplyOverride("status", "map: mp_harbor\nnum score\n---- ---\n  0 ");
    else
        h.sim.setPlayers({});
    h.main->session().state().options.autoqplayer = byOption;
    h.main->session().state().options.autoqplayerint = 40;
    h.connectDirect();
    if (byOption)
        populate(h);
    else
        tick(h, "chkautoupdate", true); // runs one populate at once
    QCOMPARE(h.commands(), QStringList{"status"});
    QCOMPARE(titles(h), QStringList());
    QCOMPARE(grid(h)->rowCount(), 0);
    tick(h, "chkautoupdate", false);
}

void TestPlayersPage::slowServerKeepsRowsRead() {
    Harness h;
    const QList<SimPlayer> players = {player(0, "Ace"), player(1, "Big Bad Wolf")};
    QString report = QStringLiteral(
        "map: mp_harbor\n"
        "num score ping guid   name            lastmsg address               qport rate\n"
        "--- ----- ---- ------ --------------- ------- --------------------- ----- -----\n");
    for (const SimPlayer& p : players)
        report += SimServer::statusLine(p);
    // The rest of the report is still on its way.
    h.sim.setReplyOverride("status", report.left(report.size() - 20).toLatin1());
    h.connectDirect();
    populate(h);
    QCOMPARE(column(h, col::Player), QStringList{"Ace"});
    QCOMPARE(h.dialogs.messages().size(), 1);
    QCOMPARE(h.dialogs.messages().first().text,
             QStringLiteral("The server is not responding quickly enough\rTry populate again"));
    QCOMPARE(h.dialogs.messages().first().title, QStringLiteral("Slow Server Response"));
    QCOMPARE(h.dialogs.messages().first().icon, Dialogs::Icon::Exclamation);
    QVERIFY(!h.main->session().state().collectquiet);
    QVERIFY(h.main->progressNotice()->isHidden());
}

void TestPlayersPage::fullServerInSeveralDatagrams() {
    Harness h;
    QList<SimPlayer> players;
    for (int i = 0; i < 64; ++i)
        players << player(i, QStringLiteral("^%1Player Number %2").arg(i % 10).arg(i),
                          QString::number(30 + i), 64 - i);
    h.find<QCheckBox>("chkremcol")->setChecked(true);
    h.sim.setPlayers(players);
    h.sim.setMaxPrintBytes(1000);
    h.connectDirect();
    populate(h);
    QCOMPARE(titles(h), QStringList());
    QCOMPARE(grid(h)->rowCount(), 64);
    for (int r = 0; r < 64; ++r) {
        QCOMPARE(cell(h, r, col::Num), QString::number(r));
        QCOMPARE(cell(h, r, col::Player), QStringLiteral("Player Number %1").arg(r));
        QCOMPARE(cell(h, r, col::Ping), QString::number(30 + r));
        QCOMPARE(cell(h, r, col::Address), players[r].address);
        QCOMPARE(cell(h, r, col::Rate), QString::number(players[r].rate));
    }
}

void TestPlayersPage::consoleOutputInTheReply() {
    Harness h;
    h.sim.setPlayers({player(0, "Ace"), player(1, "Bee")});
    h.sim.injectIntoNextReply(QStringLiteral("Bee: gg all\n"));
    h.connectDirect();
    populate(h);
    QCOMPARE(column(h, col::Player), (QStringList{"Ace", "Bee"}));
    QCOMPARE(titles(h), QStringList());
}

void TestPlayersPage::queryModeInsertsOnTop() {
    Harness h;
    h.sim.setPlayers({player(0, "A", "40", 3), player(1, "B", "41", 2), player(2, "C", "42", 1)});
    tick(h, "chkplyq", true);
    h.connectDirect();
    populate(h);
    QCOMPARE(h.commands(), QStringList{"getstatus"});
    QCOMPARE(titles(h), QStringList());
    QCOMPARE(column(h, col::Player), (QStringList{"C", "B", "A"}));
    QCOMPARE(column(h, col::Ping), (QStringList{"42", "41", "40"}));
    QCOMPARE(column(h, col::Score), (QStringList{"1", "2", "3"}));
    for (int c :
         {col::Blank, col::Num, col::Guid, col::Address, col::Qport, col::Rate, col::LastMessage})
        QCOMPARE(column(h, c), QStringList(3, QString()));
    QVERIFY(!h.main->session().state().collectquiet);
    QVERIFY(h.main->progressNotice()->isHidden());
}

void TestPlayersPage::queryModeNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("removeColours");
    QTest::addColumn<QString>("shown");
    QTest::newRow("colours removed") << "^1Bob^7" << true << "Bob";
    QTest::newRow("colours kept") << "^1Bob^7" << false << "^1Bob^7";
    QTest::newRow("blanks") << "Big Bad Wolf" << true << "Big Bad Wolf";
}

void TestPlayersPage::queryModeNames() {
    QFETCH(QString, name);
    QFETCH(bool, removeColours);
    QFETCH(QString, shown);
    Harness h;
    h.sim.setPlayers({player(0, name)});
    tick(h, "chkplyq", true);
    tick(h, "chkremcol", removeColours);
    h.connectDirect();
    populate(h);
    QCOMPARE(column(h, col::Player), QStringList{shown});
}

void TestPlayersPage::queryModeNoReply_data() {
    QTest::addColumn<bool>("autoOption");
    QTest::newRow("option off: the box") << false;
    QTest::newRow("option on: silent") << true;
}

void TestPlayersPage::queryModeNoReply() {
    QFETCH(bool, autoOption);
    Harness h;
    h.main->session().state().options.autoqplayer = autoOption;
    tick(h, "chkplyq", true);
    h.connectDirect();
    h.sim.dropNextReplies(1);
    populate(h);
    QCOMPARE(grid(h)->rowCount(), 0);
    QVERIFY(!h.main->session().state().collectquiet);
    if (autoOption) {
        QCOMPARE(titles(h), QStringList());
        return;
    }
    QCOMPARE(h.dialogs.messages().size(), 1);
    QCOMPARE(h.dialogs.messages().first().text,
             QStringLiteral("No response from server in 5 seconds with standard Query method"));
    QCOMPARE(h.dialogs.messages().first().title, QStringLiteral("No response"));
    QCOMPARE(h.dialogs.messages().first().icon, Dialogs::Icon::Exclamation);
}

void TestPlayersPage::queryModeNoPlayers_data() {
    QTest::addColumn<bool>("autoOption");
    QTest::addColumn<bool>("autoUpdateBox");
    QTest::addColumn<bool>("boxShown");
    QTest::newRow("by hand") << false << false << true;
    QTest::newRow("auto update box alone does not silence it") << false << true << true;
    QTest::newRow("option silences it") << true << false << false;
}

void TestPlayersPage::queryModeNoPlayers() {
    QFETCH(bool, autoOption);
    QFETCH(bool, autoUpdateBox);
    QFETCH(bool, boxShown);
    Harness h;
    h.sim.setPlayers({});
    h.main->session().state().options.autoqplayer = autoOption;
    h.main->session().state().options.autoqplayerint = 40;
    tick(h, "chkplyq", true);
    h.connectDirect();
    if (autoUpdateBox)
        tick(h, "chkautoupdate", true);
    else
        populate(h);
    QCOMPARE(grid(h)->rowCount(), 0);
    QCOMPARE(titles(h), boxShown ? QStringList{"No players"} : QStringList());
    if (boxShown)
        QCOMPARE(h.dialogs.messages().first().text, QStringLiteral("No players on server"));
    tick(h, "chkautoupdate", false);
}

void TestPlayersPage::sortAfterPopulate_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<bool>("queryMode");
    QTest::addColumn<QStringList>("order");
    // Slots 0..3: Dan ping 10 score 5, amy ping 9 score 40, Cy ping 100 score -3, Bo ping 9
    // score 7.
    QTest::newRow("no choice keeps the report's order")
        << -1 << false << QStringList{"Dan", "amy", "Cy", "Bo"};
    QTest::newRow("ping: 9 before 10") << 3 << false << QStringList{"amy", "Bo", "Dan", "Cy"};
    QTest::newRow("score: highest first") << 4 << false << QStringList{"amy", "Bo", "Dan", "Cy"};
    QTest::newRow("player: by letters") << 2 << false << QStringList{"amy", "Bo", "Cy", "Dan"};
    QTest::newRow("num") << 0 << false << QStringList{"Dan", "amy", "Cy", "Bo"};
    QTest::newRow("query mode, no choice") << -1 << true << QStringList{"Bo", "Cy", "amy", "Dan"};
    QTest::newRow("query mode, score") << 4 << true << QStringList{"amy", "Bo", "Dan", "Cy"};
}

void TestPlayersPage::sortAfterPopulate() {
    QFETCH(int, entry);
    QFETCH(bool, queryMode);
    QFETCH(QStringList, order);
    Harness h;
    h.sim.setPlayers({player(0, "Dan", "10", 5), player(1, "amy", "9", 40),
                      player(2, "Cy", "100", -3), player(3, "Bo", "9", 7)});
    h.find<QComboBox>("complayersort")->setCurrentIndex(entry);
    tick(h, "chkplyq", queryMode);
    h.connectDirect();
    populate(h);
    QCOMPARE(column(h, col::Player), order);
}

void TestPlayersPage::sortChoiceKeepsTheSelectedPlayer() {
    Harness h;
    h.sim.setPlayers({player(0, "Dan", "10", 5), player(1, "amy", "9", 40)});
    h.connectDirect();
    populate(h);
    grid(h)->selectRow(0);
    QCOMPARE(cell(h, 0, col::Player), QStringLiteral("Dan"));
    h.find<QComboBox>("complayersort")->setCurrentIndex(4);
    QCOMPARE(column(h, col::Player), (QStringList{"amy", "Dan"}));
    QCOMPARE(grid(h)->selectionModel()->selectedRows().size(), 1);
    QCOMPARE(grid(h)->selectionModel()->selectedRows().first().row(), 1);

    // A single player: nothing to sort.
    h.sim.setPlayers({player(4, "Solo", "10", 5)});
    populate(h);
    h.find<QComboBox>("complayersort")->setCurrentIndex(2);
    QCOMPARE(column(h, col::Player), QStringList{"Solo"});
}

QTEST_MAIN(TestPlayersPage)
#include "tst_playerspage.moc"
