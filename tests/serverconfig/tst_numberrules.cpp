#include "serverconfig/NumberRules.h"

#include <QTest>

class TestNumberRules : public QObject {
    Q_OBJECT
private slots:
    void rules_data();
    void rules();
};

void TestNumberRules::rules_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("numeric");
    QTest::addColumn<int>("whole"); // -99999: no whole value
    QTest::addColumn<bool>("inTimeRange"); // 0 to 1440

    const int none = -99999;
    QTest::newRow("1440") << "1440" << true << 1440 << true;
    QTest::newRow("1440.4") << "1440.4" << true << 1440 << true;
    QTest::newRow("1440.5 to even") << "1440.5" << true << 1440 << true;
    QTest::newRow("1440.6") << "1440.6" << true << 1441 << false;
    QTest::newRow("1441") << "1441" << true << 1441 << false;
    QTest::newRow("-1") << "-1" << true << -1 << false;
    QTest::newRow("-0.5 to zero") << "-0.5" << true << 0 << true;
    QTest::newRow("2.5 to even") << "2.5" << true << 2 << true;
    QTest::newRow("3.5 to even") << "3.5" << true << 4 << true;
    QTest::newRow("exponent") << "1e3" << true << 1000 << true;
    QTest::newRow("blanks around") << "  15 " << true << 15 << true;
    QTest::newRow("plus sign") << "+7" << true << 7 << true;
    QTest::newRow("leading point") << ".5" << true << 0 << true;
    QTest::newRow("out of 16 bits") << "99999" << true << none << false;
    QTest::newRow("16-bit edge") << "32767" << true << 32767 << false;
    QTest::newRow("letters") << "abc" << false << none << false;
    QTest::newRow("empty") << "" << false << none << false;
    QTest::newRow("blank only") << "   " << false << none << false;
    QTest::newRow("comma") << "1,5" << false << none << false;
    QTest::newRow("double sign") << "--1" << false << none << false;
    QTest::newRow("trailing letters") << "12abc" << false << none << false;
    QTest::newRow("huge exponent") << "1e400" << false << none << false;
}

void TestNumberRules::rules() {
    QFETCH(QString, text);
    QFETCH(bool, numeric);
    QFETCH(int, whole);
    QFETCH(bool, inTimeRange);

    QCOMPARE(numbers::isNumeric(text), numeric);
    const std::optional<qint16> value = numbers::wholeValue(text);
    QCOMPARE(value.has_value(), whole != -99999);
    if (value)
        QCOMPARE(int(*value), whole);
    QCOMPARE(numbers::wholeInRange(text, 0, 1440), inTimeRange);
    QCOMPARE(int(numbers::wholeOrZero(text)), value ? whole : 0);
}

QTEST_GUILESS_MAIN(TestNumberRules)
#include "tst_numberrules.moc"
