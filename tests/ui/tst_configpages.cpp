#include "ModePageChecks.h"

#include "serverconfig/UoModes.h"
#include "ui/HobWindow.h"
#include "ui/ProgressNotice.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

// The server-configuration pages and the Heat of Battle window against the simulated server.
class TestConfigPages : public QObject {
    Q_OBJECT
private slots:
    void sendsOfEachControl_data();
    void sendsOfEachControl();
    void validationBoxesAndFocus_data();
    void validationBoxesAndFocus();
    void clanbasePreset();
    void settingsTheServerDoesNotKnow();
    void readOuts_data();
    void readOuts();
    void weaponPresets();
    void hobWaveChecks_data();
    void hobWaveChecks();
    void hobReadOutBesideOtherWorkAndClosedDuringIt();
};

namespace {

const QString kSay = "say ^3Vostrel ^5(1.4.1)> ^7";
const QString kListHob = "cvarlist scr_hob_*";
const QStringList kRiflesOnly{
    "scr_allow_m1carbine\"0\"", "scr_allow_m1garand\"1\"",     "scr_allow_thompson\"0\"",
    "scr_allow_bar\"0\"",       "scr_allow_springfield\"0\"",  "scr_allow_ppsh\"0\"",
    "scr_allow_nagant\"1\"",    "scr_allow_nagantsniper\"0\"", "scr_allow_enfield\"1\"",
    "scr_allow_sten\"0\"",      "scr_allow_bren\"0\"",         "scr_allow_mp40\"0\"",
    "scr_allow_mp44\"0\"",      "scr_allow_kar98k\"1\"",       "scr_allow_kar98ksniper\"0\"",
    "scr_allow_fg42\"0\"",      "scr_allow_panzerfaust\"0\""};
const QStringList kServerButtons{"cmdservpop", "cmdservsetpass"};
const QStringList kHobButtons{"cmdhobpop", "cmdhobset", "cmdsethob"};

template <typename T = QWidget> T* get(Harness& h, const QString& name) {
    auto* found = h.find<T>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

// What a control shows: a box off, grey or on, an option on or off, a number, a text.
QString shown(Harness& h, const QString& name) {
    QWidget* control = get(h, name);
    if (auto* box = qobject_cast<QCheckBox*>(control))
        return QStringList{"off", "grey", "on"}.at(box->checkState());
    if (auto* option = qobject_cast<QRadioButton*>(control))
        return option->isChecked() ? "on" : "off";
    if (auto* spin = qobject_cast<QSpinBox*>(control))
        return QString::number(spin->value());
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    return get<QLineEdit>(h, name)->text();
}

void verifyShows(Harness& h, const QStringList& shows) {
    for (const QString& entry : shows)
        QCOMPARE(entry.section('=', 0, 0) + '=' + shown(h, entry.section('=', 0, 0)), entry);
}

void trigger(Harness& h, const QString& name) {
    if (auto* action = h.main->findChild<QAction*>(name))
        action->trigger();
    else
        get<QAbstractButton>(h, name)->click();
}

// "name=text" types into a text box or sets a number, "name+" presses a number's up arrow; a
// bare name clicks a box or a button.
void edit(Harness& h, const QStringList& edits) {
    for (const QString& e : edits) {
        if (e.endsWith('+'))
            QTest::keyClick(get(h, e.chopped(1)), Qt::Key_Up);
        else if (auto* spin = h.find<QSpinBox>(e.section('=', 0, 0)))
            spin->setValue(e.section('=', 1).toInt());
        else if (e.contains('='))
            get<QLineEdit>(h, e.section('=', 0, 0))->setText(e.section('=', 1));
        else
            trigger(h, e);
    }
}

// The Heat of Battle window, opened from the Mods page and active, as focus moves need.
HobWindow* openHob(Harness& h) {
    trigger(h, "pichob");
    auto* window = get<HobWindow>(h, "frmhob");
    QApplication::setActiveWindow(window);
    (void)QTest::qWaitForWindowActive(window);
    return window;
}

QString boxText(const char* title, const QString& text, const char* icon = "Information",
                const char* buttons = "OkCancel") {
    return QString("%1 | %2 | %3 | %4").arg(title, text, icon, buttons);
}

// steps: "command|log line" each, the line empty when the step logs nothing.
void sends(const char* control, const char* question, const QStringList& edits,
           const QStringList& steps, bool echoed = false, const QString& serverHas = {},
           const QStringList& busy = {}, double gap = 0) {
    QTest::newRow(control) << QString(control) << QString(question) << edits << steps << echoed
                           << serverHas << busy << gap;
}

void gameType(const char* control, const QString& word, const QString& logText) {
    sends(control, "", {}, {"set g_gametype " + word + '|' + logText, "map_restart|"}, false,
          "g_gametype=" + word, QString(control) == "cmdsethob" ? kHobButtons : QStringList(), 1);
}

void friendlyFire(const char* control, int value, const QString& word) {
    const QString v = QString::number(value);
    sends(control, "", {},
          {"setfriendlyfire " + v + '|',
           kSay + "Friendly Fire now ^2" + word + "|Friendly Fire " + word},
          false, "setfriendlyfire=" + v, QStringList(QString(control) == "cmdff", "cmdff"));
}

} // namespace

void TestConfigPages::sendsOfEachControl_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("question"); // the title of the question asked first, if any
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("echoed");
    QTest::addColumn<QString>("serverHas"); // "variable=value" once sent (not "-" as before)
    QTest::addColumn<QStringList>("busy");  // buttons off while it runs
    QTest::addColumn<double>("gap");        // clock seconds at least before the last command

