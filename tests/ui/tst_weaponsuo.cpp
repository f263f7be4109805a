#include "support/Harness.h"

#include "ui/BoundControls.h"
#include "ui/pages/UoMiscPage.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

// The "UO: Misc" page against the simulated server: the two listings of its read-out, the
// tags that end in a blank, and the send of changed boxes.
class TestWeaponsUo : public QObject {
    Q_OBJECT
private slots:
    void populateReadsBothListings();
    void blankEndedTagIsSentWithItsBlank();
    void changedBoxesSentInIndexOrder();
    void missingVariableCountsAsOff();
    void blankEndedTagDoesNotMatchLongerName();
    void unusableValueStopsPopulate();
    void unansweredListingChangesNothing();
    void cancelSendsNothing();
    void otherIndexesDoNothing();
    void busyDuringPopulateAndSend();
};

namespace {

QCheckBox* uoBox(Harness& h, int index) {
    auto* found = h.find<QCheckBox>(QStringLiteral("chkUOwep_%1").arg(index));
    if (!found)
        qFatal("no chkUOwep_%d", index);
    return found;
}

BoundControl& binding(Harness& h, int index) {
    return *BoundControl::of(uoBox(h, index));
}

void uoButton(Harness& h, int index) {
    h.find<QPushButton>(QStringLiteral("cmdUOwep_%1").arg(index))->click();
}

QByteArray line(const QByteArray& name, const QByteArray& value) {
    return "        " + name + " \"" + value + "\"\n";
}

} // namespace

void TestWeaponsUo::populateReadsBothListings() {
    Harness h;
    h.connectDirect();
    h.sim.setCvar("scr_allow_smoke", "0");
    h.sim.setCvar("scr_allow_mg34", "2");
    h.sim.setCvar("scr_drophealth", "0");
    uoButton(h, 1);

    QCOMPARE(h.commands(), (QStringList{"cvarlist scr_allow_*", "cvarlist scr_*"}));
    QVERIFY(h.dialogs.messages().isEmpty());
    for (int i = 0; i < 24; ++i) {
        const int expected = i == 2 || i == 22 ? 0 : i == 7 ? 2 : 1;
        QCOMPARE(binding(h, i).state(), expected);
        QVERIFY(!binding(h, i).isChanged());
    }
    QVERIFY(!h.main->session().state().collectquiet);
    QVERIFY(!h.rconText().contains("scr_battlerank"));

    uoButton(h, 0);
    QCOMPARE(h.commands().size(), 2);
    QVERIFY(h.messageLog().isEmpty());
    const ScriptedDialogs::Shown question = h.dialogs.messages().at(0);
    QCOMPARE(question.text,
             "Send United Offensive weapon settings to server?\rOnly changed values will be sent.");
    QCOMPARE(question.title, "Send to Server?");
    QCOMPARE(question.buttons, Dialogs::Buttons::OkCancel);
}

void TestWeaponsUo::blankEndedTagIsSentWithItsBlank() {
    Harness h;
    h.connectDirect();
    h.sim.setCvar("scr_allow_mg34", "0");
    uoButton(h, 1);
    h.sim.clearReceived();

    QCOMPARE(uoBox(h, 7)->property("tag").toString(), "scr_allow_mg34 ");
    uoBox(h, 7)->click();
    uoButton(h, 0);
    QCOMPARE(h.commands(), QStringList{"scr_allow_mg34 \"1\""});
    QCOMPARE(h.sim.cvar("scr_allow_mg34"), "1");
    QCOMPARE(h.messageLog(), QStringList{"United Offensive MG34 updated."});
}

void TestWeaponsUo::changedBoxesSentInIndexOrder() {
    Harness h;
    h.connectDirect();
    uoButton(h, 1);
    h.sim.clearReceived();

    for (const int i : {23, 20, 6, 0})
        uoBox(h, i)->click();
    uoButton(h, 0);
    QCOMPARE(h.commands(), (QStringList{"scr_allow_pistols\"0\"", "scr_allow_bazooka \"0\"",
                                        "scr_allow_panzeriv\"0\"", "scr_battlerank\"0\""}));
    QCOMPARE(
        h.messageLog(),
        (QStringList{"United Offensive Battlerank updated.", "United Offensive Panzer IV updated.",
                     "United Offensive bazooka updated.", "United Offensive Pistols updated."}));
    for (const int i : {23, 20, 6, 0})
        QVERIFY(!binding(h, i).isChanged());
}

