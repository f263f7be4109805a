#include "support/Harness.h"

#include "ui/BoundControls.h"
#include "ui/ProgressNotice.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

// The "Weapons" page against the simulated server: read-out, send of changed boxes, the two
// presets and the select buttons, with the exact commands on the wire.
class TestWeapons : public QObject {
    Q_OBJECT
private slots:
    void populateReadsBoxesAndSendAfterItSendsNothing();
    void tickedBoxSendsOneQuotedCommand();
    void selectAllOnAllowedServerSendsNothing();
    void deselectAllSendsEveryBoxInTableOrder();
    void riflesOnlySendsAllSeventeen();
    void noSnipersOnFreshPageSendsNothingButLogs();
    void noSnipersAfterPopulateSendsTheThree();
    void firstOccurrenceInTheListingWins();
    void greyedOnlyFromTheServer();
    void unusableValueStopsPopulate_data();
    void unusableValueStopsPopulate();
    void unansweredListingChangesNothing();
    void cancelChangesNothing_data();
    void cancelChangesNothing();
    void populateWithoutConnection();
    void sendWithoutConnectionKeepsMarks();
    void busyDuringPopulateAndSendOnly();
    void progressNamesEachGroup();
    void labelsNameTheVariables();
};

namespace {

const QStringList kBoxes{
    "chkm1a1carbine", "chkm1garand",     "chkthompson",     "chkbar",  "chkspringfield", "chkppsh",
    "chknagant",      "chknagantsniper", "chkenfield",      "chksten", "chkbren",        "chkmp40",
    "chkmp44",        "chkkar98k",       "chkkar98ksniper", "chkfg42", "chkpanz"};

QCheckBox* box(Harness& h, const QString& name) {
    auto* found = h.find<QCheckBox>(name);
    if (!found)
        qFatal("no check box %s", qPrintable(name));
    return found;
}

int stateOf(Harness& h, const QString& name) {
    return BoundControl::of(box(h, name))->state();
}

bool marked(Harness& h, const QString& name) {
    return BoundControl::of(box(h, name))->isChanged();
}

void click(Harness& h, const QString& button) {
    h.find<QPushButton>(button)->click();
}

// A listing line as the server prints it: flag column, name, value in double quotes.
QByteArray line(const char* name, const char* value) {
    return QByteArray("        ") + name + " \"" + value + "\"\n";
}

QByteArray listingEnd() {
    return "\n120 total cvars\n120 cvar indexes\n";
}

// Every base-game weapon off except the ones given.
void allowOnly(Harness& h, const QStringList& on) {
    for (const QString& name : kBoxes) {
        const QString tag = box(h, name)->property("tag").toString();
        h.sim.setCvar(tag, on.contains(name) ? QStringLiteral("1") : QStringLiteral("0"));
    }
}

} // namespace

void TestWeapons::populateReadsBoxesAndSendAfterItSendsNothing() {
    Harness h;
    h.connectDirect();
    allowOnly(h, {"chkm1garand", "chkkar98k", "chkpanz"});
    click(h, "cmdpopwep");

    QCOMPARE(h.commands(), QStringList{"cvarlist scr_allow_*"});
    for (const QString& name : kBoxes) {
        const int expected = h.sim.cvar(box(h, name)->property("tag").toString()).toInt();
        QCOMPARE(stateOf(h, name), expected);
        QVERIFY(!marked(h, name));
    }
    QVERIFY(h.dialogs.messages().isEmpty());
    // The listing was collected quietly and the flags are down again.
    QVERIFY(!h.rconText().contains("scr_allow_mp40"));
    QVERIFY(!h.main->session().state().collectquiet);
    QVERIFY(!h.main->session().state().busy);
    QVERIFY(h.main->progressNotice()->text().isEmpty());

    click(h, "cmdwepsetserv");
    QCOMPARE(h.commands(), QStringList{"cvarlist scr_allow_*"});
    QVERIFY(h.messageLog().isEmpty());
    QCOMPARE(h.dialogs.messages().size(), 1);
    const ScriptedDialogs::Shown question = h.dialogs.messages().at(0);
    QCOMPARE(question.text, "Send weapon settings to server?\rOnly changed values will be sent.");
    QCOMPARE(question.title, "Send to Server?");
    QCOMPARE(question.icon, Dialogs::Icon::Information);
    QCOMPARE(question.buttons, Dialogs::Buttons::OkCancel);
}

