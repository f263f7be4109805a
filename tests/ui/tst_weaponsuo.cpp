#include "support/Harness.h"

#include "ui/BoundControls.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

// The "UO: Misc" page against the simulated server: the two listings of its read-out, the
// tags that end in a blank, and the send of changed boxes.
class TestWeaponsUo : public QObject {
    Q_OBJECT
private slots:
    void populateThenSendTheChangesInIndexOrder();
    void unusableValueStopsPopulate();
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

} // namespace

void TestWeaponsUo::populateThenSendTheChangesInIndexOrder() {
    Harness h;
    h.connectDirect();
    h.sim.setCvar("scr_allow_smoke", "0");
    h.sim.setCvar("scr_drophealth", "0");
    // A longer name listed first must not lend its value to the tag that ends in a blank.
    h.sim.removeCvar("scr_allow_mg34");
    h.sim.setCvar("scr_allow_mg34_tripod", "1");
    h.sim.setCvar("scr_allow_mg34", "0");
    // Older add-on versions lack a variable: it counts as off.
    h.sim.removeCvar("scr_battlerank");
    uoBox(h, 23)->click();
    uoButton(h, 1);

    QCOMPARE(h.commands(), (QStringList{"cvarlist scr_allow_*", "cvarlist scr_*"}));
    QVERIFY(h.dialogs.messages().isEmpty());
    for (int i = 0; i < 24; ++i) {
        QCOMPARE(binding(h, i).state(), i == 2 || i == 7 || i == 22 || i == 23 ? 0 : 1);
        QVERIFY(!binding(h, i).isChanged());
    }
    QVERIFY(!h.rconText().contains("scr_allow_smoke"));

    uoButton(h, 0);
    QCOMPARE(h.commands().size(), 2);
    QCOMPARE(h.dialogs.messages().at(0).text,
             "Send United Offensive weapon settings to server?\rOnly changed values will be sent.");

    h.sim.clearReceived();
    for (const int i : {20, 7, 6, 0})
        uoBox(h, i)->click();
    uoButton(h, 0);
    QCOMPARE(h.commands(), (QStringList{"scr_allow_pistols\"0\"", "scr_allow_bazooka \"0\"",
                                        "scr_allow_mg34 \"1\"", "scr_allow_panzeriv\"0\""}));
    QCOMPARE(h.sim.cvar("scr_allow_mg34"), "1");
    QCOMPARE(
        h.messageLog(),
        (QStringList{"United Offensive Panzer IV updated.", "United Offensive MG34 updated.",
                     "United Offensive bazooka updated.", "United Offensive Pistols updated."}));
    QVERIFY(!binding(h, 7).isChanged());
}

void TestWeaponsUo::unusableValueStopsPopulate() {
    Harness h;
    h.connectDirect();
    h.sim.setCvar("scr_allow_pistols", "0");
    h.sim.setCvar("scr_allow_gewehr43", "abc");
    uoBox(h, 15)->click();

    uoButton(h, 1);
    QCOMPARE(h.dialogs.messageTitles(), QStringList{"Slow Server Response"});
    // The read-out stopped at index 10: the second listing was never asked for.
    QCOMPARE(h.commands(), QStringList{"cvarlist scr_allow_*"});
    QVERIFY(binding(h, 0).state() == 0 && !binding(h, 0).isChanged());
    QVERIFY(binding(h, 15).state() == 1 && binding(h, 15).isChanged());
    QVERIFY(!h.main->session().state().collectquiet);
}

QTEST_MAIN(TestWeaponsUo)
#include "tst_weaponsuo.moc"
