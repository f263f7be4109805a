#include "support/Harness.h"

#include "ui/BoundControls.h"
#include "ui/ProgressNotice.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

// The "Server" page against the simulated server: read-out over three listings, send of
// changed fields in their two command forms, and the join password.
class TestServerPage : public QObject {
    Q_OBJECT
private slots:
    void populateFillsFieldsAndSendAfterItSendsNothing();
    void changedHostNameIsSentQuoted();
    void votingSendsBothVariablesASecondApart();
    void emptiedFieldsSendEmptyValues();
    void changedFieldsGoInTableOrder();
    void missingCheckVariableLeavesTheBox();
    void unusableValueStopsPopulate_data();
    void unusableValueStopsPopulate();
    void unansweredListingChangesNothing();
    void cancelKeepsMarks();
    void setPasswordWithoutTextIsRefused();
    void setPasswordThenRestart();
    void removePassword();
    void withoutConnection();
    void busyDuringPopulateAndSendOnly();
    void labelsAndFrames();
};

namespace {

QLineEdit* field(Harness& h, const QString& name) {
    auto* found = h.find<QLineEdit>(name);
    if (!found)
        qFatal("no field %s", qPrintable(name));
    return found;
}

QCheckBox* box(Harness& h, const QString& name) {
    auto* found = h.find<QCheckBox>(name);
    if (!found)
        qFatal("no check box %s", qPrintable(name));
    return found;
}

BoundControl& binding(QWidget* control) {
    return *BoundControl::of(control);
}

void click(Harness& h, const QString& button) {
    h.find<QPushButton>(button)->click();
}

const QStringList kListings{"cvarlist sv_*", "cvarlist scr_*", "cvarlist setf*"};

} // namespace

void TestServerPage::populateFillsFieldsAndSendAfterItSendsNothing() {
    Harness h;
    h.connectDirect();
    h.sim.setCvar("sv_maxclients", "20");
    h.sim.setCvar("sv_kickbantime", "600");
    h.sim.setCvar("scr_killcam", "0");
    h.sim.setCvar("scr_teambalance", "2");
    h.sim.setCvar("setfriendlyfire", "3");
    h.sim.removeCvar("sv_maxrate");
    field(h, "txtmaxrate")->setText("9000");

    click(h, "cmdservpop");
    QCOMPARE(h.commands(), kListings);
    QVERIFY(h.dialogs.messages().isEmpty());
    QCOMPARE(field(h, "txtservername")->text(), h.sim.cvar("sv_hostname"));
    QCOMPARE(field(h, "txtservermotd")->text(), h.sim.cvar("scr_motd"));
    QCOMPARE(field(h, "txtmaxclients")->text(), "20");
    QCOMPARE(field(h, "txtbantime")->text(), "600");
    QCOMPARE(field(h, "txtmaxrate")->text(), ""); // a missing variable empties a text field
    QCOMPARE(box(h, "chkkillcam")->checkState(), Qt::Unchecked);
    QCOMPARE(box(h, "chkvoting")->checkState(), Qt::Checked);
    QCOMPARE(box(h, "chkteambal")->checkState(), Qt::PartiallyChecked);
    QVERIFY(h.find<QRadioButton>("optff_3")->isChecked());
    for (const QString& name : {"txtservername", "txtmaxrate", "chkteambal", "chkspecenemy"})
        QVERIFY(!binding(h.find<QWidget>(name)).isChanged());
    QVERIFY(!h.main->session().state().collectquiet);
    QVERIFY(!h.main->session().state().busy);
    QVERIFY(h.main->progressNotice()->text().isEmpty());
    QVERIFY(!h.rconText().contains("sv_hostname"));

    click(h, "cmdservsetbasics");
    QCOMPARE(h.commands(), kListings);
    QVERIFY(h.messageLog().isEmpty());
    const ScriptedDialogs::Shown question = h.dialogs.messages().at(0);
    QCOMPARE(question.text, "Send settings to server?\rOnly changed values will be sent.");
    QCOMPARE(question.title, "Send to Server?");
    QCOMPARE(question.icon, Dialogs::Icon::Information);
    QCOMPARE(question.buttons, Dialogs::Buttons::OkCancel);
}

