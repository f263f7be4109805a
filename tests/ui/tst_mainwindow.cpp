#include "ModePageChecks.h"

#include "app/CfgScan.h"
#include "app/ConnectChecks.h"
#include "app/ServerListRules.h"
#include "app/StatusQuery.h"
#include "base/Wire1252.h"
#include "maps/MapListParser.h"
#include "players/PlayerExport.h"
#include "settings/OptionsStore.h"
#include "settings/ServerRecords.h"
#include "support/Captures.h"
#include "ui/LogActions.h"
#include "ui/PreferencesDialog.h"
#include "ui/ProgressNotice.h"
#include "ui/ServerListPanel.h"
#include "ui/pages/MiscPage.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>

#include <filesystem>

using namespace Qt::StringLiterals;

namespace {

const QStringList kConnectTraffic{"status", "getstatus", "cvarlist sv_maprotation", "fdir *.cfg"};
const QString kGameModeLine = u"Server running game mode [dm] on map [mp_harbor]"_s;
const QString kRotation = u"gametype dm map mp_harbor gametype sd map mp_carentan | copy on"_s;
const QString kConnectedMisc = kRotation + u" | *server,dedicated,sd,ctf | exec on"_s;
const QString kPresets = u"Server did not give rotation. (bold) | copy off | *No CFGs on server"
                         " | exec off"_s;
const QString kCleared = u" | copy off |  | exec off"_s;

QByteArray fileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString dated(const char* prefix) {
    return QLatin1String(prefix) + QDate::currentDate().toString(u"ddMMyy"_s) + ".log"_L1;
}

bool matches(const QString& pattern, const QString& text) {
    return QRegularExpression(u'^' + pattern + u'$', QRegularExpression::DotMatchesEverythingOption)
        .match(text)
        .hasMatch();
}

QStringList items(const QAbstractItemModel* model) {
    QStringList texts;
    for (int i = 0; i < model->rowCount(); ++i)
        texts << model->index(i, 0).data().toString();
    return texts;
}

void trigger(Harness& h, const QString& action) {
    h.main->findChild<QAction*>(action)->trigger();
}

void fill(Harness& h, const QStringList& fields) {
    h.main->widgets().comserver->setEditText(fields.value(0));
    h.main->widgets().comport->setEditText(fields.value(1));
    h.main->widgets().txtPWD->setText(fields.value(2));
}

QString fields(Harness& h) {
    const MainWidgets& w = h.main->widgets();
    return w.comserver->currentText() + u' ' + w.comport->currentText() + u' ' + w.txtPWD->text();
}

QString connectedLine(Harness& h, const QString& server = u"127.0.0.1"_s) {
    return "Connected to server "_L1 + server + u':' + QString::number(h.sim.port());
}

// The connect button's caption and how many of the three fields are locked.
QString connectionRow(Harness& h) {
    const MainWidgets& w = h.main->widgets();
    return w.cmdconnect->text() + u' ' +
           QString::number(int(w.comserver->lineEdit()->isReadOnly()) +
                           int(w.comport->lineEdit()->isReadOnly()) + int(w.txtPWD->isReadOnly()));
}

// The Misc page: rotation (bold or not), copy buttons, CFG list (current "*"), Exec button.
QString miscState(Harness& h) {
    const auto* rotation = h.find<QPlainTextEdit>(u"txtcurmaprot_0"_s);
    const auto* cfgs = h.find<QComboBox>(u"lstcfgs"_s);
    QStringList names;
    for (int i = 0; i < cfgs->count(); ++i)
        names << (i == cfgs->currentIndex() ? "*"_L1 : ""_L1) + cfgs->itemText(i);
    const auto on = [&h](const QString& b) { return h.find<QPushButton>(b)->isEnabled(); };
    return rotation->toPlainText() + (rotation->font().bold() ? " (bold)"_L1 : ""_L1) +
           (on(u"cmdsmrpaste_0"_s) ? " | copy on | "_L1 : " | copy off | "_L1) + names.join(u',') +
           (on(u"cmdcfgexec"_s) ? " | exec on"_L1 : " | exec off"_L1);
}

// What the progress notice showed each time the server received a datagram.
std::shared_ptr<QStringList> progressAtEachDatagram(Harness& h) {
    auto seen = std::make_shared<QStringList>();
    QObject::connect(&h.sim, &SimServer::datagramReceived, &h.sim, [seen, &h] {
        const ProgressNotice* notice = h.main->progressNotice();
        *seen << (notice->isVisible() ? notice->text() : u"(hidden)"_s);
    });
    return seen;
}

template <typename T = QAbstractButton> T* in(QWidget* window, const QString& name) {
    return window->findChild<T*>(name);
}

PreferencesDialog* openPreferences(Harness& h) {
    h.main->openPreferences();
    return h.main->findChild<PreferencesDialog*>();
}

// What the program reads from a reply, a typed field or a settings value, as one text.
QString reading(const QString& reader, const QString& input) {
    if (reader == "port"_L1)
        return QString::number(parsePort(input).value_or(0));
    if (reader == "status"_L1)
        return statusquery::readGameStatus(input).gametype + u'|' +
               statusquery::readGameStatus(input).map;
    if (reader == "cfgs"_L1)
        return scanCfgNames(input).join(u',');
    if (reader == "saved"_L1) // whether the address counts as saved already
        return serverlist::hasAddress({u"Cod.Example.Net:28960"_s}, input) ? u"yes"_s : u"no"_s;
    if (reader == "switch"_L1) // with the default on, then off
        return QString::number(profile::toSwitch(input, true)) +
               QString::number(profile::toSwitch(input, false));
    if (reader == "number"_L1)
        return QString::number(profile::toNumber(input));
    if (reader == "files"_L1) { // "--config|files there are": the settings file|the data folder
        const QStringList found = input.section(u'|', 1).split(u',');
        const FileLocations files =
            chooseLocations({input.section(u'|', 0, 0), u"/w"_s, u"/p"_s, u"/c"_s, u"/d"_s},
                            [&found](const QString& path) { return found.contains(path); });
        return files.settingsFile + u'|' + files.dataFolder;
    }
    const MapListReading maps = readMapList(input);
    if (maps.names.size() > 10) // a long listing: how many, the first and the last
        return u"%1 %2..%3"_s.arg(maps.names.size()).arg(maps.names.first(), maps.names.last());
    return maps.incomplete ? u"incomplete"_s : maps.names.join(u',');
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void connectAndConsole();
    void automaticConnect_data();
    void automaticConnect();
    void connectOutcomes_data();
    void connectOutcomes();
    void disconnect_data();
    void disconnect();
    void enterKey_data();
    void enterKey();
    void savedListLogsAndExit();
    void preferencesSave_data();
    void preferencesSave();
    void preferencesExitAndFailures();
    void preferencesClosedWhileABoxIsUp_data();
    void preferencesClosedWhileABoxIsUp();
    void mapsPopulate_data();
    void mapsPopulate();
    void actions_data();
    void actions();
    void textTheServerCannotShowIsNotSent_data();
    void textTheServerCannotShowIsNotSent();
    void pageControls();
    void readers_data();
    void readers();
    void settingsFile();
    void settingsFileBytes_data();
    void settingsFileBytes();
    void privateFiles_data();
    void privateFiles();
    void staleTemporaryRemoved();
};

void TestMainWindow::connectAndConsole() {
    Harness h;
    const auto send = [&h](const char* text) {
        h.main->widgets().comdirect->setEditText(QLatin1String(text));
        h.main->widgets().cmdsend->click();
    };
    send("status"); // refused while disconnected
    QVERIFY(h.settle());
    h.main->session().state().options.autoqplayer = true;
    h.main->appendRcon(u"old pane line\r\n"_s);
    const auto progress = progressAtEachDatagram(h);
    // No pause leaves the queue idle in a connect: what another page queues then goes last.
    QObject::connect(
        &h.sim, &SimServer::datagramReceived, h.main.get(),
        [&h] {
            QObject::connect(
                &h.main->session().client(), &RconClient::idleNow, h.main.get(),
                [&h] { h.main->widgets().cmsserverinfo->click(); }, Qt::SingleShotConnection);
        },
        Qt::SingleShotConnection);
    const QString pw = h.sim.cvar(u"rconpassword"_s), port = QString::number(h.sim.port());
    fill(h, {u" 127.0.0.1 "_s, u' ' + port, pw + u' '}); // the blanks are removed
    QVERIFY(h.click(u"cmdconnect"_s));

    QCOMPARE(h.commands(), (kConnectTraffic + QStringList{"status", "serverinfo"})); // + refresh
    QCOMPARE(fields(h) + u' ' + connectionRow(h), u"127.0.0.1 %1 %2 Disconnect 3"_s.arg(port, pw));
    // The old logs are saved, then emptied; only the status reply and game mode reach the pane.
    QVERIFY(fileText(h.path(dated("vostrel_rcon_"))).contains("old pane line"));
    QCOMPARE(h.messageLog(), (QStringList{"Server Info requested", connectedLine(h)}));
    QVERIFY2(matches(u"map: mp_harbor\n[^/]*\n"_s + QRegularExpression::escape(kGameModeLine) +
                         u"Server info settings:[^/]*"_s,
                     h.rconText()),
             qPrintable(h.rconText()));
    QCOMPARE(progress->mid(0, 4), // the notice of the saved logs went with the saves
             (QStringList{"(hidden)", "Asking server for status", "Asking server for Map rotation",
                          "Asking server for cfg files"}));
    // Rcon Direct: no wait for the replies, which come as they come; the history holds each once.
    h.find<QCheckBox>(u"chkautoupdate"_s)->click();
    h.sim.clearReceived();
    h.sim.setReplyDelayMs(20 * Harness::kSecondMs);
    const QStringList typed{"sv_hostname", "sv_hostname", "SV_HOSTNAME", "sv_hostname"};
    for (const QString& command : typed)
        send(qPrintable(command));
    QCOMPARE(items(h.main->widgets().comdirect->model()),
             (QStringList{"status", "sv_hostname", "SV_HOSTNAME"}));
    QTRY_COMPARE(h.commands(), typed);
    verifyPaced(h);
    QTRY_COMPARE(h.rconText().count(u"\"sv_hostname\" is:\"Vostrel Test Server^7\""_s), 4);
    QCOMPARE(h.dialogs.messageTitles(), QStringList{u"Not connected"_s});
}

void TestMainWindow::automaticConnect_data() {
    QTest::addColumn<bool>("cutShort"); // disconnected while the rotation is asked for
    QTest::newRow("connects") << false;
    QTest::newRow("cut short, then connected by hand") << true;
}

void TestMainWindow::automaticConnect() {
    QFETCH(bool, cutShort);
    Harness h;
    h.writeSettings("[set0]\r\nname=Set\r\nmess0=hello\r\nmess1=\r\n[options]\r\nautomessage=1\r\n"
                    "autoconnect=1\r\nautoconnectserv=127.0.0.1\r\nautoconnectport=" +
                    QByteArray::number(h.sim.port()) + "\r\nautoconnectrcon=secret\r\n");
    h.main->appendRcon(u"old pane line\r\n"_s);
    const auto progress = progressAtEachDatagram(h);
    if (cutShort)
        QObject::connect(&h.sim, &SimServer::datagramReceived, h.main.get(), [&h] {
            if (h.commands().size() == 3)
                h.main->widgets().cmdconnect->click();
        });
    auto* start = h.find<QPushButton>(u"cmdmessstart"_s);
    h.startup();
    QVERIFY(start->isEnabled() && h.settle()); // the cycler waits for the end of the connect
    QCOMPARE(h.commands(), kConnectTraffic.mid(0, cutShort ? 3 : 4));
    QCOMPARE(connectionRow(h) + miscState(h),
             cutShort ? u"Connect 0"_s + kCleared : u"Disconnect 3"_s + kConnectedMisc);
    // Nothing is cleared or saved, no progress shows, only the game-mode line reaches the pane.
    QCOMPARE(h.rconText() + h.messageLog().join(u'|'),
             u"old pane line\n"_s + kGameModeLine + connectedLine(h));
    QVERIFY(QDir(h.dir()).entryList({u"*.log"_s}).isEmpty() && h.dialogs.shown().isEmpty());
    QCOMPARE(*progress, QStringList(h.commands().size(), u"(hidden)"_s));
    QCOMPARE(start->isEnabled(), cutShort);
    if (cutShort) { // the start-up's cycler start went with the connect that ended
        QVERIFY(h.click(u"cmdconnect"_s));
        QCOMPARE(h.commands().mid(3), kConnectTraffic);
        QVERIFY(start->isEnabled());
    }
}

void TestMainWindow::connectOutcomes_data() {
    QTest::addColumn<QString>("fields"); // server|port|password; "SIM": the simulated server's
    QTest::addColumn<QString>("setup");  // "silent", "console silent", "retried" or "command=reply"
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QString>("box");  // the one box, "title | text..." (all of it, or the start
                                       // of an exclamation with OK); "": none
    QTest::addColumn<QString>("misc"); // empty: not connected
    const auto row = [](const char* name, const char* fields, const char* setup,
                        const QStringList& commands, const QString& box, const QString& misc) {
        QTest::newRow(name) << fields << setup << commands << box << misc;
    };
    const QString missing = u"Error... | Please provide all fields, Server, Port and password"_s;
    const QString invalid = u"No connection | Invalid Rcon password, no connection established\r"_s;
    const QStringList probe{"status"}, full = kConnectTraffic + probe; // and the refresh
    const QStringList silence = QStringList(5, u"status"_s) << u"getstatus"_s;
    const QString noCfgs = kRotation + u" | *No CFGs on server | exec off"_s;
    const QString noServer =
        u"No connection | No server answered at 127.0.0.1:SIM | Exclamation | RetryCancel"_s;
    const char* sim = "127.0.0.1|SIM|SIM";
    row("no address", "|SIM|pw", "", {}, missing, {});
    row("password of blanks", "127.0.0.1|SIM|   ", "", {}, missing, {});
    row("port not a number", "127.0.0.1|port|pw", "", {},
        u"Error... | Please provide a port number from 1 to 65535"_s, {});
    // The reserved top-level name never resolves, so no outside lookup is needed.
    row("unknown host name", "no-such-server.invalid|SIM|pw", "", {},
        u"Server not found | Cannot find the server no-such-server.invalid\r"_s, {});
    // Text that would go out changed is refused; the euro sign fits the code page and goes.
    row("a password outside the code page", "127.0.0.1|SIM|passΩword", "", {},
        u"Unsupported characters | The rcon password holds characters that cannot be sent to "
        "the server or kept in the settings file: Ω\rPlease use only"_s,
        {});
    row("wrong password", "127.0.0.1|SIM|gue€s", "", probe, invalid + u"Bad rconpassword."_s, {});
    row("mixed-case refusal", sim, "status=bAD RconPASSword.\n", probe,
        invalid + u"bAD RconPASSword."_s, {});
    row("no password on the server", sim, "status=No rconpassword set on the server.\n", probe,
        invalid + u"No rconpassword set on the server."_s, {});
    // Connected means answered: silence is no connection, and nothing more is sent.
    row("no reply", sim, "silent", silence, noServer, {});
    row("silent on a wrong password", "127.0.0.1|SIM|wrong", "console silent", silence,
        u"No connection | The server at 127.0.0.1:SIM answers, but its remote console does not: "
        "the RCON password is wrong, or the remote console is off (some servers stay silent on "
        "a wrong password).\rNo connection established. | Exclamation | RetryCancel"_s,
        {});
    row("no reply, then retried", sim, "retried", silence + full, noServer, kConnectedMisc);
    row("no cfg line", sim, "fdir *.cfg=---\n0 files listed", full, {}, noCfgs);
    row("no line at all", sim, "fdir *.cfg=", full, {}, noCfgs); // and a log line says so
}

void TestMainWindow::connectOutcomes() {
    QFETCH(QString, setup);
    QFETCH(QString, box);
    QFETCH(QString, misc);
    Harness h;
    h.main->session().state().options.autoqplayer = true;
    if (setup.contains(u'='))
        h.sim.setReplyOverride(setup.section(u'=', 0, 0), setup.section(u'=', 1).toLatin1());
    const bool silent = setup == "silent"_L1 || setup == "retried"_L1;
    h.sim.dropNextReplies(silent ? 6 : 0); // every "status" and the getstatus
    h.sim.setSilentOnBadPassword(setup == "console silent"_L1);
    if (setup == "retried"_L1)
        h.dialogs.setNextAnswer(Dialogs::Answer::Retry);
    // A second click while the first connect waits for "status" starts no other one.
    QTimer::singleShot(Harness::kSecondMs, h.main.get(), [&h, silent] {
        if (silent)
            h.main->widgets().cmdconnect->click();
    });
    QFETCH(QString, fields);
    const QString port = QString::number(h.sim.port());
    fill(h, fields.replace(u"SIM|SIM"_s, u"SIM|"_s + h.sim.cvar(u"rconpassword"_s))
                .replace(u"SIM"_s, port)
                .split(u'|'));
    QTest::keyClick(h.main->widgets().txtPWD, Qt::Key_Return); // as the Connect button
    QTRY_VERIFY(h.settle() && h.main->session().connection() != ConnectionState::Connecting);
    QTEST(h.commands(), "commands");
    QVERIFY2(box.isEmpty() ? boxesShown(h).isEmpty()
                           : matches(QRegularExpression::escape(box.replace(u"SIM"_s, port)) +
                                         u"(.* \\| Exclamation \\| Ok)?"_s,
                                     boxesShown(h).join(u'\n')),
             qPrintable(boxesShown(h).join(u'\n')));
    QCOMPARE(connectionRow(h), misc.isEmpty() ? u"Connect 0"_s : u"Disconnect 3"_s);
    const QString noCfgLine = u"Server has no CFG files - Disabling fields...|"_s;
    QCOMPARE(h.messageLog().join(u'|'),
             misc.isEmpty() ? QString()
                            : (setup.endsWith(u'=') ? noCfgLine : QString()) + connectedLine(h));
    // Without game type and map nothing more is asked for and no refresh starts.
    QCOMPARE(miscState(h), misc.isEmpty() ? kCleared : misc);
    QCOMPARE(h.rconText().contains(kGameModeLine) +
                 h.find<QCheckBox>(u"chkautoupdate"_s)->isChecked(),
             misc.contains(u"copy on"_s) ? 2 : 0);
    QVERIFY(!h.main->progressNotice()->isVisible());
    if (misc.isEmpty()) { // unconnected, nothing more goes
        Harness::pause(20);
        QTEST(h.commands(), "commands");
    }
}

void TestMainWindow::disconnect_data() {
    QTest::addColumn<bool>("socketError");
    QTest::addColumn<QStringList>("logged");
    QTest::newRow("the button") << false << QStringList{};
    QTest::newRow("a socket error")
        << true << QStringList{"Connection to server lost: Network unreachable"};
}

void TestMainWindow::disconnect() {
    QFETCH(QStringList, logged);
    Harness h;
    h.main->session().state().options.autoqplayer = true;
    fill(h, {u"localhost"_s, QString::number(h.sim.port()), h.sim.cvar(u"rconpassword"_s)});
    h.main->widgets().cmdconnect->click(); // a host name is looked up
    QTRY_COMPARE(connectionRow(h), u"Disconnect 3"_s);
    QVERIFY(h.settle());
    const QString pane = h.rconText();
    const qsizetype sent = h.commands().size();
    h.main->widgets().cmdstatus->click(); // queued, not yet sent: withdrawn by the disconnect
    h.main->widgets().cmsserverinfo->click();
    QFETCH(bool, socketError);
    if (socketError)
        emit h.main->session().client().closedByError(u"Network unreachable"_s);
    else
        h.main->widgets().cmdconnect->click();
    QCOMPARE(connectionRow(h) + miscState(h), u"Connect 0"_s + kCleared);
    QCOMPARE(h.messageLog(),
             (logged + QStringList{"Server Info requested", "Server Status requested",
                                   connectedLine(h, u"localhost"_s)}));
    QVERIFY(!h.find<QCheckBox>(u"chkautoupdate"_s)->isChecked()); // the refresh stops
    QVERIFY(h.click(u"cmdstatus"_s)); // refused now, and no refresh comes
    Harness::pause(11);
    QCOMPARE(h.commands().size(), sent);
    QCOMPARE(h.rconText() + h.dialogs.messageTitles().join(u' '), pane + u"Not connected"_s);
}

void TestMainWindow::enterKey_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("sent");  // "": nothing
    QTest::addColumn<QString>("focus"); // where the focus is afterwards
    const auto row = [](const char* control, const char* sent, const char* focus) {
        QTest::newRow(control) << control << sent << focus;
    };
    row("comserver", "sv_hostname", "comdirect"); // Rcon Direct sends
    row("txtPWD", "", "cmdconnect");              // the password box moves on
    row("cmdstatus", "Status", "cmdstatus");      // a focused button takes it
    row("txtcurmaprot_1", "", "txtcurmaprot_1");  // a multi-line box keeps it
}

