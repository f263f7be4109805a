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
    void populateThenSendOnlyTheChanges();
    void riflesOnlySendsAllSeventeen();
    void noSnipersSendsOnlyChangedSnipers();
    void firstOccurrenceInTheListingWins();
    void failedPopulateStopsWhereItFailed_data();
    void failedPopulateStopsWhereItFailed();
    void cancelChangesNothing_data();
    void cancelChangesNothing();
    void refusedSendStopsAndLogsNothing();
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

} // namespace

void TestWeapons::populateThenSendOnlyTheChanges() {
    Harness h;
    h.connectDirect();
    h.sim.setCvar("scr_allow_mp40", "0");
    h.sim.setCvar("scr_allow_mp44", "2");
    QList<bool> busyAtArrival;
    connect(&h.sim, &SimServer::datagramReceived, this,
            [&] { busyAtArrival << h.main->session().state().busy; });
    QStringList progress;
    auto* notice = h.main->progressNotice();
    connect(notice->findChild<QPlainTextEdit*>("txtprogress"), &QPlainTextEdit::textChanged, this,
            [&] { progress << notice->text(); });

    click(h, "cmdpopwep");
    QCOMPARE(h.commands(), QStringList{"cvarlist scr_allow_*"});
    QVERIFY(h.dialogs.messages().isEmpty());
    for (const QString& name : kBoxes) {
        QCOMPARE(stateOf(h, name), name == "chkmp40" ? 0 : name == "chkmp44" ? 2 : 1);
        QVERIFY(!marked(h, name));
    }
    QCOMPARE(box(h, "chkmp44")->checkState(), Qt::PartiallyChecked);
    // One progress line per group, then the notice closes; the listing stays out of the pane.
    QCOMPARE(progress.mid(progress.size() - 2),
             (QStringList{"Reading variables from the server...\r\nAllies...\r\nRussians...\r\n"
                          "British...\r\nGerman...\r\nOthers...",
                          ""}));
    QVERIFY(!h.rconText().contains("scr_allow_mp40"));
    QVERIFY(!h.main->session().state().collectquiet);

    click(h, "cmdwepsetserv");
    QCOMPARE(h.commands(), QStringList{"cvarlist scr_allow_*"});
    QVERIFY(h.messageLog().isEmpty());
    const ScriptedDialogs::Shown question = h.dialogs.messages().at(0);
    QCOMPARE(question.text, "Send weapon settings to server?\rOnly changed values will be sent.");
    QCOMPARE(question.title, "Send to Server?");
    QCOMPARE(question.buttons, Dialogs::Buttons::OkCancel);

    h.sim.clearReceived();
    box(h, "chkmp40")->click();
    click(h, "cmdwepsetserv");
    QCOMPARE(h.commands(), QStringList{"scr_allow_mp40\"1\""});
    QCOMPARE(h.messageLog(), QStringList{"MP40 updated."});
    QVERIFY(h.rconText().contains(QChar(0x18) + QString("scr_allow_mp40\"1\"") + QChar(0x18)));
    QCOMPARE(busyAtArrival, (QList<bool>{true, true}));
    QVERIFY(!h.main->session().state().busy);

    // A click never greys a box: the greyed one becomes ticked.
    box(h, "chkmp44")->click();
    QCOMPARE(box(h, "chkmp44")->checkState(), Qt::Checked);
    h.sim.setCvar("scr_allow_mp44", "1");

    // The server now allows everything: Select all changes no box, so nothing goes out.
    h.sim.clearReceived();
    click(h, "cmdpopwep");
    click(h, "cmdwepselall");
    click(h, "cmdwepsetserv");
    QCOMPARE(h.commands(), QStringList{"cvarlist scr_allow_*"});
    QCOMPARE(h.messageLog().size(), 1);

    click(h, "cmdwepunselall");
    for (const QString& name : kBoxes)
        QVERIFY(stateOf(h, name) == 0 && marked(h, name));
    QCOMPARE(h.commands().size(), 1); // the select buttons send nothing themselves

    auto* label = h.find<QLabel>("lblmp40");
    QCOMPARE(label->toolTip(), "scr_allow_mp40");
    QCOMPARE(label->buddy(), box(h, "chkmp40"));
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
    QVERIFY(!marked(h, "chkenfield"));

    // Every box goes out again, changed or not.
    click(h, "cmdriflesonly");
    QCOMPARE(h.commands(), expected + expected);
}

void TestWeapons::noSnipersSendsOnlyChangedSnipers() {
    Harness h;
    h.connectDirect();
    click(h, "cmdnosnipers"); // a fresh page has every box unticked
    const ScriptedDialogs::Shown question = h.dialogs.messages().at(0);
    QCOMPARE(question.text, "Disable snipers on server");
    QCOMPARE(question.title, "No Snipers");
    QCOMPARE(question.icon, Dialogs::Icon::Question);
    QVERIFY(h.commands().isEmpty());
    QCOMPARE(h.messageLog(), QStringList{"No snipers set on server."});

    click(h, "cmdpopwep");
    h.sim.clearReceived();
    click(h, "cmdnosnipers");
    QCOMPARE(h.commands(), (QStringList{"scr_allow_springfield\"0\"", "scr_allow_nagantsniper\"0\"",
                                        "scr_allow_kar98ksniper\"0\""}));
    QCOMPARE(h.messageLog().size(), 2);
    QCOMPARE(stateOf(h, "chkkar98k"), 1);
}