void TestWeaponsUo::missingVariableCountsAsOff() {
    Harness h;
    h.connectDirect();
    h.sim.removeCvar("scr_battlerank");
    h.sim.removeCvar("scr_allow_horch");
    uoBox(h, 23)->click();
    uoBox(h, 17)->click();
    uoButton(h, 1);
    QVERIFY(h.dialogs.messages().isEmpty());
    QCOMPARE(binding(h, 23).state(), 0);
    QCOMPARE(binding(h, 17).state(), 0);
    QVERIFY(!binding(h, 23).isChanged());
    QCOMPARE(binding(h, 22).state(), 1);
}

void TestWeaponsUo::blankEndedTagDoesNotMatchLongerName() {
    Harness h;
    h.connectDirect();
    QByteArray allow;
    for (int i = 0; i < 21; ++i) {
        const QByteArray name = uoBox(h, i)->property("tag").toString().trimmed().toLatin1();
        if (i == 7)
            allow += line("scr_allow_mg34_tripod", "0");
        allow += line(name, "1");
    }
    h.sim.setReplyOverride("cvarlist scr_allow_*", allow + "\n90 total cvars\n90 cvar indexes\n");
    uoButton(h, 1);
    QVERIFY(h.dialogs.messages().isEmpty());
    QCOMPARE(binding(h, 7).state(), 1);
}

void TestWeaponsUo::unusableValueStopsPopulate() {
    Harness h;
    h.connectDirect();
    for (int i = 0; i < 24; ++i)
        h.sim.setCvar(uoBox(h, i)->property("tag").toString().trimmed(), "0");
    h.sim.setCvar("scr_allow_gewehr43", "abc");
    uoBox(h, 0)->click();
    uoBox(h, 15)->click();

    uoButton(h, 1);
    QCOMPARE(h.dialogs.messageTitles(), QStringList{"Slow Server Response"});
    QCOMPARE(h.dialogs.messages().at(0).text,
             "The server is not responding quickly enough\r"
             "or a server side mod has replaced the rcon variables\r"
             "Try populate again");
    // The read-out stopped at index 10: the second listing was never asked for.
    QCOMPARE(h.commands(), QStringList{"cvarlist scr_allow_*"});
    QCOMPARE(binding(h, 0).state(), 0);
    QVERIFY(!binding(h, 0).isChanged());
    QCOMPARE(binding(h, 15).state(), 1);
    QVERIFY(binding(h, 15).isChanged());
    QVERIFY(!h.main->session().state().busy);
    QVERIFY(!h.main->session().state().collectquiet);
}

void TestWeaponsUo::unansweredListingChangesNothing() {
    Harness h;
    h.connectDirect();
    uoBox(h, 3)->click();
    h.sim.dropNextReplies(5);
    uoButton(h, 1);
    QCOMPARE(h.dialogs.messageTitles(), QStringList{"No response"});
    QCOMPARE(h.commands(), QStringList(5, "cvarlist scr_allow_*"));
    QCOMPARE(binding(h, 3).state(), 1);
    QVERIFY(binding(h, 3).isChanged());
    QVERIFY(!h.main->session().state().busy);
}

void TestWeaponsUo::cancelSendsNothing() {
    Harness h;
    h.connectDirect();
    uoBox(h, 4)->click();
    h.dialogs.setNextAnswer(Dialogs::Answer::Cancel);
    uoButton(h, 0);
    QVERIFY(h.commands().isEmpty());
    QVERIFY(h.messageLog().isEmpty());
    QCOMPARE(binding(h, 4).state(), 1);
    QVERIFY(binding(h, 4).isChanged());
}

void TestWeaponsUo::otherIndexesDoNothing() {
    Harness h;
    h.connectDirect();
    uoBox(h, 4)->click();
    for (const int index : {-1, 2, 7})
        h.main->pages().uoMisc->cmdUOwep_Click(index);
    QVERIFY(h.dialogs.shown().isEmpty());
    QVERIFY(h.commands().isEmpty());
    QVERIFY(binding(h, 4).isChanged());
}

void TestWeaponsUo::busyDuringPopulateAndSend() {
    Harness h;
    h.connectDirect();
    QList<bool> busyAtArrival;
    connect(&h.sim, &SimServer::datagramReceived, this,
            [&] { busyAtArrival << h.main->session().state().busy; });
    uoButton(h, 1);
    uoBox(h, 12)->click();
    uoButton(h, 0);
    QCOMPARE(busyAtArrival, (QList<bool>{true, true, true}));
    QVERIFY(!h.main->session().state().busy);

    auto* label = h.find<QLabel>("lblUOwep_12");
    QCOMPARE(label->text(), "Allow Flak 88");
    QCOMPARE(label->toolTip(), "scr_allow_flak88");
    QCOMPARE(uoBox(h, 12)->parentWidget()->objectName(), "frmwep_6");
    QCOMPARE(uoBox(h, 11)->parentWidget()->objectName(), "frmwep_5");
}

QTEST_MAIN(TestWeaponsUo)
#include "tst_weaponsuo.moc"
