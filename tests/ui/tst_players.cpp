#include "ModePageChecks.h"
#include "base/Wire1252.h"
#include "players/GetstatusParser.h"
#include "players/PlayerColumns.h"
#include "players/PlayerExport.h"
#include "players/PlayerNames.h"
#include "players/PlayerSort.h"
#include "players/ReportFault.h"
#include "players/SlotCheck.h"
#include "players/StatusParser.h"
#include "settings/OptionsStore.h"
#include "settings/ProfileFile.h"
#include "support/Captures.h"
#include "ui/ProgressNotice.h"
#include "ui/pages/PlayersPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTableWidget>

namespace col = playercol;

namespace {

const QString kNoReply = "No response | No response from server in 15 seconds\nCould be server "
                         "loading map! or \nFragmented UDP packets which routers do not pass on\n"
                         "Try again... | Exclamation";

SimPlayer player(int num, const QString& name, const QString& ping = "50", int score = 0) {
    const QString guid = QString::number(400000 + num), at = "192.0.2.%1:28960";
    return {num, score, ping, guid, name, 50, at.arg(num + 1), 2000 + num, 25000};
}

struct Fixture : Harness {
    QSignalSpy received{&sim, &SimServer::datagramReceived};
    PlayersPage* page() const { return main->pages().players; }
    QTableWidget* grid() const { return find<QTableWidget>("msfplayers"); }
    QTimer* timer() const { return find<QTimer>("tmrplayer"); }
    Options& options() { return main->session().state().options; }
    bool ticked(const char* box) const { return find<QCheckBox>(box)->isChecked(); }
    void tick(const char* box, bool on) { find<QCheckBox>(box)->setChecked(on); }
    void press(const QString& button) { find<QPushButton>(button)->click(); }
    QStringList column(int c) const {
        QStringList texts;
        for (int r = 0; r < grid()->rowCount(); ++r)
            texts << grid()->item(r, c)->text();
        return texts;
    }
};

} // namespace

class TestPlayers : public QObject {
    Q_OBJECT
private slots:
    void replies_data();
    void replies();
    void namesSortAndExportRules();
    void populate_data();
    void populate();
    void slotCheck_data();
    void slotCheck();
    void actions_data();
    void actions();
    void autoUpdate();
    void autoKick_data();
    void autoKick();
    void exportToCsv();
    void ioquake3Server();
};

void TestPlayers::replies_data() {
    QTest::addColumn<bool>("query"); // the public status query's reply; else a status report
    QTest::addColumn<QString>("reply");
    // "num|score|ping|guid|name|lastmsg|address|qport|rate", or "score|ping|name"
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<bool>("broken"); // a malformed report, a query reply without players
    const auto row = [](const char* tag, const QString& reply, const QStringList& rows,
                        bool broken = false, bool query = false) {
        QTest::newRow(tag) << query << reply << rows << broken;
    };
    const QString head = "map: mp_harbor\nnum score ping guid name lastmsg address qport rate\n"
                         "--- ----- ---- ---- ---- ------- ------- ----- ----\n";
    const QString thorn = "2|0|29|465030|ThorN|50|68.63.6.62:-32085|6597|5000";
    const QString thornLine = head + " 2 0 29 465030 ThorN^7 50 68.63.6.62:-32085 6597 5000\n";
    const QString wolf = "4|12|48|0|Big Bad Wolf|0|192.0.2.1:28960|4711|25";
    const QString whole = thornLine + " 4 12 48 0 Big Bad Wolf ^7 0 192.0.2.1:28960 4711 25\n\n";
    // However much has arrived, a player counts once the line feed ending his line is in.
    for (int cut = 1; cut <= whole.size(); ++cut)
        QTest::addRow("names with blanks, %d characters", cut)
            << false << whole.left(cut)
            << QStringList{thorn, wolf}.mid(0, qBound(0, int(whole.left(cut).count(u'\n')) - 3, 2))
            << (cut < whole.size());
    // A 22-character address fills its column, so the qport follows without a blank.
    row("address runs into qport", head + " 3 1 60 77 Max^7 0 255.255.255.255:-3276812345 25\n\n",
        {"3|1|60|77|Max|0|255.255.255.255:-32768|12345|25"});
    row("only the report's own reset goes", head + " 1 0 5 9 ^2Ace^7^7 0 1.2.3.4:5 6 7\n\n",
        {"1|0|5|9|^2Ace^7|0|1.2.3.4:5|6|7"});
    row("line too short", thornLine + " 5 0 40 1 Bob\n\n", {thorn}, true);
    row("line shorter than the columns before the name",
        "map: mp_harbor\nnum score name\n--- ----- ----\n0\n\n", {}, true);
    row("name's own reset before the padding", head + " 1 0 5 9 Ace^7   ^7 0 1.2.3.4:5 6 7\n\n",
        {"1|0|5|9|Ace^7|0|1.2.3.4:5|6|7"});
    // An ioquake3 server prints fewer columns and glues the colour reset to the address.
    const QString capture = wire1252::decode(captures::bytes("rcon_status.bin").mid(10));
    QStringList bots;
    for (const char* name :
         {"Angelyss", "^1Red^7Sarge", "Kyonshi", "Cyber-Garg", "^2A_Very_Long_Bot_Name_22"})
        bots << QString("%1|0|0||%2||bot||16384").arg(bots.size()).arg(name);
    row("ioquake3 layout", capture, bots);
    row("ioquake3 layout, name with blanks",
        capture.section(u'\n', 0, 2) + "\n 7 3 48 Big Bad Wolf ^7192.0.2.1:27960 25000\n\n",
        {"7|3|48||Big Bad Wolf||192.0.2.1:27960||25000"});
    row("ioquake3 layout, name ending in a reset",
        capture.section(u'\n', 0, 2) + "\n 5 2 33 Wolf^7           ^71.2.3.4:27960   25000\n\n",
        {"5|2|33||Wolf^7||1.2.3.4:27960||25000"});
    row("ioquake3 layout, no players",
        wire1252::decode(captures::bytes("rcon_status_no_players.bin").mid(10)), {});
    row("refusal instead of a report", "Bad rconpassword.\n", {}, true);
    const QString query = QString(4, QChar(0xFF)) + "statusResponse\n\\mapname\\mp_pavlov\n";
    row("query: last line cut inside the name", query + "3 48 \"A\"\n5 50 \"Bo", {"3|48|A"}, false,
        true);
    row("query: last line without its line feed", query + "3 48 \"A\"\n5 50 \"Bob\"",
        {"3|48|A", "5|50|Bob"}, false, true);
    row("query: a line without quotes ends the list",
        query + "3 48 \"A\"\n5 50 B \"x\"\n7 1 \"C\"\n", {"3|48|A"}, false, true);
    row("query: fields never reach into the next line", query + "3\n48 \"A\"\n", {}, false, true);
}

