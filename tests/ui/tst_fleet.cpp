// Several servers in one window: each works in parallel over its own client, one command
// reaches every ticked server with an outcome line for each, and a tab closed while its
// server answers takes its work with it.
#include "simserver/SimFleet.h"
#include "support/Harness.h"
#include "support/Settle.h"
#include "ui/FleetSendBar.h"
#include "ui/ServerListPanel.h"
#include "ui/pages/MessagesPage.h"
#include "ui/pages/PlayersPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestFleet : public QObject {
    Q_OBJECT
private slots:
    void serversWorkApart();
};

namespace {

ServerRecord recordOf(const SimServer& server, const QString& name) {
    return {u"127.0.0.1"_s, QString::number(server.port()), server.cvar(u"rconpassword"_s), name,
            false};
}

bool settleAll(Main& main) {
    for (int i = 0; i < main.workspaceCount(); ++i)
        if (!waitUntilIdle(main.workspace(i)->session().client()))
            return false;
    return true;
}

QStringList texts(const QListWidget* list) {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text().section(u' ', 2); // without "Time: hh:mm:ss"
    return lines;
}

} // namespace

void TestFleet::serversWorkApart() {
    Harness h(false);
    SimFleet fleet(3);
    for (int i = 0; i < 3; ++i)
        fleet.server(i).setRateLimitMs(0);
    QVERIFY(fleet.start());
    h.startup();
    Main& main = *h.main;
    const ServerRecords records{recordOf(fleet.server(0), u"Public"_s),
                                recordOf(fleet.server(1), u"Match"_s),
                                recordOf(fleet.server(2), u"Team"_s)};
    main.serverList().setRecords(records);

    // Opening two listed servers: the blank workspace takes the first, a new tab the second.
    main.openServer(records[0]);
    main.openServer(records[1]);
    QVERIFY(settleAll(main));
    QCOMPARE(main.workspaceCount(), 2);
    Workspace* a = main.workspaceFor(records[0].entry());
    Workspace* b = main.workspaceFor(records[1].entry());
    QVERIFY(a && b && a != b && a->session().isConnected() && b->session().isConnected());
    main.openServer(records[0]); // already open: shown, not opened twice
    QCOMPARE(main.workspaceCount(), 2);
    QCOMPARE(&main.current(), a);

    // Three lines typed on each: the second server's queue does not wait for the first's.
    const auto type = [](Workspace* workspace, const QString& line) {
        workspace->widgets().comdirect->setEditText(line);
        workspace->widgets().cmdsend->click();
    };
    const qsizetype sentBefore = a->session().client().rconSentAtMs().size();
    for (const QString& line : {u"say one"_s, u"say two"_s, u"say three"_s}) {
        type(a, line);
        type(b, line);
    }
    QVERIFY(settleAll(main));
    const QList<qint64> sentA = a->session().client().rconSentAtMs().mid(sentBefore);
    const QList<qint64> sentB = b->session().client().rconSentAtMs().mid(sentBefore);
    QCOMPARE(sentA.size(), 3);
    QCOMPARE(sentB.size(), 3);
    QVERIFY(sentB.first() < sentA.last() && sentA.first() < sentB.last());
    QCOMPARE(fleet.server(0).receivedCommands().mid(fleet.server(0).receivedCommands().size() - 3),
             fleet.server(1).receivedCommands().mid(fleet.server(1).receivedCommands().size() - 3));

    // One message to every ticked server: one outcome line each, in the server's words.
    fleet.server(1).setUnknownCommands({u"say"_s});
    auto* view = main.findChild<QListView*>(u"lstservers"_s);
    for (int row = 0; row < 3; ++row)
        view->model()->setData(view->model()->index(row, 0), Qt::Checked, Qt::CheckStateRole);
    main.findChild<QLineEdit*>(u"txtfleet"_s)->setText(u"hello all"_s);
    QVERIFY(main.findChild<QPushButton*>(u"cmdfleetsay"_s)->isEnabled());
    main.findChild<QPushButton*>(u"cmdfleetsay"_s)->click();
    QVERIFY(settleAll(main));
    QStringList outcomes = texts(main.findChild<QListWidget*>(u"lstfleetlog"_s));
    outcomes.sort();
    QCOMPARE(outcomes,
             (QStringList{u"Match: hello all: refused: unknown command: say"_s,
                          u"Public: hello all: taken"_s, u"Team: hello all: not connected"_s}));
    QVERIFY(fleet.server(0).receivedCommands().last().endsWith(u"RemoteUser hello all"_s));

    // The message sets are one for all servers: a set one server's page adds and fills, the
    // other's shows when it comes into view, and acts on.
    main.show();
    MessagesPage* pageA = a->pages().messages;
    MessagesPage* pageB = b->pages().messages;
    main.findChild<QTabWidget*>(u"workspaces"_s)->setCurrentWidget(a);
    a->widgets().SSTab->setCurrentWidget(pageA);
    pageA->findChild<QComboBox*>(u"commessset"_s)->setEditText(u"Shared"_s);
    pageA->setChosen();
    pageA->findChild<QLineEdit*>(u"txtmess"_s)->setText(u"hello"_s);
    pageA->messageEdited();
    main.findChild<QTabWidget*>(u"workspaces"_s)->setCurrentWidget(b);
    b->widgets().SSTab->setCurrentWidget(pageB);
    QTRY_COMPARE(pageB->findChild<QComboBox*>(u"commessset"_s)->currentText(), u"Shared"_s);
    QCOMPARE(pageB->findChild<QListWidget*>(u"lstmess"_s)->item(0)->text(), u"hello"_s);
    QVERIFY(pageB->hasUnsavedChanges() && pageA->hasUnsavedChanges());

    // The automatic connect of Preferences marks its server in the list, and unmarks it.
    for (const bool on : {true, false}) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // a saved one closed
        main.openPreferences();
        auto* prefs = main.findChild<QDialog*>(u"frmpref"_s);
        prefs->findChild<QCheckBox*>(u"chkautoconnect"_s)->click();
        for (const auto& [name, text] :
             {std::pair{u"txtserv"_s, u"127.0.0.1"_s}, std::pair{u"txtport"_s, records[2].port},
              std::pair{u"txtpass"_s, records[2].password}}) {
            if (!on) // unticking is all it takes
                break;
            auto* field = prefs->findChild<QLineEdit*>(name);
            field->clear();
            QTest::keyClicks(field, text); // typed, so the dialog saves it
        }
        h.dialogs.setNextAnswer(Dialogs::Answer::Ok);
        prefs->findChild<QPushButton*>(u"cmdsave"_s)->click();
        QCOMPARE(main.serverList().records().value(2).connectAtStart, on);
        QCOMPARE(main.serverList().records().size(), 3);
    }

    // A tab closed while its server is asked for its players: nothing of it answers later,
    // and the other server goes on.
    fleet.server(0).setReplyDelayMs(Harness::kSecondMs);
    main.openServer(records[0]);
    a->pages().players->populateClicked();
    main.closeWorkspace(main.findChild<QTabWidget*>(u"workspaces"_s)->indexOf(a));
    QCOMPARE(main.workspaceCount(), 1);
    QVERIFY(!main.workspaceFor(records[0].entry()));
    Harness::pause(3);
    type(b, u"status"_s);
    QVERIFY(settleAll(main));
    QCOMPARE(fleet.server(1).receivedCommands().last(), u"status"_s);

    // The servers open at close open again at the next start, with the same one shown.
    main.openServer(records[2]);
    main.findChild<QTabWidget*>(u"workspaces"_s)->setCurrentWidget(b);
    QVERIFY(settleAll(main));
    h.dialogs.setNextAnswer(Dialogs::Answer::Cancel); // leave the unsaved sets unsaved
    QVERIFY(main.close());
    h.main = std::make_unique<Main>(h.dialogs, FileLocations{h.path(u"vostrel.ini"_s), h.dir()});
    h.startup();
    QVERIFY(settleAll(*h.main));
    QCOMPARE(h.main->workspaceCount(), 2);
    for (const ServerRecord& record : {records[1], records[2]}) {
        Workspace* reopened = h.main->workspaceFor(record.entry());
        QVERIFY(reopened && reopened->session().isConnected());
    }
    QCOMPARE(&h.main->current(), h.main->workspaceFor(records[1].entry()));
}

QTEST_MAIN(TestFleet)
#include "tst_fleet.moc"
