#include "../players/PlayerFixtures.h"
#include "players/PlayerColumns.h"

#include <QTest>

using namespace players_fixture;
namespace col = playercol;

namespace {

void click(const Harness& h, const QString& button) {
    h.find<QPushButton>(button)->click();
}

// The grid row of the player in the given slot, or -1.
int rowOfSlot(const Harness& h, int num) {
    return int(column(h, col::Num).indexOf(QString::number(num)));
}

} // namespace

class TestPlayersActions : public QObject {
    Q_OBJECT
private slots:
    void refusals_data();
    void refusals();
    void removals_data();
    void removals();
    void kickingTheOnlyPlayer();
    void nothingSentNothingLogged();
    void unansweredCommandStillLogs();
    void banReportsRowGoneDuringTheSend_data();
    void banReportsRowGoneDuringTheSend();
    void privateMessage_data();
    void privateMessage();
    void cancelledMessageSendsNothing();
};

void TestPlayersActions::refusals_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("queryMode");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("icon");
    const int info = int(Dialogs::Icon::Information);
    const int excl = int(Dialogs::Icon::Exclamation);
    const QString kickNone = QStringLiteral("Select a player from the list to Kick first");
    const QString banNone = QStringLiteral("Select a player from the list to Ban first");
    const QString tempNone = QStringLiteral("Select a player from the list to temporary Ban first");
    const QString msgQuery =
        QStringLiteral("Can only send message to an individual with the RCON access\n"
                       "Populate players without Query Mode ticked");
    // The three removals test the selection first, the message tests Query Mode first.
    QTest::newRow("kick, none") << "cmdplykick" << false << false << kickNone << "No player"
                                << info;
    QTest::newRow("kick, none, query")
        << "cmdplykick" << true << false << kickNone << "No player" << info;
    QTest::newRow("kick, query") << "cmdplykick" << true << true
                                 << "Only Kick with Rcon access, not in Query Mode"
                                 << "Need Rcon Access" << info;
    QTest::newRow("ban, none, query")
        << "cmdplyban" << true << false << banNone << "No player" << info;
    QTest::newRow("ban, query") << "cmdplyban" << true << true
                                << "Only Ban with Rcon access, not in Query Mode"
                                << "Need Rcon Access" << info;
    QTest::newRow("temp ban, none, query")
        << "cmdtempban" << true << false << tempNone << "No player" << info;
    QTest::newRow("temp ban, query")
        << "cmdtempban" << true << true << "Only Temp Ban with Rcon access, not in Query Mode"
        << "Need Rcon Access" << info;
    QTest::newRow("message, none")
        << "cmdplymessage" << false << false << "Select a player from the list to send private to"
        << "No player" << info;
    QTest::newRow("message, none, query")
        << "cmdplymessage" << true << false << msgQuery << "Need Player ID" << excl;
    QTest::newRow("message, query")
        << "cmdplymessage" << true << true << msgQuery << "Need Player ID" << excl;
}

void TestPlayersActions::refusals() {
    QFETCH(QString, button);
    QFETCH(bool, queryMode);
    QFETCH(bool, selected);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QFETCH(int, icon);

    Harness h;
    tick(h, "chkplyq", queryMode);
    h.connectDirect();
    populate(h);
    QCOMPARE(grid(h)->rowCount(), 3);
    if (selected)
        grid(h)->selectRow(1);
    h.sim.clearReceived();
    h.dialogs.clear();
    click(h, button);

    QCOMPARE(h.dialogs.messages().size(), 1);
    QCOMPARE(h.dialogs.messages().first().text, text);
    QCOMPARE(h.dialogs.messages().first().title, title);
    QCOMPARE(int(h.dialogs.messages().first().icon), icon);
    QCOMPARE(h.commands(), QStringList());
    QCOMPARE(h.messageLog(), QStringList());
    QCOMPARE(grid(h)->rowCount(), 3);
}

void TestPlayersActions::removals_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("removeColours");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("log");
    QTest::newRow("kick") << "cmdplykick" << true << "clientkick 7"
                          << "Player Kicked >Red Baron<";
    QTest::newRow("kick, colours shown") << "cmdplykick" << false << "clientkick 7"
                                         << "Player Kicked >^1Red ^7Baron<";
    QTest::newRow("ban") << "cmdplyban" << true << "banclient 7"
                         << "Player banned and kicked [Red Baron]";
    QTest::newRow("temp ban") << "cmdtempban" << false << "tempbanclient 7"
                              << "Player temporary banned and kicked [^1Red ^7Baron]";
}

void TestPlayersActions::removals() {
    QFETCH(QString, button);
    QFETCH(bool, removeColours);
    QFETCH(QString, command);
    QFETCH(QString, log);

    Harness h;
    h.sim.setPlayers({player(2, "Ace"), player(7, "^1Red ^7Baron"), player(9, "Cat")});
    tick(h, "chkremcol", removeColours);
    h.connectDirect();
    populate(h);
    grid(h)->selectRow(rowOfSlot(h, 7));
    h.sim.clearReceived();
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
    h.sim.setPlayers({player(4, "Solo")});
    h.connectDirect();
    populate(h);
    grid(h)->selectRow(0);
    click(h, "cmdplykick");
    QCOMPARE(h.commands(), (QStringList{"status", "clientkick 4"}));
    QCOMPARE(grid(h)->rowCount(), 0);
}

