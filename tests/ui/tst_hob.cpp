#include "support/Harness.h"

#include "ui/BoundControls.h"
#include "ui/HobWindow.h"
#include "ui/ProgressNotice.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

// The Heat of Battle window against the simulated server: read-out, send of changed
// settings, the percentage and wave-respawn checks and the help texts.
class TestHob : public QObject {
    Q_OBJECT
private slots:
    void populateFillsAndSendAfterItSendsNothing();
    void changedRiflePercentageSendsOneCommand();
    void everyKindOfSettingIsSent();
    void percentageCheckedOnChange_data();
    void percentageCheckedOnChange();
    void sniperCheckedOnlyOnLeaving();
    void waveCheckedOnLeaving_data();
    void waveCheckedOnLeaving();
    void waveReadFromServerIsNotChecked();
    void refusedTextIsNotSent();
    void missingOrUnusableValues();
    void unansweredListingChangesNothing();
    void repliesShowAgainAfterwards();
    void progressNotice();
    void cancelSendsNothing();
    void withoutConnection();
    void helpTexts();
    void setGametypeGoesThroughTheSwitch();
    void layoutAndExit();
};

namespace {

// The window, shown and active so that focus moves like on a desktop.
HobWindow* openWindow(Harness& h) {
    h.main->openHob();
    auto* window = h.main->findChild<HobWindow*>();
    if (!window)
        qFatal("the Heat of Battle window did not open");
    QApplication::setActiveWindow(window);
    if (!QTest::qWaitForWindowActive(window))
        qWarning("the Heat of Battle window is not active");
    return window;
}

template <typename T> T* child(HobWindow* window, const QString& name) {
    auto* found = window->findChild<T*>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

QLineEdit* field(HobWindow* window, const QString& name) {
    return child<QLineEdit>(window, name);
}

QString help(HobWindow* window) {
    return child<QPlainTextEdit>(window, "txtmess")->toPlainText();
}

bool marked(QWidget* control) {
    return BoundControl::of(control)->isChanged();
}

void click(HobWindow* window, const QString& button) {
    child<QPushButton>(window, button)->click();
}

// Replaces a field's text the way an operator does: focus, select all, type.
void type(QLineEdit* field, const QString& text) {
    field->setFocus(Qt::MouseFocusReason);
    field->selectAll();
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Backspace);
    else
        QTest::keyClicks(field, text);
}

// Moves the focus to another field as a click there would.
void leaveTo(QLineEdit* other) {
    other->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
}

} // namespace

void TestHob::populateFillsAndSendAfterItSendsNothing() {
    Harness h;
    h.connectDirect();
    h.sim.setCvar("scr_hob_respawntime", "12");
    h.sim.setCvar("scr_hob_trip", "2");
    h.sim.setCvar("scr_hob_sniperPercentage", "15");
    h.sim.setCvar("scr_hob_riflePercentage", "60");
    HobWindow* w = openWindow(h);

    click(w, "cmdhobpop");
    QCOMPARE(h.commands(), QStringList{"cvarlist scr_hob_*"});
    QVERIFY(h.dialogs.messages().isEmpty());
    QCOMPARE(field(w, "txtwave")->text(), "12");
    QCOMPARE(child<QCheckBox>(w, "chkobi")->checkState(), Qt::Checked);
    QCOMPARE(child<QCheckBox>(w, "chkshot")->checkState(), Qt::PartiallyChecked);
    QCOMPARE(child<QCheckBox>(w, "chkdrop")->checkState(), Qt::Unchecked);
    QCOMPARE(field(w, "txtsniper")->text(), "15");
    QCOMPARE(child<QScrollBar>(w, "vssniper")->value(), 15);
    QCOMPARE(field(w, "txtrifle")->text(), "60");
    QCOMPARE(child<QScrollBar>(w, "vsrifle")->value(), 60);
    QCOMPARE(field(w, "txtsmg")->text(), h.sim.cvar("scr_hob_smgPercentage"));
    for (const char* name : {"txtwave", "chkobi", "chkshot", "txtsniper", "txtrifle", "txtsup"})
        QVERIFY(!marked(w->findChild<QWidget*>(name)));
    QVERIFY(!h.rconText().contains("scr_hob_trip"));

    click(w, "cmdhobset");
    QCOMPARE(h.commands(), QStringList{"cvarlist scr_hob_*"});
    QVERIFY(h.messageLog().isEmpty());
    const ScriptedDialogs::Shown question = h.dialogs.messages().at(0);
    QCOMPARE(question.text, "Send settings to server?\rOnly changed values will be sent.");
    QCOMPARE(question.title, "Send to Server?");
    QCOMPARE(question.buttons, Dialogs::Buttons::OkCancel);
}

