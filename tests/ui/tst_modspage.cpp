#include "ModePageChecks.h"

#include "ui/pages/ModsPage.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>

// The "Mods" page: the Clanbase preset, the rules toggle and the Heat of Battle frame.
class TestModsPage : public QObject {
    Q_OBJECT
private slots:
    void presetAsksThenSendsTheLeagueSettingsInOrder();
    void presetWithoutConnectionStopsAtTheWarning();
    void rulesLabelTogglesWithTheHeatOfBattleFrame();
    void heatOfBattleFrameRequestsWindowAndSite();
};

void TestModsPage::presetAsksThenSendsTheLeagueSettingsInOrder() {
    Harness h;
    h.connectDirect();
    h.dialogs.setNextAnswer(Dialogs::Answer::Cancel);
    h.find<QPushButton>("cmdsetcb")->click();
    Harness::pause(1);
    QVERIFY(h.commands().isEmpty());
    QVERIFY(h.messageLog().isEmpty());

    h.find<QPushButton>("cmdsetcb")->click();
    QCOMPARE(boxesShown(h), QStringList(2, "Change settings? | Are you sure you want to set as "
                                           "Clan Base rules\rCheck popup rules to see what "
                                           "variables will change | Information | OkCancel"));
    QCOMPARE(h.commands(),
             (QStringList{"scr_sd_roundlimit 10", "scr_sd_roundlength 4", "scr_sd_graceperiod 15",
                          "scr_sd_timelimit 0", "setfriendlyfire 1", "scr_allow_vote 0",
                          "scr_drawfriend 1", "sv_minPing 0", "sv_maxPing 0", "sv_pure 1",
                          "sv_cheats 0", "g_allowVote 0", "scr_killcam 0", "scr_spectateenemy 0",
                          "scr_freelook 0", "logfile 1",
                          "say ^3Vostrel ^5(1.4.1)> ^7Server Set for ^2Clan Base ^7Rules"}));
    QCOMPARE(h.messageLog(), QStringList{"Setting server to Clanbase rules....."});
    QVERIFY(!h.rconText().contains(">>RCON sent"));
}

void TestModsPage::presetWithoutConnectionStopsAtTheWarning() {
    Harness h;
    h.find<QPushButton>("cmdsetcb")->click();
    QCOMPARE(h.dialogs.messageTitles(), (QStringList{"Change settings?", "Not connected"}));
}

void TestModsPage::rulesLabelTogglesWithTheHeatOfBattleFrame() {
    Harness h;
    showPage(h, h.main->pages().mods);
    ModsPage* page = h.main->pages().mods;
    auto* label = h.find<QLabel>("lblcbrules");
    auto* rules = h.find<QPlainTextEdit>("txtcbrules");
    auto* hob = h.find<QGroupBox>("frmCB_1");
    QCOMPARE(label->parentWidget(), h.find<QGroupBox>("frmCB_0"));
    const QRect hobPlace = hob->geometry();
    const auto verifyShown = [&](bool shown) {
        QCOMPARE(label->text(), QString(shown ? "Click to remove" : "Click for CB rules"));
        QCOMPARE(rules->isVisibleTo(page), shown);
        QCOMPARE(hob->isVisibleTo(page), !shown);
    };
    verifyShown(false);

    QTest::mouseClick(label, Qt::LeftButton);
    verifyShown(true);
    QVERIFY(rules->toPlainText().startsWith("Clan Base Rules \n"));
    QVERIFY(rules->isReadOnly());
    // The text takes the frame's place.
    QCOMPARE(rules->geometry().top(), hobPlace.top());
    QTest::mouseClick(label, Qt::LeftButton);
    verifyShown(false);

    // From the keyboard as well.
    label->setFocus();
    QTest::keyClick(label, Qt::Key_Space);
    verifyShown(true);
    QTest::keyClick(label, Qt::Key_Return);
    verifyShown(false);
}

void TestModsPage::heatOfBattleFrameRequestsWindowAndSite() {
    Harness h;
    showPage(h, h.main->pages().mods);
    ModsPage* page = h.main->pages().mods;
    // The site would open a browser: take the signal away from the main window.
    QObject::disconnect(page, &ModsPage::hobSiteRequested, nullptr, nullptr);
    QSignalSpy site(page, &ModsPage::hobSiteRequested);
    QSignalSpy window(page, &ModsPage::hobWindowRequested);

    QTest::mouseClick(h.find<QLabel>("Label3"), Qt::LeftButton);
    QCOMPARE(site.size(), 1);
    QCOMPARE(window.size(), 0);

    auto* picture = h.find<QAbstractButton>("pichob");
    QVERIFY(!picture->icon().isNull());
    QVERIFY(!picture->accessibleName().isEmpty());
    picture->click();
    QCOMPARE(window.size(), 1);
    QCOMPARE(site.size(), 1);
    // The main window opens the Heat of Battle window on the request.
    auto* hob = h.main->findChild<QWidget*>("frmhob");
    QVERIFY(hob && hob->isVisible());
}

QTEST_MAIN(TestModsPage)
#include "tst_modspage.moc"
