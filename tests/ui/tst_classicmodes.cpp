#include "ModePageChecks.h"

#include "serverconfig/ClassicModes.h"
#include "ui/pages/CodModesPage.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

// The six base-game settings frames of "COD Modes" against the simulated server.
class TestClassicModes : public QObject {
    Q_OBJECT
private slots:
    void searchAndDestroyAsksThenSends();
    void badFieldIsReportedAndFocused_data();
    void badFieldIsReportedAndFocused();
    void shortPageSendsAsTypedWithoutAsking();
    void defaultsRestoreTheirOwnPage();
    void fieldsAreBoundToTheirVariables();
};

void TestClassicModes::searchAndDestroyAsksThenSends() {
    Harness h;
    auto* set = h.find<QPushButton>("cmdsetsd");
    QVERIFY(h.click("cmdsetsd"));
    // Without a connection the first send is refused once and nothing is logged.
    QCOMPARE(h.dialogs.messageTitles(), (QStringList{"Set server", "Not connected"}));
    QVERIFY(h.messageLog().isEmpty());
    QVERIFY(set->isEnabled());

    h.dialogs.clear();
    h.connectDirect();
    h.dialogs.setNextAnswer(Dialogs::Answer::Cancel);
    QVERIFY(h.click("cmdsetsd"));
    QVERIFY(h.commands().isEmpty());
    QVERIFY(h.messageLog().isEmpty());

    set->click();
    QVERIFY(!set->isEnabled());
    QVERIFY(h.settle());
    QCOMPARE(boxesShown(h), QStringList(2, kSetServerQuestion));
    QCOMPARE(h.commands(),
             (QStringList{"scr_sd_graceperiod 15", "scr_sd_roundlength 4", "scr_sd_roundlimit 0",
                          "scr_sd_scorelimit 10", "scr_sd_timelimit 0"}));
    QCOMPARE(logOldestFirst(h),
             (QStringList{"S&D Grace period updated to 15", "S&D Round length updated to 4",
                          "S&D Round limit updated to 0", "S&D Score limit updated to 10",
                          "S&D Time limit updated to 0"}));
    verifyPaced(h);
    QCOMPARE(h.rconText().count(">>RCON sent"), 5);
    QVERIFY(set->isEnabled());
}

namespace {
const char* const kTimeRange = "Time limit has to be a number of minutes (0 - 1440)";

// edits: "field=text" in the order they are typed.
void row(const char* tag, const char* button, const QStringList& edits, const char* field,
         const char* message) {
    QTest::newRow(tag) << QString(button) << edits << QString(field) << QString(message);
}
} // namespace

void TestClassicModes::badFieldIsReportedAndFocused_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("message");

    row("S&D grace", "cmdsetsd", {"txtgrace=x"}, "txtgrace",
        "Grace period has to be a number of seconds");
    row("S&D round length", "cmdsetsd", {"txtroundlen="}, "txtroundlen",
        "Round length has to be a positive number of minutes");
    row("S&D round limit", "cmdsetsd", {"txtroundlim=1,5"}, "txtroundlim",
        "Round limit has to be a number of round wins (0=unlimited)");
    row("S&D score limit", "cmdsetsd", {"txtscorelim=ten"}, "txtscorelim",
        "Score limit has to be a number of round wins");
    row("S&D time limit", "cmdsetsd", {"txttimelim=1441"}, "txttimelim", kTimeRange);
    row("S&D only the first bad field", "cmdsetsd",
        {"txttimelim=5000", "txtgrace=soon", "txtscorelim="}, "txtgrace",
        "Grace period has to be a number of seconds");
    row("BEL time not numeric", "cmdsetbel", {"txtbeltimelim=x"}, "txtbeltimelim",
        "Time limit has to be a positive number of minutes");
}