void TestHob::changedRiflePercentageSendsOneCommand() {
    Harness h;
    h.connectDirect();
    HobWindow* w = openWindow(h);
    click(w, "cmdhobpop");
    h.sim.clearReceived();

    type(field(w, "txtrifle"), "40");
    QCOMPARE(child<QScrollBar>(w, "vsrifle")->value(), 40);
    click(w, "cmdhobset");
    QCOMPARE(h.commands(), QStringList{"scr_hob_riflePercentage\"40\""});
    QCOMPARE(h.sim.cvar("scr_hob_riflePercentage"), "40");
    QCOMPARE(h.messageLog(), QStringList{"Rifle percentage changed."});
    // The command is echoed in the pane.
    QVERIFY(h.rconText().contains("scr_hob_riflePercentage\"40\""));
    QVERIFY(!marked(field(w, "txtrifle")));
}

void TestHob::everyKindOfSettingIsSent() {
    Harness h;
    h.connectDirect();
    HobWindow* w = openWindow(h);
    click(w, "cmdhobpop");
    h.sim.clearReceived();

    child<QScrollBar>(w, "vssup")->setValue(55); // the bar writes into its field
    QCOMPARE(field(w, "txtsup")->text(), "55");
    child<QCheckBox>(w, "chkannouncespawn")->click();
    type(field(w, "txtwave"), "20");
    child<QCheckBox>(w, "chkobi")->click();
    leaveTo(field(w, "txtsniper"));

    click(w, "cmdhobset");
    QCOMPARE(h.commands(),
             (QStringList{"scr_hob_showObituary\"0\"", "scr_hob_respawntime\"20\"",
                          "scr_hob_announceSpawnCampers\"1\"", "scr_hob_supportPercentage\"55\""}));
    QCOMPARE(h.messageLog(),
             (QStringList{"Support percentage changed.", "Annouce Spawn campers changed.",
                          "Wave respawn changed to [20]", "Show Obituory changed."}));
}

void TestHob::percentageCheckedOnChange_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("bar");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message"); // empty: accepted

    const QString bad = "Value should be a percentage between 0 and 100";
    QTest::newRow("smg 101") << "txtsmg"
                             << "vssmg"
                             << "101"
                             << "SMG allow " + bad;
    QTest::newRow("support letters") << "txtsup"
                                     << "vssup"
                                     << "x"
                                     << "Support allow " + bad;
    QTest::newRow("rifle emptied") << "txtrifle"
                                   << "vsrifle"
                                   << ""
                                   << "Rifle allow " + bad;
    QTest::newRow("rifle negative") << "txtrifle"
                                    << "vsrifle"
                                    << "-"
                                    << "Rifle allow " + bad;
    QTest::newRow("smg 100") << "txtsmg"
                             << "vssmg"
                             << "100"
                             << "";
}