void TestMainWindow::enterKey() {
    QFETCH(QString, control);
    QFETCH(QString, sent);
    QFETCH(QString, focus);
    Harness h;
    h.connectDirect();
    QWidget* widget = h.find<QWidget>(control);
    h.main->widgets().comdirect->setEditText(u"sv_hostname"_s);
    showPage(h, h.main->pages().misc);
    widget->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(widget->hasFocus());
    QTest::keyClick(widget, Qt::Key_Return);
    Harness::pause(1);
    QCOMPARE(h.commands(), QStringList(sent.isEmpty() ? 0 : 1, sent));
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    if (focus == "comdirect"_L1) // ready for the next command: the whole text selected
        QCOMPARE(h.main->widgets().comdirect->lineEdit()->selectedText(), u"sv_hostname"_s);
}

void TestMainWindow::savedListLogsAndExit() {
    Harness h;
    h.writeSettings("[servers]\r\nserver1=x.net\r\nserver2=a.net\r\nserver3=A.NET\r\n"
                    "server4=b.net\r\n[ports]\r\nport1=9\r\nport2=1\r\nport3=1\r\nport4=2\r\n"
                    "[rcon]\r\nrcon1=p0\r\nrcon2=p1\r\nrcon3=p2\r\nrcon4=p3\r\n[options]\r\n"
                    "autoconnect=1\r\nautoconnectserv=127.0.0.1\r\nautoconnectport=" +
                    QByteArray::number(h.sim.port()) + "\r\n[Remoteuser]\r\nuser=Admin\r\n");
    h.startup();
    QStringList notices; // every text the progress notice shows
    auto* notice = h.main->progressNotice()->findChild<QPlainTextEdit*>();
    QObject::connect(notice, &QPlainTextEdit::textChanged,
                     [&] { notices << notice->toPlainText(); });
    const MainWidgets& w = h.main->widgets();
    // The automatic connect lacks its password: the fields are filled, nothing is sent.
    QCOMPARE(fields(h) + w.txtprefix->text(), u"127.0.0.1 %1 Admin"_s.arg(h.sim.port()));
    for (const QString& step :
         {u"Saveserver|c.net|1|"_s,     // incomplete: the box, nothing added
          u"Saveserver|   |1|pw"_s,     // so is an address of blanks
          u"Saveserver| b.net |3|pw"_s, // the address with another port is saved
          u"Saveserver|sΩ.net|1|pw"_s,  // a character the file cannot keep: refused
          u"Saveserver|2001:db8::5|28960 |pv6"_s,
          u"removeserver|a.net"_s,      // without a port nothing goes
          u"removeserver|a.net|1"_s}) { // with it every match, also adjacent
        fill(h, step.split(u'|').mid(1));
        trigger(h, step.section(u'|', 0, 0));
    }
    // The start-up server the old options named joins the list without its password.
    QStringList saved;
    for (const ServerRecord& record : h.main->serverList().records())
        saved << record.entry() + u'=' + record.password;
    QCOMPARE(saved,
             (QStringList{u"x.net:9=p0"_s, u"b.net:2=p3"_s, u"127.0.0.1:%1="_s.arg(h.sim.port()),
                          u"2001:db8::5:28960=pv6"_s}));
    const QString incomplete = u"In complete details | Need a Server, Port and password to be "
                               "present to save | Exclamation | Ok"_s;
    QCOMPARE(boxesShown(h),
             (QStringList{incomplete, incomplete,
                          u"Unsupported characters | The server address holds characters that "
                          "cannot be sent to the server or kept in the settings file: Ω\rPlease "
                          "use only the characters of Western European text (Windows-1252). | "
                          "Exclamation | Ok"_s}));
    // A user prefix the file cannot keep is refused when the box is left.
    QTest::sendKeyEvent(QTest::Press, w.txtprefix, Qt::Key_unknown, u"Ω"_s, Qt::NoModifier);
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(w.txtprefix, &leave);
    QCOMPARE(boxesShown(h).last(),
             u"Unsupported characters | The user prefix holds characters that cannot be sent to "
             "the server or kept in the settings file: Ω\rPlease use only the characters of "
             "Western European text (Windows-1252). | Exclamation | Ok"_s);

    // The logs: a save appends to the chosen file, a failed one says so, clearing asks first.
    h.main->appendRcon(u"a reply\r\n"_s);
    h.dialogs.clear();
    const QString chosen = h.path(u"chosen.log"_s);
    for (const QString& name : {chosen, chosen, QString(), h.path(u"missing/m.log"_s)}) {
        h.dialogs.setNextSaveName(name);
        trigger(h, name == chosen ? u"savercon"_s : u"savemessages"_s);
    }
    const QByteArray paneSaved = QByteArray(h.rconText().toLatin1() + '\n').replace("\n", "\r\n");
    QCOMPARE(fileText(chosen), paneSaved + paneSaved);
    h.dialogs.setNextAnswer(Dialogs::Answer::No);
    trigger(h, u"clearrcon"_s);
    trigger(h, u"clearmessage"_s);
    QVERIFY(!h.rconText().isEmpty() && h.messageLog().isEmpty());
    QVERIFY2(matches(u"Failed to Save \\| Error writing file, err -?\\d+\rMessage log not written "
                     "\\| Exclamation \\| Ok\nClear \\| Clear the RCON window\\? \\| Question \\| "
                     "YesNo\nClear \\| Clear the message window\\? \\| Question \\| YesNo"_s,
                     boxesShown(h).join(u'\n')),
             qPrintable(boxesShown(h).join(u'\n')));

    // The list is written as it changes (blanking the removed entries); exit writes it again,
    // then both logs.
    fill(h, {u"x.net"_s, u"9"_s});
    trigger(h, u"removeserver"_s);
    h.main->addMessage(u"first"_s);
    h.main->addMessage(u"second"_s);
    h.dialogs.clear();
    h.main->close();
    QCOMPARE(notices.mid(notices.size() - 2),
             (QStringList{u"Saving server list to INI\nSaving RCON "
                          "output...\nSaving Message output..."_s,
                          {}}));
    QVERIFY(fileText(h.path(u"vostrel.ini"_s))
                .startsWith(QByteArray(
                    "[servers]\r\nserver1=b.net\r\nserver2=127.0.0.1\r\nserver3=2001:db8::5\r\n"
                    "server4=\r\nserver5=\r\nserver6=\r\n[ports]\r\nport1=2\r\nport2=" +
                    QByteArray::number(h.sim.port()) +
                    "\r\nport3=28960\r\nport4=\r\nport5=\r\nport6=\r\n[rcon]\r\nrcon1=p3\r\n"
                    "rcon2=\r\nrcon3=pv6\r\nrcon4=\r\n")));
    QVERIFY(fileText(h.path(u"vostrel.ini"_s)).contains("[Remoteuser]\r\nuser=Admin\r\n"));
    QCOMPARE(fileText(h.path(dated("vostrel_rcon_"))), paneSaved);
    QVERIFY(matches(u"Time: [0-9:]{8} second\r\nTime: [0-9:]{8} first\r\n"_s,
                    QString::fromLatin1(fileText(h.path(dated("vostrel_messages_"))))));
}