void TestWeapons::tickedBoxSendsOneQuotedCommand() {
    Harness h;
    h.connectDirect();
    h.sim.setCvar("scr_allow_mp40", "0");
    click(h, "cmdpopwep");
    QCOMPARE(stateOf(h, "chkmp40"), 0);
    h.sim.clearReceived();

    box(h, "chkmp40")->click();
    QVERIFY(marked(h, "chkmp40"));
    click(h, "cmdwepsetserv");

    QCOMPARE(h.commands(), QStringList{"scr_allow_mp40\"1\""});
    QCOMPARE(h.sim.cvar("scr_allow_mp40"), "1");
    QCOMPARE(h.messageLog(), QStringList{"MP40 updated."});
    QVERIFY(h.rconText().contains(QChar(0x18) + QString("scr_allow_mp40\"1\"") + QChar(0x18)));
    QVERIFY(!marked(h, "chkmp40"));

    // Sent once, the box is no longer changed.
    click(h, "cmdwepsetserv");
    QCOMPARE(h.commands().size(), 1);
}

void TestWeapons::selectAllOnAllowedServerSendsNothing() {
    Harness h;
    h.connectDirect();
    click(h, "cmdpopwep");
    click(h, "cmdwepselall");
    for (const QString& name : kBoxes)
        QCOMPARE(stateOf(h, name), 1);
    click(h, "cmdwepsetserv");
    QCOMPARE(h.commands(), QStringList{"cvarlist scr_allow_*"});
    QVERIFY(h.messageLog().isEmpty());
}

void TestWeapons::deselectAllSendsEveryBoxInTableOrder() {
    Harness h;
    h.connectDirect();
    click(h, "cmdpopwep");
    h.sim.clearReceived();
    click(h, "cmdwepunselall");
    QVERIFY(h.commands().isEmpty()); // the select buttons send nothing themselves
    click(h, "cmdwepsetserv");

    const QStringList expected{
        "scr_allow_m1carbine\"0\"", "scr_allow_m1garand\"0\"",     "scr_allow_thompson\"0\"",
        "scr_allow_bar\"0\"",       "scr_allow_springfield\"0\"",  "scr_allow_ppsh\"0\"",
        "scr_allow_nagant\"0\"",    "scr_allow_nagantsniper\"0\"", "scr_allow_enfield\"0\"",
        "scr_allow_sten\"0\"",      "scr_allow_bren\"0\"",         "scr_allow_mp40\"0\"",
        "scr_allow_mp44\"0\"",      "scr_allow_kar98k\"0\"",       "scr_allow_kar98ksniper\"0\"",
        "scr_allow_fg42\"0\"",      "scr_allow_panzerfaust\"0\""};
    QCOMPARE(h.commands(), expected);
    const QStringList log = h.messageLog();
    QCOMPARE(log.size(), 17);
    QCOMPARE(log.last(), "M1a1 Carbine updated.");
    QCOMPARE(log.at(log.size() - 8), "Scoped Nagant updated.");
    QCOMPARE(log.first(), "Panzerfaust updated.");
    QCOMPARE(h.sim.cvar("scr_allow_bren"), "0");
}

