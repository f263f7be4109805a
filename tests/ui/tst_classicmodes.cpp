#include "support/Harness.h"

#include "serverconfig/ClassicModes.h"
#include "ui/pages/CodModesPage.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

// The six base-game settings frames of "COD Modes" against the simulated server.
class TestClassicModes : public QObject {
    Q_OBJECT
private slots:
    void searchAndDestroyDefaults();
    void invalidFieldIsReportedAndFocused_data();
    void invalidFieldIsReportedAndFocused();
    void onlyTheFirstBadFieldIsReported();
    void cancelSendsNothing();
    void secondStartWhileSendingIsIgnored();
    void shortPagesSendWithoutAsking();
    void valuesAreSentAsTyped();
    void defaultsRestoreTheFieldsOnly();
    void withoutConnectionOneWarningAndNoLog();
    void framesAreBuiltFromTheTables();
};

namespace {

constexpr double kAboutASecond = 0.7;

void showPage(Harness& h) {
    h.main->widgets().SSTab->setCurrentWidget(h.main->pages().codModes);
    h.main->show();
    QApplication::setActiveWindow(h.main.get());
    QVERIFY(QTest::qWaitForWindowActive(h.main.get()));
}

QStringList reversed(QStringList lines) {
    std::reverse(lines.begin(), lines.end());
    return lines;
}

void verifyAboutASecondApart(const Harness& h) {
    const QList<qint64> at = h.sim.receivedAtMs();
    for (int i = 1; i < at.size(); ++i)
        QVERIFY2(at.at(i) - at.at(i - 1) >= kAboutASecond * Harness::kSecondMs,
                 qPrintable(QString("gap %1: %2 ms").arg(i).arg(at.at(i) - at.at(i - 1))));
}

} // namespace

void TestClassicModes::searchAndDestroyDefaults() {
    Harness h;
    h.connectDirect();
    h.sim.setCvar("scr_sd_graceperiod", "20");
    h.find<QPushButton>("cmdsetsd")->click();

    QCOMPARE(h.dialogs.messages().size(), 1);
    const auto question = h.dialogs.messages().at(0);
    QCOMPARE(question.text, QString("Set server with values in display?"));
    QCOMPARE(question.title, QString("Set server"));
    QCOMPARE(question.icon, Dialogs::Icon::Information);
    QCOMPARE(question.buttons, Dialogs::Buttons::OkCancel);

    QCOMPARE(h.commands(),
             (QStringList{"scr_sd_graceperiod 15", "scr_sd_roundlength 4", "scr_sd_roundlimit 0",
                          "scr_sd_scorelimit 10", "scr_sd_timelimit 0"}));
    QCOMPARE(reversed(h.messageLog()),
             (QStringList{"S&D Grace period updated to 15", "S&D Round length updated to 4",
                          "S&D Round limit updated to 0", "S&D Score limit updated to 10",
                          "S&D Time limit updated to 0"}));
    verifyAboutASecondApart(h);
    // Each command is echoed in the RCON pane.
    QCOMPARE(h.rconText().count(">>RCON sent"), 5);
    QCOMPARE(h.sim.cvar("scr_sd_graceperiod"), QString("15"));
    QVERIFY(h.find<QPushButton>("cmdsetsd")->isEnabled());
}

void TestClassicModes::invalidFieldIsReportedAndFocused_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");

    const char* const range = "Time limit has to be a number of minutes (0 - 1440)";
    QTest::newRow("S&D grace") << "cmdsetsd"
                               << "txtgrace"
                               << "x"
                               << "Grace period has to be a number of seconds";
    QTest::newRow("S&D round length") << "cmdsetsd"
                                      << "txtroundlen"
                                      << ""
                                      << "Round length has to be a positive number of minutes";
    QTest::newRow("S&D time 1441") << "cmdsetsd"
                                   << "txttimelim"
                                   << "1441" << range;
    QTest::newRow("S&D time 1440.6") << "cmdsetsd"
                                     << "txttimelim"
                                     << "1440.6" << range;
    QTest::newRow("RE time") << "cmdsetre"
                             << "txtretimelim"
                             << "abc" << range;
    QTest::newRow("RE carrier 2") << "cmdsetre"
                                  << "txtrecar"
                                  << "2"
                                  << "Show object carrier has to be 0 (No) or 1 (Yes)";
    QTest::newRow("BEL time text") << "cmdsetbel"
                                   << "txtbeltimelim"
                                   << "x"
                                   << "Time limit has to be a positive number of minutes";
    QTest::newRow("BEL time range") << "cmdsetbel"
                                    << "txtbeltimelim"
                                    << "2000" << range;
    QTest::newRow("DM time range") << "cmdsetdm"
                                   << "txtdmtimelim"
                                   << "-5" << range;
    QTest::newRow("TDM time text") << "cmdsettdm"
                                   << "txttdmtimelim"
                                   << "1h"
                                   << "Time limit has to be a positive number of minutes";
    QTest::newRow("HQ time range") << "cmdsethq"
                                   << "txthqtimelim"
                                   << "99999" << range;
}

