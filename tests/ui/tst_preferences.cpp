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

QString optionInFile(Harness& h, const QString& key) {
    return ProfileFile(h.path(QStringLiteral("vostrel.ini"))).read(QStringLiteral("options"), key);
}

bool closedSoon(QPointer<PreferencesDialog>& prefs) {
    return QTest::qWaitFor([&prefs] { return !prefs || !prefs->isVisible(); }, 2000);
}

// What the operator reads on or next to a control.
QString shownText(const QWidget* prefs, const QWidget* w) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(w))
        return frame->title();
    if (qobject_cast<const QSlider*>(w))
        return w->toolTip();
    for (const QLabel* label : prefs->findChildren<QLabel*>())
        if (label->buddy() == w)
            return label->text();
    return w->windowTitle();
}

} // namespace

class TestPreferences : public QObject {
    Q_OBJECT
private slots:
    void controls_data();
    void controls();
    void fillThenSaveWithoutChanges();
    void dependentControls();
    void sliderSavedWithItsBox();
    void cancelledSaveAndExit();
    void failedWrites();
};

void TestPreferences::controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("key"); // the option a change is saved to; "": none

    const auto row = [](const char* name, const char* text, const char* key = "") {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(text)
                            << QString::fromLatin1(key);
    };
    row("frmpref", "Vostrel - Preferences");
    row("frmsaves", "General Options");
    row("moptsr", "Auto save RCON window on exit", "savercon");
    row("moptsm", "Auto save Messages on exit", "savemessages");
    row("chkclearRnews", "Clear RCON window on new server", "clearrconnew");
    row("chkclearMnews", "Clear Messages on new server", "clearmessnew");
    row("Frame1", "Player Options");
    row("moptrc", "Remove Colour ID's", "removeid");
    row("moptqp", "Use Query mode for populate", "usequery");
    row("chkautoplayer", "Auto Update player list", "autoqplayer");
    row("sldautoplayer", "Number of seconds between refreshes");
    row("chkauto999", "Auto Kick 999 players", "autokick999");
    row("sldauto999", "Number of checks before kick");
    row("Frame2", "Auto Server Options");
    row("chkautoconnect", "Auto connect on startup", "autoconnect");
    row("txtserv", "Server IP", "autoconnectserv");
    row("txtport", "Server Port", "autoconnectport");
    row("txtpass", "Rcon password", "autoconnectrcon");
    row("chkautomessages", "Start messages on startup", "automessage");
    row("txtmesset", "Message Set", "messageset");
    row("txtmessint", "Message Interval", "messagetime");
    row("cmdsave", "Save Changes");
    row("cmdexit", "Exit");
}

void TestPreferences::controls() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, key);

    Harness h;
    h.startup();
    PreferencesDialog* prefs = open(h);
    QWidget* w = prefs->objectName() == name ? prefs : prefs->findChild<QWidget*>(name);
    QVERIFY2(w, qPrintable(name));
    QCOMPARE(shownText(prefs, w), text);
    if (key.isEmpty())
        return;

    // Changing the control marks its option alone, and saving writes it.
    QString value = QStringLiteral("7");
    if (auto* box = qobject_cast<QCheckBox*>(w)) {
        box->setChecked(!box->isChecked());
        value = box->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    } else {
        qobject_cast<QLineEdit*>(w)->setText(value);
    }
    QCOMPARE(prefs->changedKeys(), QSet<QString>{key});
    save(prefs);
    QCOMPARE(optionInFile(h, key), value);
}

void TestPreferences::fillThenSaveWithoutChanges() {
    Harness h;
    h.startup();
    Options& o = h.main->session().state().options;
    o.savercon = false;
    o.autoqplayer = true;
    o.autoqplayerint = 25;
    o.autoconnectserv = QStringLiteral("cod.example.net");
    o.messagetime = 7;
    QPointer<PreferencesDialog> prefs = open(h);
    QVERIFY(!control<QCheckBox>(prefs, "moptsr")->isChecked());
    QVERIFY(control<QSlider>(prefs, "sldautoplayer")->isEnabled());
    QCOMPARE(control<QSlider>(prefs, "sldautoplayer")->value(), 25);
    QVERIFY(!control<QSlider>(prefs, "sldauto999")->isEnabled());
    QCOMPARE(control<QLineEdit>(prefs, "txtserv")->text(), QStringLiteral("cod.example.net"));
    QCOMPARE(control<QLineEdit>(prefs, "txtmessint")->text(), QStringLiteral("7"));

    // Filling marks nothing, so nothing is written; the save is reported all the same.
    save(prefs);
    QCOMPARE(h.dialogs.messages().size(), 2);
    const ScriptedDialogs::Shown ask = h.dialogs.messages().at(0);
    QCOMPARE(ask.text, QStringLiteral("Save any changes made"));
    QCOMPARE(ask.title, QStringLiteral("Save Changes"));
    QCOMPARE(ask.icon, Dialogs::Icon::Question);
    QCOMPARE(ask.buttons, Dialogs::Buttons::OkCancel);
    const ScriptedDialogs::Shown saved = h.dialogs.messages().at(1);
    QCOMPARE(saved.text, QStringLiteral("Preferences saved."));
    QCOMPARE(saved.title, QStringLiteral("Saved"));
    QCOMPARE(saved.icon, Dialogs::Icon::Information);
    QVERIFY(!QFile::exists(h.path(QStringLiteral("vostrel.ini"))));
    QVERIFY(closedSoon(prefs));
}