void TestHob::percentageCheckedOnChange() {
    QFETCH(QString, control);
    QFETCH(QString, bar);
    QFETCH(QString, text);
    QFETCH(QString, message);
    Harness h;
    h.connectDirect();
    HobWindow* w = openWindow(h);
    child<QScrollBar>(w, bar)->setValue(30);

    type(field(w, control), text);
    if (message.isEmpty()) {
        QCOMPARE(field(w, control)->text(), text);
        QCOMPARE(child<QScrollBar>(w, bar)->value(), text.toInt());
    } else {
        // At once, without leaving the field.
        QCOMPARE(field(w, control)->text(), "0");
        QCOMPARE(child<QScrollBar>(w, bar)->value(), 0);
        QCOMPARE(help(w), message);
        QVERIFY(field(w, control)->hasFocus());
    }
    QVERIFY(marked(field(w, control)));
    QVERIFY(h.dialogs.messages().isEmpty());
}

void TestHob::sniperCheckedOnlyOnLeaving() {
    Harness h;
    h.connectDirect();
    HobWindow* w = openWindow(h);
    QLineEdit* sniper = field(w, "txtsniper");

    type(sniper, "101");
    QCOMPARE(sniper->text(), "101");
    QCOMPARE(help(w), "Sniper allowed percentage 0 to 100");

    leaveTo(field(w, "txtrifle"));
    QCOMPARE(sniper->text(), "0");
    QCOMPARE(child<QScrollBar>(w, "vssniper")->value(), 0);
    QCOMPARE(help(w), "Sniper allow Value should be a percentage between 0 and 100");
    QTRY_VERIFY(sniper->hasFocus());

    type(sniper, "35");
    QCOMPARE(child<QScrollBar>(w, "vssniper")->value(), 0);
    leaveTo(field(w, "txtrifle"));
    QCOMPARE(child<QScrollBar>(w, "vssniper")->value(), 35);
    QTest::qWait(20);
    QVERIFY(field(w, "txtrifle")->hasFocus());
}

void TestHob::waveCheckedOnLeaving_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message"); // empty: accepted
    QTest::addColumn<QString>("title");
    QTest::newRow("0.5") << "0.5"
                         << "Value between 1 and 30 please"
                         << "Invalid Value";
    QTest::newRow("31") << "31"
                        << "Value between 1 and 30 please"
                        << "Invalid Value";
    QTest::newRow("letters") << "ten"
                             << "Numeric value between 1 and 30 please"
                             << "Number Field";
    QTest::newRow("2.5") << "2.5"
                         << ""
                         << "";
    QTest::newRow("30") << "30"
                        << ""
                        << "";
}

void TestHob::waveCheckedOnLeaving() {
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(QString, title);
    Harness h;
    h.connectDirect();
    HobWindow* w = openWindow(h);
    QLineEdit* wave = field(w, "txtwave");

    type(wave, text);
    QVERIFY(h.dialogs.messages().isEmpty());
    leaveTo(field(w, "txtsmg"));
    QTest::qWait(20);
    if (message.isEmpty()) {
        QVERIFY(h.dialogs.messages().isEmpty());
        QVERIFY(field(w, "txtsmg")->hasFocus());
    } else {
        QCOMPARE(h.dialogs.messages().size(), 1);
        QCOMPARE(h.dialogs.messages().at(0).text, message);
        QCOMPARE(h.dialogs.messages().at(0).title, title);
        QCOMPARE(h.dialogs.messages().at(0).icon, Dialogs::Icon::Information);
        QVERIFY(wave->hasFocus());
    }
    QCOMPARE(wave->text(), text); // the wave field keeps what was typed
}

void TestHob::waveReadFromServerIsNotChecked() {
    Harness h;
    h.connectDirect();
    h.sim.setCvar("scr_hob_respawntime", "0");
    HobWindow* w = openWindow(h);
    click(w, "cmdhobpop");
    field(w, "txtwave")->setFocus(Qt::MouseFocusReason);
    leaveTo(field(w, "txtsmg"));
    QVERIFY(h.dialogs.messages().isEmpty());
}

