#include "serverconfig/UoModes.h"

#include <QSet>
#include <QTest>

// The checks and the button array of the United Offensive settings, without widgets.
class TestUoModeRules : public QObject {
    Q_OBJECT
private slots:
    void firstFailure_data();
    void firstFailure();
    void buttonArray_data();
    void buttonArray();
    void boxCommand();
    void tablesAreConsistent();
};

namespace {

using Kind = uomodes::Failure::Kind;

const QStringList kDomDefaults{"15", "15", "3", "120", "5", "30", "10"};

QStringList with(int field, const QString& text) {
    QStringList texts = kDomDefaults;
    texts[field] = text;
    return texts;
}

} // namespace

void TestUoModeRules::firstFailure_data() {
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("field"); // -1: every field passes
    QTest::addColumn<bool>("negative");
    QTest::addColumn<QString>("message");

    QTest::newRow("defaults") << kDomDefaults << -1 << false << QString();
    QTest::newRow("no upper bound") << with(3, "500") << -1 << false << QString();
    QTest::newRow("far beyond 16 bits") << with(3, "1e10") << -1 << false << QString();
    QTest::newRow("-0.4 rounds to zero") << with(5, "-0.4") << -1 << false << QString();
    QTest::newRow("-0.5 rounds to even zero") << with(5, "-0.5") << -1 << false << QString();
    QTest::newRow("-0.6 is negative") << with(5, "-0.6") << 5 << true << QString();
    QTest::newRow("-3 is negative") << with(5, "-3") << 5 << true << QString();
    QTest::newRow("far below 16 bits") << with(2, "-1e10") << 2 << true << QString();
    QTest::newRow("first negative wins")
        << QStringList{"15", "-1", "3", "120", "5", "-30", "10"} << 1 << true << QString();
    QTest::newRow("numbers before signs")
        << QStringList{"15", "-5", "x", "120", "5", "30", "10"} << 2 << false
        << "Score limit has to be a number of round";
    QTest::newRow("start delay") << with(0, "soon") << 0 << false
                                 << "Start round delay has to be a number of seconds";
    QTest::newRow("end delay") << with(1, "") << 1 << false
                               << "End round delay has to be a number of seconds";
    QTest::newRow("time limit") << with(3, "2h") << 3 << false
                                << "Time limit has to be a number of Minutes";
    QTest::newRow("round limit") << with(4, "five") << 4 << false
                                 << "Round limit has to be a number of rounds";
    QTest::newRow("round length") << with(5, "1,5") << 5 << false
                                  << "Round length has to be a number of Minutes";
    QTest::newRow("respawn wave") << with(6, " ") << 6 << false
                                  << "Respawn wave time has to be a number of seconds";
    QTest::newRow("six fields of capture the flag")
        << QStringList{"15", "15", "3", "120", "5", "x"} << 5 << false
        << "Round length has to be a number of Minutes";
}

void TestUoModeRules::firstFailure() {
    QFETCH(QStringList, texts);
    QFETCH(int, field);
    QFETCH(bool, negative);
    QFETCH(QString, message);

    const auto failure = uomodes::firstFailure(texts);
    QCOMPARE(failure.has_value(), field >= 0);
    if (failure) {
        QCOMPARE(failure->field, field);
        QCOMPARE(failure->kind, negative ? Kind::Negative : Kind::NotNumeric);
        QCOMPARE(failure->message, message);
    }
}

void TestUoModeRules::buttonArray_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("kind"); // 0 none, 1 set, 2 defaults
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("caption");

    QTest::newRow("-1") << -1 << 0 << -1 << QString();
    QTest::newRow("0") << 0 << 1 << 0 << "Set";
    QTest::newRow("1") << 1 << 2 << 0 << "Defaults";
    QTest::newRow("2") << 2 << 1 << 1 << "Set";
    QTest::newRow("3") << 3 << 2 << 1 << "Defaults";
    QTest::newRow("4") << 4 << 1 << 2 << "Set";
    QTest::newRow("5") << 5 << 2 << 2 << "Defaults";
    QTest::newRow("6") << 6 << 0 << -1 << QString();
}

void TestUoModeRules::buttonArray() {
    QFETCH(int, index);
    QFETCH(int, kind);
    QFETCH(int, mode);
    QFETCH(QString, caption);

    const uomodes::ButtonAction action = uomodes::buttonAction(index);
    const uomodes::ButtonAction::Kind kinds[] = {uomodes::ButtonAction::Kind::None,
                                                 uomodes::ButtonAction::Kind::Set,
                                                 uomodes::ButtonAction::Kind::Defaults};
    QCOMPARE(action.kind, kinds[kind]);
    if (kind != 0)
        QCOMPARE(action.mode, mode);
    QCOMPARE(uomodes::buttonCaption(index), caption);
}

void TestUoModeRules::boxCommand() {
    QCOMPARE(uomodes::boxCommand("scr_dom_clearscoreeachround", 1),
             QString("scr_dom_clearscoreeachround\"1\""));
    QCOMPARE(uomodes::boxCommand("scr_ctf_showoncompass", 0),
             QString("scr_ctf_showoncompass\"0\""));
}

void TestUoModeRules::tablesAreConsistent() {
    const QStringList keys{"dom", "ctf", "bas"};
    QCOMPARE(uomodes::modes().size(), keys.size());
    QSet<QString> variables;
    int controls = 0;
    for (int m = 0; m < keys.size(); ++m) {
        const uomodes::Mode& mode = uomodes::modes().at(m);
        QCOMPARE(mode.frameIndex, m + 2);
        QCOMPARE(mode.fieldArray, "txt" + keys.at(m));
        QCOMPARE(mode.boxName, "chk" + keys.at(m));
        // Capture the Flag has no respawn wave but shows the flag on the compass.
        QCOMPARE(mode.fields.size(), m == 1 ? 6 : 7);
        QCOMPARE(mode.boxes.size(), m == 1 ? 2 : 1);
        QCOMPARE(mode.boxArray, mode.boxes.size() > 1);
        QVERIFY(!uomodes::firstFailure([&] {
            QStringList texts;
            for (const uomodes::Field& f : mode.fields)
                texts << f.initial;
            return texts;
        }()));
        for (const uomodes::Field& f : mode.fields) {
            QVERIFY2(f.variable.startsWith("scr_" + keys.at(m) + "_"), qPrintable(f.variable));
            QVERIFY2(f.labelTip.startsWith(f.variable + " "), qPrintable(f.labelTip));
            variables << f.variable;
        }
        for (const uomodes::Box& b : mode.boxes) {
            QVERIFY2(b.tip.startsWith(b.variable + " "), qPrintable(b.tip));
            variables << b.variable;
        }
        controls += int(mode.fields.size() + mode.boxes.size());
    }
    QCOMPARE(variables.size(), controls);
    QCOMPARE(uomodes::fieldCount(), controls);
}

QTEST_MAIN(TestUoModeRules)
#include "tst_uomoderules.moc"