void TestMainWindow::preferencesSave_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("typed"); // for a text box
    QTest::addColumn<QString>("file");  // section "options" of the file after the save
    const auto row = [](const char* control, const char* typed, const char* file) {
        QTest::newRow(control) << control << typed << file;
    };
    row("moptsr", "", "savercon=0");
    row("moptqp", "", "usequery=1");
    row("chkautoplayer", "", "autoqplayer=1 autoqplayerint=10"); // the slider goes with its box
    row("chkauto999", "", "autokick999=1 autokick999int=3");
    row("sldauto999", "", "autokick999=0 autokick999int=5"); // a moved slider marks its box
    row("chkautoconnect", "", "autoconnect=1");
    row("txtserv", "cod.example.net", "autoconnectserv=cod.example.net");
    row("txtport", "28961", "autoconnectport=28961");
    row("txtpass", "pa ss", "autoconnectrcon=pa ss");
    row("chkautomessages", "", "automessage=1");
    row("txtmesset", "abc", "messageset=0"); // not a number
    row("txtmessint", " 2.5 ", "messagetime=2");
    row("none", "", ""); // filling marked nothing: nothing is written, the save is reported
}

void TestMainWindow::preferencesSave() {
    QFETCH(QString, control);
    QFETCH(QString, typed);
    Harness h;
    h.startup();
    QPointer<PreferencesDialog> prefs = openPreferences(h);
    if (auto* box = in<QCheckBox>(prefs, control))
        box->toggle();
    else if (auto* slider = in<QSlider>(prefs, control))
        slider->setValue(5);
    else if (auto* text = in<QLineEdit>(prefs, control))
        text->setText(typed);
    QTest::keyClick(prefs, Qt::Key_Return); // as Save
    QString written = QString::fromLatin1(fileText(h.path(u"vostrel.ini"_s)));
    QTEST(written.remove(u"[options]\r\n"_s).replace(u"\r\n"_s, u" "_s).trimmed(), "file");
    QCOMPARE(boxesShown(h),
             (QStringList{"Save Changes | Save any changes made | Question | OkCancel",
                          "Saved | Preferences saved. | Information | Ok"}));
    QTRY_VERIFY(prefs.isNull());
}

