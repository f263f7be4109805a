#include "support/Harness.h"

#include "ui/ConnectController.h"
#include "ui/ProgressNotice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

const QString kGameModeLine = QStringLiteral("Server running game mode [dm] on map [mp_harbor]");

QByteArray oob(const QByteArray& text) {
    return QByteArray(4, '\xff') + text;
}

void fill(Harness& h, const QString& server, const QString& port, const QString& password) {
    const MainWidgets& w = h.main->widgets();
    w.comserver->setEditText(server);
    w.comport->setEditText(port);
    w.txtPWD->setText(password);
}

void fillSim(Harness& h) {
    fill(h, QStringLiteral("127.0.0.1"), QString::number(h.sim.port()),
         h.sim.cvar(QStringLiteral("rconpassword")));
}

void clickConnect(Harness& h) {
    h.find<QPushButton>(QStringLiteral("cmdconnect"))->click();
}

// Tag, caption, whether the three fields are locked, whether the socket is open.
QString connectionState(Harness& h) {
    const MainWidgets& w = h.main->widgets();
    const bool serverLocked = w.comserver->lineEdit()->isReadOnly();
    const bool portLocked = w.comport->lineEdit()->isReadOnly();
    const bool passwordLocked = w.txtPWD->isReadOnly();
    QString locks = serverLocked && portLocked && passwordLocked ? QStringLiteral("locked")
                    : !serverLocked && !portLocked && !passwordLocked
                        ? QStringLiteral("unlocked")
                        : QStringLiteral("partly locked");
    return w.cmdconnect->property("tag").toString() + u'|' + w.cmdconnect->text() + u'|' + locks +
           u'|' +
           (h.main->session().channel().isOpen() ? QStringLiteral("open")
                                                 : QStringLiteral("closed"));
}
const QString kConnected = QStringLiteral("YES|Disconnect|locked|open");
const QString kDisconnected = QStringLiteral("NO|Connect|unlocked|closed");

QStringList comboItems(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

// The Misc page as a connect leaves it: rotation text, bold or not, copy buttons, CFG list
// with the current entry marked by "*", and the Exec button.
QString miscState(Harness& h) {
    const auto* rotation = h.find<QPlainTextEdit>(QStringLiteral("txtcurmaprot_0"));
    const auto* copy = h.find<QPushButton>(QStringLiteral("cmdsmrpaste_0"));
    const auto* clear = h.find<QPushButton>(QStringLiteral("cmdsmrpaste_1"));
    const auto* cfgs = h.find<QComboBox>(QStringLiteral("lstcfgs"));
    const auto* exec = h.find<QPushButton>(QStringLiteral("cmdcfgexec"));
    if (!rotation || !copy || !clear || !cfgs || !exec)
        return QStringLiteral("Misc page controls missing");
    QStringList items = comboItems(cfgs);
    if (cfgs->currentIndex() >= 0)
        items[cfgs->currentIndex()].prepend(u'*');
    return rotation->toPlainText() + (rotation->font().bold() ? QStringLiteral(" (bold)") : "") +
           QStringLiteral(" | copy ") +
           (copy->isEnabled() && clear->isEnabled() ? QStringLiteral("on")
                                                    : QStringLiteral("off")) +
           QStringLiteral(" | ") + items.join(u',') + QStringLiteral(" | exec ") +
           (exec->isEnabled() ? QStringLiteral("on") : QStringLiteral("off"));
}
const QString kPresets = QStringLiteral(
    "Server did not give rotation. (bold) | copy off | *No CFGs on server | exec off");

// What the progress notice showed each time the server received a datagram.
class ProgressAtEachDatagram : public QObject {
public:
    explicit ProgressAtEachDatagram(Harness& h) {
        connect(&h.sim, &SimServer::datagramReceived, this, [this, &h] {
            const ProgressNotice* notice = h.main->progressNotice();
            seen << (notice->isVisible() ? notice->text() : QStringLiteral("(hidden)"));
        });
    }
    QStringList seen;
};

QString datedLog(const QString& prefix) {
    return prefix + QDate::currentDate().toString(QStringLiteral("ddMMyy")) +
           QStringLiteral(".log");
}

QString fileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

} // namespace

