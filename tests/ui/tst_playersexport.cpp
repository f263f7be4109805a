#include "../players/PlayerFixtures.h"
#include "players/PlayerColumns.h"
#include "rcon/Wire1252.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace players_fixture;
namespace col = playercol;

namespace {

const QString kHeader = QStringLiteral(
    "\"Date/Time\",\"Server IP:Port\",\"Player IP\",\"Player GUID\",\"Player Name\"\r\n");

QByteArray fileBytes(const Harness& h) {
    QFile file(h.path(QStringLiteral("playerlist.csv")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The file's lines after the header, each split into its fields (no name here holds a quote).
QList<QStringList> csvRows(const Harness& h) {
    const QString all = wire1252::decode(fileBytes(h));
    if (!all.startsWith(kHeader) || all.count(kHeader) != 1)
        return {};
    QList<QStringList> rows;
    for (const QString& line :
         all.mid(kHeader.size()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
        rows << line.mid(1, line.size() - 2).split(QStringLiteral("\",\""));
    return rows;
}

void save(const Harness& h) {
    h.find<QPushButton>(QStringLiteral("cmdsavenames"))->click();
}

QString server(const Harness& h) {
    return QStringLiteral("127.0.0.1:") + QString::number(h.sim.port());
}

} // namespace

class TestPlayersExport : public QObject {
    Q_OBJECT
private slots:
    void headerOnceThenRows();
    void queryModeRowsHaveThreeFields();
};

void TestPlayersExport::headerOnceThenRows() {
    Harness h;
    // Cancelled: no file.
    h.dialogs.setNextAnswer(Dialogs::Answer::Cancel);
    save(h);
    QVERIFY(!QFile::exists(h.path(QStringLiteral("playerlist.csv"))));
    QCOMPARE(titles(h), QStringList{"Save list"});

    // An empty list still starts the file with its header.
    h.dialogs.clear();
    save(h);
    QCOMPARE(fileBytes(h), kHeader.toLatin1());
    const QList<ScriptedDialogs::Shown> boxes = h.dialogs.messages();
    QCOMPARE(titles(h), (QStringList{"Save list", "Players saved"}));
    QCOMPARE(boxes[0].text, "Append current list of players and GUIDs to playerlist.csv");
    QCOMPARE(boxes[0].icon, Dialogs::Icon::Question);
    QCOMPARE(boxes[0].buttons, Dialogs::Buttons::OkCancel);
    QCOMPARE(boxes[1].text, "Players appended");
    QCOMPARE(boxes[1].icon, Dialogs::Icon::Information);

    // The simulated server's own three players, one with a non-ASCII name; two exports.
    tick(h, "chkremcol", true);
    h.connectDirect();
    populate(h);
    save(h);
    save(h);
    const QList<QStringList> rows = csvRows(h);
    QCOMPARE(rows.size(), 2 * 3);
    for (int i = 0; i < rows.size(); ++i) {
        const int r = i % 3;
        QCOMPARE(rows[i].mid(1), (QStringList{server(h), cell(h, r, col::Address),
                                              cell(h, r, col::Guid), cell(h, r, col::Player)}));
    }
    QCOMPARE(rows[0][0], rows[2][0]); // one time stamp per export
    QVERIFY(fileBytes(h).contains("\"J\xfcrgen M\xfcller\""));

    // A file that cannot be written is reported, not claimed as saved.
    QVERIFY(QFile::remove(h.path(QStringLiteral("playerlist.csv"))));
    QVERIFY(QDir(h.dir()).mkdir(QStringLiteral("playerlist.csv")));
    h.dialogs.clear();
    save(h);
    QCOMPARE(titles(h), (QStringList{"Save list", "Save list"}));
    QVERIFY(h.dialogs.messages().last().text.startsWith("Could not append to playerlist.csv\r"));
    QCOMPARE(h.dialogs.messages().last().icon, Dialogs::Icon::Exclamation);
}

void TestPlayersExport::queryModeRowsHaveThreeFields() {
    Harness h;
    h.sim.setPlayers({player(1, "Ace"), player(2, "Big Bad Wolf")});
    tick(h, "chkplyq", true);
    h.connectDirect();
    populate(h);
    save(h);
    const QList<QStringList> rows = csvRows(h);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0].mid(1), (QStringList{server(h), "Big Bad Wolf"}));
    QCOMPARE(rows[1].mid(1), (QStringList{server(h), "Ace"}));
}

QTEST_MAIN(TestPlayersExport)
#include "tst_playersexport.moc"
