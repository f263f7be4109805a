#include "ModePageChecks.h"

#include "serverconfig/GameTypeSwitch.h"
#include "ui/pages/CodModesPage.h"
#include "ui/pages/UoModesPage.h"

#include <QAction>
#include <QGroupBox>
#include <QPushButton>

// The instant game-type switch: the buttons of the two mode pages, the menu and the Heat of
// Battle seam, against the simulated server.
class TestGameTypes : public QObject {
    Q_OBJECT
private slots:
    void switchSendsTypeThenRestart_data();
    void switchSendsTypeThenRestart();
    void unansweredTypeStillRestarts();
    void disconnectedSwitchStopsAtTheWarning();
    void outOfRangeIndexesDoNothing();
    void buttonsStandInTwoRowsOfThree();
};

namespace {
void row(const char* control, const char* word, const char* logText) {
    QTest::newRow(control) << QString(control) << QString(word) << QString(logText);
}
} // namespace

void TestGameTypes::switchSendsTypeThenRestart_data() {
    QTest::addColumn<QString>("control"); // a button, a menu item or "hob"
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("logText");

    row("cmdcod_3", "re", "Mode changed to RE");
    row("gmrd", "re", "Mode changed to RE");
    row("gmsd", "sd", "Mode changed to SD");
    row("gmbel", "bel", "Mode changed to BEL");
    row("gmtdm", "tdm", "Mode changed to TDM");
    row("gmdm", "dm", "Mode changed to DM");
    row("gmhq", "hq", "Mode changed to HeadQuarters");
    row("cmdUOmode_1", "ctf", "Mode changed to Capture the flag");
    row("gmUOdom", "dom", "Mode changed to Domination");
    row("gmUOctf", "ctf", "Mode changed to Capture the flag");
    row("gmUObase", "bas", "Mode changed to Base Assault");
    row("hob", "hob", "Mode changed to HOB");
}

void TestGameTypes::switchSendsTypeThenRestart() {
    QFETCH(QString, control);
    QFETCH(QString, word);
    QFETCH(QString, logText);

    Harness h;
    h.connectDirect();
    if (control == "hob")
        GameTypeSwitch(h.main->session()).cmdsethob_Click();
    else if (auto* action = h.main->findChild<QAction*>(control))
        action->trigger();
    else
        h.find<QPushButton>(control)->click();

    // The restart is not waited for: let it reach the server.
    QTRY_COMPARE(h.commands(), (QStringList{"set g_gametype " + word, "map_restart"}));
    verifyAboutASecondApart(h);
    QCOMPARE(h.messageLog(), QStringList{logText});
    QVERIFY(h.dialogs.shown().isEmpty());
    QVERIFY2(!h.rconText().contains(">>RCON sent"), qPrintable(h.rconText()));
    QVERIFY(!h.main->session().state().nowait);
    // The latched type took effect with the restart.
    QTRY_COMPARE(h.sim.cvar("g_gametype"), word);
}

void TestGameTypes::unansweredTypeStillRestarts() {
    Harness h;
    h.connectDirect();
    h.sim.dropNextReplies(5);
    h.find<QPushButton>("cmdcod_4")->click();

    QTRY_COMPARE(h.commands().last(), QString("map_restart"));
    QCOMPARE(h.commands().count("set g_gametype dm"), 5);
    QCOMPARE(h.dialogs.messageTitles(), QStringList{"No response"});
    QCOMPARE(h.messageLog(), QStringList{"Mode changed to DM"});
}

void TestGameTypes::disconnectedSwitchStopsAtTheWarning() {
    Harness h;
    h.find<QPushButton>("cmdcod_3")->click();
    h.main->findChild<QAction*>("gmUOctf")->trigger();

    QCOMPARE(h.dialogs.messageTitles(), (QStringList{"Not connected", "Not connected"}));
    QCOMPARE(h.dialogs.messages().at(0).text, QString("Please connect to a server first!"));
    QVERIFY(h.messageLog().isEmpty());
    QVERIFY(!h.main->session().state().nowait);

    // The next command waits for its reply as usual: it is echoed once answered.
    h.connectDirect();
    h.main->session().sendinfo("status");
    QCOMPARE(h.commands(), QStringList{"status"});
    QVERIFY(h.main->session().state().gotreply);
    QVERIFY(h.rconText().contains(">>RCON sent"));
}

void TestGameTypes::outOfRangeIndexesDoNothing() {
    Harness h;
    h.connectDirect();
    h.main->pages().codModes->cmdcod_Click(6);
    h.main->pages().codModes->cmdcod_Click(-1);
    h.main->pages().uoModes->cmdUOmode_Click(3);
    h.main->pages().uoModes->cmdUOmode_Click(-1);
    Harness::pause(1);
    QVERIFY(h.commands().isEmpty());
    QVERIFY(h.dialogs.shown().isEmpty());
    QVERIFY(h.messageLog().isEmpty());
}

void TestGameTypes::buttonsStandInTwoRowsOfThree() {
    Harness h;
    showPage(h, h.main->pages().codModes);
    QStringList captions;
    QList<QPoint> at;
    for (int i = 0; i < 6; ++i) {
        auto* button = h.find<QPushButton>(QString("cmdcod_%1").arg(i));
        captions << button->text();
        at << button->mapTo(h.main.get(), QPoint(0, 0));
    }
    QCOMPARE(captions, (QStringList{"Search && Destroy", "Behind enemy lines", "Team Death Match",
                                    "Retrieval", "Death Match", "Headquarters"}));
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(at.at(i).y(), at.at(0).y());
        QCOMPARE(at.at(i + 3), QPoint(at.at(i).x(), at.at(3).y()));
    }
    QVERIFY(at.at(3).y() > at.at(0).y());
    QVERIFY(at.at(0).x() < at.at(1).x() && at.at(1).x() < at.at(2).x());
    QCOMPARE(h.find<QGroupBox>("frmgamemode_0")->title(), QString("COD Instant game mode switch"));
    QCOMPARE(h.find<QGroupBox>("frmgamemode_1")->title(),
             QString("United Offensive instant game mode switch"));
}

QTEST_MAIN(TestGameTypes)
#include "tst_gametypes.moc"