class TestConnect : public QObject {
    Q_OBJECT
private slots:
    void fullConnect();
    void automaticConnectAtStartup();
    void trimsTheFields();
    void refusedPassword_data();
    void refusedPassword();
    void refusedBeforeSending_data();
    void refusedBeforeSending();
    void hostName();
    void ipv6Address();
    void noReplyToStatus();
    void noReplyToGetstatus();
    void incompleteGetstatus();
    void cfgListing_data();
    void cfgListing();
    void disconnectKeepsLogs();
    void disconnectStopsThePlayerRefresh();
    void socketErrorShowsDisconnected();
    void lockedFieldsKeepTheirValues();
    void secondClickWhileConnectingIsIgnored();
};

void TestConnect::fullConnect() {
    Harness h;
    SharedState& state = h.main->session().state();
    state.options.autoqplayer = true;
    state.Player999 = {Player999Entry{2, QStringLiteral("Laggy"), QStringLiteral("4"), true}};
    h.main->addrcon(QStringLiteral("old pane line\r\n"));
    h.main->addmessage(QStringLiteral("old log line"));
    ProgressAtEachDatagram progress(h);

    fillSim(h);
    clickConnect(h);

    const QString pw = h.sim.cvar(QStringLiteral("rconpassword"));
    // The player refresh that Auto Update starts may follow these four.
    QCOMPARE(h.sim.received().mid(0, 4),
             (QList<QByteArray>{oob("rcon " + pw.toLatin1() + " status"), oob("getstatus"),
                                oob("rcon " + pw.toLatin1() + " cvarlist sv_maprotation"),
                                oob("rcon " + pw.toLatin1() + " fdir *.cfg")}));
    QCOMPARE(connectionState(h), kConnected);
    QVERIFY(h.dialogs.shown().isEmpty());

    // The old logs were saved, then emptied.
    QVERIFY(fileText(h.path(datedLog(QStringLiteral("vostrel_rcon_")))).contains("old pane line"));
    QVERIFY(
        fileText(h.path(datedLog(QStringLiteral("vostrel_messages_")))).contains("old log line"));
    QCOMPARE(h.messageLog(), QStringList{QStringLiteral("Connected to server 127.0.0.1:") +
                                         QString::number(h.sim.port())});
    // Only the status reply and the game-mode line reach the pane.
    const QString pane = h.rconText();
    QVERIFY2(pane.startsWith(QStringLiteral("map: mp_harbor\n")), qPrintable(pane));
    QVERIFY2(pane.endsWith(QStringLiteral("\n") + kGameModeLine), qPrintable(pane));
    QVERIFY(!pane.contains(QStringLiteral("old pane line")));
    QVERIFY(!pane.contains(QStringLiteral("sv_maprotation")));
    QVERIFY(!pane.contains(QStringLiteral("files listed")));

    QCOMPARE(miscState(h), h.sim.cvar(QStringLiteral("sv_maprotation")) +
                               QStringLiteral(" | copy on | *server,dedicated,sd,ctf | exec on"));
    QCOMPARE(state.Player999.size(), 1);
    QVERIFY(state.Player999.first().name.isEmpty());
    QCOMPARE(state.Player999.first().count, qint16(0));
    QVERIFY(!state.collectquiet);

    QCOMPARE(progress.seen.mid(1, 3),
             (QStringList{QStringLiteral("Asking server for status"),
                          QStringLiteral("Asking server for status\r\n"
                                         "Asking server for Map rotation"),
                          QStringLiteral("Asking server for status\r\n"
                                         "Asking server for Map rotation\r\n"
                                         "Asking server for cfg files")}));
    QVERIFY(!h.main->progressNotice()->isVisible());
    if (auto* autoUpdate = h.find<QCheckBox>(QStringLiteral("chkautoupdate")))
        QVERIFY(autoUpdate->isChecked());
}

