#include "support/Harness.h"

#include "ui/ProgressNotice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
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

QString password(Harness& h) {
    return h.sim.cvar(QStringLiteral("rconpassword"));
}

void connectTo(Harness& h, const QString& server = QStringLiteral("127.0.0.1")) {
    fill(h, server, QString::number(h.sim.port()), password(h));
    h.find<QPushButton>(QStringLiteral("cmdconnect"))->click();
}

QString connectedLine(Harness& h, const QString& server = QStringLiteral("127.0.0.1")) {
    return QStringLiteral("Connected to server ") + server + u':' + QString::number(h.sim.port());
}

// Tag, caption, how many of the three fields are locked, whether the socket is open.
QString connectionState(Harness& h) {
    const MainWidgets& w = h.main->widgets();
    const int locked = int(w.comserver->lineEdit()->isReadOnly()) +
                       int(w.comport->lineEdit()->isReadOnly()) + int(w.txtPWD->isReadOnly());
    return QStringLiteral("%1|%2|%3 locked|%4")
        .arg(w.cmdconnect->property("tag").toString(), w.cmdconnect->text(),
             QString::number(locked),
             h.main->session().channel().isOpen() ? QStringLiteral("open")
                                                  : QStringLiteral("closed"));
}
const QString kConnected = QStringLiteral("YES|Disconnect|3 locked|open");
const QString kDisconnected = QStringLiteral("NO|Connect|0 locked|closed");