void TestPlayers::replies() {
    QFETCH(bool, query);
    QFETCH(QString, reply);
    QFETCH(QStringList, rows);
    QFETCH(bool, broken);
    const StatusReport report = parseStatusReply(reply);
    const QueryReport queried = parseGetstatusReply(reply);
    QStringList got;
    for (const StatusRow& r : query ? QList<StatusRow>() : report.rows)
        got << QStringList{r.num,     r.score,   r.ping,  r.guid, r.name,
                           r.lastmsg, r.address, r.qport, r.rate}
                   .join(u'|');
    for (const QueryRow& r : query ? queried.rows : QList<QueryRow>())
        got << r.score + u'|' + r.ping + u'|' + r.name;
    QCOMPARE(got, rows);
    QCOMPARE(query ? queried.noPlayerLines : report.malformed, broken);
}

void TestPlayers::namesSortAndExportRules() {
    QCOMPARE(stripcolours("^1Red^7Baron A^B ^^1x ^12 ^\u0663x abc^"),
             "RedBaron A^B ^x 2 ^\u0663x abc^");
    // Numbers first, then text with case breaking ties: an order however a column mixes them.
    const QStringList ascending = {"-3",  "0",   "2.5", " 7 ",          "9",           "10",
                                   "1e2", "",    "!x",  "192.0.2.10:1", "192.0.2.9:1", "1a",
                                   "Ace", "ace", "bob", "CNCT",         "zombie"};
    QStringList sorted(ascending.crbegin(), ascending.crend());
    std::stable_sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
        return comparePlayerCells(a, b) < 0;
    });
    QCOMPARE(sorted, ascending);
    // A quote inside a name is doubled, so CSV readers keep the row whole.
    QCOMPARE(playerexport::lines({{"192.0.2.2:-32085", "0", "Say \"hi\""}}, "s:1", "T", false),
             "\"T\",\"s:1\",\"192.0.2.2:-32085\",\"0\",\"Say \"\"hi\"\"\"\r\n");
}