void TestWeapons::riflesOnlySendsAllSeventeen() {
    Harness h;
    h.connectDirect();
    const QStringList expected{
        "scr_allow_m1carbine\"0\"", "scr_allow_m1garand\"1\"",     "scr_allow_thompson\"0\"",
        "scr_allow_bar\"0\"",       "scr_allow_springfield\"0\"",  "scr_allow_ppsh\"0\"",
        "scr_allow_nagant\"1\"",    "scr_allow_nagantsniper\"0\"", "scr_allow_enfield\"1\"",
        "scr_allow_sten\"0\"",      "scr_allow_bren\"0\"",         "scr_allow_mp40\"0\"",
        "scr_allow_mp44\"0\"",      "scr_allow_kar98k\"1\"",       "scr_allow_kar98ksniper\"0\"",
        "scr_allow_fg42\"0\"",      "scr_allow_panzerfaust\"0\""};

    click(h, "cmdriflesonly");
    QCOMPARE(h.dialogs.messages().at(0).title, "Rifles only?");
    QCOMPARE(h.dialogs.messages().at(0).text,
             "Set weapons to rifles only on server?\rScreen will reflect changes");
    QCOMPARE(h.commands(), expected);
    QCOMPARE(h.messageLog(), QStringList{"Server set to rifles only"});
    QCOMPARE(stateOf(h, "chkenfield"), 1);
    QCOMPARE(stateOf(h, "chkthompson"), 0);
    for (const QString& name : kBoxes)
        QVERIFY(!marked(h, name));

    // Again, with every box already in that state: all seventeen go out once more.
    h.sim.clearReceived();
    click(h, "cmdriflesonly");
    QCOMPARE(h.commands(), expected);
    QCOMPARE(h.messageLog().size(), 2);
}

void TestWeapons::noSnipersOnFreshPageSendsNothingButLogs() {
    Harness h;
    h.connectDirect();
    click(h, "cmdnosnipers");
    const ScriptedDialogs::Shown question = h.dialogs.messages().at(0);
    QCOMPARE(question.text, "Disable snipers on server");
    QCOMPARE(question.title, "No Snipers");
    QCOMPARE(question.icon, Dialogs::Icon::Question);
    QCOMPARE(question.buttons, Dialogs::Buttons::OkCancel);
    QVERIFY(h.commands().isEmpty());
    QCOMPARE(h.messageLog(), QStringList{"No snipers set on server."});
}

void TestWeapons::noSnipersAfterPopulateSendsTheThree() {
    Harness h;
    h.connectDirect();
    click(h, "cmdpopwep");
    h.sim.clearReceived();
    click(h, "cmdnosnipers");
    QCOMPARE(h.commands(), (QStringList{"scr_allow_springfield\"0\"", "scr_allow_nagantsniper\"0\"",
                                        "scr_allow_kar98ksniper\"0\""}));
    QCOMPARE(h.messageLog(), QStringList{"No snipers set on server."});
    QCOMPARE(stateOf(h, "chkkar98k"), 1);
    QVERIFY(!marked(h, "chkspringfield"));
}

void TestWeapons::firstOccurrenceInTheListingWins() {
    Harness h;
    h.connectDirect();
    h.sim.setReplyOverride("cvarlist scr_allow_*",
                           line("scr_allow_m1carbine", "1") + line("scr_allow_m1garand", "1") +
                               line("scr_allow_thompson", "1") + line("scr_allow_bar", "1") +
                               line("scr_allow_springfield", "1") + line("scr_allow_ppsh", "1") +
                               line("scr_allow_nagantsniper", "0") + line("scr_allow_nagant", "1") +
                               line("scr_allow_enfield", "1") + line("scr_allow_sten", "1") +
                               line("scr_allow_bren", "1") + line("scr_allow_mp40", "1") +
                               line("scr_allow_mp44", "1") + line("scr_allow_kar98ksniper", "0") +
                               line("scr_allow_kar98k", "1") + line("scr_allow_fg42", "1") +
                               line("scr_allow_panzerfaust", "1") + listingEnd());
    click(h, "cmdpopwep");
    QVERIFY(h.dialogs.messages().isEmpty());
    // The lookup of a name finds it inside the longer sniper name first.
    QCOMPARE(stateOf(h, "chkkar98k"), 0);
    QCOMPARE(stateOf(h, "chknagant"), 0);
    QCOMPARE(stateOf(h, "chkkar98ksniper"), 0);
    QCOMPARE(stateOf(h, "chkfg42"), 1);
}