// The Misc page as a connect leaves it: rotation text, bold or not, copy buttons, CFG list
// with the current entry marked by "*", and the Exec button.
QString miscState(Harness& h) {
    const auto* rotation = h.find<QPlainTextEdit>(QStringLiteral("txtcurmaprot_0"));
    const auto* copy = h.find<QPushButton>(QStringLiteral("cmdsmrpaste_0"));
    const auto* clear = h.find<QPushButton>(QStringLiteral("cmdsmrpaste_1"));
    const auto* cfgs = h.find<QComboBox>(QStringLiteral("lstcfgs"));
    const auto* exec = h.find<QPushButton>(QStringLiteral("cmdcfgexec"));
    QStringList items;
    for (int i = 0; i < cfgs->count(); ++i)
        items << (i == cfgs->currentIndex() ? QStringLiteral("*") : QString()) + cfgs->itemText(i);
    const auto onOff = [](bool on) { return on ? QStringLiteral("on") : QStringLiteral("off"); };
    return rotation->toPlainText() + (rotation->font().bold() ? QStringLiteral(" (bold)") : "") +
           QStringLiteral(" | copy ") + onOff(copy->isEnabled() && clear->isEnabled()) +
           QStringLiteral(" | ") + items.join(u',') + QStringLiteral(" | exec ") +
           onOff(exec->isEnabled());
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

QString logFile(Harness& h, const char* prefix) {
    QFile file(h.path(QLatin1String(prefix) +
                      QDate::currentDate().toString(QStringLiteral("ddMMyy")) +
                      QStringLiteral(".log")));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

void addOldLogLines(Harness& h) {
    h.main->appendRcon(QStringLiteral("old pane line\r\n"));
    h.main->addMessage(QStringLiteral("old log line"));
}

} // namespace

class TestConnect : public QObject {
    Q_OBJECT
private slots:
    void fullConnect();
    void automaticConnectAtStartup();
    void refused_data();
    void refused();
    void silentServer_data();
    void silentServer();
    void cfgListing_data();
    void cfgListing();
    void disconnect_data();
    void disconnect();
};

void TestConnect::fullConnect() {
    Harness h;
    SharedState& state = h.main->session().state();
    state.options.autoqplayer = true;
    state.Player999 = {Player999Entry{2, QStringLiteral("Laggy"), QStringLiteral("4"), true}};
    addOldLogLines(h);
    ProgressAtEachDatagram progress(h);

    // Blanks around the fields are removed before use, and from the boxes.
    fill(h, QStringLiteral("  127.0.0.1 "), u' ' + QString::number(h.sim.port()) + u' ',
         u' ' + password(h) + QStringLiteral("  "));
    h.find<QPushButton>(QStringLiteral("cmdconnect"))->click();

    const QByteArray pw = password(h).toLatin1();
    // The player refresh that Auto Update starts may follow these four.
    QCOMPARE(h.sim.received().mid(0, 4),
             (QList<QByteArray>{oob("rcon " + pw + " status"), oob("getstatus"),
                                oob("rcon " + pw + " cvarlist sv_maprotation"),
                                oob("rcon " + pw + " fdir *.cfg")}));
    QCOMPARE(connectionState(h), kConnected);
    QCOMPARE(h.main->widgets().comserver->currentText(), QStringLiteral("127.0.0.1"));
    QCOMPARE(h.main->widgets().txtPWD->text(), password(h));
    QVERIFY(h.dialogs.shown().isEmpty());

    // The old logs were saved, then emptied.
    QVERIFY(logFile(h, "vostrel_rcon_").contains(QStringLiteral("old pane line")));
    QVERIFY(logFile(h, "vostrel_messages_").contains(QStringLiteral("old log line")));
    QCOMPARE(h.messageLog(), QStringList{connectedLine(h)});
    // Only the status reply and the game-mode line reach the pane.
    const QString pane = h.rconText();
    QVERIFY2(pane.startsWith(QStringLiteral("map: mp_harbor\n")), qPrintable(pane));
    QVERIFY2(pane.endsWith(u'\n' + kGameModeLine), qPrintable(pane));
    for (const char* hidden : {"old pane line", "sv_maprotation", "files listed"})
        QVERIFY2(!pane.contains(QLatin1String(hidden)), hidden);

    QCOMPARE(miscState(h), h.sim.cvar(QStringLiteral("sv_maprotation")) +
                               QStringLiteral(" | copy on | *server,dedicated,sd,ctf | exec on"));
    QCOMPARE(state.Player999.size(), 1);
    QVERIFY(state.Player999.first().name.isEmpty());
    QVERIFY(!state.collectquiet);

    QCOMPARE(progress.seen.mid(1, 3),
             (QStringList{QStringLiteral("Asking server for status"),
                          QStringLiteral("Asking server for status\r\n"
                                         "Asking server for Map rotation"),
                          QStringLiteral("Asking server for status\r\n"
                                         "Asking server for Map rotation\r\n"
                                         "Asking server for cfg files")}));
    QVERIFY(!h.main->progressNotice()->isVisible());
    QVERIFY(h.find<QCheckBox>(QStringLiteral("chkautoupdate"))->isChecked());
}

void TestConnect::automaticConnectAtStartup() {
    Harness h;
    h.writeSettings("[options]\r\nautoconnect=1\r\nautoconnectserv=127.0.0.1\r\n"
                    "autoconnectport=" +
                    QByteArray::number(h.sim.port()) +
                    "\r\nautoconnectrcon=" + password(h).toLatin1() + "\r\n");
    addOldLogLines(h);
    ProgressAtEachDatagram progress(h);

    h.startup();

    QCOMPARE(h.commands(),
             (QStringList{"status", "getstatus", "cvarlist sv_maprotation", "fdir *.cfg"}));
    QCOMPARE(connectionState(h), kConnected);
    // While loading nothing is cleared or saved, no progress is shown, and of the replies only
    // the game-mode line reaches the pane.
    QCOMPARE(h.rconText(), QStringLiteral("old pane line\n") + kGameModeLine);
    QCOMPARE(h.messageLog(), (QStringList{connectedLine(h), QStringLiteral("old log line")}));
    QVERIFY(QDir(h.dir()).entryList({QStringLiteral("*.log")}).isEmpty());
    QCOMPARE(progress.seen, QStringList(4, QStringLiteral("(hidden)")));
    QCOMPARE(miscState(h), h.sim.cvar(QStringLiteral("sv_maprotation")) +
                               QStringLiteral(" | copy on | *server,dedicated,sd,ctf | exec on"));
}

void TestConnect::refused_data() {
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("port"); // "SIM": the simulated server's
    QTest::addColumn<QString>("password");
    QTest::addColumn<QByteArray>("statusReply"); // empty: the server's own answer
    QTest::addColumn<QString>("message");        // the start of the box's text
    QTest::addColumn<QString>("title");

    const auto row = [](const char* name, const char* server, const char* port,
                        const char* password, const QByteArray& reply, const char* message,
                        const char* title) {
        QTest::newRow(name) << QString::fromLatin1(server) << QString::fromLatin1(port)
                            << QString::fromLatin1(password) << reply
                            << QString::fromLatin1(message) << QString::fromLatin1(title);
    };
    const char* missing = "Please provide all fields, Server, Port and password";
    row("no address", "", "SIM", "pw", {}, missing, "Error...");
    row("no port", "127.0.0.1", "", "pw", {}, missing, "Error...");
    row("password of blanks", "127.0.0.1", "SIM", "   ", {}, missing, "Error...");
    row("port not a number", "127.0.0.1", "port", "pw", {},
        "Please provide a port number from 1 to 65535", "Error...");
    // The reserved top-level name never resolves, so no outside lookup is needed.
    row("unknown host name", "no-such-server.invalid", "SIM", "pw", {},
        "Cannot find the server no-such-server.invalid\r", "Server not found");
    const char* invalid = "Invalid Rcon password, no connection established";
    row("wrong password", "127.0.0.1", "SIM", "guess", {}, invalid, "No connection");
    row("mixed-case refusal", "127.0.0.1", "SIM", "secret", "bAD RconPASSword.\n", invalid,
        "No connection");
    row("no password on the server", "127.0.0.1", "SIM", "secret",
        "No rconpassword set on the server.\n",
        "The server has no RCON password set, no connection established", "No connection");
}

void TestConnect::refused() {
    QFETCH(QString, server);
    QFETCH(QString, port);
    QFETCH(QString, password);
    QFETCH(QByteArray, statusReply);
    QFETCH(QString, message);
    QFETCH(QString, title);

    Harness h;
    if (!statusReply.isEmpty())
        h.sim.setReplyOverride(QStringLiteral("status"), statusReply);
    fill(h, server, port.replace(QStringLiteral("SIM"), QString::number(h.sim.port())), password);
    h.find<QPushButton>(QStringLiteral("cmdconnect"))->click();
    Harness::pause(0.5);

    // Only a password the server refused was sent, once.
    const bool probed = title == QLatin1String("No connection");
    QCOMPARE(h.sim.received(),
             probed ? QList<QByteArray>{oob("rcon " + password.toLatin1() + " status")}
                    : QList<QByteArray>{});
    QCOMPARE(h.dialogs.messages().size(), 1);
    QVERIFY2(h.dialogs.messages().first().text.startsWith(message),
             qPrintable(h.dialogs.messages().first().text));
    QCOMPARE(h.dialogs.messages().first().title, title);
    QCOMPARE(h.dialogs.messages().first().icon, Dialogs::Icon::Exclamation);
    QCOMPARE(connectionState(h), kDisconnected);
    QVERIFY(h.messageLog().isEmpty());
    QVERIFY(!h.main->progressNotice()->isVisible());
}

void TestConnect::silentServer_data() {
    QTest::addColumn<int>("silentStatus"); // unanswered "status" attempts
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QStringList>("boxes");

    QTest::newRow("no reply to status")
        << 5 << QStringList{"status", "status", "status", "status", "status", "getstatus"}
        << QStringList{"No response"};
    QTest::newRow("no reply to getstatus")
        << 0 << QStringList{"status", "getstatus"} << QStringList{};
}

void TestConnect::silentServer() {
    QFETCH(int, silentStatus);
    QFETCH(QStringList, commands);
    QFETCH(QStringList, boxes);

    Harness h;
    h.main->session().state().options.autoqplayer = true;
    h.sim.dropNextReplies(silentStatus);
    QObject::connect(&h.sim, &SimServer::datagramReceived, &h.sim, [&h](const QByteArray& bytes) {
        if (bytes == oob("getstatus"))
            h.sim.dropNextReplies(1);
    });
    // A second click while the first connect waits for "status" must not start another one.
    if (silentStatus > 0)
        QTimer::singleShot(Harness::kSecondMs, h.main.get(),
                           [&h] { h.find<QPushButton>(QStringLiteral("cmdconnect"))->click(); });
    connectTo(h);
    Harness::pause(3);

    // Connected with the presets: game type, map, rotation and CFG files are not asked for,
    // and no refresh starts.
    QCOMPARE(h.commands(), commands);
    QCOMPARE(h.dialogs.messageTitles(), boxes);
    QCOMPARE(connectionState(h), kConnected);
    QCOMPARE(h.messageLog(), QStringList{connectedLine(h)});
    QCOMPARE(miscState(h), kPresets);
    QVERIFY(!h.rconText().contains(QStringLiteral("Server running game mode")));
    QVERIFY(!h.main->progressNotice()->isVisible());
    QVERIFY(!h.main->session().state().collectquiet);
    QVERIFY(!h.find<QCheckBox>(QStringLiteral("chkautoupdate"))->isChecked());
}

void TestConnect::cfgListing_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("noCfgLine");

    QTest::newRow("no cfg line") << QByteArray("---------------\n0 files listed\n") << false;
    QTest::newRow("no line at all") << QByteArray("") << true;
}