void TestPlayers::populate_data() {
    QTest::addColumn<bool>("queryMode");
    // "full", "empty", "cut" (still on its way), "silent", "no list", "password" changed
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("quiet"); // "", "option" (autoqplayer) or "box" (Auto Update)
    QTest::addColumn<QString>("then");  // a "click", "tick" or "disconnect" once it went
    QTest::addColumn<QStringList>("boxes");
    const QString none = "No players | No players on server | Information";
    const auto row = [](const char* tag, bool query, const char* server, const char* quiet,
                        const char* then, const QStringList& boxes = {}) {
        QTest::newRow(tag) << query << QString(server) << QString(quiet) << QString(then) << boxes;
    };
    row("full server", false, "full", "", "");
    row("no players", false, "empty", "", "", {none});
    row("slow server keeps the rows read", false, "cut", "", "",
        {"Slow Server Response | The server is not responding quickly enough\rTry populate "
         "again | Exclamation"});
    // Without an answer the box says so, and the list keeps what it showed.
    row("no reply after five tries", false, "silent", "", "", {kNoReply});
    // A reply that came but held no list keeps the list too, and says what came.
    row("no list", false, "no list", "", "",
        {"Unreadable reply | The server answered, but not with a player list:\rBee: gg all | "
         "Exclamation"});
    row("password changed", false, "password", "", "",
        {"Password refused | The server refused the RCON password (it may have been changed) | "
         "Exclamation"});
    row("quiet by option", false, "empty", "option", "");
    row("quiet by auto update", false, "cut", "box", "");
    row("query: no players", true, "empty", "", "", {none});
    row("query: no reply", true, "silent", "", "",
        {"No response | No response from server in 5 seconds with standard Query method | "
         "Exclamation"});
    // Query Mode is silenced by the option only, not by the Auto Update box.
    row("query, auto update: no players", true, "empty", "box", "", {none});
    row("query, option: no players", true, "empty", "option", "");
    row("query, option: no reply", true, "silent", "option", "");
    row("second click", false, "full", "", "click");
    row("tick", false, "full", "", "tick");
    row("disconnect", false, "full", "", "disconnect");
    row("disconnect in Query Mode", true, "full", "", "disconnect");
    row("disconnect during a refresh", false, "full", "box", "disconnect");
}

// The list is filled once per reply; a disconnect ends a populate without a word.
void TestPlayers::populate() {
    QFETCH(bool, queryMode);
    QFETCH(QString, server);
    QFETCH(QString, quiet);
    QFETCH(QString, then);
    QFETCH(QStringList, boxes);
    Fixture h;
    QList<SimPlayer> players;
    for (int i = 0; server == u"full" && i < 64; ++i)
        players << player(i, QString("^%1Player ^7Number %2").arg(i % 10).arg(i),
                          i % 5 ? QString::number(30 + i) : (i % 10 ? "999" : "CNCT"), i - 20);
    h.sim.setPlayers(players);
    h.sim.setMaxPrintBytes(1000);
    h.sim.injectIntoNextReply("Bee: gg all\n");
    if (server == u"cut") // the second line still on its way
        h.sim.setReplyOverride("status",
                               "num score ping guid name lastmsg address qport rate\n--- -----\n" +
                                   SimServer::statusLine(player(0, "Ace")).toLatin1() + " 1 ");
    if (server == u"no list")
        h.sim.setReplyOverride("status", "unknown command: status\n");
    h.sim.dropNextReplies(server == u"silent" ? RconClient::kAttempts : 0);
    h.sim.setReplyDelayMs(Harness::kSecondMs);
    h.options().autoqplayer = quiet == u"option";
    h.options().autoqplayerint = then == u"disconnect" ? 5 : 40;
    h.tick("chkplyq", queryMode);
    h.find<QComboBox>("complayersort")->setCurrentIndex(4); // score: the highest first
    h.connectDirect();
    if (server == u"password")
        h.sim.setRconPassword("changed");
    h.grid()->setRowCount(1); // what an earlier populate listed
    h.grid()->setItem(0, col::Player, new QTableWidgetItem("Earlier"));
    quiet == u"box" ? h.tick("chkautoupdate", true) : h.press("cmdplypop");
    QCOMPARE(h.main->progressNotice()->isVisible() ? h.main->progressNotice()->text() : "",
             quiet.isEmpty() ? "Asking server for player list..." : "");
    if (!then.isEmpty()) {
        QVERIFY(h.received.wait()); // on the wire
        then == u"click" ? h.press("cmdplypop")
                         : (then == u"tick" ? h.page()->refreshTick() : h.press("cmdconnect"));
        Harness::pause(12); // past the reply and two refresh intervals
    }
    QVERIFY(h.settle());
    const int sent = server == u"silent" && !queryMode ? RconClient::kAttempts : 1;
    QCOMPARE(h.commands(), QStringList(sent, queryMode ? "getstatus" : "status"));
    QCOMPARE(boxesShown(h).replaceInStrings(" | Ok", ""), boxes);
    QVERIFY(h.main->progressNotice()->isHidden());
    // Read quietly: neither the command nor the report reach the RCON pane.
    QVERIFY(!h.rconText().contains("status") && !h.rconText().contains("Number"));
    const bool listed = server == u"full" && then != u"disconnect";
    const bool kept =
        QStringList{"silent", "no list", "password"}.contains(server) || then == u"disconnect";
    QCOMPARE(h.grid()->rowCount(), listed ? 64 : (server == u"cut" || kept ? 1 : 0));
    for (int r = 0; r < h.grid()->rowCount() && !kept; ++r) {
        const SimPlayer p = server == u"cut" ? player(0, "Ace") : players[63 - r];
        QStringList cells;
        for (int c = 0; c < col::Count; ++c)
            cells << h.grid()->item(r, c)->text();
        QCOMPARE(cells, (QStringList{"", QString::number(p.num), p.guid, p.name, p.ping,
                                     QString::number(p.score), p.address, QString::number(p.qport),
                                     QString::number(p.rate), ""}));
    }
    if (kept)
        QCOMPARE(h.grid()->item(0, col::Player)->text(), "Earlier");
    if (then != u"disconnect")
        return;
    QVERIFY(!h.timer()->isActive() && h.click("cmdplypop") && h.commands().size() == 1);
    QCOMPARE(boxesShown(h), QStringList{"Not Connected | You need to connect to a server first | "
                                        "Exclamation | Ok"});
}

