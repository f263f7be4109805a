#include "support/Harness.h"

#include "serverconfig/GameTypeSwitch.h"
#include "ui/pages/CodModesPage.h"
#include "ui/pages/UoModesPage.h"

#include <QAction>
#include <QGroupBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

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
    void heatOfBattleSeam();
    void buttonsStandInTwoRowsOfThree();
};

namespace {

// At least this many clock seconds between two datagrams that should be a second apart.
constexpr double kAboutASecond = 0.7;

void trigger(Harness& h, const QString& name) {
    if (auto* action = h.main->findChild<QAction*>(name))
        action->trigger();
    else if (auto* button = h.find<QPushButton>(name))
        button->click();
    else
        QFAIL(qPrintable("no control " + name));
}

} // namespace

void TestGameTypes::switchSendsTypeThenRestart_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("logText");

    QTest::newRow("retrieval button") << "cmdcod_3"
                                      << "re"
                                      << "Mode changed to RE";
    QTest::newRow("retrieval menu") << "gmrd"
                                    << "re"
                                    << "Mode changed to RE";
    QTest::newRow("search and destroy button") << "cmdcod_0"
                                               << "sd"
                                               << "Mode changed to SD";
    QTest::newRow("search and destroy menu") << "gmsd"
                                             << "sd"
                                             << "Mode changed to SD";
    QTest::newRow("behind enemy lines menu") << "gmbel"
                                             << "bel"
                                             << "Mode changed to BEL";
    QTest::newRow("team deathmatch button") << "cmdcod_2"
                                            << "tdm"
                                            << "Mode changed to TDM";
    QTest::newRow("deathmatch menu") << "gmdm"
                                     << "dm"
                                     << "Mode changed to DM";
    QTest::newRow("headquarters button") << "cmdcod_5"
                                         << "hq"
                                         << "Mode changed to HeadQuarters";
    QTest::newRow("headquarters menu") << "gmhq"
                                       << "hq"
                                       << "Mode changed to HeadQuarters";
    QTest::newRow("domination button") << "cmdUOmode_0"
                                       << "dom"
                                       << "Mode changed to Domination";
    QTest::newRow("domination menu") << "gmUOdom"
                                     << "dom"
                                     << "Mode changed to Domination";
    QTest::newRow("capture the flag button") << "cmdUOmode_1"
                                             << "ctf"
                                             << "Mode changed to Capture the flag";
    QTest::newRow("capture the flag menu") << "gmUOctf"
                                           << "ctf"
                                           << "Mode changed to Capture the flag";
    QTest::newRow("base assault button") << "cmdUOmode_2"
                                         << "bas"
                                         << "Mode changed to Base Assault";
    QTest::newRow("base assault menu") << "gmUObase"
                                       << "bas"
                                       << "Mode changed to Base Assault";
}

void TestGameTypes::switchSendsTypeThenRestart() {
    QFETCH(QString, control);
    QFETCH(QString, word);
    QFETCH(QString, logText);

    Harness h;
    h.connectDirect();
    trigger(h, control);

    const QStringList expected{"set g_gametype " + word, "map_restart"};
    // The restart is not waited for: let it reach the server.
    QTRY_COMPARE(h.commands(), expected);
    QCOMPARE(h.messageLog(), QStringList{logText});
    QVERIFY(h.dialogs.shown().isEmpty());
    QVERIFY2(!h.rconText().contains(">>RCON sent"), qPrintable(h.rconText()));
    QVERIFY(!h.main->session().state().nowait);
    // The latched type took effect with the restart.
    QTRY_COMPARE(h.sim.cvar("g_gametype"), word);
    const QList<qint64> at = h.sim.receivedAtMs();
    QVERIFY2(at.at(1) - at.at(0) >= kAboutASecond * Harness::kSecondMs,
             qPrintable(QString::number(at.at(1) - at.at(0))));
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
    GameTypeSwitch direct(h.main->session());
    direct.cmdUOmode_Click(-1);
    direct.cmdcod_Click(100);
    Harness::pause(1);

    QVERIFY(h.commands().isEmpty());
    QVERIFY(h.dialogs.shown().isEmpty());
    QVERIFY(h.messageLog().isEmpty());
}

void TestGameTypes::heatOfBattleSeam() {
    Harness h;
    h.connectDirect();
    GameTypeSwitch(h.main->session()).cmdsethob_Click();

    QTRY_COMPARE(h.commands(), (QStringList{"set g_gametype hob", "map_restart"}));
    QCOMPARE(h.messageLog(), QStringList{"Mode changed to HOB"});
    QVERIFY(!h.rconText().contains(">>RCON sent"));
}

void TestGameTypes::buttonsStandInTwoRowsOfThree() {
    Harness h;
    h.main->widgets().SSTab->setCurrentWidget(h.main->pages().codModes);
    h.main->show();
    QVERIFY(QTest::qWaitForWindowExposed(h.main.get()));

    const QStringList captions{"Search && Destroy", "Behind enemy lines", "Team Death Match",
                               "Retrieval",         "Death Match",        "Headquarters"};
    QList<QPoint> at;
    for (int i = 0; i < captions.size(); ++i) {
        auto* button = h.find<QPushButton>(QString("cmdcod_%1").arg(i));
        QVERIFY(button);
        QCOMPARE(button->text(), captions.at(i));
        QCOMPARE(button->property("index").toInt(), i);
        at << button->mapTo(h.main.get(), QPoint(0, 0));
    }
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(at.at(i).y(), at.at(0).y());
        QCOMPARE(at.at(i + 3).y(), at.at(3).y());
        QCOMPARE(at.at(i + 3).x(), at.at(i).x());
    }
    QVERIFY(at.at(3).y() > at.at(0).y());
    QVERIFY(at.at(0).x() < at.at(1).x() && at.at(1).x() < at.at(2).x());

    auto* frame = h.find<QGroupBox>("frmgamemode_0");
    QVERIFY(frame);
    QCOMPARE(frame->title(), QString("COD Instant game mode switch"));
    QCOMPARE(h.find<QGroupBox>("frmgamemode_1")->title(),
             QString("United Offensive instant game mode switch"));
    QCOMPARE(h.find<QPushButton>("cmdUOmode_2")->text(), QString("Base Assault"));
}

QTEST_MAIN(TestGameTypes)
#include "tst_gametypes.moc"