    gameType("cmdcod_3", "re", "Mode changed to RE");
    gameType("gmrd", "re", "Mode changed to RE");
    gameType("gmbel", "bel", "Mode changed to BEL");
    gameType("gmdm", "dm", "Mode changed to DM");
    gameType("gmhq", "hq", "Mode changed to HeadQuarters");
    gameType("cmdUOmode_1", "ctf", "Mode changed to Capture the flag");
    gameType("gmUObase", "bas", "Mode changed to Base Assault");
    gameType("cmdsethob", "hob", "Mode changed to HOB");
    friendlyFire("cmdff", 2, "Reflective"); // the option ticked at start
    friendlyFire("COMMFFON", 1, "ON");
    // Sent as typed, unasked; the seconds-alive field goes whatever it holds.
    sends("cmdsetbel", "", {"txtbeltimelim=29.5", "txtbelalive="},
          {"scr_bel_scorelimit 50|BEL score limit updated to 50",
           "scr_bel_timelimit 29.5|BEL time limit updated to 29.5",
           "scr_bel_alivepointtime |BEL time alive as allied bonus updated to "},
          true, "scr_bel_timelimit=29.5", {"cmdsetbel", "cmdsetsd", "cmdsethq"});
    sends("cmdsetsd", "Set server", {"txtgrace=20"},
          {"scr_sd_graceperiod 20|S&D Grace period updated to 20",
           "scr_sd_roundlength 4|S&D Round length updated to 4",
           "scr_sd_roundlimit 0|S&D Round limit updated to 0",
           "scr_sd_scorelimit 10|S&D Score limit updated to 10",
           "scr_sd_timelimit 0|S&D Time limit updated to 0"},
          true, "scr_sd_graceperiod=20", {"cmdsetsd", "cmdcodpop_0"});
    // No upper bound, whatever the tooltip says; the boxes go in the quoted form.
    sends("cmdUOmodeset_2", "Set server", {"txtctf_3=500", "chkctf_0"},
          {"scr_ctf_startrounddelay 15|CTF Start round delay updated to 15",
           "scr_ctf_endrounddelay 15|CTF End round delay updated to 15",
           "scr_ctf_scorelimit 3|CTF Score limit updated to 3",
           "scr_ctf_timelimit 500|CTF Time limit updated to 500",
           "scr_ctf_roundlimit 5|CTF Round limit updated to 5",
           "scr_ctf_roundlength 30|CTF Round length updated to 30",
           "scr_ctf_showoncompass\"0\"|CTF Show compass updated to 0",
           "scr_ctf_clearscoreeachround\"1\"|CTF Clear score updated to 1"},
          true, "scr_ctf_timelimit=500",
          {"cmdUOmodeset_0", "cmdUOmodeset_2", "cmdUOmodeset_4", "cmduopop_1"});
    // The settings pages send the changed controls only, in page order.
    sends("cmdwepsetserv", "Send to Server?", {"chkmp40", "chkbar"},
          {"scr_allow_bar\"1\"|Browning Auto Rifle updated.", "scr_allow_mp40\"1\"|MP40 updated."},
          true, "scr_allow_mp40=1", {"cmdpopwep", "cmdriflesonly"});
    sends("cmdnosnipers", "No Snipers", {"chkspringfield"},
          {"scr_allow_springfield\"0\"|No snipers set on server."}, true,
          "scr_allow_springfield=0");
    // Two tags end in a blank, which goes out with the command.
    sends("cmdUOwep_0", "Send to Server?",
          {"chkUOwep_20", "chkUOwep_7", "chkUOwep_6", "chkUOwep_22"},
          {"scr_allow_bazooka \"1\"|United Offensive bazooka updated.",
           "scr_allow_mg34 \"1\"|United Offensive MG34 updated.",
           "scr_allow_panzeriv\"1\"|United Offensive Panzer IV updated.",
           "scr_drophealth\"1\"|United Offensive Drop Health updated."},
          true, "scr_allow_mg34=1", {"cmdUOwep_0", "cmdUOwep_1"});
    // Voting lives in two variables, the game script's and the engine's.
    sends("cmdservsetbasics", "Send to Server?",
          {"txtservername=Alpha Server", "chkvoting", "txtmaxclients=20"},
          {"sv_hostname\"Alpha Server\"|Server name updated.", "scr_allow_vote 1|Voting updated",
           "g_allowvote 1|Voting updated", "sv_maxclients 20|Maximum clients updated"},
          true, "sv_hostname=Alpha Server", kServerButtons);
    // A percentage's up arrow raises it.
    sends("cmdhobset", "Send to Server?", {"chkspawn", "txtrifle=40", "txtwave=20", "txtsmg+"},
          {"scr_hob_respawntime\"20\"|Wave respawn changed to [20]",
           "scr_hob_enableSpawnProtection\"1\"|Spawn protection changed.",
           "scr_hob_smgPercentage\"1\"|Smg percentage changed.",
           "scr_hob_riflePercentage\"40\"|Rifle percentage changed."},
          true, "scr_hob_riflePercentage=40", kHobButtons);
    // A new join password takes effect with a map restart, once the server has taken it.
    sends("cmdservsetpass", "", {"txtservpass=letmein"},
          {"g_password \"letmein\"|Server password added", "map_restart|"}, false,
          "g_password=letmein", kServerButtons, 3);
    sends("cmdservrempass", "", {}, {"g_password \"\"|Server password Removed"}, false,
          "g_password=", kServerButtons);
}

