#include "players/ColumnFormat.h"
#include "players/PlayerColumns.h"
#include "players/PlayerExport.h"
#include "players/PlayerNames.h"
#include "players/PlayerSort.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

class TestPlayerRules : public QObject {
    Q_OBJECT
private slots:
    void stripColours_data();
    void stripColours();
    void placeholder_data();
    void placeholder();
    void compareCells_data();
    void compareCells();
    void compareIsAnOrder();
    void sortOrder();
    void gridColumns();
    void exportLines();
    void exportStampIsEnglish();
    void exportAppendsHeaderOnce();
};

void TestPlayerRules::stripColours_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stripped");
    QTest::newRow("codes around") << "^1Red^7"
                                  << "Red";
    QTest::newRow("codes inside") << "^1Red^7Baron"
                                  << "RedBaron";
    QTest::newRow("caret and letter") << "A^B"
                                      << "A^B";
    QTest::newRow("double caret") << "^^1x"
                                  << "^x";
    QTest::newRow("trailing caret") << "abc^"
                                    << "abc^";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("caret and blank") << "a^ b"
                                     << "a^ b";
    QTest::newRow("every digit") << "^0a^1b^2c^3d^4e^5f^6g^7h^8i^9j"
                                 << "abcdefghij";
    QTest::newRow("only codes") << "^1^2^3"
                                << "";
    QTest::newRow("digit after a code stays") << "^12"
                                              << "2";
    QTest::newRow("other scripts' digits are not codes") << "^\u0663x"
                                                         << "^\u0663x";
}

void TestPlayerRules::stripColours() {
    QFETCH(QString, name);
    QFETCH(QString, stripped);
    const QString before = name;
    QCOMPARE(stripcolours(name), stripped);
    QCOMPARE(name, before);
}

void TestPlayerRules::placeholder_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("sent");
    QTest::newRow("lower case") << "%p% stop camping"
                                << "Ace stop camping";
    QTest::newRow("upper case") << "You are on a last warning %P%"
                                << "You are on a last warning Ace";
    QTest::newRow("mixed case inside") << "hi %P%, ok"
                                       << "hi Ace, ok";
    QTest::newRow("only the first") << "%P% and %P%"
                                    << "Ace and %P%";
    QTest::newRow("none") << "no name here"
                          << "no name here";
    QTest::newRow("incomplete") << "%P stop"
                                << "%P stop";
}

void TestPlayerRules::placeholder() {
    QFETCH(QString, message);
    QFETCH(QString, sent);
    QCOMPARE(fillPlayerPlaceholder(message, QStringLiteral("Ace")), sent);
}

void TestPlayerRules::compareCells_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("sign");
    QTest::newRow("9 before 10") << "9"
                                 << "10" << -1;
    QTest::newRow("negative before positive") << "-2"
                                              << "1" << -1;
    QTest::newRow("exponent is a number") << "1e3"
                                          << "999" << 1;
    QTest::newRow("equal numbers written apart") << "5"
                                                 << "5.0" << 0;
    QTest::newRow("text ignores case") << "alice"
                                       << "Bob" << -1;
    QTest::newRow("case breaks a tie") << "Bob"
                                       << "bob" << -1;
    QTest::newRow("number before word") << "50"
                                        << "CNCT" << -1;
    QTest::newRow("empty before text") << ""
                                       << "x" << -1;
    QTest::newRow("addresses as text") << "192.0.2.9:1"
                                       << "192.0.2.10:1" << 1;
    QTest::newRow("same text") << "Ace"
                               << "Ace" << 0;
}

void TestPlayerRules::compareCells() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, sign);
    const auto sgn = [](int v) { return (v > 0) - (v < 0); };
    QCOMPARE(sgn(comparePlayerCells(a, b)), sign);
    QCOMPARE(sgn(comparePlayerCells(b, a)), -sign);
}

// A sort needs a consistent order however numbers and words are mixed in a column.
void TestPlayerRules::compareIsAnOrder() {
    const QStringList cells = {"10",  "9",   "1a", "CNCT", "",    "-3",  "999", "zombie",
                               "Ace", "ace", "0",  "2.5",  " 7 ", "1e2", "!x"};
    for (const QString& a : cells)
        for (const QString& b : cells)
            for (const QString& c : cells) {
                if (comparePlayerCells(a, b) < 0 && comparePlayerCells(b, c) < 0)
                    QVERIFY2(comparePlayerCells(a, c) < 0, qPrintable(a + u'|' + b + u'|' + c));
            }
    QStringList sorted = cells;
    std::stable_sort(sorted.begin(), sorted.end(), [](const QString& x, const QString& y) {
        return comparePlayerCells(x, y) < 0;
    });
    QVERIFY(sorted.indexOf("9") < sorted.indexOf("10"));
    QVERIFY(sorted.indexOf("10") < sorted.indexOf("1e2"));
}

