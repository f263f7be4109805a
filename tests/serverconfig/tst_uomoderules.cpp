#include "serverconfig/UoModes.h"

#include <QTest>

// The checks and the button array of the United Offensive settings, without widgets.
class TestUoModeRules : public QObject {
    Q_OBJECT
private slots:
    void firstFailure_data();
    void firstFailure();
    void buttonArray();
};

namespace {

// Domination's defaults with the given texts put in at their positions.
void row(const char* tag, const QList<std::pair<int, QString>>& edits, int field = -1,
         bool negative = false, const char* message = "") {
    QStringList texts{"15", "15", "3", "120", "5", "30", "10"};
    for (const auto& [index, text] : edits)
        texts[index] = text;
    QTest::newRow(tag) << texts << field << negative << QString(message);
}

} // namespace

void TestUoModeRules::firstFailure_data() {
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("field"); // -1: every field passes
    QTest::addColumn<bool>("negative");
    QTest::addColumn<QString>("message");

    row("defaults", {});
    row("no upper bound", {{3, "1e10"}});
    // Rounded to the nearest whole number, halves to the even neighbour.
    row("-0.4 rounds to zero", {{5, "-0.4"}});
    row("-0.5 rounds to even zero", {{5, "-0.5"}});
    row("-0.6 is negative", {{5, "-0.6"}}, 5, true);
    row("far below 16 bits", {{2, "-1e10"}}, 2, true);
    row("first negative wins", {{1, "-1"}, {5, "-30"}}, 1, true);
    row("numbers before signs", {{1, "-5"}, {2, "x"}}, 2, false,
        "Score limit has to be a number of round");
    row("time limit", {{3, "2h"}}, 3, false, "Time limit has to be a number of Minutes");
    row("respawn wave", {{6, " "}}, 6, false, "Respawn wave time has to be a number of seconds");
}

void TestUoModeRules::firstFailure() {
    QFETCH(QStringList, texts);
    QFETCH(int, field);
    QFETCH(bool, negative);
    QFETCH(QString, message);

    const auto failure = uomodes::firstFailure(texts);
    QCOMPARE(failure ? failure->field : -1, field);
    if (failure) {
        QCOMPARE(failure->kind,
                 negative ? uomodes::Failure::Kind::Negative : uomodes::Failure::Kind::NotNumeric);
        QCOMPARE(failure->message, message);
    }
}

void TestUoModeRules::buttonArray() {
    using Kind = uomodes::ButtonAction::Kind;
    const struct {
        int index;
        Kind kind;
        int mode;
        const char* caption;
    } rows[] = {{-1, Kind::None, -1, ""},           {0, Kind::Set, 0, "Set"},
                {3, Kind::Defaults, 1, "Defaults"}, {4, Kind::Set, 2, "Set"},
                {5, Kind::Defaults, 2, "Defaults"}, {6, Kind::None, -1, ""}};
    for (const auto& r : rows) {
        QCOMPARE(uomodes::buttonAction(r.index).kind, r.kind);
        QCOMPARE(uomodes::buttonAction(r.index).mode, r.mode);
        QCOMPARE(uomodes::buttonCaption(r.index), QString(r.caption));
    }
}

QTEST_MAIN(TestUoModeRules)
#include "tst_uomoderules.moc"