void TestConfigPages::sendsOfEachControl() {
    QFETCH(QString, control);
    QFETCH(QString, question);
    QFETCH(QStringList, busy);
    QFETCH(QString, serverHas);
    Harness h;
    h.main->openHob();
    QFETCH(QStringList, edits);
    edit(h, edits);
    const auto go = [&] {
        trigger(h, control);
        return h.settle();
    };
    const QStringList asked = question.isEmpty() ? QStringList() : QStringList{question};
    // Refused for want of a connection before anything is asked: told once, nothing logged,
    // the changes kept.
    QVERIFY(go());
    QCOMPARE(h.dialogs.messageTitles(),
             QStringList{question.isEmpty() ? "Not connected" : "Not Connected"});
    QVERIFY(h.sim.received().isEmpty() && h.messageLog().isEmpty());
    h.dialogs.clear();
    const QString variable = serverHas.section('=', 0, 0);
    h.sim.setCvar(variable, "-");
    // An United Offensive server knows the add-on's variables too.
    for (const uomodes::Mode& mode : uomodes::modes()) {
        for (const uomodes::Field& field : mode.fields)
            h.sim.setCvar(field.variable, field.initial);
        for (const uomodes::Box& box : mode.boxes)
            h.sim.setCvar(box.variable, "1");
    }
    h.connectDirect();
    if (!question.isEmpty()) { // cancelled: nothing happens
        h.dialogs.setNextAnswer(Dialogs::Answer::Cancel);
        QVERIFY(go());
        QCOMPARE(h.dialogs.messageTitles(), asked);
        QVERIFY(h.sim.received().isEmpty());
        h.dialogs.clear();
    }
    trigger(h, control);
    for (const QString& button : busy)
        QVERIFY2(!get(h, button)->isEnabled(), qPrintable(button));
    QVERIFY(h.settle());
    for (const QString& button : busy)
        QVERIFY(get(h, button)->isEnabled());
    QStringList commands, log;
    QFETCH(QStringList, steps);
    for (const QString& step : steps) {
        commands << step.section('|', 0, 0);
        log << step.section('|', 1);
    }
    log.removeAll(QString());
    // A command not waited for reaches the server after the exchange ended.
    QTRY_COMPARE(h.commands(), commands);
    QCOMPARE(logOldestFirst(h), log);
    QCOMPARE(h.dialogs.messageTitles(), asked);
    verifyPaced(h);
    QFETCH(double, gap);
    const QList<qint64> at = h.main->session().client().rconSentAtMs();
    QVERIFY(at.last() - at.at(qMax(0, int(at.size()) - 2)) >= gap * Harness::kSecondMs);
    QFETCH(bool, echoed);
    QCOMPARE(h.rconText().count(">>RCON sent"), echoed ? commands.size() : 0);
    QTRY_COMPARE(h.sim.cvar(variable), serverHas.section('=', 1));
    if (variable == "g_gametype") // read again once the server has loaded
        QTRY_VERIFY(get<QLabel>(h, "lblconnection")
                        ->text()
                        .endsWith(", game type " + serverHas.section('=', 1) + ", map mp_harbor"));
}

