#include "support/Harness.h"

#include "settings/OptionsStore.h"
#include "ui/PreferencesDialog.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QTest>

namespace {

PreferencesDialog* open(Harness& h) {
    h.main->openPreferences();
    return h.main->findChild<PreferencesDialog*>();
}

template <typename T> T* control(PreferencesDialog* prefs, const char* name) {
    T* found = prefs->findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

void save(PreferencesDialog* prefs) {
    control<QPushButton>(prefs, "cmdsave")->click();
}

QString optionInFile(Harness& h, const char* key) {
    return ProfileFile(h.path(QStringLiteral("vostrel.ini")))
        .read(QStringLiteral("options"), QLatin1String(key));
}

bool closedSoon(QPointer<PreferencesDialog>& prefs) {
    return QTest::qWaitFor([&prefs] { return !prefs || !prefs->isVisible(); }, 2000);
}

} // namespace

class TestPreferences : public QObject {
    Q_OBJECT
private slots:
    void layout();
    void filledFromSharedState();
    void dependentControls_data();
    void dependentControls();
    void saveWithoutChanges();
    void cancelledSave();
    void sliderSavedWithItsBox();
    void sliderAloneIsSavedToo();
    void textsAndNumbers();
    void saverconWriteFails();
    void otherWriteFails();
    void exitAsks();
};

void TestPreferences::layout() {
    Harness h;
    PreferencesDialog* prefs = open(h);
    QVERIFY(prefs);
    QCOMPARE(prefs->windowTitle(), QStringLiteral("Vostrel - Preferences"));
    QCOMPARE(control<QGroupBox>(prefs, "frmsaves")->title(), QStringLiteral("General Options"));
    QCOMPARE(control<QGroupBox>(prefs, "Frame1")->title(), QStringLiteral("Player Options"));
    QCOMPARE(control<QGroupBox>(prefs, "Frame2")->title(), QStringLiteral("Auto Server Options"));

    const auto* players = control<QSlider>(prefs, "sldautoplayer");
    QCOMPARE(players->minimum(), 5);
    QCOMPARE(players->maximum(), 40);
    QCOMPARE(players->singleStep(), 5);
    QCOMPARE(players->pageStep(), 10);
    QCOMPARE(players->toolTip(), QStringLiteral("Number of seconds between refreshes"));
    const auto* kicks = control<QSlider>(prefs, "sldauto999");
    QCOMPARE(kicks->minimum(), 1);
    QCOMPARE(kicks->maximum(), 5);
    QCOMPARE(kicks->singleStep(), 1);
    QCOMPARE(kicks->pageStep(), 2);
    QCOMPARE(kicks->toolTip(), QStringLiteral("Number of checks before kick"));

    QCOMPARE(control<QLineEdit>(prefs, "txtserv")->maxLength(), 29);
    QCOMPARE(control<QLineEdit>(prefs, "txtport")->maxLength(), 6);
    QCOMPARE(control<QLineEdit>(prefs, "txtpass")->maxLength(), 19);
    // Every text box is found by its label.
    for (const auto& [name, label] : {std::pair{"txtserv", "Server IP"},
                                      {"txtport", "Server Port"},
                                      {"txtpass", "Rcon password"},
                                      {"txtmesset", "Message Set"},
                                      {"txtmessint", "Message Interval"}}) {
        bool labelled = false;
        for (const QLabel* l : prefs->findChildren<QLabel*>())
            labelled |=
                l->text() == QLatin1String(label) && l->buddy() == control<QLineEdit>(prefs, name);
        QVERIFY2(labelled, name);
    }
}

void TestPreferences::filledFromSharedState() {
    Harness h;
    Options& o = h.main->session().state().options;
    o.savercon = false;
    o.usequery = true;
    o.autoqplayer = true;
    o.autoqplayerint = 25;
    o.autokick999int = 4;
    o.autoconnectserv = QStringLiteral("cod.example.net");
    o.messageset = 3;
    o.messagetime = 7;
    PreferencesDialog* prefs = open(h);
    QVERIFY(!control<QCheckBox>(prefs, "moptsr")->isChecked());
    QVERIFY(control<QCheckBox>(prefs, "moptsm")->isChecked());
    QVERIFY(control<QCheckBox>(prefs, "moptqp")->isChecked());
    QVERIFY(control<QCheckBox>(prefs, "chkautoplayer")->isChecked());
    QCOMPARE(control<QSlider>(prefs, "sldautoplayer")->value(), 25);
    QVERIFY(control<QSlider>(prefs, "sldautoplayer")->isEnabled());
    QCOMPARE(control<QSlider>(prefs, "sldauto999")->value(), 4);
    QVERIFY(!control<QSlider>(prefs, "sldauto999")->isEnabled());
    QCOMPARE(control<QLineEdit>(prefs, "txtserv")->text(), QStringLiteral("cod.example.net"));
    QCOMPARE(control<QLineEdit>(prefs, "txtmesset")->text(), QStringLiteral("3"));
    QCOMPARE(control<QLineEdit>(prefs, "txtmessint")->text(), QStringLiteral("7"));
    QVERIFY(prefs->changedKeys().isEmpty());
}

void TestPreferences::dependentControls_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("dependents");
    QTest::newRow("auto update") << "chkautoplayer" << QStringList{"sldautoplayer"};
    QTest::newRow("auto kick") << "chkauto999" << QStringList{"sldauto999"};
    QTest::newRow("auto connect") << "chkautoconnect"
                                  << QStringList{"txtserv", "txtport", "txtpass"};
    QTest::newRow("auto messages") << "chkautomessages" << QStringList{"txtmesset", "txtmessint"};
}