void TestPlayers::slotCheck_data() {
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QStringList>("selected"); // slot, name as printed, address, "plain" names
    QTest::addColumn<QString>("verdict");      // "holds", "empty", "unknown" or who holds it now
    QTest::addColumn<QString>("fault");        // "", "early" (cut short) or "no list"
    const auto row = [](const char* tag, const QString& reply, const QString& verdict,
                        const QString& fault = {},
                        const QStringList& selected = {"2", "^1Kyonshi", "192.0.2.3:28960"}) {
        QTest::newRow(tag) << reply << selected << verdict << fault;
    };
    const QString head = "map: mp_harbor\nnum score ping guid name lastmsg address qport rate\n"
                         "--- ----- ---- ---- ---- ------- ------- ----- ----\n";
    const QString kyonshi = " 2 0 29 1 ^1Kyonshi^7 50 192.0.2.3:28960 6597 5000\n";
    row("same player", head + kyonshi + "\n", "holds");
    row("another player took the slot", head + " 2 0 9 1 Major^7 50 192.0.2.9:1 6 7\n\n", "Major");
    row("same name from another address", head + QString(kyonshi).replace(".3:", ".4:") + "\n",
        "^1Kyonshi");
    row("the 999 watch's names without colours", head + kyonshi + "\n", "holds", "",
        {"2", "Kyonshi", "", "plain"});
    row("a layout without addresses",
        "num score ping name\n--- ----- ---- ----\n 2 0 9 ^1Kyonshi\n\n", "holds");
    row("slot empty", head + " 3 0 29 1 Cat^7 50 192.0.2.4:1 6 7\n\n", "empty");
    row("cut before the slot", head + " 1 0 29 1 Ace^7 50 192.0.2.2:1 6 7\n", "unknown", "early");
    row("cut after the slot", head + kyonshi + " 3 0", "holds", "early");
    row("a bad line before the slot", head + " 1 Ace\n" + kyonshi + "\n", "unknown", "no list");
    row("no report", "unknown command: status\n", "unknown", "no list");
}

void TestPlayers::slotCheck() {
    QFETCH(QString, reply);
    QFETCH(QStringList, selected);
    QFETCH(QString, verdict);
    QFETCH(QString, fault);
    const StatusReport report = parseStatusReply(reply);
    const SlotCheck check =
        checkSlot(report, {selected[0], selected[1], selected[2], selected.size() > 3});
    const QStringList verdicts = {"holds", check.holder.name, "empty", "unknown"};
    QCOMPARE(verdicts[int(check.verdict)], verdict);
    QCOMPARE((QStringList{"", "early", "no list"}[int(reportFault(reply, report))]), fault);
}

