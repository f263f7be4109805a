#include "serverconfig/ClassicModes.h"

#include <QSet>
#include <QTest>

// The checks of the base-game settings pages, without widgets.
class TestClassicModeRules : public QObject {
    Q_OBJECT
private slots:
    void firstFailure_data();
    void firstFailure();
    void tablesAreConsistent();
    void defaultsPassTheirOwnChecks();
};

namespace {

enum PageIndex { SD, RE, BEL, DM, TDM, HQ };

const char* const kTimeRange = "Time limit has to be a number of minutes (0 - 1440)";
const char* const kCarrier = "Show object carrier has to be 0 (No) or 1 (Yes)";

QStringList defaults(int page) {
    QStringList texts;
    for (const classicmodes::Field& f : classicmodes::pages().at(page).fields)
        texts << f.initial;
    return texts;
}

QStringList with(int page, int field, const QString& text) {
    QStringList texts = defaults(page);
    texts[field] = text;
    return texts;
}

} // namespace

void TestClassicModeRules::firstFailure_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("field"); // -1: every field passes
    QTest::addColumn<QString>("message");

    QTest::newRow("S&D defaults") << int(SD) << defaults(SD) << -1 << QString();
    QTest::newRow("S&D time 1440") << int(SD) << with(SD, 4, "1440") << -1 << QString();
    QTest::newRow("S&D time 1440.4") << int(SD) << with(SD, 4, "1440.4") << -1 << QString();
    QTest::newRow("S&D time 1440.5 to even") << int(SD) << with(SD, 4, "1440.5") << -1 << QString();
    QTest::newRow("S&D time -0.5 to zero") << int(SD) << with(SD, 4, "-0.5") << -1 << QString();
    QTest::newRow("S&D time 1440.6") << int(SD) << with(SD, 4, "1440.6") << 4 << kTimeRange;
    QTest::newRow("S&D time 1441") << int(SD) << with(SD, 4, "1441") << 4 << kTimeRange;
    QTest::newRow("S&D time -1") << int(SD) << with(SD, 4, "-1") << 4 << kTimeRange;
    QTest::newRow("S&D time beyond 16 bits") << int(SD) << with(SD, 4, "99999") << 4 << kTimeRange;
    QTest::newRow("S&D time not numeric") << int(SD) << with(SD, 4, "ten") << 4 << kTimeRange;
    QTest::newRow("S&D grace") << int(SD) << with(SD, 0, "x") << 0
                               << "Grace period has to be a number of seconds";
    QTest::newRow("S&D round length")
        << int(SD) << with(SD, 1, "") << 1 << "Round length has to be a positive number of minutes";
    QTest::newRow("S&D round limit")
        << int(SD) << with(SD, 2, "1,5") << 2
        << "Round limit has to be a number of round wins (0=unlimited)";
    QTest::newRow("S&D score limit")
        << int(SD) << with(SD, 3, "ten") << 3 << "Score limit has to be a number of round wins";
    QTest::newRow("S&D negative round length passes")
        << int(SD) << with(SD, 1, "-3") << -1 << QString();
    QTest::newRow("S&D negative score limit passes")
        << int(SD) << with(SD, 3, "-10") << -1 << QString();
    QTest::newRow("S&D first bad field wins") << int(SD) << QStringList{"x", "4", "0", "10", "5000"}
                                              << 0 << "Grace period has to be a number of seconds";
    QTest::newRow("S&D second and last bad")
        << int(SD) << QStringList{"15", "y", "0", "10", "5000"} << 1
        << "Round length has to be a positive number of minutes";

    QTest::newRow("RE defaults") << int(RE) << defaults(RE) << -1 << QString();
    QTest::newRow("RE carrier 1") << int(RE) << with(RE, 5, "1") << -1 << QString();
    QTest::newRow("RE carrier 2") << int(RE) << with(RE, 5, "2") << 5 << kCarrier;
    QTest::newRow("RE carrier -1") << int(RE) << with(RE, 5, "-1") << 5 << kCarrier;
    QTest::newRow("RE carrier text") << int(RE) << with(RE, 5, "yes") << 5 << kCarrier;
    QTest::newRow("RE time 1441") << int(RE) << with(RE, 4, "1441") << 4 << kTimeRange;
    QTest::newRow("RE grace") << int(RE) << with(RE, 0, "") << 0
                              << "Grace period has to be a number of seconds";

    QTest::newRow("BEL defaults") << int(BEL) << defaults(BEL) << -1 << QString();
    QTest::newRow("BEL score") << int(BEL) << with(BEL, 0, "") << 0
                               << "Score limit has to be a number";
    QTest::newRow("BEL time not numeric") << int(BEL) << with(BEL, 1, "half") << 1
                                          << "Time limit has to be a positive number of minutes";
    QTest::newRow("BEL time out of range") << int(BEL) << with(BEL, 1, "2000") << 1 << kTimeRange;
    QTest::newRow("BEL time negative") << int(BEL) << with(BEL, 1, "-2") << 1 << kTimeRange;
    QTest::newRow("BEL seconds alive unchecked") << int(BEL) << with(BEL, 2, "") << -1 << QString();
    QTest::newRow("BEL seconds alive any text")
        << int(BEL) << with(BEL, 2, "soon") << -1 << QString();

    QTest::newRow("DM time out of range") << int(DM) << with(DM, 1, "1441") << 1 << kTimeRange;
    QTest::newRow("DM score") << int(DM) << with(DM, 0, "x") << 0
                              << "Score limit has to be a number";
    QTest::newRow("TDM time not numeric")
        << int(TDM) << with(TDM, 1, "") << 1 << "Time limit has to be a positive number of minutes";
    QTest::newRow("TDM time 1440") << int(TDM) << with(TDM, 1, "1440") << -1 << QString();
    QTest::newRow("HQ score") << int(HQ) << with(HQ, 0, "many") << 0
                              << "Score limit has to be a number";
    QTest::newRow("HQ negative score passes") << int(HQ) << with(HQ, 0, "-5") << -1 << QString();
}