void TestPreferences::dependentControls() {
    QFETCH(QString, box);
    QFETCH(QStringList, dependents);
    Harness h;
    PreferencesDialog* prefs = open(h);
    auto* check = prefs->findChild<QCheckBox*>(box);
    QVERIFY(!check->isChecked());
    const auto enabled = [&] {
        QList<bool> states;
        for (const QString& name : dependents)
            states << prefs->findChild<QWidget*>(name)->isEnabled();
        return states;
    };
    QCOMPARE(enabled(), QList<bool>(dependents.size(), false));
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(5, check->height() / 2));
    QCOMPARE(enabled(), QList<bool>(dependents.size(), true));
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(5, check->height() / 2));
    QCOMPARE(enabled(), QList<bool>(dependents.size(), false));
}

void TestPreferences::saveWithoutChanges() {
    Harness h;
    h.startup();
    QPointer<PreferencesDialog> prefs = open(h);
    save(prefs);
    QCOMPARE(h.dialogs.messages().size(), 2);
    QCOMPARE(h.dialogs.messages().at(0).text, QStringLiteral("Save any changes made"));
    QCOMPARE(h.dialogs.messages().at(0).title, QStringLiteral("Save Changes"));
    QCOMPARE(h.dialogs.messages().at(0).icon, Dialogs::Icon::Question);
    QCOMPARE(h.dialogs.messages().at(0).buttons, Dialogs::Buttons::OkCancel);
    QCOMPARE(h.dialogs.messages().at(1).text, QStringLiteral("Preferences saved."));
    QCOMPARE(h.dialogs.messages().at(1).title, QStringLiteral("Saved"));
    QCOMPARE(h.dialogs.messages().at(1).icon, Dialogs::Icon::Information);
    QVERIFY(!QFile::exists(h.path(QStringLiteral("vostrel.ini"))));
    QVERIFY(closedSoon(prefs));
}

void TestPreferences::cancelledSave() {
    Harness h;
    h.startup();
    QPointer<PreferencesDialog> prefs = open(h);
    control<QCheckBox>(prefs, "moptsr")->click();
    h.dialogs.setNextAnswer(Dialogs::Answer::Cancel);
    save(prefs);
    QCOMPARE(h.dialogs.messageTitles(), QStringList{QStringLiteral("Save Changes")});
    QVERIFY(!QFile::exists(h.path(QStringLiteral("vostrel.ini"))));
    QVERIFY(h.main->session().state().options.savercon);
    QVERIFY(prefs && prefs->isVisible());
}

void TestPreferences::sliderSavedWithItsBox() {
    Harness h;
    h.startup();
    QPointer<PreferencesDialog> prefs = open(h);
    control<QCheckBox>(prefs, "chkautoplayer")->click();
    control<QSlider>(prefs, "sldautoplayer")->setValue(20);
    save(prefs);

    QCOMPARE(optionInFile(h, "autoqplayer"), QStringLiteral("1"));
    QCOMPARE(optionInFile(h, "autoqplayerint"), QStringLiteral("20"));
    QCOMPARE(optionInFile(h, "autokick999int"), QString()); // its box was not changed
    const Options& now = h.main->session().state().options;
    QVERIFY(now.autoqplayer);
    QCOMPARE(now.autoqplayerint, qint16(20));
    // The next start-up reads 20.
    QCOMPARE(loadOptions(ProfileFile(h.path(QStringLiteral("vostrel.ini")))).autoqplayerint,
             qint16(20));
    QCOMPARE(h.dialogs.messageTitles().last(), QStringLiteral("Saved"));
}

void TestPreferences::sliderAloneIsSavedToo() {
    Harness h;
    h.startup();
    h.main->session().state().options.autokick999 = true;
    QPointer<PreferencesDialog> prefs = open(h);
    control<QSlider>(prefs, "sldauto999")->setValue(5);
    save(prefs);
    QCOMPARE(optionInFile(h, "autokick999"), QStringLiteral("1"));
    QCOMPARE(optionInFile(h, "autokick999int"), QStringLiteral("5"));
    QCOMPARE(h.main->session().state().options.autokick999int, qint16(5));
}

