#include "ModePageChecks.h"

#include "ui/pages/FriendlyFireFrame.h"
#include "ui/pages/ServerPage.h"

#include <QAction>
#include <QPushButton>
#include <QRadioButton>

// Friendly fire from the Common Tasks menu and from the Server page, against the simulated
// server.
class TestFriendlyFire : public QObject {
    Q_OBJECT
private slots:
    void menuAndButtonSendTheSame_data();
    void menuAndButtonSendTheSame();
    void optionsAtStart();
    void withoutConnectionOneWarningAndNoLog();
};

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

    Harness h;
    h.connectDirect();
    const auto verifySent = [&] {
        QTRY_COMPARE(h.commands(),
                     (QStringList{"setfriendlyfire " + QString::number(value),
                                  "say ^3Vostrel ^5(1.4.1)> ^7Friendly Fire now " + word}));
        verifyAboutASecondApart(h);
        QCOMPARE(h.messageLog().first(), logText);
        h.sim.clearReceived();
    };
    h.main->findChild<QAction*>(menuItem)->trigger();
    verifySent();
    QCOMPARE(h.sim.cvar("setfriendlyfire"), QString::number(value));

    h.find<QRadioButton>(QString("optff_%1").arg(value))->setChecked(true);
    h.find<QPushButton>("cmdff")->click();
    verifySent();
    QCOMPARE(h.messageLog(), QStringList(2, logText));
    QVERIFY(h.dialogs.shown().isEmpty());
    QVERIFY2(!h.rconText().contains(">>RCON sent"), qPrintable(h.rconText()));
}

void TestFriendlyFire::optionsAtStart() {
    Harness h;
    FriendlyFireFrame* frame = h.main->pages().server->friendlyFire();
    QCOMPARE(frame->objectName(), QString("frmff"));
    // The Server page reads the variable through the button's tag.
    QCOMPARE(frame->findChild<QPushButton*>("cmdff")->property("tag").toString(),
             QString("setfriendlyfire"));
    for (int i = 0; i < 4; ++i) {
        auto* option = frame->findChild<QRadioButton*>(QString("optff_%1").arg(i));
        QCOMPARE(option->property("tag").toString(), QString("setfriendlyfire %1").arg(i));
        QCOMPARE(option->isChecked(), i == 2); // Reflective
    }
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