void TestWeapons::greyedOnlyFromTheServer() {
    Harness h;
    h.connectDirect();
    h.sim.setCvar("scr_allow_mp44", "2");
    click(h, "cmdpopwep");
    QCOMPARE(box(h, "chkmp44")->checkState(), Qt::PartiallyChecked);
    QCOMPARE(stateOf(h, "chkmp44"), 2);
    QVERIFY(!marked(h, "chkmp44"));
    click(h, "cmdwepsetserv");
    QCOMPARE(h.commands(), QStringList{"cvarlist scr_allow_*"});

    // A click only moves between ticked and unticked.
    QList<Qt::CheckState> seen;
    for (int i = 0; i < 4; ++i) {
        box(h, "chkmp44")->click();
        seen << box(h, "chkmp44")->checkState();
    }
    QCOMPARE(seen, (QList<Qt::CheckState>{Qt::Checked, Qt::Unchecked, Qt::Checked, Qt::Unchecked}));
}

void TestWeapons::unusableValueStopsPopulate_data() {
    QTest::addColumn<QString>("value"); // of scr_allow_ppsh; null: missing
    QTest::newRow("missing") << QString();
    QTest::newRow("not a number") << "abc";
    QTest::newRow("out of range") << "3";
    QTest::newRow("negative") << "-1";
}

void TestWeapons::unusableValueStopsPopulate() {
    QFETCH(QString, value);
    Harness h;
    h.connectDirect();
    allowOnly(h, {});
    if (value.isNull())
        h.sim.removeCvar("scr_allow_ppsh");
    else
        h.sim.setCvar("scr_allow_ppsh", value);
    click(h, "cmdwepselall"); // every box ticked and marked

    click(h, "cmdpopwep");
    QCOMPARE(h.dialogs.messages().size(), 1);
    const ScriptedDialogs::Shown box = h.dialogs.messages().at(0);
    QCOMPARE(box.text, "The server is not responding quickly enough\r"
                       "or a server side mod has replaced the rcon variables\r"
                       "Try populate again");
    QCOMPARE(box.title, "Slow Server Response");
    QCOMPARE(box.icon, Dialogs::Icon::Exclamation);

    const qsizetype failing = kBoxes.indexOf("chkppsh");
    for (qsizetype i = 0; i < kBoxes.size(); ++i) {
        const bool read = i < failing;
        QCOMPARE(stateOf(h, kBoxes[i]), read ? 0 : 1);
        QCOMPARE(marked(h, kBoxes[i]), !read);
    }
    QVERIFY(!h.main->session().state().busy);
    QVERIFY(!h.main->session().state().collectquiet);
    QVERIFY(h.main->progressNotice()->text().isEmpty());
}

void TestWeapons::unansweredListingChangesNothing() {
    Harness h;
    h.connectDirect();
    box(h, "chkbren")->click();
    h.sim.dropNextReplies(5);
    click(h, "cmdpopwep");
    // The channel's own warning is enough: no second box about a slow server.
    QCOMPARE(h.dialogs.messageTitles(), QStringList{"No response"});
    QCOMPARE(stateOf(h, "chkbren"), 1);
    QVERIFY(marked(h, "chkbren"));
    QVERIFY(!h.main->session().state().collectquiet);
}

void TestWeapons::cancelChangesNothing_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("send") << "cmdwepsetserv";
    QTest::newRow("rifles only") << "cmdriflesonly";
    QTest::newRow("no snipers") << "cmdnosnipers";
}

void TestWeapons::cancelChangesNothing() {
    QFETCH(QString, button);
    Harness h;
    h.connectDirect();
    click(h, "cmdpopwep");
    box(h, "chkmp40")->click();        // unticked, marked
    box(h, "chkspringfield")->click(); // unticked, marked
    h.sim.clearReceived();

    h.dialogs.setNextAnswer(Dialogs::Answer::Cancel);
    click(h, button);
    QCOMPARE(h.dialogs.messages().size(), 1);
    QVERIFY(h.commands().isEmpty());
    QVERIFY(h.messageLog().isEmpty());
    for (const QString& name : kBoxes) {
        const bool clicked = name == "chkmp40" || name == "chkspringfield";
        QCOMPARE(stateOf(h, name), clicked ? 0 : 1);
        QCOMPARE(marked(h, name), clicked);
    }
}

