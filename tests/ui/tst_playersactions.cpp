#include "../players/PlayerFixtures.h"
#include "players/PlayerColumns.h"

#include <QTest>

using namespace players_fixture;
namespace col = playercol;

namespace {

void click(const Harness& h, const QString& button) {
    h.find<QPushButton>(button)->click();
}

// Connects, lists the players and selects the one in the given slot.
void listAndSelect(Harness& h, const QList<SimPlayer>& players, int num) {
    h.sim.setPlayers(players);
    h.connectDirect();
    populate(h);
    grid(h)->selectRow(int(column(h, col::Num).indexOf(QString::number(num))));
    h.sim.clearReceived();
}

} // namespace

class TestPlayersActions : public QObject {
    Q_OBJECT
private slots:
    void refusals();
    void removals_data();
    void removals();
    void kickingTheOnlyPlayer();
    void banReportsRowGoneDuringTheSend_data();
    void banReportsRowGoneDuringTheSend();
    void privateMessage();
};

// The three removals test the selection first, the private message tests Query Mode first.
void TestPlayersActions::refusals() {
    const struct {
        const char* button;
        bool query, selected;
        const char *text, *title;
    } refusals[] = {
        {"cmdplykick", true, false, "Select a player from the list to Kick first", "No player"},
        {"cmdplykick", true, true, "Only Kick with Rcon access, not in Query Mode",
         "Need Rcon Access"},
        {"cmdplyban", true, false, "Select a player from the list to Ban first", "No player"},
        {"cmdplyban", true, true, "Only Ban with Rcon access, not in Query Mode",
         "Need Rcon Access"},
        {"cmdtempban", true, false, "Select a player from the list to temporary Ban first",
         "No player"},
        {"cmdtempban", true, true, "Only Temp Ban with Rcon access, not in Query Mode",
         "Need Rcon Access"},
        {"cmdplymessage", true, false,
         "Can only send message to an individual with the RCON access\n"
         "Populate players without Query Mode ticked",
         "Need Player ID"},
        {"cmdplymessage", false, false, "Select a player from the list to send private to",
         "No player"},
    };
    Harness h;
    h.connectDirect();
    populate(h);
    h.sim.clearReceived();
    for (const auto& r : refusals) {
        tick(h, "chkplyq", r.query);
        grid(h)->clearSelection();
        if (r.selected)
            grid(h)->selectRow(1);
        h.dialogs.clear();
        click(h, QLatin1String(r.button));
        QCOMPARE(h.dialogs.messages().size(), 1);
        QCOMPARE(h.dialogs.messages().first().text, QLatin1String(r.text));
        QCOMPARE(h.dialogs.messages().first().title, QLatin1String(r.title));
        // Only the private message's Query Mode refusal is a warning.
        QCOMPARE(h.dialogs.messages().first().icon, r.title == QByteArray("Need Player ID")
                                                        ? Dialogs::Icon::Exclamation
                                                        : Dialogs::Icon::Information);
    }
    QCOMPARE(h.commands(), QStringList());
    QCOMPARE(h.messageLog(), QStringList());
    QCOMPARE(grid(h)->rowCount(), 3);
}

void TestPlayersActions::removals_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("removeColours");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("log");
    const auto row = [](const char* tag, const char* button, bool removeColours,
                        const char* command, const char* log) {
        QTest::newRow(tag) << QString(button) << removeColours << QString(command) << QString(log);
    };
    row("kick", "cmdplykick", true, "clientkick 7", "Player Kicked >Red Baron<");
    row("kick, colours shown", "cmdplykick", false, "clientkick 7",
        "Player Kicked >^1Red ^7Baron<");
    row("ban", "cmdplyban", true, "banclient 7", "Player banned and kicked [Red Baron]");
    row("temp ban", "cmdtempban", false, "tempbanclient 7",
        "Player temporary banned and kicked [^1Red ^7Baron]");
}

void TestPlayersActions::removals() {
    QFETCH(QString, button);
    QFETCH(bool, removeColours);
    QFETCH(QString, command);
    QFETCH(QString, log);

    Harness h;
    tick(h, "chkremcol", removeColours);
    listAndSelect(h, {player(2, "Ace"), player(7, "^1Red ^7Baron"), player(9, "Cat")}, 7);
    click(h, button);

    QCOMPARE(h.commands(), QStringList{command});
    QCOMPARE(h.messageLog(), QStringList{log});
    QCOMPARE(column(h, col::Num), (QStringList{"2", "9"}));
    QCOMPARE(titles(h), QStringList());
    // Not quiet: the command and the server's answer are in the RCON pane.
    QVERIFY(h.rconText().contains(command));
    QVERIFY(h.rconText().contains(QLatin1String("Baron^7 was")));
    // The next action needs a new choice.
    QCOMPARE(grid(h)->selectionModel()->selectedRows().size(), 0);
}