void TestMainWindow::preferencesExitAndFailures() {
    Harness h;
    h.writeSettings("[options]\r\nsavercon=0\r\nautoqplayerint=25\r\n");
    h.startup();
    const QByteArray before = fileText(h.path(u"vostrel.ini"_s));
    // A password the file's code page cannot hold is refused at Save; Escape then asks before
    // the change goes, and leaves at once when nothing changed.
    QPointer<PreferencesDialog> prefs = openPreferences(h);
    in<QLineEdit>(prefs, u"txtpass"_s)->setText(u"pΩss"_s);
    QTest::keyClick(prefs, Qt::Key_Return);
    QVERIFY(prefs && prefs->isVisible());
    for (int i = 0; i < 2; ++i) {
        QTest::keyClick(prefs, Qt::Key_Escape);
        QTRY_VERIFY(prefs.isNull());
        prefs = openPreferences(h);
    }
    QCOMPARE(h.dialogs.messageTitles(), (QStringList{"Unsupported characters", "Have you Saved?"}));
    h.dialogs.clear();
    // Filled from the options; a box enables the controls that belong to it.
    QCOMPARE(in<QSlider>(prefs, u"sldautoplayer"_s)->value(), 25);
    QVERIFY(!in<QCheckBox>(prefs, u"moptsr"_s)->isChecked() &&
            !in<QWidget>(prefs, u"sldautoplayer"_s)->isEnabled());
    QTest::mouseClick(in(prefs, u"chkautoplayer"_s), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(in<QWidget>(prefs, u"sldautoplayer"_s)->isEnabled());
    // A cancelled save and Exit drop the changes; Exit asks first.
    in(prefs, u"moptsr"_s)->click();
    h.dialogs.setNextAnswer(Dialogs::Answer::Cancel);
    h.dialogs.setNextAnswer(Dialogs::Answer::Cancel);
    for (const QString& button : {u"cmdsave"_s, u"cmdexit"_s, u"cmdexit"_s})
        in(prefs, button)->click();
    const QString exit = "Have you Saved? | Exit preferences?\r\rThis will cancel any changes "
                         "made\r\rPlease select Save first if any changes | Information | OkCancel";
    QCOMPARE(boxesShown(h).mid(1), (QStringList{exit, exit}));
    QTRY_VERIFY(prefs.isNull() && fileText(h.path(u"vostrel.ini"_s)) == before);
    prefs = openPreferences(h); // showing the options as they were
    QVERIFY(!in<QCheckBox>(prefs, u"moptsr"_s)->isChecked());
    // Each key not written is reported, the window stays; a failed "savercon" ends it all.
    QVERIFY(QFile::setPermissions(h.path(u"vostrel.ini"_s), QFileDevice::ReadOwner));
    in(prefs, u"moptqp"_s)->click();
    in(prefs, u"chkautoplayer"_s)->click();
    h.dialogs.clear();
    in(prefs, u"cmdsave"_s)->click();
    QVERIFY(prefs && prefs->isVisible());
    in(prefs, u"moptsr"_s)->click();
    in(prefs, u"cmdsave"_s)->click();
    const QString failed = u"INI Write Fail \\| Failed to write new %1 to INI file\rError code "
                           "\\d+ Descr: [^\n]+ \\| Exclamation \\| Ok\n"_s;
    QVERIFY2(matches(u"Save Changes.*\n"_s + failed.arg(u"usequery"_s) +
                         failed.arg(u"autoqplayer"_s) + u"Save Changes.*\n"_s +
                         failed.arg(u"save rcon"_s).chopped(1),
                     boxesShown(h).join(u'\n')),
             qPrintable(boxesShown(h).join(u'\n')));
    QTRY_VERIFY(prefs.isNull() && fileText(h.path(u"vostrel.ini"_s)) == before);
}

void TestMainWindow::preferencesClosedWhileABoxIsUp_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("box"); // the box during which the window goes, from 0
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QByteArray>("file");
    const auto row = [](const char* name, const char* button, int box, const QStringList& titles,
                        const QByteArray& file) {
        QTest::newRow(name) << button << box << titles << file;
    };
    row("the Saved box", "cmdsave", 1, {"Save Changes", "Saved"}, "[options]\r\nsavercon=0\r\n");
    row("the save question", "cmdsave", 0, {"Save Changes"}, {});
    row("the exit question", "cmdexit", 0, {"Have you Saved?"}, {});
}