void TestPlayers::actions_data() {
    QTest::addColumn<QString>("button");
    // "colours" shown, "populate" while the command is out, "link down", "query", "unselected",
    // the server "refuses" or stays "silent", the slot "taken" by another or left "empty"
    // since the list was read, the question answered "no", "don't ask" again or "not asked"
    QTest::addColumn<QString>("meanwhile");
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QString>("log");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("grid"); // the names listed afterwards
    const QString all = "Ace, Red Baron, Cat", gone = "Ace, Cat";
    const auto row = [&all](const char* tag, const char* button, const char* meanwhile,
                            const QStringList& commands, const QString& log,
                            const QStringList& boxes = {}, const QString& grid = {}) {
        QTest::newRow(tag) << QString(button) << QString(meanwhile) << commands << log << boxes
                           << (grid.isEmpty() ? all : grid);
    };
    const QString ask = "%1 | %2 Red Baron (slot 2) from the server? | Question | YesNo";
    const QString kick = ask.arg("Kick", "Kick"), ban = ask.arg("Ban", "Ban"),
                  tempBan = ask.arg("Temp Ban", "Temporarily ban");
    row("kick", "cmdplykick", "", {"status", "clientkick 2"}, "Player Kicked >Red Baron<", {kick},
        gone);
    row("ban", "cmdplyban", "", {"status", "banclient 2"}, "Player banned and kicked [Red Baron]",
        {ban}, gone);
    row("temp ban, colours shown", "cmdtempban", "colours", {"status", "tempbanclient 2"},
        "Player temporary banned and kicked [^1Red ^7Baron]", {tempBan}, gone);
    // The list filled anew between the check and the command: the player's row still goes.
    row("kick, populate queued after the check", "cmdplykick", "populate, colours",
        {"status", "status", "clientkick 2"}, "Player Kicked >^1Red ^7Baron<", {kick}, gone);
    row("ban, populate queued before it", "cmdplyban", "populate first",
        {"status", "status", "banclient 2"}, "Player banned and kicked [Red Baron]", {ban}, gone);
    row("ban, link down", "cmdplyban", "link down", {}, "",
        {"Not connected | Please connect to a server first! | Exclamation | Ok"});
    // Refused or unanswered: said in the server's words, and the player stays listed.
    row("kick refused", "cmdplykick", "refuses", {"status", "clientkick 2"},
        "Kick of Red Baron not done: unknown command: clientkick", {kick});
    row("temp ban refused", "cmdtempban", "refuses", {"status", "tempbanclient 2"},
        "Temp ban of Red Baron not done: unknown command: tempbanclient", {tempBan});
    row("ban unanswered", "cmdplyban", "silent",
        QStringList{"status"} + QStringList(RconClient::kAttempts, "banclient 2"),
        "Ban of Red Baron: no answer from the server (it may have been applied)",
        {ban, kNoReply + " | Ok"});
    row("message refused", "cmdplymessage", "refuses", {"status", "tell 2 Red Baron, stop %P%"},
        "Private message to [Red Baron] not done: unknown command: tell");
    // The slot changed hands: nothing is sent, and the list shows the report that said so.
    row("kick, slot taken", "cmdplykick", "taken", {"status"}, "",
        {kick, "Player left | Red Baron is no longer in slot 2 (Major is there now) | Exclamation "
               "| Ok"},
        "Ace, Major, Cat");
    row("message, slot empty", "cmdplymessage", "empty", {"status"}, "",
        {"Player left | Red Baron is no longer in slot 2 (the slot is empty) | Exclamation | Ok"},
        gone);
    row("kick, not wanted", "cmdplykick", "no", {}, "", {kick});
    row("kick, don't ask again", "cmdplykick", "don't ask", {"status", "clientkick 2"},
        "Player Kicked >Red Baron<", {kick}, gone);
    row("kick, not asked", "cmdplykick", "not asked", {"status", "clientkick 2"},
        "Player Kicked >Red Baron<", {}, gone);
    // The first placeholder in any letter case; the name always without colours.
    row("message", "cmdplymessage", "colours", {"status", "tell 2 Red Baron, stop %P%"},
        "Private message to [Red Baron]: Red Baron, stop %P%", {}, "Ace, ^1Red ^7Baron, Cat");
    row("message cancelled", "cmdplymessage", "cancel", {}, "");
    row("message the code page cannot hold", "cmdplymessage", "snowman", {"status"}, "",
        {"Not sent | The private message holds characters the game server cannot show: \u2603\r"
         "Nothing was sent. Please use only the characters of Western European text "
         "(Windows-1252). | Exclamation | Ok"});
    // The removals look at the selection first, the private message at Query Mode first.
    const QString pick = "No player | Select a player from the list to %1 | Information | Ok";
    const QString rcon =
        "Need Rcon Access | Only %1 with Rcon access, not in Query Mode | Information | Ok";
    const auto refused = [&row](const char* tag, const char* button, const char* meanwhile,
                                const QString& box, const QString& grid = {}) {
        row(tag, button, meanwhile, {}, "", {box}, grid);
    };
    refused("kick, none selected", "cmdplykick", "query, unselected", pick.arg("Kick first"));
    refused("kick, query", "cmdplykick", "query", rcon.arg("Kick"));
    // A row read in Query Mode has no slot, whatever the box shows now.
    refused("kick, a row from Query Mode", "cmdplykick", "rows from query", rcon.arg("Kick"),
            "Cat, Red Baron, Ace");
    refused("ban, none selected", "cmdplyban", "query, unselected", pick.arg("Ban first"));
    refused("ban, query", "cmdplyban", "query", rcon.arg("Ban"));
    refused("temp ban, none selected", "cmdtempban", "query, unselected",
            pick.arg("temporary Ban first"));
    refused("temp ban, query", "cmdtempban", "query", rcon.arg("Temp Ban"));
    refused("message, query", "cmdplymessage", "query, unselected",
            "Need Player ID | Can only send message to an individual with the RCON access\n"
            "Populate players without Query Mode ticked | Exclamation | Ok");
    refused("message, none selected", "cmdplymessage", "unselected", pick.arg("send private to"));
}