void TestPlayersActions::kickingTheOnlyPlayer() {
    Harness h;
    listAndSelect(h, {player(4, "Solo")}, 4);
    // With the link down nothing reaches the server, so nothing is claimed in the log and the
    // player stays listed.
    h.main->session().channel().close();
    click(h, "cmdplyban");
    QCOMPARE(titles(h), QStringList{"Not connected"});
    QCOMPARE(h.commands(), QStringList());
    QCOMPARE(h.messageLog(), QStringList());
    QCOMPARE(grid(h)->rowCount(), 1);

    h.connectDirect();
    click(h, "cmdplykick");
    QCOMPARE(h.commands(), QStringList{"clientkick 4"});
    QCOMPARE(grid(h)->rowCount(), 0);
}

void TestPlayersActions::banReportsRowGoneDuringTheSend_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::newRow("ban") << QString("cmdplyban") << QString("banclient 2")
                         << QString("Error in BAN Routine\rError code 1 Descr: %1\r"
                                    "Section Remove Grid\rPlayer Row 2\r")
                         << QString("BanUser Error");
    QTest::newRow("temp ban") << QString("cmdtempban") << QString("tempbanclient 2")
                              << QString("Error in TempBan Routines\rError code 1 Descr: %1\r"
                                         "Section Grid remove\rPlayer Row 2\r")
                              << QString("TempBan Error");
}

// Events run while the command waits for its answer; the operator re-populates in that
// time, so the row acted on is gone when it is to be removed.
void TestPlayersActions::banReportsRowGoneDuringTheSend() {
    QFETCH(QString, button);
    QFETCH(QString, command);
    QFETCH(QString, text);
    QFETCH(QString, title);

    Harness h;
    listAndSelect(h, {player(1, "Ace"), player(2, "Bee"), player(3, "Cat")}, 2);
    h.sim.setReplyDelayMs(Harness::kSecondMs);
    QTimer::singleShot(0, h.main.get(), [&h] { populate(h); });
    click(h, button);

    const QList<ScriptedDialogs::Shown> boxes = h.dialogs.messages();
    QVERIFY(!boxes.isEmpty());
    QCOMPARE(boxes.last().title, title);
    QCOMPARE(boxes.last().icon, Dialogs::Icon::Exclamation);
    QCOMPARE(boxes.last().text,
             text.arg(QStringLiteral("The player's row left the list while the command was sent")));
    QVERIFY(h.commands().contains(command));
    QCOMPARE(h.messageLog().size(), 1);
    // The list the operator asked for stands untouched.
    QCOMPARE(column(h, col::Player), (QStringList{"Ace", "Cat"}));
}

void TestPlayersActions::privateMessage() {
    Harness h;
    listAndSelect(h, {player(1, "Bee"), player(4, "^1Ace")}, 4);
    // Cancelled: nothing sent, nothing logged.
    h.dialogs.setNextInput(QString());
    click(h, "cmdplymessage");
    QCOMPARE(h.commands(), QStringList());
    QCOMPARE(h.messageLog(), QStringList());

    // The placeholder in any letter case; the name always without colours.
    h.dialogs.setNextInput(QStringLiteral("%p% stop camping"));
    click(h, "cmdplymessage");
    const ScriptedDialogs::Shown& box = h.dialogs.shown().last();
    QCOMPARE(box.kind, ScriptedDialogs::Kind::Input);
    QCOMPARE(box.text, QStringLiteral("Enter message to send selected player\n"
                                      "( Note: Use %P% to auto full playername)"));
    QCOMPARE(box.title, QStringLiteral("Enter Message"));
    QCOMPARE(box.defaultText, QStringLiteral("You are on a last warning %P%"));
    QCOMPARE(h.commands(), QStringList{"tell 4 Ace stop camping"});
    QCOMPARE(h.messageLog(), QStringList{"Private message to [Ace]: Ace stop camping"});
    QCOMPARE(grid(h)->rowCount(), 2);
}

QTEST_MAIN(TestPlayersActions)
#include "tst_playersactions.moc"
