#include "support/Harness.h"

#include "ui/BoundControls.h"
#include "ui/HobWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

// The Heat of Battle window against the simulated server: read-out, send of changed
// settings, the percentage and wave-respawn checks.
class TestHob : public QObject {
    Q_OBJECT
private slots:
    void populateThenSendTheChanges();
    void everyKindOfSettingIsSentOnceTheTextsPass();
    void percentageCheckedOnChange_data();
    void percentageCheckedOnChange();
    void sniperCheckedOnlyOnLeaving();
    void waveCheckedOnLeaving_data();
    void waveCheckedOnLeaving();
    void missingOrUnusableValues();
    void withoutConnectionThenGametypeAndExit();
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

template <typename T = QLineEdit> T* child(HobWindow* window, const QString& name) {
    auto* found = window->findChild<T*>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

QCheckBox* box(HobWindow* window, const QString& name) {
    return child<QCheckBox>(window, name);
}

int bar(HobWindow* window, const QString& name) {
    return child<QScrollBar>(window, name)->value();
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

void TestHob::populateThenSendTheChanges() {
    Harness h;
    h.connectDirect();
    h.sim.setCvar("scr_hob_respawntime", "12");
    h.sim.setCvar("scr_hob_trip", "2");
    h.sim.setCvar("scr_hob_riflePercentage", "60");
    HobWindow* w = openWindow(h);

    click(w, "cmdhobpop");
    QCOMPARE(h.commands(), QStringList{"cvarlist scr_hob_*"});
    QVERIFY(h.dialogs.messages().isEmpty());
    QCOMPARE(child(w, "txtwave")->text(), "12");
    QCOMPARE(box(w, "chkshot")->checkState(), Qt::PartiallyChecked);
    QCOMPARE(child(w, "txtrifle")->text(), "60");
    QCOMPARE(bar(w, "vsrifle"), 60);
    QCOMPARE(child(w, "txtsmg")->text(), h.sim.cvar("scr_hob_smgPercentage"));
    for (const char* name : {"txtwave", "chkshot", "txtrifle", "txtsup"})
        QVERIFY(!marked(w->findChild<QWidget*>(name)));
    QVERIFY(!h.rconText().contains("scr_hob_trip"));
    // The read-out collected quietly; replies show in the pane again afterwards.
    h.main->session().sendinfo("say after populate");
    QVERIFY(h.rconText().contains("console: after populate"));

    click(w, "cmdhobset");
    QCOMPARE(h.commands(), (QStringList{"cvarlist scr_hob_*", "say after populate"}));
    QCOMPARE(h.dialogs.messages().at(0).text,
             "Send settings to server?\rOnly changed values will be sent.");

    h.sim.clearReceived();
    type(child(w, "txtrifle"), "40");
    QCOMPARE(bar(w, "vsrifle"), 40);
    h.dialogs.setNextAnswer(Dialogs::Answer::Cancel);
    click(w, "cmdhobset");
    QVERIFY(h.commands().isEmpty() && marked(child(w, "txtrifle")));
    click(w, "cmdhobset");
    QCOMPARE(h.commands(), QStringList{"scr_hob_riflePercentage\"40\""});
    QCOMPARE(h.sim.cvar("scr_hob_riflePercentage"), "40");
    QCOMPARE(h.messageLog(), QStringList{"Rifle percentage changed."});
    QVERIFY(h.rconText().contains("scr_hob_riflePercentage\"40\""));
    QVERIFY(!marked(child(w, "txtrifle")));
}

void TestHob::everyKindOfSettingIsSentOnceTheTextsPass() {
    Harness h;
    h.connectDirect();
    HobWindow* w = openWindow(h);
    click(w, "cmdhobpop");
    h.sim.clearReceived();

    child<QScrollBar>(w, "vssup")->setValue(55); // the bar writes into its field
    box(w, "chkannouncespawn")->click();
    box(w, "chkobi")->click();
    child(w, "txtwave")->setText("31");
    click(w, "cmdhobset");
    QCOMPARE(h.dialogs.messageTitles(), QStringList{"Invalid Value"});
    QVERIFY(h.commands().isEmpty());

    // A refused percentage goes back to 0 and stops this send; the next one sends it.
    h.dialogs.clear();
    child(w, "txtwave")->setText("20");
    child(w, "txtsniper")->setText("250");
    click(w, "cmdhobset");
    QVERIFY(h.dialogs.messages().isEmpty());
    QVERIFY(h.commands().isEmpty());
    QCOMPARE(child(w, "txtsniper")->text(), "0");

    click(w, "cmdhobset");
    QCOMPARE(h.commands(),
             (QStringList{"scr_hob_showObituary\"0\"", "scr_hob_respawntime\"20\"",
                          "scr_hob_announceSpawnCampers\"1\"", "scr_hob_sniperPercentage\"0\"",
                          "scr_hob_supportPercentage\"55\""}));
    QCOMPARE(h.messageLog(),
             (QStringList{"Support percentage changed.", "Sniper percentage changed.",
                          "Annouce Spawn campers changed.", "Wave respawn changed to [20]",
                          "Show Obituory changed."}));
}

void TestHob::percentageCheckedOnChange_data() {
    QTest::addColumn<QString>("control"); // its bar is "vs" and the same ending
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message"); // empty: accepted
    const auto row = [](const char* name, const QString& control, const QString& text,
                        const QString& message) {
        QTest::newRow(name) << control << text << message;
    };
    const QString bad = " allow Value should be a percentage between 0 and 100";
    row("smg 101", "txtsmg", "101", "SMG" + bad);
    row("rifle emptied", "txtrifle", "", "Rifle" + bad);
    row("smg 100", "txtsmg", "100", "");
}

void TestHob::percentageCheckedOnChange() {
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(QString, message);
    Harness h;
    h.connectDirect();
    HobWindow* w = openWindow(h);
    const QString scroll = "vs" + control.mid(3);
    child<QScrollBar>(w, scroll)->setValue(30);

    // A refused text goes back to 0 at once, without leaving the field.
    type(child(w, control), text);
    QCOMPARE(child(w, control)->text(), message.isEmpty() ? text : "0");
    QCOMPARE(bar(w, scroll), message.isEmpty() ? text.toInt() : 0);
    if (!message.isEmpty())
        QCOMPARE(help(w), message);
    QVERIFY(child(w, control)->hasFocus());
    QVERIFY(marked(child(w, control)));
    QVERIFY(h.dialogs.messages().isEmpty());
}

void TestHob::sniperCheckedOnlyOnLeaving() {
    Harness h;
    h.connectDirect();
    HobWindow* w = openWindow(h);
    QLineEdit* sniper = child(w, "txtsniper");

    type(sniper, "101");
    QCOMPARE(sniper->text(), "101");
    QCOMPARE(help(w), "Sniper allowed percentage 0 to 100");

    leaveTo(child(w, "txtrifle"));
    QCOMPARE(sniper->text(), "0");
    QCOMPARE(bar(w, "vssniper"), 0);
    QCOMPARE(help(w), "Sniper allow Value should be a percentage between 0 and 100");
    QTRY_VERIFY(sniper->hasFocus());

    type(sniper, "35");
    QCOMPARE(bar(w, "vssniper"), 0);
    leaveTo(child(w, "txtrifle"));
    QCOMPARE(bar(w, "vssniper"), 35);
}

void TestHob::waveCheckedOnLeaving_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message"); // empty: accepted
    QTest::addColumn<QString>("title");
    const auto row = [](const char* text, const QString& message, const QString& title) {
        QTest::newRow(text) << QString(text) << message << title;
    };
    row("0.5", "Value between 1 and 30 please", "Invalid Value");
    row("31", "Value between 1 and 30 please", "Invalid Value");
    row("ten", "Numeric value between 1 and 30 please", "Number Field");
    row("2.5", "", "");
}

void TestHob::waveCheckedOnLeaving() {
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(QString, title);
    Harness h;
    h.connectDirect();
    HobWindow* w = openWindow(h);
    QLineEdit* wave = child(w, "txtwave");

    type(wave, text);
    QVERIFY(h.dialogs.messages().isEmpty());
    leaveTo(child(w, "txtsmg"));
    QTest::qWait(20);
    if (message.isEmpty()) {
        QVERIFY(h.dialogs.messages().isEmpty());
        QVERIFY(child(w, "txtsmg")->hasFocus());
    } else {
        QCOMPARE(h.dialogs.messageTitles(), QStringList{title});
        QCOMPARE(h.dialogs.messages().at(0).text, message);
        QVERIFY(wave->hasFocus());
    }
    QCOMPARE(wave->text(), text); // the wave field keeps what was typed
}

void TestHob::missingOrUnusableValues() {
    Harness h;
    h.connectDirect();
    h.sim.removeCvar("scr_hob_trip");
    h.sim.setCvar("scr_hob_dynamicLimitWeapons", "yes");
    h.sim.removeCvar("scr_hob_sniperPercentage");
    h.sim.removeCvar("scr_hob_riflePercentage");
    HobWindow* w = openWindow(h);
    box(w, "chkshot")->click();
    box(w, "chkdw")->click();
    child<QScrollBar>(w, "vssniper")->setValue(50);

    click(w, "cmdhobpop");
    QVERIFY(h.dialogs.messages().isEmpty());
    // Boxes the server gives no usable state for stay as they were; the rest goes on.
    QVERIFY(box(w, "chkshot")->isChecked() && marked(box(w, "chkshot")));
    QVERIFY(box(w, "chkdw")->isChecked());
    QCOMPARE(child(w, "txtsniper")->text(), "");
    QCOMPARE(bar(w, "vssniper"), 0);
    QCOMPARE(child(w, "txtrifle")->text(), "0");
    QCOMPARE(help(w), "Rifle allow Value should be a percentage between 0 and 100");
}

void TestHob::withoutConnectionThenGametypeAndExit() {
    Harness h;
    HobWindow* w = openWindow(h);
    click(w, "cmdhobpop");
    box(w, "chkspawn")->click();
    click(w, "cmdhobset");
    QCOMPARE(h.dialogs.messageTitles(),
             (QStringList{"Not Connected", "Send to Server?", "Not Connected"}));
    QVERIFY(h.messageLog().isEmpty());
    QVERIFY(marked(box(w, "chkspawn")));

    h.connectDirect();
    click(w, "cmdsethob");
    QVERIFY(!h.commands().isEmpty());
    QCOMPARE(h.commands().first(), "set g_gametype hob");
    QPointer<HobWindow> guard(w);
    click(w, "cmdexit");
    QTRY_VERIFY(!guard); // closed and deleted
}

QTEST_MAIN(TestHob)
#include "tst_hob.moc"