// The link went down after the list was read: nothing reached the server, so nothing is
// claimed in the log and the player stays listed.
void TestPlayersActions::nothingSentNothingLogged() {
    Harness h;
    h.connectDirect();
    populate(h);
    grid(h)->selectRow(0);
    h.main->session().channel().close();
    h.sim.clearReceived();
    click(h, "cmdplyban");
    QCOMPARE(titles(h), QStringList{"Not connected"});
    QCOMPARE(h.commands(), QStringList());
    QCOMPARE(h.messageLog(), QStringList());
    QCOMPARE(grid(h)->rowCount(), 3);
}

// The command went out; whether the server ran it is unknown, and the list follows the
// operator's intent.
void TestPlayersActions::unansweredCommandStillLogs() {
    Harness h;
    h.sim.setPlayers({player(1, "Ace"), player(2, "Bee")});
    h.connectDirect();
    populate(h);
    grid(h)->selectRow(0);
    h.sim.dropNextReplies(5);
    click(h, "cmdplykick");
    QCOMPARE(titles(h), QStringList{"No response"});
    QCOMPARE(h.messageLog(), QStringList{"Player Kicked >Ace<"});
    QCOMPARE(column(h, col::Player), QStringList{"Bee"});
}

void TestPlayersActions::banReportsRowGoneDuringTheSend_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::newRow("ban") << "cmdplyban"
                         << "Error in BAN Routine\rError code 1 Descr: %1\r"
                            "Section Remove Grid\rPlayer Row 2\r"
                         << "BanUser Error";
    QTest::newRow("temp ban") << "cmdtempban"
                              << "Error in TempBan Routines\rError code 1 Descr: %1\r"
                                 "Section Grid remove\rPlayer Row 2\r"
                              << "TempBan Error";
}

// Events run while the command waits for its answer; the operator re-populates in that
// time, so the row acted on is gone when it is to be removed.
void TestPlayersActions::banReportsRowGoneDuringTheSend() {
    QFETCH(QString, button);
    QFETCH(QString, text);
    QFETCH(QString, title);

    Harness h;
    h.sim.setPlayers({player(1, "Ace"), player(2, "Bee"), player(3, "Cat")});
    h.connectDirect();
    populate(h);
    grid(h)->selectRow(1);
    h.sim.setReplyDelayMs(Harness::kSecondMs);
    QTimer::singleShot(0, h.main.get(), [&h] { populate(h); });
    click(h, button);

    const QList<ScriptedDialogs::Shown> boxes = h.dialogs.messages();
    QVERIFY(!boxes.isEmpty());
    QCOMPARE(boxes.last().title, title);
    QCOMPARE(boxes.last().icon, Dialogs::Icon::Exclamation);
    QCOMPARE(boxes.last().text,
             text.arg(QStringLiteral("The player's row left the list while the command was sent")));
    QVERIFY(h.commands().contains(button == u"cmdplyban" ? QStringLiteral("banclient 2")
                                                         : QStringLiteral("tempbanclient 2")));
    QCOMPARE(h.messageLog().size(), 1);
    // The list the operator asked for stands untouched.
    QCOMPARE(column(h, col::Player), (QStringList{"Ace", "Cat"}));
}

void TestPlayersActions::privateMessage_data() {
    QTest::addColumn<bool>("removeColours");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("sent");
    QTest::newRow("lower-case placeholder, colours shown") << false << "%p% stop camping"
                                                           << "Ace stop camping";
    QTest::newRow("lower-case placeholder, colours removed") << true << "%p% stop camping"
                                                             << "Ace stop camping";
    QTest::newRow("two placeholders") << false << "%P% and %P%"
                                      << "Ace and %P%";
    QTest::newRow("default text") << true << QString() << "You are on a last warning Ace";
}

void TestPlayersActions::privateMessage() {
    QFETCH(bool, removeColours);
    QFETCH(QString, typed);
    QFETCH(QString, sent);

    Harness h;
    h.sim.setPlayers({player(1, "Bee"), player(4, "^1Ace")});
    tick(h, "chkremcol", removeColours);
    h.connectDirect();
    populate(h);
    grid(h)->selectRow(rowOfSlot(h, 4));
    h.sim.clearReceived();
    if (!typed.isNull())
        h.dialogs.setNextInput(typed);
    click(h, "cmdplymessage");

    const ScriptedDialogs::Shown& box = h.dialogs.shown().last();
    QCOMPARE(box.kind, ScriptedDialogs::Kind::Input);
    QCOMPARE(box.text, QStringLiteral("Enter message to send selected player\n"
                                      "( Note: Use %P% to auto full playername)"));
    QCOMPARE(box.title, QStringLiteral("Enter Message"));
    QCOMPARE(box.defaultText, QStringLiteral("You are on a last warning %P%"));
    QCOMPARE(h.commands(), QStringList{"tell 4 " + sent});
    QCOMPARE(h.messageLog(), QStringList{"Private message to [Ace]: " + sent});
    QCOMPARE(grid(h)->rowCount(), 2);
}

void TestPlayersActions::cancelledMessageSendsNothing() {
    Harness h;
    h.connectDirect();
    populate(h);
    grid(h)->selectRow(0);
    h.sim.clearReceived();
    h.dialogs.setNextInput(QString());
    click(h, "cmdplymessage");
    QCOMPARE(h.commands(), QStringList());
    QCOMPARE(h.messageLog(), QStringList());
}

QTEST_MAIN(TestPlayersActions)
#include "tst_playersactions.moc"