void TestServerPage::changedHostNameIsSentQuoted() {
    Harness h;
    h.connectDirect();
    click(h, "cmdservpop");
    h.sim.clearReceived();

    QLineEdit* name = field(h, "txtservername");
    name->selectAll();
    QTest::keyClicks(name, "Alpha Server");
    click(h, "cmdservsetbasics");
    QCOMPARE(h.commands(), QStringList{"sv_hostname\"Alpha Server\""});
    QCOMPARE(h.sim.cvar("sv_hostname"), "Alpha Server");
    QCOMPARE(h.messageLog(), QStringList{"Server name updated."});
    QVERIFY(!binding(name).isChanged());
}

void TestServerPage::votingSendsBothVariablesASecondApart() {
    Harness h;
    h.connectDirect();
    h.sim.setCvar("scr_allow_vote", "0");
    click(h, "cmdservpop");
    h.sim.clearReceived();

    box(h, "chkvoting")->click();
    click(h, "cmdservsetbasics");
    QCOMPARE(h.commands(), (QStringList{"scr_allow_vote 1", "g_allowvote 1"}));
    QCOMPARE(h.messageLog(), (QStringList{"Voting updated", "Voting updated"}));
    const QList<qint64> at = h.sim.receivedAtMs();
    QVERIFY2(at.at(1) - at.at(0) >= Harness::kSecondMs * 0.9,
             qPrintable(QString::number(at.at(1) - at.at(0))));
    QVERIFY(!binding(box(h, "chkvoting")).isChanged());
}

void TestServerPage::emptiedFieldsSendEmptyValues() {
    Harness h;
    h.connectDirect();
    click(h, "cmdservpop");
    h.sim.clearReceived();

    field(h, "txtmaxclients")->clear();
    field(h, "txtservername")->clear();
    click(h, "cmdservsetbasics");
    QCOMPARE(h.commands(), (QStringList{"sv_hostname\"\"", "sv_maxclients "}));
    QCOMPARE(h.messageLog(), (QStringList{"Maximum clients updated", "Server name updated."}));
}

void TestServerPage::changedFieldsGoInTableOrder() {
    Harness h;
    h.connectDirect();
    field(h, "txtbantime")->setText("120");
    box(h, "chkspecenemy")->click();
    field(h, "txtmaxping")->setText("250");
    field(h, "txtservermotd")->setText("Be nice");
    box(h, "chkkillcam")->click();
    click(h, "cmdservsetbasics");
    QCOMPARE(h.commands(), (QStringList{"scr_motd\"Be nice\"", "scr_killcam 1", "sv_maxping 250",
                                        "scr_spectateenemy 1", "sv_kickbantime 120"}));
    QCOMPARE(h.messageLog(), (QStringList{"Temporary ban time updated", "Spectate Enemy updated",
                                          "Maximum client Ping updated", "Kill cam updated",
                                          "Server MOTD updated."}));
    QCOMPARE(h.sim.cvar("scr_motd"), "Be nice");
}

void TestServerPage::missingCheckVariableLeavesTheBox() {
    Harness h;
    h.connectDirect();
    h.sim.removeCvar("scr_killcam");
    box(h, "chkkillcam")->click(); // ticked, marked
    click(h, "cmdservpop");
    QVERIFY(h.dialogs.messages().isEmpty());
    QCOMPARE(box(h, "chkkillcam")->checkState(), Qt::Checked);
    QVERIFY(binding(box(h, "chkkillcam")).isChanged());
    h.sim.clearReceived();
    click(h, "cmdservsetbasics");
    QCOMPARE(h.commands(), QStringList{"scr_killcam 1"});
}

void TestServerPage::unusableValueStopsPopulate_data() {
    QTest::addColumn<QString>("variable");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("listingsRead");
    QTest::newRow("check box not a number") << "scr_freelook"
                                            << "on" << 2;
    QTest::newRow("check box out of range") << "scr_freelook"
                                            << "5" << 2;
    QTest::newRow("no such friendly-fire option") << "setfriendlyfire"
                                                  << "7" << 3;
    QTest::newRow("friendly fire not a number") << "setfriendlyfire"
                                                << "x" << 3;
}