void TestPreferences::textsAndNumbers() {
    Harness h;
    h.startup();
    QPointer<PreferencesDialog> prefs = open(h);
    control<QCheckBox>(prefs, "chkautoconnect")->click();
    QTest::keyClicks(control<QLineEdit>(prefs, "txtserv"),
                     QStringLiteral("a-very-long-server-name.example.net"));
    QTest::keyClicks(control<QLineEdit>(prefs, "txtport"), QStringLiteral("28960123"));
    control<QCheckBox>(prefs, "chkautomessages")->click();
    control<QLineEdit>(prefs, "txtmesset")->setText(QStringLiteral("two"));
    control<QLineEdit>(prefs, "txtmessint")->setText(QStringLiteral("5"));
    save(prefs);

    QCOMPARE(optionInFile(h, "autoconnect"), QStringLiteral("1"));
    QCOMPARE(optionInFile(h, "autoconnectserv"), QStringLiteral("a-very-long-server-name.examp"));
    QCOMPARE(optionInFile(h, "autoconnectport"), QStringLiteral("289601"));
    QCOMPARE(optionInFile(h, "autoconnectrcon"), QString()); // not changed, not written
    QCOMPARE(optionInFile(h, "automessage"), QStringLiteral("1"));
    QCOMPARE(optionInFile(h, "messageset"), QStringLiteral("0"));
    QCOMPARE(optionInFile(h, "messagetime"), QStringLiteral("5"));
    const Options& now = h.main->session().state().options;
    QCOMPARE(now.autoconnectserv, QStringLiteral("a-very-long-server-name.examp"));
    QCOMPARE(now.messageset, qint16(0));
    QCOMPARE(now.messagetime, qint16(5));
    QVERIFY(closedSoon(prefs));
}

void TestPreferences::saverconWriteFails() {
    Harness h;
    h.writeSettings("[options]\r\nsavercon=1\r\n");
    QVERIFY(QFile::setPermissions(h.path(QStringLiteral("vostrel.ini")), QFileDevice::ReadOwner));
    h.startup();
    QPointer<PreferencesDialog> prefs = open(h);
    control<QCheckBox>(prefs, "moptsr")->click();
    save(prefs);

    QCOMPARE(h.dialogs.messages().size(), 2);
    const ScriptedDialogs::Shown box = h.dialogs.messages().at(1);
    QVERIFY2(box.text.startsWith(
                 QStringLiteral("Failed to write new save rcon to INI file\rError code ")),
             qPrintable(box.text));
    QVERIFY(box.text.contains(QStringLiteral(" Descr: ")));
    QCOMPARE(box.title, QStringLiteral("INI Write Fail"));
    QCOMPARE(box.icon, Dialogs::Icon::Exclamation);
    QVERIFY(closedSoon(prefs));
    QCOMPARE(optionInFile(h, "savercon"), QStringLiteral("1"));
}

void TestPreferences::otherWriteFails() {
    Harness h;
    h.writeSettings("[options]\r\nsavercon=1\r\n");
    QVERIFY(QFile::setPermissions(h.path(QStringLiteral("vostrel.ini")), QFileDevice::ReadOwner));
    h.startup();
    QPointer<PreferencesDialog> prefs = open(h);
    control<QCheckBox>(prefs, "moptqp")->click();
    save(prefs);

    QCOMPARE(h.dialogs.messageTitles(),
             (QStringList{QStringLiteral("Save Changes"), QStringLiteral("INI Write Fail")}));
    QVERIFY(h.dialogs.messages().at(1).text.startsWith(
        QStringLiteral("Failed to write new usequery to INI file\rError code ")));
    // Kept open and still marked, so the operator can try again.
    QVERIFY(prefs && prefs->isVisible());
    QCOMPARE(prefs->changedKeys(), QSet<QString>{QStringLiteral("usequery")});

    QVERIFY(QFile::setPermissions(h.path(QStringLiteral("vostrel.ini")),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    save(prefs);
    QCOMPARE(optionInFile(h, "usequery"), QStringLiteral("1"));
    QCOMPARE(h.dialogs.messageTitles().last(), QStringLiteral("Saved"));
}

void TestPreferences::exitAsks() {
    Harness h;
    h.startup();
    QPointer<PreferencesDialog> prefs = open(h);
    control<QCheckBox>(prefs, "moptsr")->click();
    h.dialogs.setNextAnswer(Dialogs::Answer::Cancel);
    control<QPushButton>(prefs, "cmdexit")->click();
    QVERIFY(prefs && prefs->isVisible());

    control<QPushButton>(prefs, "cmdexit")->click();
    QCOMPARE(h.dialogs.messages().size(), 2);
    const ScriptedDialogs::Shown box = h.dialogs.messages().at(1);
    QCOMPARE(box.text, QStringLiteral("Exit preferences?\r\rThis will cancel any changes made\r\r"
                                      "Please select Save first if any changes"));
    QCOMPARE(box.title, QStringLiteral("Have you Saved?"));
    QCOMPARE(box.icon, Dialogs::Icon::Information);
    QCOMPARE(box.buttons, Dialogs::Buttons::OkCancel);
    QVERIFY(closedSoon(prefs));
    QVERIFY(!QFile::exists(h.path(QStringLiteral("vostrel.ini"))));
    QVERIFY(h.main->session().state().options.savercon);
}

QTEST_MAIN(TestPreferences)
#include "tst_preferences.moc"
