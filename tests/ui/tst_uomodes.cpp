#include "ModePageChecks.h"

#include "serverconfig/ClassicModes.h"
#include "serverconfig/UoModes.h"
#include "ui/pages/UoModesPage.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

// The three United Offensive settings frames of "UO: Modes" against the simulated server.
class TestUoModes : public QObject {
    Q_OBJECT
private slots:
    void dominationAsksThenSends();
    void captureTheFlagSendsBoxesBackToBack();
    void badFieldBlocksTheSend_data();
    void badFieldBlocksTheSend();
    void defaultsRestoreFieldsAndBoxesOfTheirFrame();
    void controlsAreBoundToTheirVariables();
};

namespace {
QPushButton* button(Harness& h, int index) {
    return h.find<QPushButton>(QString("cmdUOmodeset_%1").arg(index));
}
} // namespace

void TestUoModes::dominationAsksThenSends() {
    Harness h;
    button(h, 0)->click();
    // Without a connection the first send is refused once and nothing is logged.
    QCOMPARE(h.dialogs.messageTitles(), (QStringList{"Set server", "Not connected"}));
    QVERIFY(h.messageLog().isEmpty());

    h.dialogs.clear();
    h.connectDirect();
    h.dialogs.setNextAnswer(Dialogs::Answer::Cancel);
    button(h, 0)->click();
    Harness::pause(1);
    QVERIFY(h.commands().isEmpty());
    QVERIFY(h.messageLog().isEmpty());

    button(h, 0)->click();
    QCOMPARE(boxesShown(h), QStringList(2, kSetServerQuestion));
    QCOMPARE(h.commands(),
             (QStringList{"scr_dom_startrounddelay 15", "scr_dom_endrounddelay 15",
                          "scr_dom_scorelimit 3", "scr_dom_timelimit 120", "scr_dom_roundlimit 5",
                          "scr_dom_roundlength 30", "scr_dom_respawn_wave_time 10",
                          "scr_dom_clearscoreeachround\"1\""}));
    // One second after every field, the last one included.
    verifyAboutASecondApart(h);
    QCOMPARE(
        logOldestFirst(h),
        (QStringList{"Domination Start round delay updated to 15",
                     "Domination End round delay updated to 15",
                     "Domination Score limit updated to 3", "Domination Time limit updated to 120",
                     "Domination Round limit updated to 5", "Domination Round length updated to 30",
                     "Domination Respawn wave time updated to 10",
                     "Domination Clear score updated to 1"}));
    QCOMPARE(h.rconText().count(">>RCON sent"), 8);
    QVERIFY(button(h, 0)->isEnabled());
}

void TestUoModes::captureTheFlagSendsBoxesBackToBack() {
    Harness h;
    h.connectDirect();
    h.find<QCheckBox>("chkctf_0")->setChecked(false);
    // No upper bound, whatever the tooltip says.
    h.find<QLineEdit>("txtctf_3")->setText("500");
    button(h, 2)->click();

    QCOMPARE(h.commands(),
             (QStringList{"scr_ctf_startrounddelay 15", "scr_ctf_endrounddelay 15",
                          "scr_ctf_scorelimit 3", "scr_ctf_timelimit 500", "scr_ctf_roundlimit 5",
                          "scr_ctf_roundlength 30", "scr_ctf_showoncompass\"0\"",
                          "scr_ctf_clearscoreeachround\"1\""}));
    verifyAboutASecondApart(h, 7);
    QCOMPARE(h.messageLog().mid(0, 3),
             (QStringList{"CTF Clear score updated to 1", "CTF Show compass updated to 0",
                          "CTF Round length updated to 30"}));
}

void TestUoModes::badFieldBlocksTheSend_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QStringList>("edits"); // "field=text" in the order typed
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("message"); // empty: a beep and no box

    QTest::newRow("negative beeps")
        << 4 << QStringList{"txtbas_5=-3", "txtbas_6=-7"} << "txtbas_5" << QString();
    QTest::newRow("numbers before signs")
        << 0 << QStringList{"txtdom_1=-5", "txtdom_6=often"} << "txtdom_6"
        << "Respawn wave time has to be a number of seconds";
    QTest::newRow("not a number") << 2 << QStringList{"txtctf_0=soon"} << "txtctf_0"
                                  << "Start round delay has to be a number of seconds";
}