void TestServerPage::unusableValueStopsPopulate() {
    QFETCH(QString, variable);
    QFETCH(QString, value);
    QFETCH(int, listingsRead);
    Harness h;
    h.connectDirect();
    h.sim.setCvar(variable, value);
    h.sim.setCvar("scr_teambalance", "0");
    box(h, "chkteambal")->click(); // ticked, marked: read after the free-look box
    h.find<QRadioButton>("optff_1")->setChecked(true);

    click(h, "cmdservpop");
    QCOMPARE(h.dialogs.messages().size(), 1);
    const ScriptedDialogs::Shown shown = h.dialogs.messages().at(0);
    QCOMPARE(shown.text, "The server is not responding quickly enough\rTry populate again");
    QCOMPARE(shown.title, "Slow Server Response");
    QCOMPARE(shown.icon, Dialogs::Icon::Exclamation);
    QCOMPARE(h.commands(), kListings.mid(0, listingsRead));
    QCOMPARE(field(h, "txtservermotd")->text(), h.sim.cvar("scr_motd"));
    const bool stoppedAtFreeLook = listingsRead == 2;
    QCOMPARE(box(h, "chkteambal")->checkState(), stoppedAtFreeLook ? Qt::Checked : Qt::Unchecked);
    QCOMPARE(binding(box(h, "chkteambal")).isChanged(), stoppedAtFreeLook);
    QVERIFY(h.find<QRadioButton>("optff_1")->isChecked());
    QVERIFY(!h.main->session().state().collectquiet);
    QVERIFY(!h.main->session().state().busy);
}

void TestServerPage::unansweredListingChangesNothing() {
    Harness h;
    h.connectDirect();
    field(h, "txtservername")->setText("Mine");
    h.sim.dropNextReplies(5);
    click(h, "cmdservpop");
    QCOMPARE(h.dialogs.messageTitles(), QStringList{"No response"});
    QCOMPARE(h.commands(), QStringList(5, "cvarlist sv_*"));
    QCOMPARE(field(h, "txtservername")->text(), "Mine");
    QVERIFY(binding(field(h, "txtservername")).isChanged());
    QCOMPARE(field(h, "txtbantime")->text(), "300");
    QVERIFY(!h.main->session().state().collectquiet);
    QVERIFY(!h.main->session().state().busy);
}

void TestServerPage::cancelKeepsMarks() {
    Harness h;
    h.connectDirect();
    field(h, "txtmaxclients")->setText("16");
    h.dialogs.setNextAnswer(Dialogs::Answer::Cancel);
    click(h, "cmdservsetbasics");
    QVERIFY(h.commands().isEmpty());
    QVERIFY(h.messageLog().isEmpty());
    QVERIFY(binding(field(h, "txtmaxclients")).isChanged());

    click(h, "cmdservsetbasics");
    QCOMPARE(h.commands(), QStringList{"sv_maxclients 16"});
}

void TestServerPage::setPasswordWithoutTextIsRefused() {
    Harness h;
    h.connectDirect();
    click(h, "cmdservsetpass");
    QCOMPARE(h.dialogs.messages().size(), 1);
    const ScriptedDialogs::Shown shown = h.dialogs.messages().at(0);
    QCOMPARE(shown.text, "Use the Remove button to clear the server password");
    QCOMPARE(shown.title, "No password given");
    QCOMPARE(shown.icon, Dialogs::Icon::Information);
    QCOMPARE(shown.buttons, Dialogs::Buttons::Ok);
    QVERIFY(h.commands().isEmpty());
    QVERIFY(h.messageLog().isEmpty());
}

