#include "support/Harness.h"
#include "ui/pages/MessagesPage.h"
#include "ui/pages/MiscPage.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

// One-shot commands whose send the channel refuses (no connection) tell the operator once
// and log nothing: the log lists only what reached the server.
class TestRefusedSends : public QObject {
    Q_OBJECT
private slots:
    void refusedSendLogsNothing_data();
    void refusedSendLogsNothing();
};

void TestRefusedSends::refusedSendLogsNothing_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("loggedWhenConnected");
    QTest::newRow("restart button") << "cmdrestartmap"
                                    << "Map Restart";
    QTest::newRow("restart menu") << "commmap_restart"
                                  << "Map Restart";
    QTest::newRow("rotate") << "cmdrotatemap"
                            << "Map Rotate";
    QTest::newRow("rotation edit") << "cmdsetservedit"
                                   << "Set Map rotation to Custom choice.";
    QTest::newRow("exec cfg") << "cmdcfgexec"
                              << "Performed EXEC of server";
    QTest::newRow("one-off message") << "cmdmessage"
                                     << "Message to server>> RemoteUser hi";
}

void TestRefusedSends::refusedSendLogsNothing() {
    QFETCH(QString, action);
    QFETCH(QString, loggedWhenConnected);
    for (const bool connected : {false, true}) {
        Harness h;
        if (connected)
            h.connectDirect();
        h.main->pages().misc->setCfgNames({QStringLiteral("server")});
        h.dialogs.setNextInput(QStringLiteral("hi"));
        if (auto* button = h.find<QPushButton>(action))
            button->click();
        else
            h.main->findChild<QAction*>(action)->trigger();
        if (connected) {
            QCOMPARE(h.messageLog(), QStringList{loggedWhenConnected});
            QCOMPARE(h.commands().size(), 1);
        } else {
            QVERIFY(h.messageLog().isEmpty());
            QVERIFY(h.sim.received().isEmpty());
            QCOMPARE(h.dialogs.messageTitles().count(QStringLiteral("Not connected")), 1);
        }
    }
}

QTEST_MAIN(TestRefusedSends)
#include "tst_refusedsends.moc"