void TestClassicModes::invalidFieldIsReportedAndFocused() {
    QFETCH(QString, button);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);

    Harness h;
    h.connectDirect();
    showPage(h);
    h.find<QPushButton>(button)->setFocus();
    h.find<QLineEdit>(field)->setText(text);
    h.find<QPushButton>(button)->click();

    QCOMPARE(h.dialogs.messages().size(), 1);
    const auto box = h.dialogs.messages().at(0);
    QCOMPARE(box.text, message);
    QCOMPARE(box.title, QString("Invalid value"));
    QCOMPARE(box.icon, Dialogs::Icon::None);
    QCOMPARE(box.buttons, Dialogs::Buttons::Ok);
    QCOMPARE(QApplication::focusWidget(), h.find<QLineEdit>(field));
    Harness::pause(1);
    QVERIFY(h.commands().isEmpty());
    QVERIFY(h.messageLog().isEmpty());
}

void TestClassicModes::onlyTheFirstBadFieldIsReported() {
    Harness h;
    h.connectDirect();
    showPage(h);
    h.find<QLineEdit>("txttimelim")->setText("5000");
    h.find<QLineEdit>("txtgrace")->setText("soon");
    h.find<QLineEdit>("txtscorelim")->setText("");
    h.find<QPushButton>("cmdsetsd")->click();

    QCOMPARE(h.dialogs.messages().size(), 1);
    QCOMPARE(h.dialogs.messages().at(0).text,
             QString("Grace period has to be a number of seconds"));
    QCOMPARE(QApplication::focusWidget(), h.find<QLineEdit>("txtgrace"));
    QVERIFY(h.commands().isEmpty());
}

void TestClassicModes::cancelSendsNothing() {
    Harness h;
    h.connectDirect();
    h.dialogs.setNextAnswer(Dialogs::Answer::Cancel);
    h.find<QPushButton>("cmdsetre")->click();
    Harness::pause(1);

    QCOMPARE(h.dialogs.messageTitles(), QStringList{"Set server"});
    QVERIFY(h.commands().isEmpty());
    QVERIFY(h.messageLog().isEmpty());
}

void TestClassicModes::secondStartWhileSendingIsIgnored() {
    Harness h;
    h.connectDirect();
    auto* set = h.find<QPushButton>("cmdsetdm");
    int clicksDuringSend = 0;
    QTimer::singleShot(Harness::kSecondMs / 2, set, [&] {
        ++clicksDuringSend;
        set->click();
    });
    set->click();

    QCOMPARE(clicksDuringSend, 1);
    QCOMPARE(h.commands(), (QStringList{"scr_dm_scorelimit 50", "scr_dm_timelimit 30"}));
    QCOMPARE(h.messageLog().size(), 2);
    QVERIFY(set->isEnabled());
}

void TestClassicModes::shortPagesSendWithoutAsking() {
    Harness h;
    h.connectDirect();
    // The seconds-alive field is sent whatever it holds, also nothing.
    h.find<QLineEdit>("txtbelalive")->setText("");
    h.find<QPushButton>("cmdsetbel")->click();

    QVERIFY(h.dialogs.shown().isEmpty());
    QCOMPARE(h.commands(), (QStringList{"scr_bel_scorelimit 50", "scr_bel_timelimit 30",
                                        "scr_bel_alivepointtime "}));
    QCOMPARE(reversed(h.messageLog()),
             (QStringList{"BEL score limit updated to 50", "BEL time limit updated to 30",
                          "BEL time alive as allied bonus updated to "}));
    verifyAboutASecondApart(h);

    h.sim.clearReceived();
    h.find<QPushButton>("cmdsethq")->click();
    QCOMPARE(h.commands(), (QStringList{"scr_hq_scorelimit 450", "scr_hq_timelimit 30"}));
    QCOMPARE(h.messageLog().mid(0, 2),
             (QStringList{"HQ time limit updated to 30", "HQ score limit updated to 450"}));
}

void TestClassicModes::valuesAreSentAsTyped() {
    Harness h;
    h.connectDirect();
    h.find<QLineEdit>("txtretimelim")->setText("1440.5");
    h.find<QLineEdit>("txtreroundlen")->setText("-3");
    h.find<QLineEdit>("txtrecar")->setText("1");
    h.find<QPushButton>("cmdsetre")->click();

    QCOMPARE(h.commands(), (QStringList{"scr_re_graceperiod 15", "scr_re_roundlength -3",
                                        "scr_re_roundlimit 0", "scr_re_scorelimit 10",
                                        "scr_re_timelimit 1440.5", "scr_re_showcarrier 1"}));
    QCOMPARE(h.messageLog().at(0), QString("Retrieval object carrier updated to 1"));
    QCOMPARE(h.messageLog().at(1), QString("Retrieval Time limit updated to 1440.5"));
    QCOMPARE(h.sim.cvar("scr_re_timelimit"), QString("1440.5"));
}