void TestMainWindow::preferencesClosedWhileABoxIsUp() {
    QFETCH(QString, button);
    QFETCH(int, box);
    Harness h;
    h.startup();
    QPointer<PreferencesDialog> prefs = openPreferences(h);
    in(prefs, u"moptsr"_s)->click();
    // The window closes and goes while the box is up, as the box's own event loop lets it.
    const auto closeWindow = [&prefs] {
        prefs->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    if (box == 0)
        h.dialogs.setWhileNextShown(closeWindow);
    else
        h.dialogs.setWhileNextShown(
            [&h, closeWindow] { h.dialogs.setWhileNextShown(closeWindow); });
    in(prefs, button)->click();
    QVERIFY(prefs.isNull() && openPreferences(h)->isVisible()); // the menu opens a new one
    QTEST(h.dialogs.messageTitles(), "titles");
    QTEST(fileText(h.path(u"vostrel.ini"_s)), "file");
}

void TestMainWindow::mapsPopulate_data() {
    QTest::addColumn<QByteArrayList>("replies"); // to the first, second, ... request
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QStringList>("log");
    const auto row = [](const char* name, const QByteArrayList& replies, const char* commands,
                        const QStringList& names, const QStringList& boxes,
                        const QStringList& log = {}) {
        QTest::newRow(name) << replies << QString::fromUtf8(commands).split(u'|') << names << boxes
                            << log;
    };
    const char* mp = "dir maps/mp bsp";
    row("every name after the dashes",
        {"Directory of maps/mp bsp\n---\nmp_alpha.bsp\nmp_Beta.BSP\n"}, mp, {"mp_alpha", "mp_Beta"},
        {});
    row("cut before the dashes: asked again",
        {"Directory of maps/mp bsp\n", "D\n-\nmp_a.bsp\nmp_b.bsp\nmp_c.bsp"},
        "dir maps/mp bsp|dir maps/mp bsp", {"mp_a", "mp_b", "mp_c"}, {});
    // ioquake3-based servers keep their maps in maps.
    row("the other folder",
        {"Directory of maps/mp bsp\n---\n", "Directory of maps bsp\n---\nq3dm1.bsp\n"},
        "dir maps/mp bsp|dir maps bsp", {"q3dm1"}, {});
    row("empty folders", {"Directory of maps/mp bsp\n---------------\n", "D\n---\n"},
        "dir maps/mp bsp|dir maps bsp", {}, {}, {"No maps found in maps/mp or maps"});
    row("three empty replies: the box", {"", "", ""},
        "dir maps/mp bsp|dir maps/mp bsp|dir maps/mp bsp", {},
        {"Map list not read | The server answered the map list 3 times, but with no list "
         "(an empty reply) | Information | Ok"});
    row("unreadable: its first line", {"x\ny", "x\ny", "x\ny"},
        "dir maps/mp bsp|dir maps/mp bsp|dir maps/mp bsp", {},
        {"Map list not read | The server answered the map list 3 times, but its reply could not "
         "be read:\rx | Information | Ok"});
    row("a usage reply is not asked again", {"usage: dir <directory> [extension]\n"}, mp, {}, {},
        {"Map list not read: usage: dir <directory> [extension]"});
}

void TestMainWindow::mapsPopulate() {
    QFETCH(QByteArrayList, replies);
    Harness h;
    h.connectDirect();
    QObject::connect(&h.sim, &SimServer::datagramReceived, &h.sim, [&] {
        QCOMPARE(h.main->progressNotice()->text(), u"Asking server for map list..."_s);
        for (const QString& folder : {u"maps/mp"_s, u"maps"_s})
            h.sim.setReplyOverride(u"dir "_s + folder + u" bsp"_s,
                                   replies.value(h.commands().size() - 1));
    });
    auto* list = h.find<QListWidget>(u"lstmaps"_s);
    list->addItem(u"left over"_s); // a populate starts from an empty list
    auto* populate = h.find<QPushButton>(u"cmdpopmaps"_s);
    populate->click();
    QVERIFY(!populate->isEnabled()); // one populate at a time
    QVERIFY(h.settle());
    QTEST(items(list->model()), "names");
    QTEST(h.commands(), "commands");
    QTEST(boxesShown(h), "boxes");
    QTEST(h.messageLog(), "log");
    QVERIFY(populate->isEnabled() && !h.main->progressNotice()->isVisible());
    QVERIFY(!h.rconText().contains(".bsp"_L1)); // collected quietly
}

void TestMainWindow::actions_data() {
    QTest::addColumn<QString>("steps"); // while connected, in order, separated by ";"
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<QString>("boxes"); // their titles
    QTest::addColumn<QString>("pane");  // a text the RCON pane shows at the end
    const auto row = [](const char* name, const char* steps, const char* commands, const char* log,
                        const char* boxes, const char* pane = "") {
        QTest::newRow(name) << steps << QString::fromUtf8(commands).split(u'|', Qt::SkipEmptyParts)
                            << QString::fromUtf8(log).split(u'|', Qt::SkipEmptyParts) << boxes
                            << pane;
    };
    // The server answers nothing while it loads: nothing is sent again, no box comes.
    row("maps: load, restart, rotate",
        "click cmdmapload;click cmddefmaps;pick mp_arnhem.bsp;drop 99;click cmdmapload;click "
        "cmdrestartmap;menu commmap_restart;click cmdrotatemap;menu commmap_rotate",
        "map mp_arnhem.bsp|map_restart|map_restart|map_rotate|map_rotate",
        "Map Rotate|Map Rotate|Map Restart|Map Restart", "Select Map");
    // Sent as typed; a line break goes as a blank inside the one command.
    row("misc: set the rotation",
        "edit ;click cmdsetservedit;edit gametype sd map mp_pavlov;click cmdsetservedit;edit "
        "gametype sd\nmap mp_depot;click cmdsetservedit",
        "sv_maprotationcurrent \"gametype sd map mp_pavlov\"|sv_maprotationcurrent \"gametype sd "
        "map mp_depot\"",
        "Set Map rotation to Custom choice.|Set Map rotation to Custom choice.", "");
    row("misc: exec cancelled", "cancel;click cmdcfgexec", "", "", "Exec CFG");
    row("misc: exec", "click cmdcfgexec", "exec server.cfg", "Performed EXEC of server", "Exec CFG",
        "execing server.cfg");
    // Queued behind another command, then withdrawn by a disconnect: nothing is logged.
    row("misc: exec, disconnected before it went",
        "delay 10;click cmdstatus;click cmdcfgexec;click cmdconnect", "Status",
        "Server Status requested", "Exec CFG");
    row("misc: exec, disconnected while it waits for its answer",
        "delay 10;disconnect on arrival;click cmdcfgexec", "exec server.cfg", "", "Exec CFG");
    // Refused: said in the server's words, and the players hear of nothing.
    row("refused in the server's words",
        "unordered;click cmddefmaps;pick mp_arnhem.bsp;click cmdmapload;refuse map_rotate="
        "unknown command: "
        "map_rotate;click cmdrotatemap;edit x;refuse sv_maprotationcurrent \"x\"=unknown command: "
        "sv_maprotationcurrent;click cmdsetservedit;nocfgs;click cmdcfgexec;refuse "
        "setfriendlyfire 2=unknown command: setfriendlyfire;click optff_2;click cmdff",
        // A page's plans go one after the other; other pages' commands go meanwhile.
        "map mp_arnhem.bsp|sv_maprotationcurrent \"x\"|setfriendlyfire 2|map_rotate|exec "
        "server.cfg",
        "EXEC of server not done: couldn't exec server.cfg|Map Rotate not done: unknown command: "
        "map_rotate|Friendly Fire Reflective not done: unknown command: setfriendlyfire|Set Map "
        "rotation not done: unknown command: sv_maprotationcurrent|Load map mp_arnhem.bsp not "
        "done: Can't find map maps/mp/mp_arnhem.bsp",
        "Exec CFG");
    // Get Status and Get Server Info show their answers; an unanswered one gets the box.
    row("console: status and server info",
        "click cmdstatus;click cmsserverinfo;sent 2;drop 5;click cmsserverinfo",
        "Status|serverinfo|serverinfo|serverinfo|serverinfo|serverinfo|serverinfo",
        "Server Info requested|Server Info requested|Server Status requested", "No response",
        "Server info settings:");
}

void TestMainWindow::textTheServerCannotShowIsNotSent_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("field");
    const auto row = [](const char* control, const char* button, const char* field) {
        QTest::newRow(control) << control << button << field;
    };
    row("comdirect", "cmdsend", "console command");
    row("txtcurmaprot_1", "cmdsetservedit", "rotation");
    row("message", "cmdmessage", "message (with the user prefix)");
    row("txtservername", "cmdservsetbasics", "Server Name");
    row("txtservpass", "cmdservsetpass", "join password");
}

