#include "base/NumberRules.h"
#include "serverconfig/ClanbasePreset.h"
#include "serverconfig/ClassicModes.h"
#include "serverconfig/HobRules.h"
#include "serverconfig/ListingValue.h"
#include "serverconfig/UoModes.h"

#include <QRegularExpression>
#include <QTest>

// The settings pages' rules without widgets: values as numbers and states, refused fields.
class TestConfigTables : public QObject {
    Q_OBJECT
private slots:
    void valueRules_data();
    void valueRules();
    void modeFieldChecks_data();
    void modeFieldChecks();
    void clanbaseCommandsMatchTheRules();
};

namespace {

constexpr int kNone = -99999;
using Wave = hob::WaveCheck;

void value(const char* text, bool numeric, int whole, int shown, Wave wave) {
    QTest::newRow(text) << QString(text) << numeric << whole << shown << wave;
}

} // namespace

void TestConfigTables::valueRules_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("numeric");
    QTest::addColumn<int>("whole"); // kNone: no whole value in 16 bits
    QTest::addColumn<int>("shown"); // what a percentage box shows for the value read
    QTest::addColumn<Wave>("wave");

    // Halves go to the even neighbour, everywhere.
    value("1.5", true, 2, 2, Wave::Ok);
    value("2.5", true, 2, 2, Wave::Ok);
    value("2.6", true, 3, 3, Wave::Ok);
    value("-0.5", true, 0, 0, Wave::OutOfRange);
    value("-1", true, -1, 0, Wave::OutOfRange);
    value("100.6", true, 101, 100, Wave::OutOfRange);
    value("1440.6", true, 1441, 100, Wave::OutOfRange);
    value("99999", true, kNone, 100, Wave::OutOfRange);
    value("1e3", true, 1000, 1, Wave::OutOfRange);
    value("  15 ", true, 15, 15, Wave::Ok);
    value("40abc", false, kNone, 40, Wave::NotNumeric);
    value("ten", false, kNone, 0, Wave::NotNumeric);
    value("", false, kNone, 0, Wave::NotNumeric);
    value("1e400", false, kNone, 1, Wave::NotNumeric);
    value(".5", true, 0, 0, Wave::OutOfRange);
    value("+5.", true, 5, 5, Wave::Ok);
    value(".", false, kNone, 0, Wave::NotNumeric);
    value("1e", false, kNone, 1, Wave::NotNumeric);
    value("--1", false, kNone, 0, Wave::NotNumeric);
    value("1,5", false, kNone, 1, Wave::NotNumeric);
}

void TestConfigTables::valueRules() {
    QFETCH(QString, text);
    QFETCH(int, whole);
    QTEST(numbers::isNumeric(text), "numeric");
    const std::optional<qint16> read = numbers::wholeValue(text);
    QCOMPARE(read ? int(*read) : kNone, whole);
    QCOMPARE(int(numbers::wholeOrZero(text)), whole == kNone ? 0 : whole);
    const auto within = [whole](int low, int high) {
        return whole != kNone && whole >= low && whole <= high ? whole : kNone;
    };
    QCOMPARE(numbers::wholeInRange(text, 0, 1440), within(0, 1440) != kNone);
    // A box takes 0 unticked, 1 ticked or 2 greyed.
    QCOMPARE(listing::checkState(text).value_or(kNone), within(0, 2));
    QTEST(hob::percentageShown(text), "shown");
    QTEST(hob::checkWave(text), "wave");
}

namespace {

enum PageIndex { SD, RE, BEL, DM, TDM, HQ, UO = -1 };

const char* const kTimeRange = "Time limit has to be a number of minutes (0 - 1440)";
const char* const kCarrier = "Show object carrier has to be 0 (No) or 1 (Yes)";

// The page's defaults (Domination's for United Offensive) with the given texts put in at
// their positions; an empty United Offensive message means the beep of a negative value.
void fields(const char* tag, int page, const QList<std::pair<int, QString>>& edits, int field = -1,
            const char* message = "") {
    QStringList texts;
    if (page == UO)
        texts = {"15", "15", "3", "120", "5", "30", "10"};
    else
        for (const classicmodes::Field& f : classicmodes::pages().at(page).fields)
            texts << f.initial;
    for (const auto& [index, text] : edits)
        texts[index] = text;
    QTest::newRow(tag) << page << texts << field << QString(message);
}

} // namespace

void TestConfigTables::modeFieldChecks_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("field"); // -1: every field passes
    QTest::addColumn<QString>("message");

    for (const classicmodes::Page& page : classicmodes::pages())
        fields(qPrintable(page.caption + " defaults"), page.frameIndex, {});
    fields("time 1440.6", SD, {{4, "1440.6"}}, 4, kTimeRange);
    fields("negative round length passes", SD, {{1, "-3"}});
    fields("first bad field wins", SD, {{0, "x"}, {4, "5000"}}, 0,
           "Grace period has to be a number of seconds");
    fields("carrier 2", RE, {{5, "2"}}, 5, kCarrier);
    // The short pages check the time limit twice, each with its own message.
    fields("short time not numeric", TDM, {{1, "half"}}, 1,
           "Time limit has to be a positive number of minutes");
    fields("short time out of range", DM, {{1, "1441"}}, 1, kTimeRange);
    fields("short score", HQ, {{0, "many"}}, 0, "Score limit has to be a number");

    fields("UO -0.6 is negative", UO, {{5, "-0.6"}}, 5);
    fields("UO numbers before signs", UO, {{1, "-5"}, {2, "x"}}, 2,
           "Score limit has to be a number of round");
}

void TestConfigTables::modeFieldChecks() {
    QFETCH(int, page);
    QFETCH(QStringList, texts);
    QFETCH(QString, message);
    if (page == UO) {
        const auto failure = uomodes::firstFailure(texts);
        QTEST(failure ? failure->field : -1, "field");
        if (failure) {
            QCOMPARE(failure->message, message);
            QCOMPARE(failure->kind, message.isEmpty() ? uomodes::Failure::Kind::Negative
                                                      : uomodes::Failure::Kind::NotNumeric);
        }
        return;
    }
    const auto failure = classicmodes::firstFailure(classicmodes::pages().at(page), texts);
    QTEST(failure ? failure->field : -1, "field");
    QCOMPARE(failure ? failure->message : QString(), message);
}

void TestConfigTables::clanbaseCommandsMatchTheRules() {
    // The rules shown name each setting as set name "value", the friendly fire by the script's
    // variable; the preset sends name value, to the server's own variable.
    QString rules = clanbase::rulesText();
    QVERIFY(rules.startsWith("Clan Base Rules \r\nAll matches should be played with the "
                             "following server settings: \r\n"));
    rules.replace(QRegularExpression("set (\\w+) \"(\\d+)\"\r\n"), "\\1 \\2\n");
    QStringList listed = rules.replace("scr_friendlyfire", "setfriendlyfire").split('\n').mid(2);
    QStringList sent = clanbase::commands() << "";
    std::sort(listed.begin(), listed.end());
    std::sort(sent.begin(), sent.end());
    QCOMPARE(listed, sent);
}

QTEST_GUILESS_MAIN(TestConfigTables)
#include "tst_configtables.moc"