void TestPlayerRules::sortOrder() {
    for (int column = 0; column < playercol::Count; ++column)
        QCOMPARE(playerSortOrder(column),
                 column == playercol::Score ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void TestPlayerRules::gridColumns() {
    const QList<GridColumn> columns = parseColumnFormat(QString::fromLatin1(playercol::kFormat));
    QStringList headers;
    for (const GridColumn& c : columns)
        headers << c.header;
    QCOMPARE(headers, (QStringList{"", "Num", "Guid", "Player", "Ping", "Score", "Address", "Qport",
                                   "Rate", "Last Message"}));
    QCOMPARE(columns[playercol::Player].alignment & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    for (int c : {playercol::Guid, playercol::Ping, playercol::Score, playercol::Address,
                  playercol::Qport, playercol::Rate})
        QCOMPARE(columns[c].alignment & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    // The blanks of a header set the starting width: the name column is the widest.
    for (int c = 0; c < columns.size(); ++c)
        if (c != playercol::Player)
            QVERIFY(columns[c].widthChars < columns[playercol::Player].widthChars);
    QVERIFY(columns[playercol::Address].widthChars > columns[playercol::Guid].widthChars);

    const QList<GridColumn> centred = parseColumnFormat(QStringLiteral("^Mid |<L|>R"));
    QCOMPARE(centred[0].alignment & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(centred[0].header, QStringLiteral("Mid"));
    QCOMPARE(centred[0].widthChars, 4);
}

void TestPlayerRules::exportLines() {
    const QList<playerexport::Row> rows = {{"192.0.2.1:28960", "465030", "Ace"},
                                           {"192.0.2.2:-32085", "0", "Say \"hi\""}};
    const QString stamp = QStringLiteral("04-Mar-2005 21:07");
    QCOMPARE(playerexport::lines(rows, "10.0.0.1:28960", stamp, false),
             QStringLiteral("\"04-Mar-2005 21:07\",\"10.0.0.1:28960\",\"192.0.2.1:28960\","
                            "\"465030\",\"Ace\"\r\n"
                            "\"04-Mar-2005 21:07\",\"10.0.0.1:28960\",\"192.0.2.2:-32085\","
                            "\"0\",\"Say \"\"hi\"\"\"\r\n"));
    QCOMPARE(playerexport::lines(rows.mid(0, 1), "10.0.0.1:28960", stamp, true),
             QStringLiteral("\"04-Mar-2005 21:07\",\"10.0.0.1:28960\",\"Ace\"\r\n"));
    QCOMPARE(playerexport::headerLine(),
             QStringLiteral("\"Date/Time\",\"Server IP:Port\",\"Player IP\",\"Player GUID\","
                            "\"Player Name\"\r\n"));
}

void TestPlayerRules::exportStampIsEnglish() {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QDateTime when(QDate(2005, 3, 4), QTime(21, 7, 42));
    const QString stamp = playerexport::stamp(when);
    QLocale::setDefault(previous);
    QCOMPARE(stamp, QStringLiteral("04-Mar-2005 21:07"));
    QCOMPARE(playerexport::stamp(QDateTime(QDate(2024, 12, 31), QTime(9, 5))),
             QStringLiteral("31-Dec-2024 09:05"));
}

void TestPlayerRules::exportAppendsHeaderOnce() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("playerlist.csv"));
    const QDateTime when(QDate(2005, 3, 4), QTime(21, 7));
    const QList<playerexport::Row> rows = {{"1.2.3.4:5", "77", "J\u00fcrgen"}};
    QString error;
    QVERIFY(playerexport::append(path, rows, "s:1", when, false, &error));
    QVERIFY(playerexport::append(path, rows, "s:1", when, true, &error));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes,
             QByteArray("\"Date/Time\",\"Server IP:Port\",\"Player IP\",\"Player GUID\","
                        "\"Player Name\"\r\n"
                        "\"04-Mar-2005 21:07\",\"s:1\",\"1.2.3.4:5\",\"77\",\"J\xfcrgen\"\r\n"
                        "\"04-Mar-2005 21:07\",\"s:1\",\"J\xfcrgen\"\r\n"));

    // A file that exists but holds nothing gets its header too.
    const QString empty = dir.filePath(QStringLiteral("empty.csv"));
    QFile(empty).open(QIODevice::WriteOnly);
    QVERIFY(playerexport::append(empty, {}, "s:1", when, false, &error));
    QFile emptyFile(empty);
    QVERIFY(emptyFile.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromLatin1(emptyFile.readAll()), playerexport::headerLine());
}

QTEST_GUILESS_MAIN(TestPlayerRules)
#include "tst_playerrules.moc"
