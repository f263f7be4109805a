#include "support/Harness.h"

#include "ui/pages/ModsPage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

// The "Mods" page: the Clanbase preset, the rules toggle and the Heat of Battle frame.
class TestModsPage : public QObject {
    Q_OBJECT
private slots:
    void presetSendsTheLeagueSettingsInOrder();
    void cancelSendsNothing();
    void presetWithoutConnectionStopsAtTheWarning();
    void rulesLabelTogglesWithTheHeatOfBattleFrame();
    void heatOfBattleFrameRequestsWindowAndSite();
};

namespace {

void showPage(Harness& h) {
    h.main->widgets().SSTab->setCurrentWidget(h.main->pages().mods);
    h.main->show();
    QApplication::setActiveWindow(h.main.get());
    QVERIFY(QTest::qWaitForWindowActive(h.main.get()));
}

} // namespace

void TestModsPage::presetSendsTheLeagueSettingsInOrder() {
    Harness h;
    h.connectDirect();
    h.find<QPushButton>("cmdsetcb")->click();

    QCOMPARE(h.dialogs.messages().size(), 1);
    const auto question = h.dialogs.messages().at(0);
    QCOMPARE(question.text, QString("Are you sure you want to set as Clan Base rules\r"
                                    "Check popup rules to see what variables will change"));
    QCOMPARE(question.title, QString("Change settings?"));
    QCOMPARE(question.icon, Dialogs::Icon::Information);
    QCOMPARE(question.buttons, Dialogs::Buttons::OkCancel);

    QCOMPARE(h.commands(),
             (QStringList{"scr_sd_roundlimit 10", "scr_sd_roundlength 4", "scr_sd_graceperiod 15",
                          "scr_sd_timelimit 0", "setfriendlyfire 1", "scr_allow_vote 0",
                          "scr_drawfriend 1", "sv_minPing 0", "sv_maxPing 0", "sv_pure 1",
                          "sv_cheats 0", "g_allowVote 0", "scr_killcam 0", "scr_spectateenemy 0",
                          "scr_freelook 0", "logfile 1",
                          "say ^3Vostrel ^5(1.4.1)> ^7Server Set for ^2Clan Base ^7Rules"}));
    QCOMPARE(h.messageLog(), QStringList{"Setting server to Clanbase rules....."});
    QVERIFY(!h.rconText().contains(">>RCON sent"));
    QCOMPARE(h.sim.cvar("setfriendlyfire"), QString("1"));
    QCOMPARE(h.sim.cvar("scr_sd_roundlimit"), QString("10"));
}

void TestModsPage::cancelSendsNothing() {
    Harness h;
    h.connectDirect();
    h.dialogs.setNextAnswer(Dialogs::Answer::Cancel);
    h.find<QPushButton>("cmdsetcb")->click();
    Harness::pause(1);

    QCOMPARE(h.dialogs.messageTitles(), QStringList{"Change settings?"});
    QVERIFY(h.commands().isEmpty());
    QVERIFY(h.messageLog().isEmpty());
}

void TestModsPage::presetWithoutConnectionStopsAtTheWarning() {
    Harness h;
    h.find<QPushButton>("cmdsetcb")->click();
    QCOMPARE(h.dialogs.messageTitles(), (QStringList{"Change settings?", "Not connected"}));
}

void TestModsPage::rulesLabelTogglesWithTheHeatOfBattleFrame() {
    Harness h;
    showPage(h);
    ModsPage* page = h.main->pages().mods;
    auto* label = h.find<QLabel>("lblcbrules");
    auto* rules = h.find<QPlainTextEdit>("txtcbrules");
    auto* hob = h.find<QGroupBox>("frmCB_1");
    QVERIFY(label && rules && hob);
    QCOMPARE(h.find<QGroupBox>("frmCB_0")->title(), QString("Clanbase rules"));
    QCOMPARE(hob->title(), QString("Heat Of Battle Mod V.3"));
    QVERIFY(label->parentWidget() == h.find<QGroupBox>("frmCB_0"));

    auto verifyHidden = [&] {
        QCOMPARE(label->text(), QString("Click for CB rules"));
        QVERIFY(!rules->isVisibleTo(page));
        QVERIFY(hob->isVisibleTo(page));
    };
    verifyHidden();
    const QRect hobPlace = hob->geometry();

    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(label->text(), QString("Click to remove"));
    QVERIFY(rules->isVisibleTo(page));
    QVERIFY(!hob->isVisibleTo(page));
    QVERIFY(rules->toPlainText().startsWith("Clan Base Rules \n"));
    QVERIFY(rules->toPlainText().contains("set scr_friendlyfire \"1\"\n"));
    QVERIFY(rules->isReadOnly());
    // The text takes the frame's place.
    QCOMPARE(rules->geometry().top(), hobPlace.top());

    QTest::mouseClick(label, Qt::LeftButton);
    verifyHidden();

    // From the keyboard as well.
    label->setFocus();
    QTest::keyClick(label, Qt::Key_Space);
    QCOMPARE(label->text(), QString("Click to remove"));
    QTest::keyClick(label, Qt::Key_Return);
    verifyHidden();
}

void TestModsPage::heatOfBattleFrameRequestsWindowAndSite() {
    Harness h;
    showPage(h);
    ModsPage* page = h.main->pages().mods;
    // The site would open a browser: take the signal away from the main window.
    QObject::disconnect(page, &ModsPage::hobSiteRequested, nullptr, nullptr);
    QSignalSpy site(page, &ModsPage::hobSiteRequested);
    QSignalSpy window(page, &ModsPage::hobWindowRequested);

    auto* siteLabel = h.find<QLabel>("Label3");
    QCOMPARE(siteLabel->text(), QString("Visit Official Website"));
    QTest::mouseClick(siteLabel, Qt::LeftButton);
    QCOMPARE(site.size(), 1);
    QCOMPARE(window.size(), 0);

    auto* picture = h.find<QAbstractButton>("pichob");
    QVERIFY(picture);
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