void TestHob::refusedTextIsNotSent() {
    Harness h;
    h.connectDirect();
    HobWindow* w = openWindow(h);
    field(w, "txtwave")->setText("31");
    click(w, "cmdhobset");
    QCOMPARE(h.dialogs.messageTitles(), QStringList{"Invalid Value"});
    QVERIFY(h.commands().isEmpty());

    h.dialogs.clear();
    field(w, "txtwave")->setText("30");
    field(w, "txtsniper")->setText("250");
    click(w, "cmdhobset");
    QVERIFY(h.dialogs.messages().isEmpty());
    QVERIFY(h.commands().isEmpty());
    QCOMPARE(field(w, "txtsniper")->text(), "0");
    QCOMPARE(help(w), "Sniper allow Value should be a percentage between 0 and 100");

    click(w, "cmdhobset");
    QCOMPARE(h.commands(),
             (QStringList{"scr_hob_respawntime\"30\"", "scr_hob_sniperPercentage\"0\""}));
}

void TestHob::missingOrUnusableValues() {
    Harness h;
    h.connectDirect();
    h.sim.removeCvar("scr_hob_trip");
    h.sim.setCvar("scr_hob_dynamicLimitWeapons", "yes");
    h.sim.setCvar("scr_hob_dynamicLimitFlags", "3");
    h.sim.removeCvar("scr_hob_sniperPercentage");
    h.sim.removeCvar("scr_hob_riflePercentage");
    h.sim.setCvar("scr_hob_supportPercentage", "45");
    HobWindow* w = openWindow(h);
    child<QCheckBox>(w, "chkshot")->click();
    child<QCheckBox>(w, "chkdw")->click();
    child<QScrollBar>(w, "vssniper")->setValue(50);

    click(w, "cmdhobpop");
    QVERIFY(h.dialogs.messages().isEmpty());
    // Boxes the server gives no usable state for stay as they were; the rest goes on.
    QCOMPARE(child<QCheckBox>(w, "chkshot")->checkState(), Qt::Checked);
    QVERIFY(marked(child<QCheckBox>(w, "chkshot")));
    QCOMPARE(child<QCheckBox>(w, "chkdw")->checkState(), Qt::Checked);
    QCOMPARE(child<QCheckBox>(w, "chkdf")->checkState(), Qt::Unchecked);
    QCOMPARE(field(w, "txtsniper")->text(), "");
    QCOMPARE(child<QScrollBar>(w, "vssniper")->value(), 0);
    QCOMPARE(field(w, "txtsup")->text(), "45");
    QCOMPARE(field(w, "txtrifle")->text(), "0");
    QCOMPARE(help(w), "Rifle allow Value should be a percentage between 0 and 100");
}

void TestHob::unansweredListingChangesNothing() {
    Harness h;
    h.connectDirect();
    HobWindow* w = openWindow(h);
    field(w, "txtsup")->setText("70");
    h.sim.dropNextReplies(5);
    click(w, "cmdhobpop");
    QCOMPARE(h.dialogs.messageTitles(), QStringList{"No response"});
    QCOMPARE(field(w, "txtsup")->text(), "70");
    QCOMPARE(field(w, "txtwave")->text(), "15");
    QVERIFY(marked(field(w, "txtsup")));
    QVERIFY(!h.main->session().state().collectquiet);
}

void TestHob::repliesShowAgainAfterwards() {
    Harness h;
    h.connectDirect();
    HobWindow* w = openWindow(h);
    click(w, "cmdhobpop");
    QVERIFY(!h.main->session().state().collectquiet);
    QVERIFY(!h.main->session().state().busy);
    h.main->session().sendinfo("say after populate");
    QVERIFY(h.rconText().contains("console: after populate"));

    child<QCheckBox>(w, "chkdb")->click();
    click(w, "cmdhobset");
    QVERIFY(!h.main->session().state().collectquiet);
    h.main->session().sendinfo("say after send");
    QVERIFY(h.rconText().contains("console: after send"));
}