void TestUoModes::badFieldBlocksTheSend() {
    QFETCH(int, button);
    QFETCH(QStringList, edits);
    QFETCH(QString, field);
    QFETCH(QString, message);

    Harness h;
    h.connectDirect();
    showPage(h, h.main->pages().uoModes);
    for (const QString& edit : edits)
        h.find<QLineEdit>(edit.section('=', 0, 0))->setText(edit.section('=', 1));
    ::button(h, button)->click();

    QCOMPARE(h.dialogs.beeps(), message.isEmpty() ? 1 : 0);
    QCOMPARE(boxesShown(h), message.isEmpty()
                                ? QStringList()
                                : QStringList{"Invalid value | " + message + " | None | Ok"});
    QCOMPARE(QApplication::focusWidget(), h.find<QLineEdit>(field));
    Harness::pause(1);
    QVERIFY(h.commands().isEmpty());
    QVERIFY(h.messageLog().isEmpty());
}

void TestUoModes::defaultsRestoreFieldsAndBoxesOfTheirFrame() {
    Harness h;
    h.find<QLineEdit>("txtctf_3")->setText("x");
    h.find<QLineEdit>("txtbas_1")->setText("99");
    for (QCheckBox* box : h.main->pages().uoModes->findChildren<QCheckBox*>())
        box->setChecked(false);
    button(h, 3)->click();
    QCOMPARE(h.find<QLineEdit>("txtctf_3")->text(), QString("120"));
    QVERIFY(h.find<QCheckBox>("chkctf_0")->isChecked() &&
            h.find<QCheckBox>("chkctf_1")->isChecked());
    QCOMPARE(h.find<QLineEdit>("txtbas_1")->text(), QString("99"));
    QVERIFY(!h.find<QCheckBox>("chkbas")->isChecked());

    button(h, 5)->click();
    QCOMPARE(h.find<QLineEdit>("txtbas_1")->text(), QString("10"));
    QVERIFY(h.find<QCheckBox>("chkbas")->isChecked());
    QVERIFY(h.dialogs.shown().isEmpty());
    QVERIFY(h.commands().isEmpty());
}

void TestUoModes::controlsAreBoundToTheirVariables() {
    Harness h;
    QSet<int> labelIndexes;
    for (const uomodes::Mode& mode : uomodes::modes()) {
        auto* frame = h.find<QGroupBox>(QString("frmgamemode_%1").arg(mode.frameIndex));
        QVERIFY(frame);
        QCOMPARE(frame->title(), mode.caption);
        for (int i = 0; i < mode.fields.size(); ++i) {
            auto* edit = frame->findChild<QLineEdit*>(mode.fieldArray + '_' + QString::number(i));
            QVERIFY(edit);
            QCOMPARE(edit->property("index").toInt(), i);
            QCOMPARE(edit->property("tag").toString(), mode.fields.at(i).variable);
            QCOMPARE(edit->toolTip(), uomodes::fieldTip(i));
            QLabel* label = labelFor(frame, edit);
            QVERIFY(label);
            QCOMPARE(label->text(), mode.fields.at(i).caption);
            QCOMPARE(label->toolTip(), mode.fields.at(i).labelTip);
            labelIndexes << label->property("index").toInt();
        }
        for (int i = 0; i < mode.boxes.size(); ++i) {
            const QString name =
                mode.boxArray ? mode.boxName + '_' + QString::number(i) : mode.boxName;
            auto* box = frame->findChild<QCheckBox*>(name);
            QVERIFY2(box, qPrintable(name));
            QCOMPARE(box->property("tag").toString(), mode.boxes.at(i).variable);
        }
    }
    // The label array goes on from the base-game page without reusing an index.
    QCOMPARE(labelIndexes.size(), 20);
    QVERIFY(*std::min_element(labelIndexes.cbegin(), labelIndexes.cend()) >=
            classicmodes::fieldCount());
}

QTEST_MAIN(TestUoModes)
#include "tst_uomodes.moc"
