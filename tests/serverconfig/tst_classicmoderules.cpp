#include "serverconfig/ClassicModes.h"

#include <QTest>

// The checks of the base-game settings pages, without widgets.
class TestClassicModeRules : public QObject {
    Q_OBJECT
private slots:
    void firstFailure_data();
    void firstFailure();
};

namespace {

enum PageIndex { SD, RE, BEL, DM, TDM, HQ };

const char* const kTimeRange = "Time limit has to be a number of minutes (0 - 1440)";
const char* const kCarrier = "Show object carrier has to be 0 (No) or 1 (Yes)";

// The page's defaults with the given texts put in at their positions.
void row(const char* tag, int page, const QList<std::pair<int, QString>>& edits, int field = -1,
         const char* message = "") {
    QStringList texts;
    for (const classicmodes::Field& f : classicmodes::pages().at(page).fields)
        texts << f.initial;
    for (const auto& [index, text] : edits)
        texts[index] = text;
    QTest::newRow(tag) << page << texts << field << QString(message);
}

} // namespace

void TestClassicModeRules::firstFailure_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("field"); // -1: every field passes
    QTest::addColumn<QString>("message");

    for (const classicmodes::Page& page : classicmodes::pages())
        row(qPrintable(page.caption + " defaults"), page.frameIndex, {});
    // Whole values round to the nearest, halves to the even neighbour.
    row("time 1440.4", SD, {{4, "1440.4"}});
    row("time 1440.5 to even", SD, {{4, "1440.5"}});
    row("time -0.5 to zero", SD, {{4, "-0.5"}});
    row("time 1440.6", SD, {{4, "1440.6"}}, 4, kTimeRange);
    row("time -1", SD, {{4, "-1"}}, 4, kTimeRange);
    row("time beyond 16 bits", SD, {{4, "99999"}}, 4, kTimeRange);
    row("time not numeric", RE, {{4, "ten"}}, 4, kTimeRange);
    row("negative round length passes", SD, {{1, "-3"}});
    row("first bad field wins", SD, {{0, "x"}, {4, "5000"}}, 0,
        "Grace period has to be a number of seconds");
    row("carrier 1", RE, {{5, "1"}});
    row("carrier 2", RE, {{5, "2"}}, 5, kCarrier);
    row("carrier -1", RE, {{5, "-1"}}, 5, kCarrier);
    row("carrier text", RE, {{5, "yes"}}, 5, kCarrier);
    // The short pages check the time limit twice, each with its own message.
    row("short time not numeric", TDM, {{1, "half"}}, 1,
        "Time limit has to be a positive number of minutes");
    row("short time out of range", DM, {{1, "1441"}}, 1, kTimeRange);
    row("short score", HQ, {{0, "many"}}, 0, "Score limit has to be a number");
    row("seconds alive unchecked", BEL, {{2, ""}});
}

void TestClassicModeRules::firstFailure() {
    QFETCH(int, page);
    QFETCH(QStringList, texts);
    QFETCH(int, field);
    QFETCH(QString, message);

    const auto failure = classicmodes::firstFailure(classicmodes::pages().at(page), texts);
    QCOMPARE(failure ? failure->field : -1, field);
    QCOMPARE(failure ? failure->message : QString(), message);
}

QTEST_MAIN(TestClassicModeRules)
#include "tst_classicmoderules.moc"