void TestConnect::automaticConnectAtStartup() {
    Harness h;
    h.writeSettings("[options]\r\nautoconnect=1\r\nautoconnectserv=127.0.0.1\r\n"
                    "autoconnectport=" +
                    QByteArray::number(h.sim.port()) + "\r\nautoconnectrcon=" +
                    h.sim.cvar(QStringLiteral("rconpassword")).toLatin1() + "\r\n");
    h.main->addrcon(QStringLiteral("old pane line\r\n"));
    h.main->addmessage(QStringLiteral("old log line"));
    ProgressAtEachDatagram progress(h);

    h.startup();

    QCOMPARE(h.commands(),
             (QStringList{"status", "getstatus", "cvarlist sv_maprotation", "fdir *.cfg"}));
    QCOMPARE(connectionState(h), kConnected);
    // While loading nothing is cleared or saved, no progress is shown, and of the replies only
    // the game-mode line reaches the pane.
    QCOMPARE(h.rconText(), QStringLiteral("old pane line\n") + kGameModeLine);
    QCOMPARE(h.messageLog(), (QStringList{QStringLiteral("Connected to server 127.0.0.1:") +
                                              QString::number(h.sim.port()),
                                          QStringLiteral("old log line")}));
    QVERIFY(QDir(h.dir()).entryList({QStringLiteral("*.log")}).isEmpty());
    QCOMPARE(progress.seen, QStringList(4, QStringLiteral("(hidden)")));
    QCOMPARE(miscState(h), h.sim.cvar(QStringLiteral("sv_maprotation")) +
                               QStringLiteral(" | copy on | *server,dedicated,sd,ctf | exec on"));
}

void TestConnect::trimsTheFields() {
    Harness h;
    fill(h, QStringLiteral("  127.0.0.1 "), QLatin1Char(' ') + QString::number(h.sim.port()) + " ",
         QStringLiteral(" secret  "));
    clickConnect(h);
    const MainWidgets& w = h.main->widgets();
    QCOMPARE(w.comserver->currentText(), QStringLiteral("127.0.0.1"));
    QCOMPARE(w.comport->currentText(), QString::number(h.sim.port()));
    QCOMPARE(w.txtPWD->text(), QStringLiteral("secret"));
    QCOMPARE(h.sim.received().value(0), oob("rcon secret status"));
    QCOMPARE(connectionState(h), kConnected);
}

void TestConnect::refusedPassword_data() {
    QTest::addColumn<QString>("serverPassword");
    QTest::addColumn<QString>("typedPassword");
    QTest::addColumn<QByteArray>("statusReply"); // empty: the server's own answer
    QTest::addColumn<QString>("message");

    const QString invalid = QStringLiteral("Invalid Rcon password, no connection established");
    const auto row = [](const char* name, const QString& serverPassword, const QString& typed,
                        const QByteArray& reply, const QString& message) {
        QTest::newRow(name) << serverPassword << typed << reply << message;
    };
    row("wrong password", "secret", "guess", {}, invalid);
    row("mixed-case refusal", "secret", "secret", "bAD RconPASSword.\n", invalid);
    row("upper-case refusal", "secret", "secret", "BAD RCONPASSWORD\n", invalid);
    row("no password on the server", "", "anything", {},
        "The server has no RCON password set, no connection established");
}

void TestConnect::refusedPassword() {
    QFETCH(QString, serverPassword);
    QFETCH(QString, typedPassword);
    QFETCH(QByteArray, statusReply);
    QFETCH(QString, message);

    Harness h;
    h.sim.setRconPassword(serverPassword);
    if (!statusReply.isEmpty())
        h.sim.setReplyOverride(QStringLiteral("status"), statusReply);
    fill(h, QStringLiteral("127.0.0.1"), QString::number(h.sim.port()), typedPassword);
    clickConnect(h);

    QCOMPARE(h.commands(), QStringList{QStringLiteral("status")});
    QCOMPARE(h.dialogs.messages().size(), 1);
    const ScriptedDialogs::Shown box = h.dialogs.messages().first();
    QCOMPARE(box.text, message);
    QCOMPARE(box.title, QStringLiteral("No connection"));
    QCOMPARE(box.icon, Dialogs::Icon::Exclamation);
    QCOMPARE(connectionState(h), kDisconnected);
    QVERIFY(h.messageLog().isEmpty());
    QVERIFY(!h.main->progressNotice()->isVisible());
}