void TestConfigPages::validationBoxesAndFocus_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("box"); // empty: a beep and no box
    QTest::newRow("S&D: only the first bad field")
        << "cmdsetsd" << QStringList{"txttimelim=5000", "txtgrace=soon", "txtscorelim="}
        << "txtgrace"
        << boxText("Invalid value", "Grace period has to be a number of seconds", "None", "Ok");
    QTest::newRow("UO negative beeps")
        << "cmdUOmodeset_4" << QStringList{"txtbas_5=-3", "txtbas_6=-7"} << "txtbas_5"
        << "";
}

void TestConfigPages::validationBoxesAndFocus() {
    QFETCH(QString, button);
    QFETCH(QString, box);
    Harness h;
    h.connectDirect();
    showPage(h, get(h, button.startsWith("cmdUO") ? "pageUoModes" : "pageCodModes"));
    get(h, button)->setFocus();
    QFETCH(QStringList, edits);
    edit(h, edits);
    QVERIFY(h.click(button));
    QCOMPARE(h.dialogs.beeps(), box.isEmpty() ? 1 : 0);
    QCOMPARE(boxesShown(h), box.isEmpty() ? QStringList() : QStringList{box});
    QFETCH(QString, focus);
    QCOMPARE(QApplication::focusWidget(), get(h, focus));
    QVERIFY(h.sim.received().isEmpty() && h.messageLog().isEmpty());
}

// An ioquake3 server without the game's variables: every refusal is said, the rest goes on,
// and a refused box keeps its mark.
void TestConfigPages::settingsTheServerDoesNotKnow() {
    Harness h;
    h.sim.setEngine(SimServer::Engine::Ioquake3);
    h.sim.removeCvar("scr_sd_graceperiod");
    h.sim.removeCvar("scr_allow_mp40");
    h.connectDirect();
    QVERIFY(h.click("cmdsetsd"));
    QCOMPARE(h.commands().size(), 5);
    QCOMPARE(logOldestFirst(h).mid(0, 2),
             (QStringList{"S&D Grace period not changed: unknown command: scr_sd_graceperiod",
                          "S&D Round length updated to 4"}));
    auto* mp40 = h.find<QCheckBox>("chkmp40");
    auto* bar = h.find<QCheckBox>("chkbar");
    mp40->click();
    bar->click();
    h.sim.clearReceived();
    QVERIFY(h.click("cmdwepsetserv"));
    QCOMPARE(h.commands().size(), 2);
    QVERIFY(h.messageLog().contains("MP40 not changed: unknown command: scr_allow_mp40"));
    // Only the refused box is still a change to send.
    h.sim.clearReceived();
    QVERIFY(h.click("cmdwepsetserv"));
    QCOMPARE(h.commands(), QStringList{"scr_allow_mp40\"1\""});
}

