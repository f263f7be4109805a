#include "support/Harness.h"

#include "serverconfig/ClassicModes.h"
#include "serverconfig/UoModes.h"
#include "ui/pages/UoModesPage.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

// The three United Offensive settings frames of "UO: Modes" against the simulated server.
class TestUoModes : public QObject {
    Q_OBJECT
private slots:
    void dominationDefaults();
    void captureTheFlagBoxesBackToBack();
    void negativeValueBeepsWithoutABox();
    void numbersAreCheckedBeforeSigns();
    void noUpperBound();
    void cancelSendsNothing();
    void defaultsRestoreFieldsAndBoxes();
    void otherButtonIndexesDoNothing();
    void withoutConnectionOneWarningAndNoLog();
    void framesAreBuiltFromTheTables();
};

namespace {

constexpr double kAboutASecond = 0.7;

void showPage(Harness& h) {
    h.main->widgets().SSTab->setCurrentWidget(h.main->pages().uoModes);
    h.main->show();
    QApplication::setActiveWindow(h.main.get());
    QVERIFY(QTest::qWaitForWindowActive(h.main.get()));
}

QPushButton* button(Harness& h, int index) {
    return h.find<QPushButton>(QString("cmdUOmodeset_%1").arg(index));
}

QLineEdit* field(Harness& h, const char* array, int index) {
    return h.find<QLineEdit>(QString("%1_%2").arg(QLatin1String(array)).arg(index));
}

qint64 gap(const Harness& h, int i) {
    const QList<qint64> at = h.sim.receivedAtMs();
    return at.at(i) - at.at(i - 1);
}

} // namespace

void TestUoModes::dominationDefaults() {
    Harness h;
    h.connectDirect();
    // A stock server without the add-on lacks the variable; give it one to set.
    h.sim.setCvar("scr_dom_clearscoreeachround", "0");
    button(h, 0)->click();

    QCOMPARE(h.dialogs.messages().size(), 1);
    const auto question = h.dialogs.messages().at(0);
    QCOMPARE(question.text, QString("Set server with values in display?"));
    QCOMPARE(question.title, QString("Set server"));
    QCOMPARE(question.icon, Dialogs::Icon::Information);
    QCOMPARE(question.buttons, Dialogs::Buttons::OkCancel);

    QCOMPARE(h.commands(),
             (QStringList{"scr_dom_startrounddelay 15", "scr_dom_endrounddelay 15",
                          "scr_dom_scorelimit 3", "scr_dom_timelimit 120", "scr_dom_roundlimit 5",
                          "scr_dom_roundlength 30", "scr_dom_respawn_wave_time 10",
                          "scr_dom_clearscoreeachround\"1\""}));
    // One second after every field, the last one included.
    for (int i = 1; i < 8; ++i)
        QVERIFY2(gap(h, i) >= kAboutASecond * Harness::kSecondMs, qPrintable(QString::number(i)));
    QCOMPARE(h.messageLog().size(), 8);
    QCOMPARE(h.messageLog().at(0), QString("Domination Clear score updated to 1"));
    QCOMPARE(h.messageLog().at(1), QString("Domination Respawn wave time updated to 10"));
    QCOMPARE(h.messageLog().at(7), QString("Domination Start round delay updated to 15"));
    QCOMPARE(h.rconText().count(">>RCON sent"), 8);
    QCOMPARE(h.sim.cvar("scr_dom_clearscoreeachround"), QString("1"));
    QVERIFY(button(h, 0)->isEnabled());
}

void TestUoModes::captureTheFlagBoxesBackToBack() {
    Harness h;
    h.connectDirect();
    h.sim.setCvar("scr_ctf_showoncompass", "1");
    h.find<QCheckBox>("chkctf_0")->setChecked(false);
    button(h, 2)->click();

    QCOMPARE(h.commands(),
             (QStringList{"scr_ctf_startrounddelay 15", "scr_ctf_endrounddelay 15",
                          "scr_ctf_scorelimit 3", "scr_ctf_timelimit 120", "scr_ctf_roundlimit 5",
                          "scr_ctf_roundlength 30", "scr_ctf_showoncompass\"0\"",
                          "scr_ctf_clearscoreeachround\"1\""}));
    QCOMPARE(h.messageLog().mid(0, 3),
             (QStringList{"CTF Clear score updated to 1", "CTF Show compass updated to 0",
                          "CTF Round length updated to 30"}));
    QCOMPARE(h.sim.cvar("scr_ctf_showoncompass"), QString("0"));
}