void TestConnect::refusedBeforeSending_data() {
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("message"); // the start of the box's text
    QTest::addColumn<QString>("title");

    const auto row = [](const char* name, const char* server, const char* port,
                        const char* password, const char* message, const char* title) {
        QTest::newRow(name) << QString::fromLatin1(server) << QString::fromLatin1(port)
                            << QString::fromLatin1(password) << QString::fromLatin1(message)
                            << QString::fromLatin1(title);
    };
    const char* missing = "Please provide all fields, Server, Port and password";
    const char* badPort = "Please provide a port number from 1 to 65535";
    row("no address", "", "28960", "pw", missing, "Error...");
    row("no port", "127.0.0.1", "", "pw", missing, "Error...");
    row("no password", "127.0.0.1", "28960", "", missing, "Error...");
    row("password of blanks", "127.0.0.1", "28960", "   ", missing, "Error...");
    row("port a word", "127.0.0.1", "port", "pw", badPort, "Error...");
    row("port zero", "127.0.0.1", "0", "pw", badPort, "Error...");
    row("port too high", "127.0.0.1", "65536", "pw", badPort, "Error...");
    row("port negative", "127.0.0.1", "-28960", "pw", badPort, "Error...");
    row("port fraction", "127.0.0.1", "28960.5", "pw", badPort, "Error...");
    // The reserved top-level name never resolves, so no outside lookup is needed.
    row("unknown host name", "no-such-server.invalid", "28960", "pw",
        "Cannot find the server no-such-server.invalid\r", "Server not found");
}

void TestConnect::refusedBeforeSending() {
    QFETCH(QString, server);
    QFETCH(QString, port);
    QFETCH(QString, password);
    QFETCH(QString, message);
    QFETCH(QString, title);

    Harness h;
    fill(h, server, port, password);
    clickConnect(h);
    Harness::pause(0.5);

    QVERIFY(h.sim.received().isEmpty());
    QCOMPARE(h.dialogs.messages().size(), 1);
    QVERIFY2(h.dialogs.messages().first().text.startsWith(message),
             qPrintable(h.dialogs.messages().first().text));
    QCOMPARE(h.dialogs.messages().first().title, title);
    QCOMPARE(h.dialogs.messages().first().icon, Dialogs::Icon::Exclamation);
    QCOMPARE(connectionState(h), kDisconnected);
}

void TestConnect::hostName() {
    Harness h;
    fill(h, QStringLiteral("localhost"), QString::number(h.sim.port()),
         h.sim.cvar(QStringLiteral("rconpassword")));
    clickConnect(h);
    QCOMPARE(h.commands().value(0), QStringLiteral("status"));
    QCOMPARE(connectionState(h), kConnected);
    QCOMPARE(h.messageLog().last(),
             QStringLiteral("Connected to server localhost:") + QString::number(h.sim.port()));
    QVERIFY(h.dialogs.shown().isEmpty());
}

void TestConnect::ipv6Address() {
    Harness h(false);
    h.sim.setRateLimitMs(0);
    h.sim.setMaxPrintBytes(0);
    if (!h.sim.start(0, QHostAddress::LocalHostIPv6))
        QSKIP("no IPv6 loopback here");
    fill(h, QStringLiteral("::1"), QString::number(h.sim.port()),
         h.sim.cvar(QStringLiteral("rconpassword")));
    clickConnect(h);
    QCOMPARE(h.commands(),
             (QStringList{"status", "getstatus", "cvarlist sv_maprotation", "fdir *.cfg"}));
    QCOMPARE(connectionState(h), kConnected);
    QVERIFY(h.rconText().endsWith(kGameModeLine));
}