void TestPlayers::actions() {
    QFETCH(QString, button);
    QFETCH(QString, meanwhile);
    QFETCH(QStringList, commands);
    QFETCH(QString, log);
    QFETCH(QStringList, boxes);
    QFETCH(QString, grid);
    Fixture h;
    h.tick("chkremcol", !meanwhile.contains("colours"));
    const QList<SimPlayer> listed = {player(1, "Ace"), player(2, "^1Red ^7Baron"),
                                     player(3, "Cat")};
    h.sim.setPlayers(listed);
    h.connectDirect();
    h.tick("chkplyq", meanwhile == u"rows from query");
    QVERIFY(h.click("cmdplypop"));
    if (!meanwhile.contains("unselected"))
        h.grid()->selectRow(1);
    h.tick("chkplyq", meanwhile.startsWith("query"));
    h.sim.clearReceived();
    h.sim.setReplyDelayMs(Harness::kSecondMs);
    h.dialogs.setNextInput(meanwhile == u"cancel"    ? ""
                           : meanwhile == u"snowman" ? "stop \u2603"
                                                     : "%p%, stop %P%");
    if (meanwhile == u"link down")
        h.main->session().client().close();
    if (meanwhile == u"refuses")
        h.sim.setReplyOverride(
            commands.last(),
            ("unknown command: " + commands.last().section(u' ', 0, 0)).toLatin1());
    if (meanwhile == u"silent")
        QObject::connect(&h.sim, &SimServer::datagramReceived, &h.sim, [&h] {
            if (h.commands().constLast() != u"status")
                h.sim.dropNextRequests(1);
        });
    if (meanwhile == u"taken")
        h.sim.setPlayers({listed[0], player(2, "Major"), listed[2]});
    if (meanwhile == u"empty")
        h.sim.setPlayers({listed[0], listed[2]});
    if (meanwhile == u"no")
        h.dialogs.setNextAnswer(Dialogs::Answer::No);
    if (meanwhile == u"don't ask")
        h.dialogs.setNextDontAsk();
    h.options().confirmkick = meanwhile != u"not asked";
    const bool populateFirst = meanwhile == u"populate first";
    h.press(populateFirst ? "cmdplypop" : button);
    if (meanwhile.startsWith("populate")) {
        QVERIFY(h.received.wait());
        h.press(populateFirst ? button : "cmdplypop");
    }
    QVERIFY(h.settle());
    QCOMPARE(h.commands(), commands);
    QCOMPARE(h.messageLog(), log.isEmpty() ? QStringList() : QStringList{log});
    QCOMPARE(boxesShown(h), boxes);
    QCOMPARE(h.column(col::Player).join(", "), grid);
    // The selection stays while the player is listed: a new list or a removal needs a new choice.
    const bool selected = !meanwhile.contains("unselected") && !meanwhile.startsWith("populate") &&
                          grid.contains("Baron");
    QCOMPARE(h.grid()->selectionModel()->selectedRows().size(), selected ? 1 : 0);
    // "Don't ask again" holds for this run and the next.
    QCOMPARE(h.options().confirmkick, meanwhile != u"don't ask" && meanwhile != u"not asked");
    QCOMPARE(loadOptions(ProfileFile(h.path("vostrel.ini"))).confirmkick,
             meanwhile != u"don't ask");
    // Not quiet: the answer and the echo of the command are in the RCON pane.
    if (!commands.isEmpty() && commands.last() != u"status" && meanwhile != u"silent")
        QVERIFY(h.rconText().contains(QRegularExpression(
            "(^|\n)>>RCON sent \\[[0-9:]{8}\\] .?" + QRegularExpression::escape(commands.last()))));
    for (const ScriptedDialogs::Shown& asked : h.dialogs.shown())
        if (asked.kind == ScriptedDialogs::Kind::Input)
            QCOMPARE(asked.text + u'|' + asked.title + u'|' + asked.defaultText,
                     "Enter message to send selected player\n( Note: Use %P% to auto full "
                     "playername)|Enter Message|You are on a last warning %P%");
}

