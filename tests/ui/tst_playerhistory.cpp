#include "ModePageChecks.h"
#include "history/HistoryStore.h"
#include "players/PlayerSightings.h"
#include "ui/pages/players/PlayerHistoryPanel.h"

#include <QCheckBox>
#include <QTableWidget>

#include <optional>

namespace {

struct Fixture : Harness {
    HistoryStore store;
    Fixture() {
        store.open({HistoryConfig::Kind::Sqlite, path("history.sqlite")});
        main->session().state().history = &store;
    }
    QTableWidget* grid() const { return find<QTableWidget>("msfplayers"); }
    void select(const QString& name) {
        grid()->clearSelection();
        grid()->selectRow(grid()->findItems(name, Qt::MatchExactly).first()->row());
    }
    QString panel() const { return find<PlayerHistoryPanel>("playerhistory")->text(); }
    QList<ActionRecord> actions() {
        std::optional<QList<ActionRecord>> found;
        store.findActions({}, &store, [&found](const QList<ActionRecord>& a) { found = a; });
        if (!QTest::qWaitFor([&found] { return found.has_value(); }))
            qFatal("the history did not answer");
        return *found;
    }
};

SimPlayer player(int num, const QString& name, const QString& address) {
    return {num, 0, "50", QString::number(400000 + num), name, 0, address, 2000 + num, 25000};
}

} // namespace

class TestPlayerHistory : public QObject {
    Q_OBJECT
private slots:
    void addressesWithoutPorts();
    void sightingsReasonsAndPanel();
    void automaticKickNamesItsPlayer();
};

void TestPlayerHistory::addressesWithoutPorts() {
    QCOMPARE(playerIp("192.0.2.3:28960"), "192.0.2.3");
    QCOMPARE(playerIp("[::1]:28960"), "::1");
    // Not an address: kept as one, every bot would be everyone else's alias.
    QCOMPARE(playerIp("bot"), "");
    QCOMPARE(playerIp("loopback"), "");
}

// Populates keep who played where; the panel finds another name of the same address (another
// port); each removal keeps its reason, which never reaches the server.
void TestPlayerHistory::sightingsReasonsAndPanel() {
    Fixture h;
    h.find<QCheckBox>("chkremcol")->setChecked(true);
    const SimPlayer ace = player(1, "Ace", "192.0.2.2:28960");
    const SimPlayer cat = player(3, "Cat", "192.0.2.4:28960");
    h.sim.setPlayers({ace, player(2, "OldName", "192.0.2.3:28960"), cat});
    h.connectDirect();
    QVERIFY(h.click("cmdplypop"));
    h.sim.setPlayers({ace, player(2, "^1Red ^7Baron", "192.0.2.3:1234"), cat});
    QVERIFY(h.click("cmdplypop"));
    QTRY_COMPARE(h.store.queued(), 0);
    h.select("Red Baron");
    QTRY_VERIFY(h.panel().contains("Also seen as: OldName"));

    h.dialogs.setNextReason("camping");
    QVERIFY(h.click("cmdplykick"));
    h.select("Ace");
    h.dialogs.setNextDontAsk();
    QVERIFY(h.click("cmdplyban"));
    h.select("Cat"); // not asked again: no reason either
    QVERIFY(h.click("cmdplykick"));
    QCOMPARE(h.commands(), (QStringList{"status", "status", "status", "clientkick 2", "status",
                                        "banclient 1", "status", "clientkick 3"}));
    for (const QByteArray& datagram : h.sim.received())
        QVERIFY(!datagram.contains("camping"));
    QList<ScriptedDialogs::Shown> asked = h.dialogs.messages();
    QCOMPARE(asked.size(), 2);
    QVERIFY(asked[0].asksReason && asked[0].recentReasons.isEmpty());
    QCOMPARE(asked[1].recentReasons, QStringList{"camping"});

    QTRY_COMPARE(h.store.queued(), 0);
    QStringList kept;
    for (const ActionRecord& a : h.actions())
        kept << QStringList{a.kind, a.outcome, a.playerName, a.playerAddress, a.reason}.join('|');
    QCOMPARE(kept, (QStringList{"kick|taken|Cat|192.0.2.4|", "ban|taken|Ace|192.0.2.2|",
                                "kick|taken|Red Baron|192.0.2.3|camping"}));
}

// The 999 watch's kick is kept with the player it removed, and why.
void TestPlayerHistory::automaticKickNamesItsPlayer() {
    Fixture h;
    Options& options = h.main->session().state().options;
    options.autokick999 = true;
    options.autokick999int = 2;
    options.autoqplayerint = 5;
    h.sim.setPlayers({{5, 0, "999", "400005", "Lagger", 0, "192.0.2.5:28960", 2005, 25000},
                      player(9, "Charlie", "192.0.2.9:28960")});
    h.connectDirect();
    h.find<QCheckBox>("chkautoupdate")->click();
    QTRY_VERIFY(h.commands().contains("clientkick 5"));
    h.find<QCheckBox>("chkautoupdate")->click();
    QVERIFY(h.settle());
    QTRY_COMPARE(h.store.queued(), 0);
    const QList<ActionRecord> kept = h.actions();
    QCOMPARE(kept.size(), 1);
    QCOMPARE((QStringList{kept[0].kind, kept[0].command, kept[0].playerName, kept[0].reason}),
             (QStringList{"kick", "clientkick 5", "Lagger", "automatic: ping 999"}));
}

QTEST_MAIN(TestPlayerHistory)
#include "tst_playerhistory.moc"