void TestWeapons::firstOccurrenceInTheListingWins() {
    Harness h;
    h.connectDirect();
    // Registered again, the plain names are listed after their sniper versions.
    h.sim.setCvar("scr_allow_kar98ksniper", "0");
    h.sim.setCvar("scr_allow_nagantsniper", "0");
    for (const char* name : {"scr_allow_kar98k", "scr_allow_nagant"}) {
        h.sim.removeCvar(name);
        h.sim.setCvar(name, "1");
    }
    click(h, "cmdpopwep");
    QVERIFY(h.dialogs.messages().isEmpty());
    // The lookup of a name finds it inside the longer sniper name first.
    QCOMPARE(stateOf(h, "chkkar98k"), 0);
    QCOMPARE(stateOf(h, "chknagant"), 0);
    QCOMPARE(stateOf(h, "chkfg42"), 1);
}

void TestWeapons::failedPopulateStopsWhereItFailed_data() {
    QTest::addColumn<QString>("ppsh"); // null: missing from the listing
    QTest::addColumn<bool>("answered");
    QTest::addColumn<QString>("title");
    QTest::newRow("missing") << QString() << true << "Slow Server Response";
    QTest::newRow("out of range") << "3" << true << "Slow Server Response";
    // The channel's own warning is enough: no second box about a slow server.
    QTest::newRow("no answer") << "0" << false << "No response";
}

void TestWeapons::failedPopulateStopsWhereItFailed() {
    QFETCH(QString, ppsh);
    QFETCH(bool, answered);
    QFETCH(QString, title);
    Harness h;
    h.connectDirect();
    for (const QString& name : kBoxes)
        h.sim.setCvar(box(h, name)->property("tag").toString(), "0");
    if (ppsh.isNull())
        h.sim.removeCvar("scr_allow_ppsh");
    else
        h.sim.setCvar("scr_allow_ppsh", ppsh);
    if (!answered)
        h.sim.dropNextReplies(5);
    click(h, "cmdwepselall"); // every box ticked and marked

    click(h, "cmdpopwep");
    QCOMPARE(h.dialogs.messageTitles(), QStringList{title});
    if (answered)
        QCOMPARE(h.dialogs.messages().at(0).text,
                 "The server is not responding quickly enough\r"
                 "or a server side mod has replaced the rcon variables\r"
                 "Try populate again");
    const qsizetype failing = answered ? kBoxes.indexOf("chkppsh") : 0;
    for (qsizetype i = 0; i < kBoxes.size(); ++i) {
        QCOMPARE(stateOf(h, kBoxes[i]), i < failing ? 0 : 1);
        QCOMPARE(marked(h, kBoxes[i]), i >= failing);
    }
    QVERIFY(!h.main->session().state().busy);
    QVERIFY(!h.main->session().state().collectquiet);
    QVERIFY(h.main->progressNotice()->text().isEmpty());
}

void TestWeapons::cancelChangesNothing_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("control"); // ticked (and so marked) before the click
    const auto row = [](const char* name, const QString& button, const QString& control) {
        QTest::newRow(name) << button << control;
    };
    row("send", "cmdwepsetserv", "chkmp40");
    row("rifles only", "cmdriflesonly", "chkmp40");
    row("no snipers", "cmdnosnipers", "chkspringfield");
    row("United Offensive send", "cmdUOwep_0", "chkUOwep_4");
}

void TestWeapons::cancelChangesNothing() {
    QFETCH(QString, button);
    QFETCH(QString, control);
    Harness h;
    h.connectDirect();
    box(h, control)->click();

    h.dialogs.setNextAnswer(Dialogs::Answer::Cancel);
    click(h, button);
    QCOMPARE(h.dialogs.messages().size(), 1);
    QVERIFY(h.commands().isEmpty());
    QVERIFY(h.messageLog().isEmpty());
    QVERIFY(stateOf(h, control) == 1 && marked(h, control));
}

void TestWeapons::refusedSendStopsAndLogsNothing() {
    Harness h;
    box(h, "chkmp40")->click();
    box(h, "chkbar")->click();
    click(h, "cmdpopwep");
    QCOMPARE(h.dialogs.messageTitles(), QStringList{"Not Connected"});
    QCOMPARE(h.dialogs.messages().at(0).text, "You need to connect to a server first");

    // The channel refuses once; nothing is logged as updated and the changes stay pending.
    h.dialogs.clear();
    click(h, "cmdwepsetserv");
    click(h, "cmdriflesonly");
    QCOMPARE(h.dialogs.messageTitles(),
             (QStringList{"Send to Server?", "Not connected", "Rifles only?", "Not connected"}));
    QVERIFY(h.messageLog().isEmpty());
    QVERIFY(marked(h, "chkmp40") && marked(h, "chkbar"));
    QVERIFY(!h.main->session().state().busy);

    h.connectDirect();
    click(h, "cmdwepsetserv");
    QCOMPARE(h.commands(), (QStringList{"scr_allow_bar\"1\"", "scr_allow_mp40\"1\""}));
    QCOMPARE(h.messageLog(), (QStringList{"MP40 updated.", "Browning Auto Rifle updated."}));
}

QTEST_MAIN(TestWeapons)
#include "tst_weapons.moc"