// Ticking the box populates at once and starts the refresh; only the refresh kicks.
void TestPlayers::autoUpdate() {
    Fixture h;
    const auto enabled = [&h] { // of the six buttons
        const QList<QPushButton*> all = h.page()->findChildren<QPushButton*>();
        return std::count_if(all.cbegin(), all.cend(), [](auto* b) { return b->isEnabled(); });
    };
    h.sim.setPlayers({player(5, "Lagger", "999"), player(9, "Charlie")});
    h.options().autokick999 = true;
    h.options().autokick999int = 2;
    // Not connected: Auto Update unticks itself.
    h.tick("chkautoupdate", true);
    QVERIFY(!h.ticked("chkautoupdate") && !h.timer()->isActive());
    QCOMPARE(enabled(), 6);
    h.connectDirect();
    // The interval comes from the preferences: 30 seconds when out of range.
    h.options().autoqplayerint = 3;
    h.tick("chkautoupdate", true);
    QVERIFY(h.settle() && h.timer()->isActive() && enabled() == 0);
    QCOMPARE(h.timer()->interval(), 30 * Harness::kSecondMs);
    h.tick("chkautoupdate", false);
    QVERIFY(!h.timer()->isActive() && enabled() == 6);
    h.options().autoqplayerint = 5;
    h.tick("chkautoupdate", true);
    QVERIFY(h.settle() && enabled() == 0 && h.timer()->interval() == 5 * Harness::kSecondMs);
    QTRY_VERIFY(h.commands().contains("clientkick 5"));
    QVERIFY(h.settle());
    QCOMPARE(h.commands().mid(0, 4), (QStringList{"status", "status", "status", "clientkick 5"}));
    QCOMPARE(h.messageLog(), QStringList{"Player Auto Kicked for 999 ping [Lagger]"});
    // The link went down without the disconnect: the next tick stops the refresh quietly.
    h.main->session().setConnection(ConnectionState::Disconnected);
    h.sim.clearReceived();
    QTRY_VERIFY(!h.timer()->isActive());
    QVERIFY(!h.ticked("chkautoupdate") && h.commands().isEmpty() && h.dialogs.shown().isEmpty());
}

void TestPlayers::autoKick_data() {
    QTest::addColumn<int>("checks");
    // Each step: how the list is read (a refresh tick, a Populate "click", a tick with the
    // option switched "off" or back "on" first), the players by letter (upper case at 999,
    // lower case answering) and, after ">", those kicked.
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("at once") << 1 << QStringList{"Ac>A"};
    QTest::newRow("on the third refresh in a row") << 3 << QStringList{"Ac", "Ac", "Ac>A"};
    // Alpha recovers and Delta leaves: Bravo moves up the watch, keeping his own count.
    QTest::newRow("recoveries and leavers")
        << 3 << QStringList{"ABcD", "aBc", "ABc>B", "Ac", "Ac>A"};
    // During a map change every player reads 999 for a while: counts hold, nobody is added.
    QTest::newRow("map change") << 2 << QStringList{"click Ac", "click Ac", "ABC", "ABC", "AbC>A"};
    QTest::newRow("one player alone at 999") << 2 << QStringList{"A", "A>A"};
    QTest::newRow("same name in another slot") << 2 << QStringList{"Bx", "Bx>B"};
    QTest::newRow("populates count, only a tick kicks")
        << 2 << QStringList{"click ABc", "click ABc", "ABc>AB"};
    QTest::newRow("option switched off since")
        << 2 << QStringList{"click ABc", "click ABc", "off ABc", "on ABc"};
    // Bravo leaves as Alpha recovers and a newcomer takes the slot: that slot is not kicked.
    QTest::newRow("a leaver behind a recovery")
        << 2 << QStringList{"click ABc", "click ABc", "anc", "ABc"};
}

void TestPlayers::autoKick() {
    QFETCH(int, checks);
    QFETCH(QStringList, steps);
    const QString letters = "ABCDNX";
    const QList<int> slotOf = {3, 7, 9, 11, 7, 12};
    const QStringList names = {"^1Alpha", "Bravo", "Charlie", "Delta", "Newcomer", "Bravo"};
    Fixture h;
    h.options().autokick999 = h.options().autoqplayer = true;
    h.options().autokick999int = qint16(checks);
    h.connectDirect();
    QStringList log;
    for (const QString& step : steps) {
        const QString how = step.section(u' ', 0, -2), kicked = step.section(u'>', 1);
        QList<SimPlayer> players;
        QStringList expected = {"status"}, left;
        for (const QChar c : step.section(u' ', -1).section(u'>', 0, 0)) {
            const int k = int(letters.indexOf(c.toUpper()));
            const bool kick = kicked.contains(c);
            players << player(slotOf[k], names[k], c.isUpper() ? "999" : "60");
            (kick ? expected : left) << (kick ? "clientkick " : "") + QString::number(slotOf[k]);
            if (kick)
                log << "Player Auto Kicked for 999 ping [" + QString(names[k]).remove("^1") + "]";
        }
        h.sim.setPlayers(players);
        h.sim.clearReceived();
        if (how == u"off" || how == u"on")
            h.options().autokick999 = how == u"on";
        how == u"click" ? h.press("cmdplypop") : h.page()->refreshTick();
        QVERIFY(h.settle());
        QCOMPARE(h.commands(), expected);
        QCOMPARE(h.column(col::Num), left);
        verifyPaced(h);
    }
    QCOMPARE(logOldestFirst(h), log);
    QVERIFY(h.dialogs.shown().isEmpty());
}

