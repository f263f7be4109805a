#include "../players/PlayerFixtures.h"
#include "players/PlayerColumns.h"
#include "rcon/Wire1252.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace players_fixture;
namespace col = playercol;

namespace {

const QString kHeader = QStringLiteral(
    "\"Date/Time\",\"Server IP:Port\",\"Player IP\",\"Player GUID\",\"Player Name\"");

// The file's lines, each split into its fields (none of the names here holds a quote).
QList<QStringList> csvRows(const Harness& h, QString* text = nullptr) {
    QFile file(h.path(QStringLiteral("playerlist.csv")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString all = wire1252::decode(file.readAll());
    if (text)
        *text = all;
    QList<QStringList> rows;
    for (const QString& line : all.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        if (!line.startsWith(u'"') || !line.endsWith(u'"'))
            return {};
        rows << line.mid(1, line.size() - 2).split(QStringLiteral("\",\""));
    }
    return rows;
}

void save(const Harness& h) {
    h.find<QPushButton>(QStringLiteral("cmdsavenames"))->click();
}

} // namespace

class TestPlayersExport : public QObject {
    Q_OBJECT
private slots:
    void headerOnceThenRows();
    void queryModeRowsHaveThreeFields();
    void cancelWritesNothing();
    void emptyListStillCreatesTheFile();
    void unwritableFileIsReported();
};

void TestPlayersExport::headerOnceThenRows() {
    Harness h;
    tick(h, "chkremcol", true);
    h.connectDirect();
    populate(h); // the simulated server's own three players, one with a non-ASCII name
    save(h);

    QCOMPARE(h.dialogs.messages().size(), 2);
    const ScriptedDialogs::Shown ask = h.dialogs.messages().at(0);
    QCOMPARE(ask.text,
             QStringLiteral("Append current list of players and GUIDs to playerlist.csv"));
    QCOMPARE(ask.title, QStringLiteral("Save list"));
    QCOMPARE(ask.icon, Dialogs::Icon::Question);
    QCOMPARE(ask.buttons, Dialogs::Buttons::OkCancel);
    const ScriptedDialogs::Shown done = h.dialogs.messages().at(1);
    QCOMPARE(done.text, QStringLiteral("Players appended"));
    QCOMPARE(done.title, QStringLiteral("Players saved"));
    QCOMPARE(done.icon, Dialogs::Icon::Information);

    save(h);
    QString text;
    const QList<QStringList> rows = csvRows(h, &text);
    QCOMPARE(text.count(kHeader), 1);
    QVERIFY(text.startsWith(kHeader + QStringLiteral("\r\n")));
    QCOMPARE(rows.size(), 1 + 2 * 3);
    const QString server = QStringLiteral("127.0.0.1:") + QString::number(h.sim.port());
    const QRegularExpression stamp(QStringLiteral(
        "^\\d\\d-(Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec)-\\d{4} \\d\\d:\\d\\d$"));
    for (int i = 1; i < rows.size(); ++i) {
        const QStringList& f = rows[i];
        const int r = (i - 1) % 3;
        QCOMPARE(f.size(), 5);
        QVERIFY2(stamp.match(f[0]).hasMatch(), qPrintable(f[0]));
        QCOMPARE(f[1], server);
        QCOMPARE(f[2], cell(h, r, col::Address));
        QCOMPARE(f[3], cell(h, r, col::Guid));
        QCOMPARE(f[4], cell(h, r, col::Player));
    }
    // One time stamp per export.
    QCOMPARE(rows[1][0], rows[3][0]);
    QVERIFY(column(h, col::Player).contains(QStringLiteral("J\u00fcrgen M\u00fcller")));
    QFile raw(h.path(QStringLiteral("playerlist.csv")));
    QVERIFY(raw.open(QIODevice::ReadOnly));
    QVERIFY(raw.readAll().contains("\"J\xfcrgen M\xfcller\""));
}

void TestPlayersExport::queryModeRowsHaveThreeFields() {
    Harness h;
    h.sim.setPlayers({player(1, "Ace"), player(2, "Big Bad Wolf")});
    tick(h, "chkplyq", true);
    h.connectDirect();
    populate(h);
    save(h);
    const QList<QStringList> rows = csvRows(h);
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows[0].size(), 5);
    QCOMPARE(rows[1].size(), 3);
    QCOMPARE(rows[1][2], QStringLiteral("Big Bad Wolf"));
    QCOMPARE(rows[2][2], QStringLiteral("Ace"));
    QCOMPARE(rows[2][1], QStringLiteral("127.0.0.1:") + QString::number(h.sim.port()));
}

void TestPlayersExport::cancelWritesNothing() {
    Harness h;
    h.connectDirect();
    populate(h);
    h.dialogs.setNextAnswer(Dialogs::Answer::Cancel);
    save(h);
    QVERIFY(!QFile::exists(h.path(QStringLiteral("playerlist.csv"))));
    QCOMPARE(titles(h), QStringList{"Save list"});
}

void TestPlayersExport::emptyListStillCreatesTheFile() {
    Harness h;
    save(h);
    QString text;
    csvRows(h, &text);
    QCOMPARE(text, kHeader + QStringLiteral("\r\n"));
    QCOMPARE(titles(h), (QStringList{"Save list", "Players saved"}));
}

void TestPlayersExport::unwritableFileIsReported() {
    Harness h;
    QVERIFY(QDir(h.dir()).mkdir(QStringLiteral("playerlist.csv")));
    h.connectDirect();
    populate(h);
    save(h);
    QCOMPARE(titles(h), (QStringList{"Save list", "Save list"}));
    const ScriptedDialogs::Shown box = h.dialogs.messages().last();
    QVERIFY(box.text.startsWith(QStringLiteral("Could not append to playerlist.csv\r")));
    QCOMPARE(box.icon, Dialogs::Icon::Exclamation);
}

QTEST_MAIN(TestPlayersExport)
#include "tst_playersexport.moc"