void TestServerPage::setPasswordThenRestart() {
    Harness h;
    h.connectDirect();
    QLineEdit* password = field(h, "txtservpass");
    QCOMPARE(password->echoMode(), QLineEdit::Password);
    password->setText("letmein");
    click(h, "cmdservsetpass");

    QCOMPARE(h.commands(), (QStringList{"g_password \"letmein\"", "map_restart"}));
    QCOMPARE(h.sim.cvar("g_password"), "letmein");
    QCOMPARE(h.messageLog(), QStringList{"Server password added"});
    QVERIFY(!h.rconText().contains(">>RCON sent"));
    QVERIFY(!h.main->session().state().nowait);
    QVERIFY(h.dialogs.messages().isEmpty());
    const QList<qint64> at = h.sim.receivedAtMs();
    QVERIFY(at.at(1) - at.at(0) >= Harness::kSecondMs * 2.5);
}

void TestServerPage::removePassword() {
    Harness h;
    h.connectDirect();
    h.sim.setCvar("g_password", "old");
    field(h, "txtservpass")->setText("kept");
    click(h, "cmdservrempass");
    QCOMPARE(h.commands(), QStringList{"g_password \"\""});
    QCOMPARE(h.sim.cvar("g_password"), "");
    QCOMPARE(h.messageLog(), QStringList{"Server password Removed"});
    QCOMPARE(field(h, "txtservpass")->text(), "kept");
    QVERIFY(h.dialogs.messages().isEmpty());
}

void TestServerPage::withoutConnection() {
    Harness h;
    click(h, "cmdservpop");
    QCOMPARE(h.dialogs.messageTitles(), QStringList{"Not Connected"});
    QCOMPARE(h.dialogs.messages().at(0).text, "You need to connect to a server first");

    // Refused sends are neither logged nor unmarked, and the password stops at once.
    h.dialogs.clear();
    field(h, "txtmaxclients")->setText("16");
    click(h, "cmdservsetbasics");
    QCOMPARE(h.dialogs.messageTitles(), (QStringList{"Send to Server?", "Not connected"}));
    QVERIFY(binding(field(h, "txtmaxclients")).isChanged());

    h.dialogs.clear();
    field(h, "txtservpass")->setText("secret");
    click(h, "cmdservsetpass");
    click(h, "cmdservrempass");
    QCOMPARE(h.dialogs.messageTitles(), (QStringList{"Not connected", "Not connected"}));
    QVERIFY(h.messageLog().isEmpty());
    QVERIFY(!h.main->session().state().nowait);
    QVERIFY(h.commands().isEmpty());
}

void TestServerPage::busyDuringPopulateAndSendOnly() {
    Harness h;
    h.connectDirect();
    QList<bool> busyAtArrival;
    connect(&h.sim, &SimServer::datagramReceived, this,
            [&] { busyAtArrival << h.main->session().state().busy; });
    click(h, "cmdservpop");
    box(h, "chkfreelook")->click();
    click(h, "cmdservsetbasics");
    QCOMPARE(busyAtArrival, (QList<bool>{true, true, true, true}));

    busyAtArrival.clear();
    field(h, "txtservpass")->setText("secret");
    click(h, "cmdservsetpass");
    QCOMPARE(busyAtArrival, (QList<bool>{false, false}));
}

void TestServerPage::labelsAndFrames() {
    Harness h;
    QCOMPARE(field(h, "txtbantime")->text(), "300");
    QVERIFY(!binding(field(h, "txtbantime")).isChanged());
    auto* voting = h.find<QLabel>("lblvoting");
    QCOMPARE(voting->text(), "Allow Voting");
    QCOMPARE(voting->toolTip(), "scr_allow_vote & g_allowvote");
    QCOMPARE(voting->buddy(), box(h, "chkvoting"));
    QCOMPARE(h.find<QLabel>("lblbantime")->toolTip(),
             "sv_kickbantime (Default 300) unit in seconds");
    QCOMPARE(box(h, "chkkillcam")->parentWidget()->objectName(), "frmview");
    QCOMPARE(field(h, "txtservpass")->parentWidget()->objectName(), "frmservercomm");
    QCOMPARE(box(h, "chkteamicons")->parentWidget()->objectName(), "frmservercomm");
    QCOMPARE(field(h, "txtservername")->property("tag").toString(), "sv_hostname");
    QVERIFY(h.find<QWidget>("frmff"));
}

QTEST_MAIN(TestServerPage)
#include "tst_serverpage.moc"