void TestHob::progressNotice() {
    Harness h;
    h.connectDirect();
    HobWindow* w = openWindow(h);
    QStringList shown;
    auto* notice = h.main->progressNotice();
    connect(notice->findChild<QPlainTextEdit*>("txtprogress"), &QPlainTextEdit::textChanged, this,
            [&] { shown << notice->text(); });
    click(w, "cmdhobpop");
    child<QCheckBox>(w, "chkdf")->click();
    click(w, "cmdhobset");
    QCOMPARE(shown, (QStringList{"Reading variables from the server...\nHeat of Battle MOD...", "",
                                 "Sending variables to the server...\nHeat of Battle MOD...", ""}));
}

void TestHob::cancelSendsNothing() {
    Harness h;
    h.connectDirect();
    HobWindow* w = openWindow(h);
    child<QCheckBox>(w, "chkspawn")->click();
    h.dialogs.setNextAnswer(Dialogs::Answer::Cancel);
    click(w, "cmdhobset");
    QVERIFY(h.commands().isEmpty());
    QVERIFY(h.messageLog().isEmpty());
    QVERIFY(marked(child<QCheckBox>(w, "chkspawn")));
}

void TestHob::withoutConnection() {
    Harness h;
    HobWindow* w = openWindow(h);
    click(w, "cmdhobpop");
    QCOMPARE(h.dialogs.messageTitles(), QStringList{"Not Connected"});
    QCOMPARE(h.dialogs.messages().at(0).text, "You need to connect to a server first");
    QCOMPARE(h.dialogs.messages().at(0).icon, Dialogs::Icon::Exclamation);

    h.dialogs.clear();
    child<QCheckBox>(w, "chkspawn")->click();
    click(w, "cmdhobset");
    QCOMPARE(h.dialogs.messageTitles(), (QStringList{"Send to Server?", "Not Connected"}));
    QVERIFY(h.commands().isEmpty());
    QVERIFY(marked(child<QCheckBox>(w, "chkspawn")));
}

void TestHob::helpTexts() {
    Harness h;
    HobWindow* w = openWindow(h);
    child<QCheckBox>(w, "chkobi")->click();
    QCOMPARE(help(w), "Show Obitory when people Die.");
    field(w, "txtwave")->setFocus(Qt::MouseFocusReason);
    QCOMPARE(help(w), "Wave respawn time interval, 1 to 30 seconds");
    child<QCheckBox>(w, "chkdb")->click();
    QCOMPARE(help(w), "Bomb plant/Defuse limiting.(Based on # of people on server)");
    leaveTo(field(w, "txtsup"));
    QCOMPARE(help(w), "Support allowed percentage 0 to 100");
}

void TestHob::setGametypeGoesThroughTheSwitch() {
    Harness h;
    h.connectDirect();
    HobWindow* w = openWindow(h);
    click(w, "cmdsethob");
    QVERIFY(!h.commands().isEmpty());
    QCOMPARE(h.commands().first(), "set g_gametype hob");
}

void TestHob::layoutAndExit() {
    Harness h;
    HobWindow* w = openWindow(h);
    QCOMPARE(w->objectName(), "frmhob");
    QCOMPARE(w->windowTitle(), "Heat of Battle server variables");
    QCOMPARE(field(w, "txtwave")->text(), "15");
    QCOMPARE(field(w, "txtrifle")->text(), "0");
    QVERIFY(!marked(field(w, "txtwave")));
    auto* label = child<QLabel>(w, "lblhob_1");
    QCOMPARE(label->text(), "Foot / Leg shot ");
    QCOMPARE(label->toolTip(), "scr_hob_trip");
    QCOMPARE(label->buddy(), child<QCheckBox>(w, "chkshot"));
    QCOMPARE(child<QScrollBar>(w, "vsrifle")->maximum(), 100);
    QCOMPARE(child<QPushButton>(w, "cmdsethob")->toolTip(), "Set g_gametype HOB");
    QCOMPARE(child<QPushButton>(w, "cmdsethob")->text(), "Set Gametype to HOB");

    QPointer<HobWindow> guard(w);
    click(w, "cmdexit");
    QTRY_VERIFY(!guard); // closed and deleted
}

QTEST_MAIN(TestHob)
#include "tst_hob.moc"