void TestClassicModes::badFieldIsReportedAndFocused() {
    QFETCH(QString, button);
    QFETCH(QStringList, edits);
    QFETCH(QString, field);
    QFETCH(QString, message);

    Harness h;
    h.connectDirect();
    showPage(h, h.main->pages().codModes);
    h.find<QPushButton>(button)->setFocus();
    for (const QString& edit : edits)
        h.find<QLineEdit>(edit.section('=', 0, 0))->setText(edit.section('=', 1));
    QVERIFY(h.click(button));

    QCOMPARE(boxesShown(h), QStringList{"Invalid value | " + message + " | None | Ok"});
    QCOMPARE(QApplication::focusWidget(), h.find<QLineEdit>(field));
    QVERIFY(h.commands().isEmpty());
    QVERIFY(h.messageLog().isEmpty());
}

void TestClassicModes::shortPageSendsAsTypedWithoutAsking() {
    Harness h;
    h.connectDirect();
    auto* set = h.find<QPushButton>("cmdsetbel");
    h.find<QLineEdit>("txtbeltimelim")->setText("29.5");
    // The seconds-alive field is sent whatever it holds, also nothing.
    h.find<QLineEdit>("txtbelalive")->setText("");
    // A second start while the first still sends would interleave the two.
    set->click();
    set->click();
    QVERIFY(h.settle());
    QVERIFY(h.dialogs.shown().isEmpty());
    QCOMPARE(h.commands(), (QStringList{"scr_bel_scorelimit 50", "scr_bel_timelimit 29.5",
                                        "scr_bel_alivepointtime "}));
    QCOMPARE(logOldestFirst(h),
             (QStringList{"BEL score limit updated to 50", "BEL time limit updated to 29.5",
                          "BEL time alive as allied bonus updated to "}));
    verifyPaced(h);
    QVERIFY(set->isEnabled());
}

void TestClassicModes::defaultsRestoreTheirOwnPage() {
    Harness h;
    for (const classicmodes::Page& page : classicmodes::pages())
        for (const classicmodes::Field& f : page.fields)
            h.find<QLineEdit>(f.name)->setText("x");
    h.find<QPushButton>("cmdhqdefault")->click();
    QCOMPARE(h.find<QLineEdit>("txthqscorelim")->text(), QString("450"));
    QCOMPARE(h.find<QLineEdit>("txthqtimelim")->text(), QString("30"));
    QCOMPARE(h.find<QLineEdit>("txtdmscorelim")->text(), QString("x"));

    for (const char* name :
         {"cmdsddefaults", "cmdredefaults", "cmdbeldefault", "cmddmdefault", "cmdtdmdefault"})
        h.find<QPushButton>(name)->click();
    for (const classicmodes::Page& page : classicmodes::pages())
        for (const classicmodes::Field& f : page.fields)
            QCOMPARE(h.find<QLineEdit>(f.name)->text(), f.initial);
    QVERIFY(h.dialogs.shown().isEmpty());
    QVERIFY(h.commands().isEmpty());
    QVERIFY(h.messageLog().isEmpty());
}

void TestClassicModes::fieldsAreBoundToTheirVariables() {
    Harness h;
    QSet<int> labelIndexes;
    for (const classicmodes::Page& page : classicmodes::pages()) {
        auto* frame = h.find<QGroupBox>(QString("frmgm_%1").arg(page.frameIndex));
        QVERIFY(frame);
        QCOMPARE(frame->title(), page.caption);
        for (const classicmodes::Field& f : page.fields) {
            auto* edit = frame->findChild<QLineEdit*>(f.name);
            QVERIFY2(edit, qPrintable(f.name));
            QCOMPARE(edit->property("tag").toString(), f.variable);
            QCOMPARE(edit->toolTip(), f.fieldTip);
            QLabel* label = labelFor(frame, edit);
            QVERIFY2(label, qPrintable(f.name));
            QCOMPARE(label->text(), f.caption);
            QCOMPARE(label->toolTip(), f.labelTip);
            QVERIFY(label->objectName().startsWith("lblgrace_"));
            labelIndexes << label->property("index").toInt();
        }
    }
    QCOMPARE(labelIndexes.size(), classicmodes::fieldCount());
}

QTEST_MAIN(TestClassicModes)
#include "tst_classicmodes.moc"