void TestConfigPages::clanbasePreset() {
    Harness h;
    // Refused for want of a connection before the question: nothing is said to have been set.
    QVERIFY(h.click("cmdsetcb"));
    QCOMPARE(h.dialogs.messageTitles(), QStringList{"Not Connected"});
    QVERIFY(h.messageLog().isEmpty());
    h.dialogs.clear();
    h.connectDirect();
    // Two of the commands the server does not know: each is logged, the players hear nothing.
    QVERIFY(h.click("cmdsetcb"));
    QCOMPARE(h.messageLog(), (QStringList{"logfile 1 not done: Unknown command \"logfile\"",
                                          "sv_cheats 0 not done: Unknown command \"sv_cheats\"",
                                          "Setting server to Clanbase rules....."}));
    QVERIFY(!h.commands().last().startsWith("say"));
    h.sim.setCvar("logfile", "0");
    h.sim.setCvar("sv_cheats", "0");
    h.sim.clearReceived();
    h.main->widgets().lstmessages->clear();
    h.dialogs.clear();
    QVERIFY(h.click("cmdsetcb"));
    QCOMPARE(boxesShown(h),
             QStringList{boxText("Change settings?",
                                 "Are you sure you want to set as Clan Base rules\rCheck "
                                 "popup rules to see what variables will change")});
    QCOMPARE(
        h.commands(),
        (QStringList{"scr_sd_roundlimit 10", "scr_sd_roundlength 4", "scr_sd_graceperiod 15",
                     "scr_sd_timelimit 0", "setfriendlyfire 1", "scr_allow_vote 0",
                     "scr_drawfriend 1", "sv_minPing 0", "sv_maxPing 0", "sv_pure 1", "sv_cheats 0",
                     "g_allowVote 0", "scr_killcam 0", "scr_spectateenemy 0", "scr_freelook 0",
                     "logfile 1", kSay + "Server Set for ^2Clan Base ^7Rules"}));
    QCOMPARE(h.messageLog(), QStringList{"Setting server to Clanbase rules....."});
    QVERIFY(!h.rconText().contains(">>RCON sent"));
}

namespace {

const QString kAllow = "cvarlist scr_allow_*";
const QString kReading = "Reading variables from the server...";
const QString kWeaponsProgress =
    kReading + "\r\nAllies...\r\nRussians...\r\nBritish...\r\nGerman...\r\nOthers...";
const QString kSlowWeapons = boxText("Slow Server Response",
                                     "The server is not responding quickly enough\ror a server "
                                     "side mod has replaced the rcon variables\rTry populate again",
                                     "Exclamation", "Ok");

void readOut(const char* tag, const char* populate, const char* send, const QStringList& server,
             const QStringList& edits, const QStringList& listings, const QStringList& boxes,
             const QString& progress, const QStringList& shows, const QStringList& then,
             const QStringList& sent) {
    QTest::newRow(tag) << QString(populate) << QString(send) << server << edits << listings << boxes
                       << progress << shows << then << sent;
}

} // namespace