void TestPreferences::dependentControls() {
    Harness h;
    PreferencesDialog* prefs = open(h);
    // Each check box, cleared at first, with the controls it enables.
    const QList<QStringList> groups{{"chkautoplayer", "sldautoplayer"},
                                    {"chkauto999", "sldauto999"},
                                    {"chkautoconnect", "txtserv", "txtport", "txtpass"},
                                    {"chkautomessages", "txtmesset", "txtmessint"}};
    for (const QStringList& group : groups) {
        auto* box = prefs->findChild<QCheckBox*>(group.first());
        for (const bool ticked : {false, true, false}) {
            QCOMPARE(box->isChecked(), ticked);
            for (const QString& name : group.mid(1))
                QVERIFY2(prefs->findChild<QWidget*>(name)->isEnabled() == ticked, qPrintable(name));
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
        }
    }
}

void TestPreferences::sliderSavedWithItsBox() {
    Harness h;
    h.startup();
    h.main->session().state().options.autokick999 = true;
    QPointer<PreferencesDialog> prefs = open(h);
    control<QCheckBox>(prefs, "chkautoplayer")->click();
    control<QSlider>(prefs, "sldautoplayer")->setValue(20);
    // Moved alone, with its box ticked at load, a slider is saved too.
    control<QSlider>(prefs, "sldauto999")->setValue(5);
    save(prefs);

    QStringList written;
    for (const char* key : {"autoqplayer", "autoqplayerint", "autokick999", "autokick999int"})
        written << optionInFile(h, QLatin1String(key));
    QCOMPARE(written, (QStringList{"1", "20", "1", "5"}));
    QCOMPARE(h.main->session().state().options.autoqplayerint, qint16(20));
    // The next start-up reads 20.
    QCOMPARE(loadOptions(ProfileFile(h.path(QStringLiteral("vostrel.ini")))).autoqplayerint,
             qint16(20));
}

void TestPreferences::cancelledSaveAndExit() {
    Harness h;
    h.startup();
    QPointer<PreferencesDialog> prefs = open(h);
    control<QCheckBox>(prefs, "moptsr")->click();
    h.dialogs.setNextAnswer(Dialogs::Answer::Cancel);
    save(prefs);
    h.dialogs.setNextAnswer(Dialogs::Answer::Cancel);
    control<QPushButton>(prefs, "cmdexit")->click();
    QVERIFY(prefs && prefs->isVisible());

    control<QPushButton>(prefs, "cmdexit")->click();
    QCOMPARE(h.dialogs.messageTitles(),
             (QStringList{"Save Changes", "Have you Saved?", "Have you Saved?"}));
    const ScriptedDialogs::Shown box = h.dialogs.messages().at(2);
    QCOMPARE(box.text, QStringLiteral("Exit preferences?\r\rThis will cancel any changes made\r\r"
                                      "Please select Save first if any changes"));
    QCOMPARE(box.icon, Dialogs::Icon::Information);
    QCOMPARE(box.buttons, Dialogs::Buttons::OkCancel);
    QVERIFY(closedSoon(prefs));
    QVERIFY(!QFile::exists(h.path(QStringLiteral("vostrel.ini"))));
    QVERIFY(h.main->session().state().options.savercon);
}

void TestPreferences::failedWrites() {
    Harness h;
    h.writeSettings("[options]\r\nsavercon=1\r\n");
    QVERIFY(QFile::setPermissions(h.path(QStringLiteral("vostrel.ini")), QFileDevice::ReadOwner));
    h.startup();
    QPointer<PreferencesDialog> prefs = open(h);

    // Every key that could not be written is reported; the window stays open with them marked.
    control<QCheckBox>(prefs, "moptqp")->click();
    control<QCheckBox>(prefs, "chkautoplayer")->click();
    save(prefs);
    QCOMPARE(h.dialogs.messageTitles(),
             (QStringList{"Save Changes", "INI Write Fail", "INI Write Fail"}));
    QVERIFY(h.dialogs.messages().at(1).text.startsWith(
        QStringLiteral("Failed to write new usequery to INI file\rError code ")));
    QVERIFY(h.dialogs.messages().at(2).text.startsWith(
        QStringLiteral("Failed to write new autoqplayer to INI file\rError code ")));
    QVERIFY(prefs && prefs->isVisible());
    QCOMPARE(prefs->changedKeys(), (QSet<QString>{"usequery", "autoqplayer"}));

    // A failed "savercon" ends the save at once and closes the window.
    control<QCheckBox>(prefs, "moptsr")->click();
    save(prefs);
    QCOMPARE(h.dialogs.messages().size(), 5);
    const ScriptedDialogs::Shown box = h.dialogs.messages().at(4);
    QVERIFY2(box.text.startsWith(
                 QStringLiteral("Failed to write new save rcon to INI file\rError code ")),
             qPrintable(box.text));
    QVERIFY(box.text.contains(QStringLiteral(" Descr: ")));
    QCOMPARE(box.title, QStringLiteral("INI Write Fail"));
    QCOMPARE(box.icon, Dialogs::Icon::Exclamation);
    QVERIFY(closedSoon(prefs));
    QCOMPARE(optionInFile(h, QStringLiteral("savercon")), QStringLiteral("1"));
}

QTEST_MAIN(TestPreferences)
#include "tst_preferences.moc"