void TestUoModes::negativeValueBeepsWithoutABox() {
    Harness h;
    h.connectDirect();
    showPage(h);
    field(h, "txtbas", 5)->setText("-3");
    field(h, "txtbas", 6)->setText("-7");
    button(h, 4)->click();

    QCOMPARE(h.dialogs.beeps(), 1);
    QVERIFY(h.dialogs.messages().isEmpty());
    QCOMPARE(QApplication::focusWidget(), field(h, "txtbas", 5));
    Harness::pause(1);
    QVERIFY(h.commands().isEmpty());
    QVERIFY(h.messageLog().isEmpty());

    // -0.4 rounds to zero and passes.
    field(h, "txtbas", 5)->setText("-0.4");
    field(h, "txtbas", 6)->setText("10");
    button(h, 4)->click();
    QCOMPARE(h.commands().size(), 8);
    QCOMPARE(h.commands().at(5), QString("scr_bas_roundlength -0.4"));
    QCOMPARE(h.commands().at(7), QString("scr_bas_clearscoreeachround\"1\""));
}

void TestUoModes::numbersAreCheckedBeforeSigns() {
    Harness h;
    h.connectDirect();
    showPage(h);
    field(h, "txtdom", 1)->setText("-5");
    field(h, "txtdom", 6)->setText("often");
    button(h, 0)->click();

    QCOMPARE(h.dialogs.beeps(), 0);
    QCOMPARE(h.dialogs.messages().size(), 1);
    const auto box = h.dialogs.messages().at(0);
    QCOMPARE(box.text, QString("Respawn wave time has to be a number of seconds"));
    QCOMPARE(box.title, QString("Invalid value"));
    QCOMPARE(box.icon, Dialogs::Icon::None);
    QCOMPARE(box.buttons, Dialogs::Buttons::Ok);
    QCOMPARE(QApplication::focusWidget(), field(h, "txtdom", 6));
    QVERIFY(h.commands().isEmpty());
}

void TestUoModes::noUpperBound() {
    Harness h;
    h.connectDirect();
    field(h, "txtctf", 3)->setText("500");
    button(h, 2)->click();
    QCOMPARE(h.commands().at(3), QString("scr_ctf_timelimit 500"));
    QCOMPARE(h.commands().size(), 8);
}

void TestUoModes::cancelSendsNothing() {
    Harness h;
    h.connectDirect();
    h.dialogs.setNextAnswer(Dialogs::Answer::Cancel);
    button(h, 4)->click();
    Harness::pause(1);

    QCOMPARE(h.dialogs.messageTitles(), QStringList{"Set server"});
    QVERIFY(h.commands().isEmpty());
    QVERIFY(h.messageLog().isEmpty());
}

void TestUoModes::defaultsRestoreFieldsAndBoxes() {
    Harness h;
    for (int i = 0; i < 6; ++i)
        field(h, "txtctf", i)->setText("x");
    h.find<QCheckBox>("chkctf_0")->setChecked(false);
    h.find<QCheckBox>("chkctf_1")->setChecked(false);
    h.find<QCheckBox>("chkbas")->setChecked(false);
    button(h, 3)->click();

    const QStringList ctf{"15", "15", "3", "120", "5", "30"};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(field(h, "txtctf", i)->text(), ctf.at(i));
    QVERIFY(h.find<QCheckBox>("chkctf_0")->isChecked());
    QVERIFY(h.find<QCheckBox>("chkctf_1")->isChecked());
    // Only the frame of the button.
    QVERIFY(!h.find<QCheckBox>("chkbas")->isChecked());

    field(h, "txtbas", 1)->setText("99");
    button(h, 5)->click();
    QCOMPARE(field(h, "txtbas", 1)->text(), QString("10"));
    QVERIFY(h.find<QCheckBox>("chkbas")->isChecked());
    QVERIFY(h.dialogs.shown().isEmpty());
    QVERIFY(h.commands().isEmpty());
    QVERIFY(h.messageLog().isEmpty());
}