// Polish letters the code page lacks: refused where the command is framed, nothing sent.
void TestMainWindow::textTheServerCannotShowIsNotSent() {
    QFETCH(QString, control);
    Harness h;
    h.connectDirect();
    const QString text = u"Zażółć"_s;
    if (auto* line = h.find<QLineEdit>(control))
        line->setText(text);
    else if (auto* combo = h.find<QComboBox>(control))
        combo->setEditText(text);
    else if (auto* edit = h.find<QPlainTextEdit>(control))
        edit->setPlainText(text);
    else
        h.dialogs.setNextInput(text);
    QFETCH(QString, button);
    QVERIFY(h.click(button));
    QFETCH(QString, field);
    QCOMPARE(boxesShown(h).constLast(),
             u"Not sent | The "_s + field +
                 u" holds characters the game server cannot show: żłć\rNothing was sent. Please "
                 "use only the characters of Western European text (Windows-1252). | "
                 "Exclamation | Ok"_s);
    QVERIFY(h.commands().isEmpty());
    QVERIFY(h.messageLog().isEmpty());
}

void TestMainWindow::actions() {
    QFETCH(QString, steps);
    Harness h;
    h.connectDirect();
    h.sim.setCfgFiles({u"server.cfg"_s, u"match.cfg"_s});
    h.main->pages().misc->setCfgNames({u"server"_s, u"match"_s});
    auto* maps = h.find<QListWidget>(u"lstmaps"_s);
    for (const QString& step : steps.split(u';')) {
        const QString what = step.section(u' ', 0, 0), arg = step.section(u' ', 1);
        if (what == "click"_L1)
            h.find<QAbstractButton>(arg)->click();
        else if (what == "menu"_L1)
            trigger(h, arg);
        else if (what == "pick"_L1)
            maps->setCurrentItem(maps->findItems(arg, Qt::MatchExactly).value(0));
        else if (what == "edit"_L1)
            h.find<QPlainTextEdit>(u"txtcurmaprot_1"_s)->setPlainText(arg);
        else if (what == "cancel"_L1)
            h.dialogs.setNextAnswer(Dialogs::Answer::Cancel);
        else if (what == "drop"_L1)
            h.sim.dropNextReplies(arg.toInt());
        else if (what == "refuse"_L1)
            h.sim.setReplyOverride(arg.section(u'=', 0, 0), arg.section(u'=', 1).toUtf8() + '\n');
        else if (what == "nocfgs"_L1)
            h.sim.setCfgFiles({});
        else if (what == "delay"_L1)
            h.sim.setReplyDelayMs(arg.toInt() * Harness::kSecondMs);
        else if (what == "sent"_L1) // the server has received so many commands
            QTRY_COMPARE(h.commands().size(), arg.toInt());
        else if (what == "disconnect"_L1)
            QObject::connect(&h.sim, &SimServer::datagramReceived, h.main.get(),
                             [&h] { h.main->widgets().cmdconnect->click(); });
        QCoreApplication::processEvents(); // a plan queues its first command from the loop
    }
    QVERIFY(h.settle());
    Harness::pause(4);
    QStringList sent = h.commands(), logged = h.messageLog();
    QFETCH(QStringList, commands);
    QFETCH(QStringList, log);
    if (steps.startsWith("unordered;"_L1)) { // how pages' plans interleave depends on the clock
        QVERIFY(sent.indexOf(u"map mp_arnhem.bsp"_s) < sent.indexOf(u"map_rotate"_s));
        for (QStringList* list : {&sent, &commands, &logged, &log})
            list->sort();
    }
    QCOMPARE(sent, commands);
    verifyPaced(h);
    QCOMPARE(logged, log);
    QTEST(h.dialogs.messageTitles().join(u' '), "boxes");
    if (h.dialogs.messageTitles().contains(u"Exec CFG"_s))
        QCOMPARE(boxesShown(h).first(),
                 u"Exec CFG | Are you sure you want to Exec the selected CFG file\rExecuting CFGs "
                 "is at your own risk!\r\rPlease ensure you know what the file performs | "
                 "Question | OkCancel"_s);
    QFETCH(QString, pane);
    QVERIFY2(h.rconText().contains(pane), qPrintable(h.rconText()));
    QVERIFY(!h.rconText().contains(u">>RCON sent"_s));
}