void TestConnect::noReplyToStatus() {
    Harness h;
    // Five status attempts and the public status query all go unanswered.
    h.sim.dropNextReplies(6);
    fillSim(h);
    clickConnect(h);

    QCOMPARE(h.commands(),
             (QStringList{"status", "status", "status", "status", "status", "getstatus"}));
    QCOMPARE(h.dialogs.messageTitles(), QStringList{QStringLiteral("No response")});
    QCOMPARE(connectionState(h), kConnected);
    QCOMPARE(miscState(h), kPresets);
    QVERIFY(!h.rconText().contains(QStringLiteral("Server running game mode")));
    QVERIFY(!h.main->progressNotice()->isVisible());
    QVERIFY(!h.main->session().state().collectquiet);
}

void TestConnect::noReplyToGetstatus() {
    Harness h;
    h.main->session().state().options.autoqplayer = true;
    QObject::connect(&h.sim, &SimServer::datagramReceived, &h.sim, [&h](const QByteArray& bytes) {
        if (bytes == oob("getstatus"))
            h.sim.dropNextReplies(1);
    });
    fillSim(h);
    clickConnect(h);
    Harness::pause(3);

    // Game type, map, rotation and CFG files are not asked for; no refresh starts.
    QCOMPARE(h.commands(), (QStringList{"status", "getstatus"}));
    QCOMPARE(connectionState(h), kConnected);
    QCOMPARE(miscState(h), kPresets);
    QVERIFY(h.dialogs.shown().isEmpty());
    QVERIFY(!h.main->progressNotice()->isVisible());
    if (auto* autoUpdate = h.find<QCheckBox>(QStringLiteral("chkautoupdate")))
        QVERIFY(!autoUpdate->isChecked());
}

void TestConnect::incompleteGetstatus() {
    Harness h;
    // Neither value is closed by a backslash, and the map is missing.
    h.sim.setGetstatusOverride("statusResponse\n\\gamename\\main\\g_gametype\\sd\n");
    fillSim(h);
    clickConnect(h);
    QVERIFY(h.rconText().endsWith(QStringLiteral("Server running game mode [sd] on map []")));
    QCOMPARE(connectionState(h), kConnected);
    QCOMPARE(h.commands().size(), 4);
}

void TestConnect::cfgListing_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("cfgState"); // the CFG part of miscState
    QTest::addColumn<bool>("noCfgLine");

    QTest::newRow("two files")
        << QByteArray("---------------\n/server.cfg\n/dedicated.cfg\n2 files listed\n")
        << "*server,dedicated | exec on" << false;
    QTest::newRow("no cfg line") << QByteArray("---------------\n0 files listed\n")
                                 << "*No CFGs on server | exec off" << false;
    QTest::newRow("empty reply") << QByteArray("") << "*No CFGs on server | exec off" << true;
    QTest::newRow("last file without line feed")
        << QByteArray("/server.cfg\n/league.cfg") << "*server,league | exec on" << false;
}

void TestConnect::cfgListing() {
    QFETCH(QByteArray, reply);
    QFETCH(QString, cfgState);
    QFETCH(bool, noCfgLine);

    Harness h;
    h.sim.setReplyOverride(QStringLiteral("fdir *.cfg"), reply);
    fillSim(h);
    clickConnect(h);

    QCOMPARE(h.commands().last(), QStringLiteral("fdir *.cfg"));
    QCOMPARE(miscState(h).section(QStringLiteral(" | "), 2), cfgState);
    QCOMPARE(
        h.messageLog().contains(QStringLiteral("Server has no CFG files - Disabling fields...")),
        noCfgLine);
}

