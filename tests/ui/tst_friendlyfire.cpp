#include "support/Harness.h"

#include "ui/pages/FriendlyFireFrame.h"
#include "ui/pages/ServerPage.h"

#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

// Friendly fire from the Common Tasks menu and from the Server page, against the simulated
// server.
class TestFriendlyFire : public QObject {
    Q_OBJECT
private slots:
    void menuAndButtonSendTheSame_data();
    void menuAndButtonSendTheSame();
    void optionsAtStart();
    void selectValueFromTheServer();
    void withoutConnectionOneWarningAndNoLog();
};

namespace {

constexpr double kAboutASecond = 0.7;

struct Outcome {
    QStringList commands;
    QStringList log;
    bool echoed = false;
    qint64 gapMs = 0;
};

void collect(Harness& h, Outcome& outcome) {
    QTRY_COMPARE(h.commands().size(), 2);
    const QList<qint64> at = h.sim.receivedAtMs();
    outcome = {h.commands(), h.messageLog(), h.rconText().contains(">>RCON sent"),
               at.at(1) - at.at(0)};
}

} // namespace

void TestFriendlyFire::menuAndButtonSendTheSame_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("logText");

    QTest::newRow("off") << 0 << "commFFOFF"
                         << "^2OFF"
                         << "Friendly Fire OFF";
    QTest::newRow("on") << 1 << "COMMFFON"
                        << "^2ON"
                        << "Friendly Fire ON";
    QTest::newRow("reflective") << 2 << "commFFREFL"
                                << "^2Reflective"
                                << "Friendly Fire Reflective";
    QTest::newRow("shared") << 3 << "commFFSHARE"
                            << "^2Shared"
                            << "Friendly Fire Shared";
}

void TestFriendlyFire::menuAndButtonSendTheSame() {
    QFETCH(int, value);
    QFETCH(QString, menuItem);
    QFETCH(QString, word);
    QFETCH(QString, logText);

    const QStringList expected{"setfriendlyfire " + QString::number(value),
                               "say ^3Vostrel ^5(1.4.1)> ^7Friendly Fire now " + word};
    Outcome fromMenu;
    {
        Harness h;
        h.connectDirect();
        h.main->findChild<QAction*>(menuItem)->trigger();
        collect(h, fromMenu);
        QCOMPARE(h.sim.cvar("setfriendlyfire"), QString::number(value));
    }
    Outcome fromButton;
    {
        Harness h;
        h.connectDirect();
        h.find<QRadioButton>(QString("optff_%1").arg(value))->setChecked(true);
        h.find<QPushButton>("cmdff")->click();
        collect(h, fromButton);
        QVERIFY(h.dialogs.shown().isEmpty());
    }
    for (const Outcome& outcome : {fromMenu, fromButton}) {
        QCOMPARE(outcome.commands, expected);
        QCOMPARE(outcome.log, QStringList{logText});
        QVERIFY(!outcome.echoed);
        QVERIFY2(outcome.gapMs >= kAboutASecond * Harness::kSecondMs,
                 qPrintable(QString::number(outcome.gapMs)));
    }
}

void TestFriendlyFire::optionsAtStart() {
    Harness h;
    auto* frame = h.find<QGroupBox>("frmff");
    QVERIFY(frame);
    QCOMPARE(frame, h.main->pages().server->friendlyFire());
    const QStringList captions{"Off", "On", "Reflective", "Shared"};
    for (int i = 0; i < captions.size(); ++i) {
        auto* option = frame->findChild<QRadioButton*>(QString("optff_%1").arg(i));
        QVERIFY(option);
        QCOMPARE(option->text(), captions.at(i));
        QCOMPARE(option->property("index").toInt(), i);
        QCOMPARE(option->property("tag").toString(), QString("setfriendlyfire %1").arg(i));
        QCOMPARE(option->isChecked(), i == 2);
    }
    auto* set = frame->findChild<QPushButton*>("cmdff");
    QCOMPARE(set->text(), QString("Set Friendly Fire >>"));
    QCOMPARE(set->property("tag").toString(), QString("setfriendlyfire"));
}

void TestFriendlyFire::selectValueFromTheServer() {
    Harness h;
    FriendlyFireFrame* frame = h.main->pages().server->friendlyFire();
    QVERIFY(frame->selectValue(0));
    QVERIFY(h.find<QRadioButton>("optff_0")->isChecked());
    QVERIFY(frame->selectValue(3));
    QVERIFY(h.find<QRadioButton>("optff_3")->isChecked());
    QVERIFY(!h.find<QRadioButton>("optff_0")->isChecked());
    // No option for the value: the choice stays.
    QVERIFY(!frame->selectValue(4));
    QVERIFY(!frame->selectValue(-1));
    QVERIFY(h.find<QRadioButton>("optff_3")->isChecked());
}

void TestFriendlyFire::withoutConnectionOneWarningAndNoLog() {
    Harness h;
    h.find<QPushButton>("cmdff")->click();
    h.main->findChild<QAction*>("COMMFFON")->trigger();
    QCOMPARE(h.dialogs.messageTitles(), (QStringList{"Not connected", "Not connected"}));
    QVERIFY(h.messageLog().isEmpty());
    // Out-of-range values send nothing, connected or not.
    h.connectDirect();
    h.main->pages().server->friendlyFire()->change(4);
    Harness::pause(1);
    QVERIFY(h.commands().isEmpty());
}

QTEST_MAIN(TestFriendlyFire)
#include "tst_friendlyfire.moc"