void TestConfigPages::readOuts_data() {
    QTest::addColumn<QString>("populate");
    QTest::addColumn<QString>("send");
    QTest::addColumn<QStringList>("server"); // "variable=value", "-variable" gone, "drop=n" replies
    QTest::addColumn<QStringList>("edits");  // before the read-out
    QTest::addColumn<QStringList>("listings");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("progress");  // the notice's last text before it closed
    QTest::addColumn<QStringList>("shows"); // "control=what it shows" afterwards
    QTest::addColumn<QStringList>("then");  // edits afterwards
    QTest::addColumn<QStringList>("sent");  // what the page's send then sends: the changes

    // A name listed after its sniper version is read by its whole name; a greyed box clicked
    // ticks.
    readOut("weapons", "cmdpopwep", "cmdwepsetserv",
            {"scr_allow_mp40=0", "scr_allow_mp44=2", "scr_allow_kar98ksniper=0",
             "-scr_allow_kar98k", "scr_allow_kar98k=1"},
            {"chkmp40"}, {kAllow}, {}, kWeaponsProgress,
            {"chkmp40=off", "chkmp44=grey", "chkkar98k=on", "chkbar=on"}, {"chkmp44"},
            {"scr_allow_mp44\"1\""});
    // A value no box can show stops the read-out: the boxes not read keep what they show.
    readOut("weapons, value out of range", "cmdpopwep", "cmdwepsetserv",
            {"scr_allow_bar=0", "scr_allow_fg42=3"}, {"cmdwepselall"}, {kAllow}, {kSlowWeapons},
            kWeaponsProgress, {"chkbar=off", "chkfg42=on", "chkpanz=on"}, {},
            {"scr_allow_fg42\"1\"", "scr_allow_panzerfaust\"1\""});
    // Unanswered, the listing is asked five times; the client's own box is then enough.
    readOut("weapons, no answer", "cmdpopwep", "cmdwepsetserv", {"drop=5"}, {"chkbar"},
            QStringList(5, kAllow),
            {boxText("No response",
                     "No response from server in 15 seconds\nCould be server loading map! or "
                     "\nFragmented UDP packets which routers do not pass on\nTry again...",
                     "Exclamation", "Ok")},
            kReading + "\r\nAllies...", {"chkbar=on", "chkmp40=off"}, {}, {"scr_allow_bar\"1\""});
    // A tag ending in a blank takes no longer name's value; one older versions lack is off.
    readOut("UO", "cmdUOwep_1", "cmdUOwep_0",
            {"scr_allow_smoke=0", "scr_drophealth=0", "-scr_allow_mg34", "scr_allow_mg34_tripod=1",
             "scr_allow_mg34=0", "-scr_battlerank"},
            {"chkUOwep_23"}, {kAllow, "cvarlist scr_*"}, {}, kReading + "\r\nUnited Offensive...",
            {"chkUOwep_0=on", "chkUOwep_2=off", "chkUOwep_7=off", "chkUOwep_21=on",
             "chkUOwep_22=off", "chkUOwep_23=off"},
            {}, {});
    readOut("UO, unusable value", "cmdUOwep_1", "cmdUOwep_0", {"scr_allow_gewehr43=abc"},
            {"chkUOwep_15"}, {kAllow}, {kSlowWeapons}, kReading + "\r\nUnited Offensive...",
            {"chkUOwep_0=on", "chkUOwep_10=off", "chkUOwep_15=on"}, {}, {"scr_allow_t34\"1\""});
    // A text whose variable is not listed is emptied; a box keeps its state and change.
    readOut("server", "cmdservpop", "cmdservsetbasics",
            {"sv_maxclients=20", "scr_killcam=0", "scr_teambalance=2", "setfriendlyfire=3",
             "-sv_maxrate", "-scr_freelook"},
            {"txtmaxrate=9000", "chkfreelook"},
            {"cvarlist sv_*", "cvarlist scr_*", "cvarlist setf*"}, {}, kReading,
            {"txtmaxclients=20", "txtmaxrate=", "chkkillcam=off", "chkteambal=grey", "optff_3=on",
             "chkfreelook=on"},
            {}, {"scr_freelook 1"});
    readOut("server, unknown friendly fire", "cmdservpop", "cmdservsetbasics",
            {"setfriendlyfire=7", "scr_teambalance=0"}, {"chkteambal", "optff_1"},
            {"cvarlist sv_*", "cvarlist scr_*", "cvarlist setf*"},
            {boxText("Slow Server Response",
                     "The server is not responding quickly enough\rTry populate again",
                     "Exclamation", "Ok")},
            kReading, {"chkteambal=off", "optff_1=on"}, {}, {});
    // A mode frame reads its own variables; one the server does not list keeps its text, and
    // the frame says so. "Set" then sends every field.
    readOut("S&D frame", "cmdcodpop_0", "cmdsetsd",
            {"scr_sd_graceperiod=20", "scr_sd_timelimit=12", "-scr_sd_roundlimit"},
            {"txtroundlim=7"}, {"cvarlist scr_sd_*"}, {},
            kReading + "\r\nSearch & Destroy settings",
            {"txtgrace=20", "txttimelim=12", "txtroundlim=7", "txtscorelim=10",
             "lblcodsource_0=These fields hold the values read from the server, except Round "
             "Limit (the server gave no value it can show), which keeps what it held",
             "lblcodsource_1=These fields hold the game's defaults, not values read from the "
             "server"},
            {},
            {"scr_sd_graceperiod 20", "scr_sd_roundlength 4", "scr_sd_roundlimit 7",
             "scr_sd_scorelimit 10", "scr_sd_timelimit 12"});
    // A greyed state is none of a United Offensive box's: it keeps what it showed.
    readOut("CTF frame", "cmduopop_1", "cmdUOmodeset_2",
            {"scr_ctf_startrounddelay=5", "scr_ctf_endrounddelay=6", "scr_ctf_scorelimit=7",
             "scr_ctf_timelimit=45", "scr_ctf_roundlimit=8", "scr_ctf_roundlength=9",
             "scr_ctf_showoncompass=0", "scr_ctf_clearscoreeachround=2"},
            {}, {"cvarlist scr_ctf_*"}, {},
            kReading + "\r\nUnited Offensive Capture the Flag settings",
            {"txtctf_3=45", "chkctf_0=off", "chkctf_1=on",
             "lbluosource_1=These fields hold the values read from the server, except Clear "
             "score each round (the server gave no value it can show), which keeps what it held"},
            {},
            {"scr_ctf_startrounddelay 5", "scr_ctf_endrounddelay 6", "scr_ctf_scorelimit 7",
             "scr_ctf_timelimit 45", "scr_ctf_roundlimit 8", "scr_ctf_roundlength 9",
             "scr_ctf_showoncompass\"0\"", "scr_ctf_clearscoreeachround\"1\""});
    // A missing percentage shows 0, one beyond 100 shows 100, both as read (not sent); a box
    // with no usable state is left alone.
    readOut("Heat of Battle", "cmdhobpop", "cmdhobset",
            {"scr_hob_respawntime=12", "scr_hob_trip=2", "scr_hob_riflePercentage=60",
             "scr_hob_smgPercentage=150", "scr_hob_dynamicLimitWeapons=yes",
             "-scr_hob_sniperPercentage"},
            {"chkdw", "txtsniper=50", "txtsmg=7"}, {kListHob}, {},
            kReading + "\nHeat of Battle MOD...",
            {"txtwave=12", "chkshot=grey", "txtrifle=60", "txtsmg=100", "txtsniper=0", "chkdw=on"},
            {"txtwave=20"}, {"scr_hob_respawntime\"20\"", "scr_hob_dynamicLimitWeapons\"1\""});
}

