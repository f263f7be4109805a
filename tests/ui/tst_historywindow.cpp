// The window's side of the history: what the operator does to a server is kept with the
// server's verdict, listed, filtered and exported; a database server out of reach is waited
// for without holding a command back.
#include "history/HistoryStore.h"
#include "rcon/Plan.h"
#include "support/Harness.h"
#include "ui/HistoryController.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSqlDatabase>
#include <QTableWidget>
#include <QTcpServer>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestHistoryWindow : public QObject {
    Q_OBJECT
private slots:
    void actionsAreKeptListedAndExported();
    void unreachableDatabaseIsWaitedFor();
};

namespace {

QStringList column(const QTableWidget* table, int index) {
    QStringList cells;
    for (int row = 0; row < table->rowCount(); ++row)
        cells << table->item(row, index)->text();
    return cells;
}

} // namespace

void TestHistoryWindow::actionsAreKeptListedAndExported() {
    Harness h;
    h.startup();
    HistoryStore* store = h.main->history().store();
    QTRY_COMPARE(store->state(), HistoryStore::State::Ready);
    h.connectDirect();
    QVERIFY(h.click(u"cmdrestartmap"_s));
    h.main->session().run({settingStep(Request::unechoed(u"scr_nosuch 1"_s), u"Nosuch updated"_s),
                           Step{Request::listing(u"sv_hostname"_s)}},
                          h.main.get());
    QVERIFY(h.settle());

    // The read is no action; the refusal is kept in the server's words.
    h.main->history().openActions();
    auto* table = h.find<QTableWidget>(u"lstactions"_s);
    QVERIFY(table);
    QTRY_COMPARE(table->rowCount(), 2);
    QCOMPARE(column(table, 3), (QStringList{u"setting"_s, u"restart"_s}));
    QCOMPARE(column(table, 4), (QStringList{u"scr_nosuch 1"_s, u"map_restart"_s}));
    QCOMPARE(column(table, 5),
             (QStringList{u"refused: Unknown command \"scr_nosuch\""_s, u"taken"_s}));
    const QString server = u"127.0.0.1:"_s + QString::number(h.sim.port());
    QCOMPARE(column(table, 1), (QStringList{server, server}));

    // Filtered by kind, then exported as shown.
    h.find<QComboBox>(u"cmbactionkind"_s)->setCurrentText(u"restart"_s);
    h.find<QPushButton>(u"cmdactionshow"_s)->click();
    QTRY_COMPARE(table->rowCount(), 1);
    const QString csv = h.path(u"actions.csv"_s);
    h.dialogs.setNextSaveName(csv);
    h.find<QPushButton>(u"cmdactionexport"_s)->click();
    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().trimmed().split('\n');
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines[1].contains("map_restart"));
    QVERIFY(lines[1].contains("taken"));
}

void TestHistoryWindow::unreachableDatabaseIsWaitedFor() {
    if (!QSqlDatabase::isDriverAvailable(u"QPSQL"_s))
        QSKIP("Qt's PostgreSQL driver (libqt6sql6-psql) is not installed");
    // A port that was free a moment ago: nothing answers there.
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost));
    const quint16 closedPort = probe.serverPort();
    probe.close();
    Harness h;
    h.writeSettings("[history]\nstore=postgres\nhost=127.0.0.1\nport=" +
                    QByteArray::number(closedPort) + "\ndatabase=team\nuser=admin\n");
    h.startup();
    auto* label = h.find<QLabel>(u"lblhistory"_s);
    QTRY_VERIFY(label->isVisibleTo(h.main.get()));
    QCOMPARE(label->text(), u"History: waiting for the database"_s);

    // The record waits; the command goes at once.
    h.connectDirect();
    QVERIFY(h.click(u"cmdrestartmap"_s));
    QCOMPARE(h.commands(), QStringList{u"map_restart"_s});
    QTRY_COMPARE(h.main->history().store()->queued(), 1);
    QVERIFY(h.dialogs.messages().isEmpty());
}

QTEST_MAIN(TestHistoryWindow)
#include "tst_historywindow.moc"