void TestConnect::cfgListing() {
    QFETCH(QByteArray, reply);
    QFETCH(bool, noCfgLine);

    Harness h;
    h.sim.setReplyOverride(QStringLiteral("fdir *.cfg"), reply);
    connectTo(h);

    QCOMPARE(h.commands().last(), QStringLiteral("fdir *.cfg"));
    QCOMPARE(miscState(h).section(QStringLiteral(" | "), 2),
             QStringLiteral("*No CFGs on server | exec off"));
    QCOMPARE(
        h.messageLog().contains(QStringLiteral("Server has no CFG files - Disabling fields...")),
        noCfgLine);
}

void TestConnect::disconnect_data() {
    QTest::addColumn<bool>("socketError");
    QTest::addColumn<QStringList>("logged");
    QTest::newRow("the button") << false << QStringList{};
    QTest::newRow("a socket error")
        << true << QStringList{"Connection to server lost: Network unreachable"};
}

void TestConnect::disconnect() {
    QFETCH(bool, socketError);
    QFETCH(QStringList, logged);

    Harness h;
    h.main->session().state().options.autoqplayer = true;
    connectTo(h, QStringLiteral("localhost")); // a host name is looked up
    QCOMPARE(connectionState(h), kConnected);
    QCOMPARE(h.messageLog(), QStringList{connectedLine(h, QStringLiteral("localhost"))});
    auto* timer = h.main->findChild<QTimer*>(QStringLiteral("tmrplayer"));
    QVERIFY(timer && timer->isActive());
    const QString pane = h.rconText();
    const QStringList log = h.messageLog();
    const qsizetype sent = h.sim.received().size();

    if (socketError)
        emit h.main->session().channel().closedByError(QStringLiteral("Network unreachable"));
    else
        h.find<QPushButton>(QStringLiteral("cmdconnect"))->click();

    QCOMPARE(connectionState(h), kDisconnected);
    QCOMPARE(h.rconText(), pane);
    QCOMPARE(h.messageLog(), logged + log);
    QCOMPARE(miscState(h), QStringLiteral(" | copy off |  | exec off"));
    QVERIFY(h.dialogs.shown().isEmpty());
    // The refresh stops for this run only: the settings file is not touched.
    QVERIFY(!h.find<QCheckBox>(QStringLiteral("chkautoupdate"))->isChecked());
    QVERIFY(!timer->isActive());
    QVERIFY(!h.main->session().state().options.autoqplayer);
    QVERIFY(!QFile::exists(h.path(QStringLiteral("vostrel.ini"))));

    // The socket is really closed: the next command is refused.
    h.find<QPushButton>(QStringLiteral("cmdstatus"))->click();
    QCOMPARE(h.dialogs.messageTitles(), QStringList{QStringLiteral("Not connected")});
    QCOMPARE(h.sim.received().size(), sent);
}

QTEST_MAIN(TestConnect)
#include "tst_connect.moc"
