#include "players/PlayerExport.h"
#include "players/PlayerNames.h"
#include "players/PlayerSort.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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
    void exportLines();
};

void TestPlayerRules::stripColours_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stripped");
    const auto row = [](const char* tag, const QString& name, const QString& stripped) {
        QTest::newRow(tag) << name << stripped;
    };
    row("codes inside", "^1Red^7Baron", "RedBaron");
    row("caret and letter", "A^B", "A^B");
    row("double caret", "^^1x", "^x");
    row("trailing caret", "abc^", "abc^");
    row("empty", "", "");
    row("every digit", "^0a^1b^2c^3d^4e^5f^6g^7h^8i^9j", "abcdefghij");
    row("digit after a code stays", "^12", "2");
    row("other scripts' digits are not codes", "^\u0663x", "^\u0663x");
}

void TestPlayerRules::stripColours() {
    QFETCH(QString, name);
    QFETCH(QString, stripped);
    QCOMPARE(stripcolours(name), stripped);
}

void TestPlayerRules::placeholder_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("sent");
    const auto row = [](const char* tag, const QString& message, const QString& sent) {
        QTest::newRow(tag) << message << sent;
    };
    row("upper case", "You are on a last warning %P%", "You are on a last warning Ace");
    row("lower case inside", "hi %p%, ok", "hi Ace, ok");
    row("only the first", "%P% and %P%", "Ace and %P%");
    row("incomplete", "%P stop", "%P stop");
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
    const auto row = [](const char* tag, const QString& a, const QString& b, int sign) {
        QTest::newRow(tag) << a << b << sign;
    };
    row("9 before 10", "9", "10", -1);
    row("negative before positive", "-2", "1", -1);
    row("equal numbers written apart", "5", "5.0", 0);
    row("text ignores case", "alice", "Bob", -1);
    row("case breaks a tie", "Bob", "bob", -1);
    row("number before word", "50", "CNCT", -1);
    row("addresses as text", "192.0.2.9:1", "192.0.2.10:1", 1);
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
            for (const QString& c : cells)
                if (comparePlayerCells(a, b) < 0 && comparePlayerCells(b, c) < 0)
                    QVERIFY2(comparePlayerCells(a, c) < 0, qPrintable(a + u'|' + b + u'|' + c));
}

void TestPlayerRules::exportLines() {
    const QList<playerexport::Row> rows = {{"192.0.2.2:-32085", "0", "Say \"hi\""}};
    // English month names whatever the system language.
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString stamp = playerexport::stamp(QDateTime(QDate(2005, 3, 4), QTime(21, 7, 42)));
    QLocale::setDefault(previous);
    QCOMPARE(stamp, QStringLiteral("04-Mar-2005 21:07"));
    // A quote inside a name is doubled, so CSV readers keep the row whole.
    QCOMPARE(playerexport::lines(rows, "10.0.0.1:28960", stamp, false),
             QStringLiteral("\"04-Mar-2005 21:07\",\"10.0.0.1:28960\",\"192.0.2.2:-32085\","
                            "\"0\",\"Say \"\"hi\"\"\"\r\n"));

    // A file that exists but holds nothing gets its header too.
    QTemporaryDir dir;
    const QString empty = dir.filePath(QStringLiteral("empty.csv"));
    QVERIFY(QFile(empty).open(QIODevice::WriteOnly));
    QString error;
    QVERIFY(playerexport::append(empty, {}, "s:1", QDateTime::currentDateTime(), false, &error));
    QFile emptyFile(empty);
    QVERIFY(emptyFile.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromLatin1(emptyFile.readAll()), playerexport::headerLine());
}

QTEST_GUILESS_MAIN(TestPlayerRules)
#include "tst_playerrules.moc"