void TestConfigPages::readOuts() {
    QFETCH(QString, populate);
    Harness h;
    h.connectDirect();
    if (populate.startsWith("cmdhob"))
        openHob(h);
    QFETCH(QStringList, server);
    for (const QString& entry : server) {
        if (entry.startsWith("drop="))
            h.sim.dropNextReplies(entry.mid(5).toInt());
        else if (entry.startsWith('-'))
            h.sim.removeCvar(entry.mid(1));
        else
            h.sim.setCvar(entry.section('=', 0, 0), entry.section('=', 1));
    }
    QFETCH(QStringList, edits);
    edit(h, edits);
    QStringList notices;
    ProgressNotice* notice = h.main->progressNotice();
    connect(notice->findChild<QPlainTextEdit*>("txtprogress"), &QPlainTextEdit::textChanged, this,
            [&] { notices << notice->text(); });
    trigger(h, populate);
    QVERIFY(!get(h, populate)->isEnabled()); // one read-out at a time
    QVERIFY(h.settle());
    QTEST(h.commands(), "listings");
    QTEST(boxesShown(h), "boxes");
    // The notice showed what was read and closed; the listings stay out of the pane.
    QFETCH(QString, progress);
    QCOMPARE(notices.mid(notices.size() - 2), (QStringList{progress, ""}));
    QCOMPARE(h.rconText(), QString());
    QFETCH(QStringList, shows);
    verifyShows(h, shows);
    QFETCH(QStringList, then);
    edit(h, then);
    h.sim.clearReceived();
    QFETCH(QString, send);
    QVERIFY(h.click(send));
    QTEST(h.commands(), "sent");
}

void TestConfigPages::weaponPresets() {
    Harness h;
    edit(h, {"chkmp40", "chkbar"});
    // Not connected: nothing is asked, and the page stays as the operator left it.
    QVERIFY(h.click("cmdriflesonly"));
    QCOMPARE(h.dialogs.messageTitles(), QStringList{"Not Connected"});
    QCOMPARE(shown(h, "chkenfield"), "off");
    h.connectDirect();
    QVERIFY(h.click("cmdwepsetserv"));
    QCOMPARE(h.commands(), (QStringList{"scr_allow_bar\"1\"", "scr_allow_mp40\"1\""}));

    // Every box goes, changed or not, and shows what went.
    h.sim.clearReceived();
    h.dialogs.clear();
    QVERIFY(h.click("cmdriflesonly"));
    QVERIFY(h.click("cmdriflesonly"));
    QCOMPARE(boxesShown(h).value(0),
             boxText("Rifles only?",
                     "Set weapons to rifles only on server?\rScreen will reflect changes"));
    QCOMPARE(h.commands(), kRiflesOnly + kRiflesOnly);
    verifyShows(h, {"chkm1garand=on", "chkenfield=on", "chkbar=off", "chkkar98ksniper=off"});
    QCOMPARE(h.messageLog().first(), "Server set to rifles only");
    // No sniper changed: nothing goes, and the log says it is done.
    h.dialogs.clear();
    QVERIFY(h.click("cmdnosnipers"));
    QCOMPARE(boxesShown(h),
             QStringList{boxText("No Snipers", "Disable snipers on server", "Question")});
    QCOMPARE(h.messageLog().first(), "No snipers set on server.");
    QCOMPARE(h.commands().size(), 2 * kRiflesOnly.size());
}