void TestMainWindow::pageControls() {
    Harness h;
    QVERIFY(h.click(u"lblsmrnotes"_s)); // the rotation notes, shown and hidden again
    QCOMPARE(h.find<QPushButton>(u"lblsmrnotes"_s)->text(), u"C&lick to remove"_s);
    QVERIFY(h.click(u"lblsmrnotes"_s) && h.find<QWidget>(u"txtsmrnotes"_s)->isHidden());
    // The server's rotation goes to the edit box, which the other button empties.
    auto* edit = h.find<QPlainTextEdit>(u"txtcurmaprot_1"_s);
    h.main->pages().misc->showServerRotation(u"gametype sd map mp_depot"_s);
    QVERIFY(h.click(u"cmdsmrpaste_0"_s));
    QCOMPARE(edit->toPlainText(), u"gametype sd map mp_depot"_s);
    QVERIFY(h.click(u"cmdsmrpaste_1"_s) && edit->toPlainText().isEmpty());
}

void TestMainWindow::readers_data() {
    QTest::addColumn<QString>("reader");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    int n = 0;
    const auto row = [&n](const char* reader, const QString& input, const char* expected) {
        QTest::addRow("%s %d", reader, ++n) << reader << input << expected;
    };
    for (const char* refused : {"0", "65536", "99999999999", "+28960", "28960.0", "28960x"})
        row("port", refused, "0");
    row("port", " 65535 ", "65535");
    row("status", "\\G_GameType\\sd\\MAPNAME\\mp_carentan\\", "sd|mp_carentan");
    row("cfgs", "server.cfg\n/local.cfg\n/readme.txt\n/b.cfg", "local,b"); // packed ones have no /
    row("cfgs", "/SERVER.CFG\r\n/x.cfg.cfg\r\n", "SERVER,x");
    row("saved", "cod.example", "yes"); // inside a longer address, in any case
    // Every name after the dashes, the first one too; letter case kept.
    row("maps", "Directory of maps/mp bsp\n-----\nMP_Har bor.v2.BsP\nmp_x.bSp\nreadme",
        "MP_Har bor.v2,mp_x");
    const QString captured = wire1252::decode(captures::bytes("rcon_dir_maps_bsp.bin"))
                                 .remove(QString(4, QChar(0xFF)) + u"print\n"_s);
    row("maps", captured, "72 aggressor..wrackdm17");
    row("switch", "", "10");
    row("number", "12abc", "12");
    row("number", "2.5", "2"); // halves to even
    // Where the files go. Started in /w, the program in /p, the user's folders /c and /d.
    row("files", "|/w/vostrel.ini,/p/vostrel.ini", "/w/vostrel.ini|/w"); // portable
    row("files", "|/p/vostrel.ini", "/p/vostrel.ini|/p");                // portable, beside it
    row("files", "my.ini|/w/vostrel.ini", "/w/my.ini|/d");               // --config
    row("files", "/etc/v.ini|", "/etc/v.ini|/d");
    row("files", "|/c/vostrel.ini", "/c/vostrel.ini|/d"); // neither: the user's folders
}

void TestMainWindow::readers() {
    QFETCH(QString, reader);
    QFETCH(QString, input);
    QTEST(reading(reader, input), "expected");
}

void TestMainWindow::settingsFile() {
    Harness h(false);
    ProfileFile file(h.path(u"vostrel.ini"_s));
    // Names in any case; the first of two keys counts; an empty number keeps its default; texts
    // are cut; garbage does no harm, also when the options come after 17 MiB of it.
    const QByteArray x(70, 'x');
    h.writeSettings("\x01\xff[[[\r\n=novalue\r\n" + QByteArray(17 << 20, 'z') +
                    "\r\n[OPTIONS]\r\nAutoKick999Int=\r\nautoqplayerint=99999\r\nautoconnectserv=" +
                    x + "\r\nautoconnectport=" + x + "\r\nautoconnectrcon=" + x +
                    "\r\nlater=2\r\n; end\r\n[options]\r\nautokick999int=4\r\n[set0]\r\n");
    const Options o = loadOptions(file);
    QCOMPARE((QList<qsizetype>{o.autokick999int, o.autoqplayerint, o.autoconnectserv.size(),
                               o.autoconnectport.size(), o.autoconnectrcon.size()}),
             (QList<qsizetype>{3, 32767, 29, 6, 19}));
    // A write keeps every other line; a line break in a value cannot start a key of its own;
    // text the file's code page cannot hold is refused, not written changed.
    const QByteArray before = fileText(file.path());
    QVERIFY(file.write(u"OPTIONS"_s, u"usequery"_s, u"1"_s));
    QVERIFY(file.write(u"set0"_s, u"mess0"_s, u"hi\r\n[options]\nautoconnect=1"_s));
    QVERIFY(!file.write(u"options"_s, u"autoconnectrcon"_s, u"passΩword"_s));
    QVERIFY(file.errorDescription().endsWith(u": Ω"_s));
    QCOMPARE(fileText(file.path()),
             QByteArray(before).replace("later=2\r\n", "later=2\r\nusequery=1\r\n") +
                 "mess0=hi  [options] autoconnect=1\r\n");
    // Saved servers are read up to the first gap, so a blank address is left out; IPv6 entries
    // keep their colons.
    ProfileFile fresh(h.path(u"fresh.ini"_s));
    QVERIFY(
        writeServerRecords(
            fresh,
            {{u"::1"_s, u"28960"_s, u"pa"_s}, {u" "_s, u"1"_s, u"x"_s}, {u"b"_s, u"2"_s, u"pb"_s}},
            0)
            .ok &&
        fresh.write(u"servers"_s, u"server4"_s, u"d"_s));
    QStringList servers;
    for (const ServerRecord& server : readServerRecords(fresh))
        servers << server.entry() + u' ' + server.password;
    QCOMPARE(servers, (QStringList{"::1:28960 pa", "b:2 pb"}));
    // The list goes in one replace of the file: a new address never meets an old password.
    const QByteArray list = fileText(fresh.path());
    QVERIFY(!writeServerRecords(fresh, {{u"new.net"_s, u"1"_s, u"pΩ"_s}}, 2).ok);
    QCOMPARE(fileText(fresh.path()), list);
}

