#include "../players/PlayerFixtures.h"
#include "players/PlayerColumns.h"
#include "ui/ProgressNotice.h"

#include <QTest>

using namespace players_fixture;
namespace col = playercol;

namespace {

QStringList rowCells(const Harness& h, int r) {
    QStringList cells;
    for (int c = 0; c < grid(h)->columnCount(); ++c)
        cells << cell(h, r, c);
    return cells;
}

// After every populate: nothing collects quietly any more and no notice is left standing.
void expectSettled(const Harness& h) {
    QVERIFY(!h.main->session().state().collectquiet);
    QVERIFY(!h.main->session().state().busy);
    QVERIFY(h.main->progressNotice()->isHidden());
}

} // namespace

class TestPlayersPage : public QObject {
    Q_OBJECT
private slots:
    void pageLayout();
    void fullServerFillsEveryColumn_data();
    void fullServerFillsEveryColumn();
    void populateGuards();
    void boxes_data();
    void boxes();
    void queryModeListsNewestOnTop();
    void sortAfterPopulate_data();
    void sortAfterPopulate();
};

void TestPlayersPage::pageLayout() {
    Harness h(false);
    // The boxes with a caption label of their own carry it as their accessible name.
    QStringList captions;
    for (const char* name :
         {"cmdplypop", "chkplyq", "chkremcol", "chkautoupdate", "cmdsavenames"}) {
        const QAbstractButton* b = h.find<QAbstractButton>(QLatin1String(name));
        captions << (b->text().isEmpty() ? b->accessibleName() : b->text());
    }
    QCOMPARE(captions, (QStringList{"Populate from server", "Query Mode", "Remove colour id",
                                    "Auto Update", "Save Names"}));
    QStringList headers;
    for (int c = 0; c < grid(h)->columnCount(); ++c)
        headers << grid(h)->horizontalHeaderItem(c)->text();
    QCOMPARE(headers, (QStringList{"", "Num", "Guid", "Player", "Ping", "Score", "Address", "Qport",
                                   "Rate", "Last Message"}));
    QVERIFY(grid(h)->columnWidth(col::Player) > grid(h)->columnWidth(col::Guid));
    QCOMPARE(h.find<QComboBox>("complayersort")->itemText(6), QStringLiteral("Port"));

    // A click on the caption ticks the box, as on any check box.
    QLabel* caption = h.find<QLabel>("lblremcol");
    const bool before = h.find<QCheckBox>("chkremcol")->isChecked();
    QTest::mouseClick(caption, Qt::LeftButton);
    QCOMPARE(h.find<QCheckBox>("chkremcol")->isChecked(), !before);
}

void TestPlayersPage::fullServerFillsEveryColumn_data() {
    QTest::addColumn<bool>("removeColours");
    QTest::newRow("colours kept") << false;
    QTest::newRow("colours removed") << true;
}

// A full server's report comes in several datagrams, a chat line printed ahead of it. The
// grid shows the names as the box says; the 999 watch always gets them without colours.
void TestPlayersPage::fullServerFillsEveryColumn() {
    QFETCH(bool, removeColours);
    Harness h;
    QList<SimPlayer> players;
    QStringList lagging;
    for (int i = 0; i < 64; ++i) {
        const QString ping = i % 5 ? QString::number(30 + i) : (i % 10 ? "999" : "CNCT");
        players << player(i, QStringLiteral("^%1Player ^7Number %2").arg(i % 10).arg(i), ping,
                          20 - i);
        if (ping == u"999")
            lagging << QStringLiteral("Player Number %1@%1#1").arg(i);
    }
    h.sim.setPlayers(players);
    h.sim.setMaxPrintBytes(1000);
    h.sim.injectIntoNextReply(QStringLiteral("Bee: gg all\n"));
    h.main->session().state().options.autokick999 = true;
    tick(h, "chkremcol", removeColours);
    h.connectDirect();
    populate(h);

    QCOMPARE(h.commands(), QStringList{"status"});
    QCOMPARE(titles(h), QStringList());
    QCOMPARE(grid(h)->rowCount(), 64);
    for (int r = 0; r < 64; ++r) {
        const SimPlayer& p = players[r];
        const QString name = removeColours ? QStringLiteral("Player Number %1").arg(r) : p.name;
        QCOMPARE(
            rowCells(h, r),
            (QStringList{"", QString::number(p.num), p.guid, name, p.ping, QString::number(p.score),
                         p.address, QString::number(p.qport), QString::number(p.rate), ""}));
    }
    QCOMPARE(watched(h), lagging);
    // Collected quietly: neither the command nor the report reach the RCON pane.
    QVERIFY(!h.rconText().contains(QLatin1String("status")));
    QVERIFY(!h.rconText().contains(QLatin1String("Number")));
    expectSettled(h);
}