void TestConfigPages::hobWaveChecks_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("then"); // the control the focus moves to, or the button clicked
    QTest::addColumn<QString>("told"); // "title | text" of the box
    const QString range = "Invalid Value | Value between 1 and 30 please";
    QTest::newRow("0.5, on") << "0.5"
                             << "txtsmg" << range;
    QTest::newRow("ten, on") << "ten"
                             << "txtsmg"
                             << "Number Field | Numeric value between 1 and 30 please";
    QTest::newRow("31, send") << "31"
                              << "cmdhobset" << range;
}

// The wave time is checked when the field is left: it keeps what was typed, and the focus.
void TestConfigPages::hobWaveChecks() {
    QFETCH(QString, then);
    Harness h;
    h.connectDirect();
    openHob(h);
    auto* edit = get<QLineEdit>(h, "txtwave");
    edit->setFocus(Qt::MouseFocusReason);
    edit->selectAll();
    QFETCH(QString, text);
    QTest::keyClicks(edit, text);
    if (then.startsWith("cmd"))
        trigger(h, then);
    else
        get(h, then)->setFocus(Qt::MouseFocusReason);
    QVERIFY(h.settle());
    QCOMPARE(edit->text(), text);
    QFETCH(QString, told);
    QCOMPARE(boxesShown(h).replaceInStrings(" | Information | Ok", ""), QStringList{told});
    QTRY_COMPARE(QApplication::focusWidget(), edit);
    QVERIFY(h.sim.received().isEmpty());
}

void TestConfigPages::hobReadOutBesideOtherWorkAndClosedDuringIt() {
    Harness h;
    h.connectDirect();
    h.sim.setCvar("scr_hob_respawntime", "12");
    h.sim.setCvar("scr_hob_riflePercentage", "60");
    h.sim.setCvar("scr_hob_smgPercentage", "25");
    QPointer<HobWindow> w = openHob(h);
    // "Get Status" and a direct line while the listing is on its way: each gets its own answer.
    h.sim.setReplyDelayMs(2 * Harness::kSecondMs);
    trigger(h, "cmdhobpop");
    QTRY_COMPARE(h.commands(), QStringList{kListHob});
    trigger(h, "cmdstatus");
    h.main->widgets().comdirect->setEditText("say hello");
    trigger(h, "cmdsend");
    QVERIFY(h.settle());
    QTRY_COMPARE(h.commands(), (QStringList{kListHob, "Status", "say hello"}));
    verifyShows(h, {"txtwave=12", "txtrifle=60", "txtsmg=25"});
    QVERIFY(h.rconText().contains("map: "));
    QTRY_VERIFY(h.rconText().contains("console: hello"));
    QVERIFY(!h.rconText().contains("scr_hob_"));

    // Closed while the listing is on its way: nothing more goes, the notice goes away.
    trigger(h, "cmdhobpop");
    QTRY_COMPARE(h.commands().size(), 4);
    QVERIFY(h.main->progressNotice()->isVisible());
    w->findChild<QPushButton*>("cmdexit")->click();
    QTRY_VERIFY(!w);
    QVERIFY(!h.main->progressNotice()->isVisible());
    QVERIFY(h.settle());
    Harness::pause(20); // longer than every retry would take
    QCOMPARE(h.commands().size(), 4);
    QVERIFY(h.dialogs.shown().isEmpty() && !h.rconText().contains("scr_hob_"));
    QVERIFY(h.click("cmdstatus")); // the queue goes on for the rest of the program
    QCOMPARE(h.commands().mid(3), (QStringList{kListHob, "Status"}));
}

QTEST_MAIN(TestConfigPages)
#include "tst_configpages.moc"