void TestMainWindow::settingsFileBytes_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");      // read back; "-" for none
    QTest::addColumn<QByteArray>("written"); // the file after "j=2" is written in the section
    const auto row = [](const char* name, const QByteArray& file, const QString& section,
                        const QString& key, const QString& value, const QByteArray& written) {
        QTest::newRow(name) << file << section << key << value << written;
    };
    row("a no-break space is a blank, an ellipsis is not",
        "[\xa0s\xa0]\r\n\xa0k\xa0=\xa0v\x85\xa0\r\n; end\r\n", "S", "K", u"v\u2026"_s,
        "[\xa0s\xa0]\r\n\xa0k\xa0=\xa0v\x85\xa0\r\nj=2\r\n; end\r\n");
    row("names match in any case beyond ASCII", "[\xc9t\xc9]\r\n\xc9=1\r\n", u"\u00c9T\u00c9"_s,
        u"\u00e9"_s, "1", "[\xc9t\xc9]\r\n\xc9=1\r\nj=2\r\n");
    row("line breaks become CR LF, a lone CR at the end goes", "x\n[s]\nk=1\r\r\nz\n\r", "s", "k",
        "1", "x\r\n[s]\r\nk=1\r\r\nj=2\r\nz\r\n");
    row("other bytes kept as they are", QByteArrayLiteral("\x81\x00\x9d\r\n[s]\r\nk=\x80\x9f\r\n"),
        "s", "k", u"\u20ac\u0178"_s,
        QByteArrayLiteral("\x81\x00\x9d\r\n[s]\r\nk=\x80\x9f\r\nj=2\r\n"));
    row("two sections of a name: read as one, written in the first",
        "[s]\r\nk=1\r\n[t]\r\n[S]\r\nk=2\r\nm=3\r\n", "s", "m", "3",
        "[s]\r\nk=1\r\nj=2\r\n[t]\r\n[S]\r\nk=2\r\nm=3\r\n");
    row("a new section at the end", "[s]\r\nk=1", "new", "k", "-",
        "[s]\r\nk=1\r\n[new]\r\nj=2\r\n");
}

// The file is read and rewritten as bytes: the blanks, names in any case and every other
// line must come out as they would through the file's code page.
void TestMainWindow::settingsFileBytes() {
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    Harness h(false);
    h.writeSettings(file);
    ProfileFile settings(h.path(u"vostrel.ini"_s));
    QTEST(settings.read(section, key, u"-"_s), "value");
    QVERIFY(settings.write(section, u"j"_s, u"2"_s));
    QTEST(fileText(settings.path()), "written");
}

void TestMainWindow::privateFiles_data() {
    QTest::addColumn<QString>("file"); // written in two folders that are not there yet
    QTest::addColumn<int>("before");   // the mode of the file before; -1: none
    QTest::newRow("new settings file") << u"vostrel.ini"_s << -1;
    QTest::newRow("settings file that was 0644") << u"vostrel.ini"_s << 0644;
    QTest::newRow("settings file that was 0666") << u"vostrel.ini"_s << 0666;
    QTest::newRow("RCON log saved at exit") << u"log"_s << -1;
    QTest::newRow("RCON log that was 0644") << u"log"_s << 0644;
    QTest::newRow("player list") << u"playerlist.csv"_s << -1;
    QTest::newRow("player list that was 0666") << u"playerlist.csv"_s << 0666;
    QTest::newRow("window state that was 0644, a lock left") << u"vostrel-window.ini"_s << 0644;
}

void TestMainWindow::privateFiles() {
    QFETCH(QString, file);
    QFETCH(int, before);
    namespace fs = std::filesystem;
    const auto mode = [](const QString& path) {
        return int(fs::status(path.toStdString()).permissions() & fs::perms::mask);
    };
    Harness h(false);
    const QString folder = h.path(u"data/vostrel"_s);
    QString path = folder + u'/' + file;
    const QByteArray kept = before < 0 ? "" : "[a]\r\nb=1\r\n";
    SharedState& state = h.main->session().state();
    if (file == "log"_L1)
        path = folder + u'/' + dated("vostrel_rcon_");
    if (before >= 0) {
        QVERIFY(QDir().mkpath(folder));
        fs::permissions(folder.toStdString(), fs::perms(0755));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(kept) == kept.size());
        fs::permissions(path.toStdString(), fs::perms(before));
    }
    if (file == "log"_L1) {
        state.files.dataFolder = folder;
        h.main->logs().saveRcon(false);
    } else if (file == "vostrel-window.ini"_L1) {
        // A run killed while it saved left its lock; the next start removes it.
        state.files.settingsFile = folder + u"/vostrel.ini"_s;
        QFile lock(path + u".lock"_s);
        QVERIFY(lock.open(QIODevice::WriteOnly) && lock.write("99999999\nvostrel\nhost\n") > 0 &&
                lock.flush());
        QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                 QFileDevice::FileModificationTime));
        lock.close();
        h.startup();
        QVERIFY(!QFile::exists(lock.fileName()));
        h.main->close();
        QVERIFY(fileText(path).contains("geometry="));
    } else if (file == "playerlist.csv"_L1) {
        QVERIFY(playerexport::append(path, {{"10.0.0.1", "g", "n"}}, u"s:1"_s, {}, false, nullptr));
    } else {
        QVERIFY(ProfileFile(path).write(u"options"_s, u"usequery"_s, u"1"_s));
        QCOMPARE(fileText(path), kept + "[options]\r\nusequery=1\r\n");
    }
    QCOMPARE(mode(path), 0600);
    if (before < 0) // new folders are the owner's too
        QCOMPARE(mode(folder) | mode(h.path(u"data"_s)), 0700);
    else if (!file.startsWith(u"vostrel"_s)) // the logs' folder, also when it was there
        QCOMPARE(mode(folder), 0700);
}

void TestMainWindow::staleTemporaryRemoved() {
    Harness h(false);
    // A save cut short leaves its temporary beside the settings file; the next start removes it.
    const QString temporary = h.path(u"vostrel.ini.k3Xq9Z"_s);
    QFile cut(temporary);
    QVERIFY(cut.open(QIODevice::WriteOnly) && cut.write("[servers]\r\nserv") > 0);
    cut.close();
    QCOMPARE(ProfileFile(h.path(u"vostrel.ini"_s)).staleTemporaries(), QStringList{temporary});
    h.startup();
    QVERIFY(!QFile::exists(temporary));
    // A save that completes leaves nothing beside the file.
    QVERIFY(h.main->settings().write(u"options"_s, u"usequery"_s, u"1"_s));
    QCOMPARE(QDir(h.dir()).entryList({u"vostrel.ini*"_s}, QDir::AllEntries | QDir::Hidden),
             QStringList{u"vostrel.ini"_s});
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