void TestPlayersPage::populateGuards() {
    Harness h;
    h.connectDirect();
    // The button stays live while the populate waits for the report: a second click is
    // swallowed rather than reading the buffer the first one still needs.
    QTimer::singleShot(0, h.main.get(), [&h] { populate(h); });
    populate(h);
    QCOMPARE(h.commands(), QStringList{"status"});
    QCOMPARE(grid(h)->rowCount(), 3);
    QCOMPARE(titles(h), QStringList());

    // Not connected: only the box; the list stays.
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

void TestPlayersPage::boxes_data() {
    QTest::addColumn<bool>("queryMode");
    QTest::addColumn<QString>("server"); // "empty", "cut" (report still on its way), "silent"
    QTest::addColumn<QString>("quiet");  // "", "option" (autoqplayer), "box" (Auto Update)
    QTest::addColumn<QString>("box");    // the title of the one box shown, if any
    const auto row = [](const char* tag, bool query, const char* server, const char* quiet,
                        const char* box) {
        QTest::newRow(tag) << query << QString(server) << QString(quiet) << QString(box);
    };
    row("no players", false, "empty", "", "No players");
    row("slow server keeps the rows read", false, "cut", "", "Slow Server Response");
    row("quiet by option: no players", false, "empty", "option", "");
    row("quiet by option: slow", false, "cut", "option", "");
    row("quiet by auto update: no players", false, "empty", "box", "");
    row("quiet by auto update: slow", false, "cut", "box", "");
    row("query: no players", true, "empty", "", "No players");
    row("query: no reply", true, "silent", "", "No response");
    // Query Mode is silenced by the option only, not by the Auto Update box.
    row("query, auto update: no players", true, "empty", "box", "No players");
    row("query, option: no players", true, "empty", "option", "");
    row("query, option: no reply", true, "silent", "option", "");
}

void TestPlayersPage::boxes() {
    QFETCH(bool, queryMode);
    QFETCH(QString, server);
    QFETCH(QString, quiet);
    QFETCH(QString, box);
    const QHash<QString, std::pair<QString, Dialogs::Icon>> boxes = {
        {"No players", {"No players on server", Dialogs::Icon::Information}},
        {"Slow Server Response",
         {"The server is not responding quickly enough\rTry populate again",
          Dialogs::Icon::Exclamation}},
        {"No response",
         {"No response from server in 5 seconds with standard Query method",
          Dialogs::Icon::Exclamation}}};

    Harness h;
    if (server == u"empty") {
        h.sim.setPlayers({});
    } else if (server == u"cut") {
        QString report = QStringLiteral("map: mp_harbor\nnum score ping guid name\n--- -----\n") +
                         SimServer::statusLine(player(0, "Ace")) +
                         SimServer::statusLine(player(1, "Big Bad Wolf"));
        h.sim.setReplyOverride("status", report.left(report.size() - 20).toLatin1());
    }
    h.main->session().state().options.autoqplayer = quiet == u"option";
    h.main->session().state().options.autoqplayerint = 40;
    tick(h, "chkplyq", queryMode);
    h.connectDirect();
    if (server == u"silent")
        h.sim.dropNextReplies(1);
    if (quiet == u"box")
        tick(h, "chkautoupdate", true); // runs one populate at once
    else
        populate(h);
    tick(h, "chkautoupdate", false);

    QCOMPARE(h.commands(), QStringList{queryMode ? "getstatus" : "status"});
    // The rows read before the report broke off stay.
    QCOMPARE(column(h, col::Player), server == u"cut" ? QStringList{"Ace"} : QStringList());
    QCOMPARE(titles(h), box.isEmpty() ? QStringList() : QStringList{box});
    if (!box.isEmpty()) {
        QCOMPARE(h.dialogs.messages().first().text, boxes[box].first);
        QCOMPARE(h.dialogs.messages().first().icon, boxes[box].second);
    }
    expectSettled(h);
}

// Each player read goes on top of those read before him; only name, ping and score are known.
void TestPlayersPage::queryModeListsNewestOnTop() {
    Harness h;
    h.sim.setPlayers(
        {player(0, "^1A^7", "40", 3), player(1, "B", "41", 2), player(2, "C", "42", 1)});
    tick(h, "chkplyq", true);
    tick(h, "chkremcol", true);
    h.connectDirect();
    populate(h);
    QCOMPARE(h.commands(), QStringList{"getstatus"});
    QCOMPARE(titles(h), QStringList());
    QCOMPARE(rowCells(h, 0), (QStringList{"", "", "", "C", "42", "1", "", "", "", ""}));
    QCOMPARE(rowCells(h, 1), (QStringList{"", "", "", "B", "41", "2", "", "", "", ""}));
    QCOMPARE(rowCells(h, 2), (QStringList{"", "", "", "A", "40", "3", "", "", "", ""}));
    expectSettled(h);
}

void TestPlayersPage::sortAfterPopulate_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<bool>("queryMode");
    QTest::addColumn<QStringList>("order");
    const auto row = [](const char* tag, int entry, bool query, const QStringList& order) {
        QTest::newRow(tag) << entry << query << order;
    };
    // Slots 0..3: Dan ping 10 score 5, amy ping 9 score 40, Cy ping 100 score -3, Bo ping 9
    // score 7.
    row("no choice keeps the report's order", -1, false, {"Dan", "amy", "Cy", "Bo"});
    row("ping: 9 before 10", 3, false, {"amy", "Bo", "Dan", "Cy"});
    row("score: highest first", 4, false, {"amy", "Bo", "Dan", "Cy"});
    row("query mode, score", 4, true, {"amy", "Bo", "Dan", "Cy"});
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

QTEST_MAIN(TestPlayersPage)
#include "tst_playerspage.moc"