void TestPlayers::exportToCsv() {
    Fixture h;
    const QString file = h.path("playerlist.csv");
    const QString question = "Save list | Append current list of players and GUIDs to "
                             "playerlist.csv | Question | OkCancel";
    const QString header = "\"Date/Time\",\"Server IP:Port\",\"Player IP\",\"Player GUID\","
                           "\"Player Name\"\r\n";
    // The file's text, each well-formed time stamp read as T and the server as S.
    const auto csv = [&h, &file] {
        QFile f(file);
        const QRegularExpression stamp("\"\\d\\d-[A-Z][a-z]{2}-\\d{4} \\d\\d:\\d\\d\"");
        const QString server = "\"127.0.0.1:" + QString::number(h.sim.port()) + u'"';
        return f.open(QIODevice::ReadOnly)
                   ? QString::fromLatin1(f.readAll()).replace(stamp, "T").replace(server, "S")
                   : QString();
    };
    // Cancelled: no file. An empty list still starts the file with its header.
    h.dialogs.setNextAnswer(Dialogs::Answer::Cancel);
    QVERIFY(h.click("cmdsavenames") && !QFile::exists(file) && h.click("cmdsavenames"));
    QCOMPARE(csv(), header);
    QCOMPARE(boxesShown(h), (QStringList{question, question,
                                         "Players saved | Players appended | Information | Ok"}));
    // Two exports; a name outside ASCII is written in the server's code page.
    h.sim.setPlayers({player(0, "^1Red^7Baron"), player(1, "J\u00fcrgen M\u00fcller")});
    h.tick("chkremcol", true);
    h.connectDirect();
    QVERIFY(h.click("cmdplypop") && h.click("cmdsavenames") && h.click("cmdsavenames"));
    const QString rows = "T,S,\"192.0.2.1:28960\",\"400000\",\"RedBaron\"\r\n"
                         "T,S,\"192.0.2.2:28960\",\"400001\",\"J\u00fcrgen M\u00fcller\"\r\n";
    QCOMPARE(csv(), header + rows + rows);
    // Query Mode lists the newest on top and knows no address or identifier.
    h.tick("chkplyq", true);
    QVERIFY(QFile::remove(file) && h.click("cmdplypop") && h.click("cmdsavenames"));
    QCOMPARE(csv(), header + "T,S,\"J\u00fcrgen M\u00fcller\"\r\nT,S,\"RedBaron\"\r\n");
    // A file that cannot be written is reported, not claimed as saved.
    QVERIFY(QFile::remove(file) && QDir(h.dir()).mkdir("playerlist.csv"));
    h.dialogs.clear();
    QVERIFY(h.click("cmdsavenames"));
    QCOMPARE(boxesShown(h).replaceInStrings(QRegularExpression("\r[^|]*"), "\r(error) "),
             (QStringList{question, "Save list | Could not append to playerlist.csv\r(error) | "
                                    "Exclamation | Ok"}));
}

// A server that prints no guid, lastmsg or qport: the list, the grid's empty columns and the
// 999 auto-kick by slot.
void TestPlayers::ioquake3Server() {
    Fixture h;
    h.sim.setEngine(SimServer::Engine::Ioquake3);
    QList<SimPlayer> bots;
    for (const char* name : {"Angelyss", "^1Red^7Sarge", "Kyonshi", "Cyber Garg"})
        bots << SimPlayer{
            int(bots.size()), int(bots.size()) * 3, "5", "", name, 0, "bot", 0, 16384};
    bots[2].ping = "999";
    h.sim.setPlayers(bots);
    h.options().autokick999 = true;
    h.options().autokick999int = 1;
    h.tick("chkremcol", false);
    h.connectDirect();
    h.page()->refreshTick();
    QVERIFY(h.settle());
    QCOMPARE(h.commands(), (QStringList{"status", "clientkick 2"}));
    QCOMPARE(h.messageLog(), QStringList{"Player Auto Kicked for 999 ping [Kyonshi]"});
    QCOMPARE(h.column(col::Num), (QStringList{"0", "1", "3"}));
    QCOMPARE(h.column(col::Player), (QStringList{"Angelyss", "^1Red^7Sarge", "Cyber Garg"}));
    QCOMPARE(h.column(col::Score), (QStringList{"0", "3", "9"}));
    QCOMPARE(h.column(col::Ping), QStringList(3, "5"));
    QCOMPARE(h.column(col::Address), QStringList(3, "bot"));
    for (const int empty : {col::Guid, col::Qport})
        QCOMPARE(h.column(empty), QStringList(3, ""));
    QVERIFY(h.dialogs.shown().isEmpty());
}

QTEST_MAIN(TestPlayers)
#include "tst_players.moc"