void TestUoModes::otherButtonIndexesDoNothing() {
    Harness h;
    h.connectDirect();
    field(h, "txtdom", 0)->setText("1");
    h.main->pages().uoModes->cmdUOmodeset_Click(6);
    h.main->pages().uoModes->cmdUOmodeset_Click(-1);
    Harness::pause(1);
    QVERIFY(h.dialogs.shown().isEmpty());
    QVERIFY(h.commands().isEmpty());
    QCOMPARE(field(h, "txtdom", 0)->text(), QString("1"));
}

void TestUoModes::withoutConnectionOneWarningAndNoLog() {
    Harness h;
    button(h, 0)->click();
    QCOMPARE(h.dialogs.messageTitles(), (QStringList{"Set server", "Not connected"}));
    QVERIFY(h.messageLog().isEmpty());
}

void TestUoModes::framesAreBuiltFromTheTables() {
    Harness h;
    QSet<int> labelIndexes;
    for (const uomodes::Mode& mode : uomodes::modes()) {
        auto* frame = h.find<QGroupBox>(QString("frmgamemode_%1").arg(mode.frameIndex));
        QVERIFY(frame);
        QCOMPARE(frame->title(), mode.caption);
        for (int i = 0; i < mode.fields.size(); ++i) {
            const uomodes::Field& f = mode.fields.at(i);
            auto* edit = frame->findChild<QLineEdit*>(mode.fieldArray + '_' + QString::number(i));
            QVERIFY(edit);
            QCOMPARE(edit->property("index").toInt(), i);
            QCOMPARE(edit->property("tag").toString(), f.variable);
            QCOMPARE(edit->text(), f.initial);
            QCOMPARE(edit->toolTip(), uomodes::fieldTip(i));
            QLabel* label = nullptr;
            for (QLabel* candidate : frame->findChildren<QLabel*>())
                if (candidate->buddy() == edit)
                    label = candidate;
            QVERIFY(label);
            QCOMPARE(label->text(), f.caption);
            QCOMPARE(label->toolTip(), f.labelTip);
            QVERIFY(label->objectName().startsWith("lblgrace_"));
            labelIndexes << label->property("index").toInt();
        }
        const QList<QCheckBox*> boxes = frame->findChildren<QCheckBox*>();
        QCOMPARE(boxes.size(), mode.boxes.size());
        for (int i = 0; i < mode.boxes.size(); ++i) {
            const QString name =
                mode.boxArray ? mode.boxName + '_' + QString::number(i) : mode.boxName;
            auto* box = frame->findChild<QCheckBox*>(name);
            QVERIFY2(box, qPrintable(name));
            QCOMPARE(box->text(), mode.boxes.at(i).caption);
            QCOMPARE(box->property("tag").toString(), mode.boxes.at(i).variable);
            QVERIFY(box->isChecked());
        }
    }
    // The label array goes on from the base-game page without reusing an index.
    for (const int index : labelIndexes)
        QVERIFY(index >= classicmodes::fieldCount());
    QCOMPARE(labelIndexes.size(), 20);
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(button(h, i)->text(), QString(i % 2 == 0 ? "Set" : "Defaults"));
        QCOMPARE(button(h, i)->property("index").toInt(), i);
    }
    QCOMPARE(h.find<QLineEdit>("txtdom_3")->toolTip(),
             QString("Number of minutes (0 - 120) 0 is unlimited"));
    QCOMPARE(h.find<QCheckBox>("chkctf_0")->toolTip(),
             QString("scr_ctf_showoncompass (Default 1) "));
}

QTEST_MAIN(TestUoModes)
#include "tst_uomodes.moc"