void TestWeapons::populateWithoutConnection() {
    Harness h;
    box(h, "chkmp40")->click();
    click(h, "cmdpopwep");
    QCOMPARE(h.dialogs.messages().size(), 1);
    QCOMPARE(h.dialogs.messages().at(0).text, "You need to connect to a server first");
    QCOMPARE(h.dialogs.messages().at(0).title, "Not Connected");
    QCOMPARE(h.dialogs.messages().at(0).icon, Dialogs::Icon::Exclamation);
    QVERIFY(h.commands().isEmpty());
    QCOMPARE(stateOf(h, "chkmp40"), 1);
    QVERIFY(marked(h, "chkmp40"));
    QVERIFY(!h.main->session().state().busy);
}

void TestWeapons::sendWithoutConnectionKeepsMarks() {
    Harness h;
    box(h, "chkmp40")->click();
    box(h, "chkbar")->click();

    click(h, "cmdwepsetserv");
    // The channel refuses once; nothing is logged as updated and the changes stay pending.
    QCOMPARE(h.dialogs.messageTitles(), (QStringList{"Send to Server?", "Not connected"}));
    QVERIFY(h.messageLog().isEmpty());
    QVERIFY(marked(h, "chkmp40"));
    QVERIFY(marked(h, "chkbar"));
    QVERIFY(!h.main->session().state().busy);

    h.dialogs.clear();
    click(h, "cmdriflesonly");
    QCOMPARE(h.dialogs.messageTitles(), (QStringList{"Rifles only?", "Not connected"}));
    QVERIFY(h.messageLog().isEmpty());

    h.connectDirect();
    click(h, "cmdwepsetserv");
    QCOMPARE(h.commands(), (QStringList{"scr_allow_bar\"1\"", "scr_allow_mp40\"1\""}));
    QCOMPARE(h.messageLog(), (QStringList{"MP40 updated.", "Browning Auto Rifle updated."}));
}

void TestWeapons::busyDuringPopulateAndSendOnly() {
    Harness h;
    h.connectDirect();
    QList<bool> busyAtArrival;
    connect(&h.sim, &SimServer::datagramReceived, this,
            [&] { busyAtArrival << h.main->session().state().busy; });

    click(h, "cmdpopwep");
    box(h, "chkmp40")->click();
    click(h, "cmdwepsetserv");
    QCOMPARE(busyAtArrival, (QList<bool>{true, true}));
    QVERIFY(!h.main->session().state().busy);

    // The presets leave the flag alone.
    busyAtArrival.clear();
    click(h, "cmdnosnipers");
    QCOMPARE(busyAtArrival, (QList<bool>{false, false, false}));
}

void TestWeapons::progressNamesEachGroup() {
    Harness h;
    h.connectDirect();
    QStringList shown;
    auto* notice = h.main->progressNotice();
    connect(notice->findChild<QPlainTextEdit*>("txtprogress"), &QPlainTextEdit::textChanged, this,
            [&] { shown << notice->text(); });
    click(h, "cmdpopwep");
    QCOMPARE(shown, (QStringList{"Reading variables from the server...\r\nAllies...",
                                 "Reading variables from the server...\r\nAllies...\r\n"
                                 "Russians...",
                                 "Reading variables from the server...\r\nAllies...\r\n"
                                 "Russians...\r\nBritish...",
                                 "Reading variables from the server...\r\nAllies...\r\n"
                                 "Russians...\r\nBritish...\r\nGerman...",
                                 "Reading variables from the server...\r\nAllies...\r\n"
                                 "Russians...\r\nBritish...\r\nGerman...\r\nOthers...",
                                 ""}));
}

void TestWeapons::labelsNameTheVariables() {
    Harness h;
    auto* label = h.find<QLabel>("lblmp40");
    QVERIFY(label);
    QCOMPARE(label->text(), "MP40");
    QCOMPARE(label->toolTip(), "scr_allow_mp40");
    QCOMPARE(label->buddy(), box(h, "chkmp40"));
    QVERIFY(box(h, "chkmp40")->text().isEmpty());
    QCOMPARE(box(h, "chkpanz")->accessibleName(), "Panzerfaust");
    QCOMPARE(box(h, "chkpanz")->parentWidget()->objectName(), "frmwep_4");
    QCOMPARE(box(h, "chknagant")->parentWidget()->property("index").toInt(), 2);
}

QTEST_MAIN(TestWeapons)
#include "tst_weapons.moc"