void TestConnect::disconnectKeepsLogs() {
    Harness h;
    fillSim(h);
    clickConnect(h);
    QCOMPARE(connectionState(h), kConnected);
    h.main->addmessage(QStringLiteral("before disconnect"));
    const QString pane = h.rconText();
    const QStringList log = h.messageLog();
    const int sent = int(h.sim.received().size());

    clickConnect(h);

    QCOMPARE(connectionState(h), kDisconnected);
    QCOMPARE(h.rconText(), pane);
    QCOMPARE(h.messageLog(), log);
    QCOMPARE(h.sim.received().size(), sent);
    QCOMPARE(miscState(h), QStringLiteral(" | copy off |  | exec off"));
    QVERIFY(h.dialogs.shown().isEmpty());

    // The socket is really closed: the next command is refused.
    h.find<QPushButton>(QStringLiteral("cmdstatus"))->click();
    QCOMPARE(h.dialogs.messageTitles(), QStringList{QStringLiteral("Not connected")});
    QCOMPARE(h.sim.received().size(), sent);
}

void TestConnect::disconnectStopsThePlayerRefresh() {
    Harness h;
    auto* autoUpdate = h.find<QCheckBox>(QStringLiteral("chkautoupdate"));
    auto* timer = h.main->findChild<QTimer*>(QStringLiteral("tmrplayer"));
    if (!autoUpdate || !timer)
        QSKIP("the Players page has no automatic refresh yet");
    h.main->session().state().options.autoqplayer = true;
    fillSim(h);
    clickConnect(h);
    QVERIFY(autoUpdate->isChecked());
    QVERIFY(timer->isActive());

    clickConnect(h);
    QCOMPARE(connectionState(h), kDisconnected);
    QVERIFY(!autoUpdate->isChecked());
    QVERIFY(!timer->isActive());
    // For this run only: the settings file is not touched.
    QVERIFY(!h.main->session().state().options.autoqplayer);
    QVERIFY(!QFile::exists(h.path(QStringLiteral("vostrel.ini"))));
}

void TestConnect::socketErrorShowsDisconnected() {
    Harness h;
    fillSim(h);
    clickConnect(h);
    QCOMPARE(connectionState(h), kConnected);

    emit h.main->session().channel().closedByError(QStringLiteral("Network unreachable"));

    QCOMPARE(connectionState(h), kDisconnected);
    QCOMPARE(h.messageLog().first(),
             QStringLiteral("Connection to server lost: Network unreachable"));
    QCOMPARE(miscState(h), QStringLiteral(" | copy off |  | exec off"));
}

void TestConnect::lockedFieldsKeepTheirValues() {
    Harness h;
    const MainWidgets& w = h.main->widgets();
    w.comport->addItem(QStringLiteral("27960"));
    fillSim(h);
    w.comport->addItem(w.comport->currentText());
    w.comport->setCurrentIndex(1);
    clickConnect(h);
    QCOMPARE(connectionState(h), kConnected);
    const QString server = w.comserver->currentText();
    const QString port = w.comport->currentText();

    QTest::keyClicks(w.comserver, QStringLiteral("x"));
    QTest::keyClick(w.comport, Qt::Key_Up);
    QTest::keyClick(w.comport, Qt::Key_PageUp);
    QTest::keyClicks(w.txtPWD, QStringLiteral("y"));
    QCOMPARE(w.comserver->currentText(), server);
    QCOMPARE(w.comport->currentText(), port);
    QCOMPARE(w.txtPWD->text(), h.sim.cvar(QStringLiteral("rconpassword")));

    clickConnect(h);
    QTest::keyClick(w.comport, Qt::Key_Up);
    QCOMPARE(w.comport->currentText(), QStringLiteral("27960"));
}

void TestConnect::secondClickWhileConnectingIsIgnored() {
    Harness h;
    h.sim.dropNextReplies(1); // the first status goes unanswered, so the connect waits
    fillSim(h);
    QTimer::singleShot(Harness::kSecondMs, h.main.get(), [&h] { clickConnect(h); });
    clickConnect(h);

    QCOMPARE(h.commands(), (QStringList{"status", "status", "getstatus", "cvarlist sv_maprotation",
                                        "fdir *.cfg"}));
    QCOMPARE(h.messageLog().filter(QStringLiteral("Connected to server")).size(), 1);
    QCOMPARE(connectionState(h), kConnected);
    QVERIFY(!h.main->connection().isConnecting());
}

QTEST_MAIN(TestConnect)
#include "tst_connect.moc"
