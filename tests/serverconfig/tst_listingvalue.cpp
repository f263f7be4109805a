#include "serverconfig/HobRules.h"
#include "serverconfig/ListingValue.h"
#include "serverconfig/VariableCommand.h"

#include <QTest>

// The rules that turn listing values and typed texts into control states and commands.
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
    void commands();
};

void TestListingValue::checkState_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("state"); // -1: the value cannot become a state

    QTest::newRow("off") << "0" << 0;
    QTest::newRow("on") << "1" << 1;
    QTest::newRow("greyed") << "2" << 2;
    QTest::newRow("blanks around") << " 1 " << 1;
    QTest::newRow("fraction down") << "1.4" << 1;
    QTest::newRow("half to even, down") << "2.5" << 2;
    QTest::newRow("half to even, up") << "1.5" << 2;
    QTest::newRow("small negative rounds to 0") << "-0.4" << 0;
    QTest::newRow("rounds above range") << "2.6" << -1;
    QTest::newRow("three") << "3" << -1;
    QTest::newRow("negative") << "-1" << -1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("text") << "yes" << -1;
    QTest::newRow("number then text") << "1x" << -1;
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
    QTest::newRow("half to even") << "40.5" << 40;
    QTest::newRow("blank before") << " 7" << 7;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("text") << "abc" << 0;
    QTest::newRow("above the bar") << "150" << 100;
    QTest::newRow("below the bar") << "-5" << 0;
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

    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("hundred") << "100" << 100;
    QTest::newRow("forty") << "40" << 40;
    QTest::newRow("rounds into range") << "100.4" << 100;
    QTest::newRow("rounds out of range") << "100.6" << -1;
    QTest::newRow("101") << "101" << -1;
    QTest::newRow("negative") << "-1" << -1;
    QTest::newRow("empty") << "" << -1;
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

    QTest::newRow("default") << "15" << hob::WaveCheck::Ok;
    QTest::newRow("lowest") << "1" << hob::WaveCheck::Ok;
    QTest::newRow("highest") << "30" << hob::WaveCheck::Ok;
    QTest::newRow("fraction") << "2.5" << hob::WaveCheck::Ok;
    QTest::newRow("below one") << "0.5" << hob::WaveCheck::OutOfRange;
    QTest::newRow("above thirty") << "31" << hob::WaveCheck::OutOfRange;
    QTest::newRow("just above thirty") << "30.1" << hob::WaveCheck::OutOfRange;
    QTest::newRow("text") << "abc" << hob::WaveCheck::NotNumeric;
    QTest::newRow("empty") << "" << hob::WaveCheck::NotNumeric;
}

void TestListingValue::wave() {
    QFETCH(QString, text);
    QFETCH(hob::WaveCheck, check);
    QCOMPARE(hob::checkWave(text), check);
}

void TestListingValue::commands() {
    using namespace varcommand;
    QCOMPARE(quotedCommand(QStringLiteral("scr_allow_mp40"), QStringLiteral("1")),
             QStringLiteral("scr_allow_mp40\"1\""));
    QCOMPARE(quotedCommand(QStringLiteral("scr_allow_mg34 "), QStringLiteral("0")),
             QStringLiteral("scr_allow_mg34 \"0\""));
    QCOMPARE(quotedCommand(QStringLiteral("sv_hostname"), QString()),
             QStringLiteral("sv_hostname\"\""));
    QCOMPARE(plainCommand(QStringLiteral("sv_maxclients"), QString()),
             QStringLiteral("sv_maxclients "));
    QCOMPARE(command(Form::Plain, QStringLiteral("scr_killcam"), QStringLiteral("1")),
             QStringLiteral("scr_killcam 1"));
}

QTEST_GUILESS_MAIN(TestListingValue)
#include "tst_listingvalue.moc"