void TestClassicModes::defaultsRestoreTheFieldsOnly() {
    Harness h;
    h.find<QLineEdit>("txthqscorelim")->setText("7");
    h.find<QLineEdit>("txthqtimelim")->setText("junk");
    h.find<QLineEdit>("txtdmscorelim")->setText("9");
    h.find<QPushButton>("cmdhqdefault")->click();

    QCOMPARE(h.find<QLineEdit>("txthqscorelim")->text(), QString("450"));
    QCOMPARE(h.find<QLineEdit>("txthqtimelim")->text(), QString("30"));
    // Another page keeps what was typed.
    QCOMPARE(h.find<QLineEdit>("txtdmscorelim")->text(), QString("9"));
    QVERIFY(h.dialogs.shown().isEmpty());
    QVERIFY(h.commands().isEmpty());
    QVERIFY(h.messageLog().isEmpty());

    const QStringList all{"cmdsddefaults", "cmdredefaults", "cmdbeldefault",
                          "cmddmdefault",  "cmdtdmdefault", "cmdhqdefault"};
    for (const classicmodes::Page& page : classicmodes::pages())
        for (const classicmodes::Field& f : page.fields)
            h.find<QLineEdit>(f.name)->setText("x");
    for (const QString& name : all)
        h.find<QPushButton>(name)->click();
    for (const classicmodes::Page& page : classicmodes::pages())
        for (const classicmodes::Field& f : page.fields)
            QCOMPARE(h.find<QLineEdit>(f.name)->text(), f.initial);
}

void TestClassicModes::withoutConnectionOneWarningAndNoLog() {
    Harness h;
    h.find<QPushButton>("cmdsetsd")->click();
    h.find<QPushButton>("cmdsetdm")->click();

    // The question of the first page, then one refusal per page.
    QCOMPARE(h.dialogs.messageTitles(),
             (QStringList{"Set server", "Not connected", "Not connected"}));
    QVERIFY(h.messageLog().isEmpty());
    QVERIFY(h.find<QPushButton>("cmdsetsd")->isEnabled());
}

void TestClassicModes::framesAreBuiltFromTheTables() {
    Harness h;
    const QStringList captions{"Search && Destroy settings",  "Retrieval settings",
                               "Behind enemy lines settings", "Deathmatch settings",
                               "Team deathmatch settings",    "Headquarters settings"};
    QSet<int> labelIndexes;
    for (int p = 0; p < captions.size(); ++p) {
        auto* frame = h.find<QGroupBox>(QString("frmgm_%1").arg(p));
        QVERIFY(frame);
        QCOMPARE(frame->title(), captions.at(p));
        QCOMPARE(frame->property("index").toInt(), p);
        const classicmodes::Page& page = classicmodes::pages().at(p);
        QCOMPARE(frame->findChild<QPushButton*>(page.setButton)->text(), QString("Set"));
        QCOMPARE(frame->findChild<QPushButton*>(page.defaultsButton)->text(), QString("Defaults"));
        for (const classicmodes::Field& f : page.fields) {
            auto* edit = frame->findChild<QLineEdit*>(f.name);
            QVERIFY2(edit, qPrintable(f.name));
            QCOMPARE(edit->text(), f.initial);
            QCOMPARE(edit->property("tag").toString(), f.variable);
            QCOMPARE(edit->toolTip(), f.fieldTip);
            QLabel* label = nullptr;
            for (QLabel* candidate : frame->findChildren<QLabel*>())
                if (candidate->buddy() == edit)
                    label = candidate;
            QVERIFY2(label, qPrintable(f.name));
            QCOMPARE(label->text(), f.caption);
            QCOMPARE(label->toolTip(), f.labelTip);
            QVERIFY(label->objectName().startsWith("lblgrace_"));
            labelIndexes << label->property("index").toInt();
        }
    }
    QCOMPARE(labelIndexes.size(), classicmodes::fieldCount());
    QCOMPARE(h.find<QLineEdit>("txtgrace")->property("tag").toString(),
             QString("scr_sd_graceperiod"));
    QCOMPARE(h.find<QLineEdit>("txttimelim")->toolTip(),
             QString("Number of minutes (0 - 1440) 0 is unlimited"));
}

QTEST_MAIN(TestClassicModes)
#include "tst_classicmodes.moc"
