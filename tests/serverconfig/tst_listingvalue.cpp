#include "serverconfig/HobRules.h"
#include "serverconfig/ListingValue.h"

#include <QTest>

// The rules that turn listing values and typed texts into control states.
class TestListingValue : public QObject {
    Q_OBJECT
private slots:
    void checkState_data();
    void checkState();
    void scrollPosition_data();
    void scrollPosition();
    void percentage_data();
    void percentage();
    void wave_data();
    void wave();
};

void TestListingValue::checkState_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("state"); // -1: the value cannot become a state

    QTest::newRow("off") << "0" << 0;
    QTest::newRow("on") << "1" << 1;
    QTest::newRow("greyed") << "2" << 2;
    QTest::newRow("half to even, down") << "2.5" << 2;
    QTest::newRow("half to even, up") << "1.5" << 2;
    QTest::newRow("rounds above range") << "2.6" << -1;
    QTest::newRow("negative") << "-1" << -1;
    QTest::newRow("text") << "yes" << -1;
    QTest::newRow("huge") << "99999" << -1;
}

void TestListingValue::checkState() {
    QFETCH(QString, value);
    QFETCH(int, state);
    const std::optional<int> result = listing::checkState(value);
    QCOMPARE(result.has_value(), state >= 0);
    if (result)
        QCOMPARE(*result, state);
}

void TestListingValue::scrollPosition_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("position");

    QTest::newRow("plain") << "40" << 40;
    QTest::newRow("leading number of a longer text") << "40abc" << 40;
    QTest::newRow("fraction rounds") << "40.6" << 41;
    QTest::newRow("text") << "abc" << 0;
    QTest::newRow("above the bar") << "150" << 100;
    QTest::newRow("far above int") << "99999999999999999999" << 100;
}

void TestListingValue::scrollPosition() {
    QFETCH(QString, value);
    QFETCH(int, position);
    QCOMPARE(hob::scrollPosition(value), position);
}

void TestListingValue::percentage_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value"); // -1: refused

    QTest::newRow("hundred") << "100" << 100;
    QTest::newRow("rounds into range") << "100.4" << 100;
    QTest::newRow("rounds out of range") << "100.6" << -1;
    QTest::newRow("101") << "101" << -1;
    QTest::newRow("negative") << "-1" << -1;
    QTest::newRow("text") << "ten" << -1;
}

void TestListingValue::percentage() {
    QFETCH(QString, text);
    QFETCH(int, value);
    const std::optional<int> result = hob::percentage(text);
    QCOMPARE(result.has_value(), value >= 0);
    if (result)
        QCOMPARE(*result, value);
}

void TestListingValue::wave_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<hob::WaveCheck>("check");

    QTest::newRow("highest") << "30" << hob::WaveCheck::Ok;
    QTest::newRow("fraction") << "2.5" << hob::WaveCheck::Ok;
    QTest::newRow("below one") << "0.5" << hob::WaveCheck::OutOfRange;
    QTest::newRow("above thirty") << "31" << hob::WaveCheck::OutOfRange;
    QTest::newRow("text") << "abc" << hob::WaveCheck::NotNumeric;
}

void TestListingValue::wave() {
    QFETCH(QString, text);
    QFETCH(hob::WaveCheck, check);
    QCOMPARE(hob::checkWave(text), check);
}

QTEST_GUILESS_MAIN(TestListingValue)
#include "tst_listingvalue.moc"