void TestClassicModeRules::firstFailure() {
    QFETCH(int, page);
    QFETCH(QStringList, texts);
    QFETCH(int, field);
    QFETCH(QString, message);

    const auto failure = classicmodes::firstFailure(classicmodes::pages().at(page), texts);
    QCOMPARE(failure.has_value(), field >= 0);
    if (failure) {
        QCOMPARE(failure->field, field);
        QCOMPARE(failure->message, message);
    }
}

void TestClassicModeRules::tablesAreConsistent() {
    const QStringList modes{"sd", "re", "bel", "dm", "tdm", "hq"};
    QCOMPARE(classicmodes::pages().size(), modes.size());
    QSet<QString> names;
    QSet<QString> variables;
    QSet<QString> buttons;
    int fields = 0;
    for (int p = 0; p < modes.size(); ++p) {
        const classicmodes::Page& page = classicmodes::pages().at(p);
        QCOMPARE(page.frameIndex, p);
        QVERIFY(!page.fields.isEmpty());
        buttons << page.setButton << page.defaultsButton;
        // Only the two round-based pages ask before sending.
        QCOMPARE(page.confirm, p == SD || p == RE);
        for (const classicmodes::Field& f : page.fields) {
            ++fields;
            names << f.name;
            variables << f.variable;
            QVERIFY2(f.variable.startsWith("scr_" + modes.at(p) + "_"), qPrintable(f.variable));
            // Each label's tooltip names the variable its field sets.
            QVERIFY2(f.labelTip.startsWith(f.variable + " "), qPrintable(f.labelTip));
            QVERIFY2(f.logPrefix.endsWith(" updated to "), qPrintable(f.logPrefix));
        }
    }
    QCOMPARE(classicmodes::fieldCount(), fields);
    QCOMPARE(names.size(), fields);
    QCOMPARE(variables.size(), fields);
    QCOMPARE(buttons.size(), 2 * modes.size());
}

void TestClassicModeRules::defaultsPassTheirOwnChecks() {
    for (const classicmodes::Page& page : classicmodes::pages())
        QVERIFY2(!classicmodes::firstFailure(page, defaults(page.frameIndex)),
                 qPrintable(page.caption));
    // A page given fewer texts than fields treats the missing ones as empty.
    const auto failure = classicmodes::firstFailure(classicmodes::pages().at(DM), {"50"});
    QVERIFY(failure);
    QCOMPARE(failure->field, 1);
}

QTEST_MAIN(TestClassicModeRules)
#include "tst_classicmoderules.moc"
