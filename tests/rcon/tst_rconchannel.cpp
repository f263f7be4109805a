#include "app/SharedState.h"
#include "rcon/OutputSink.h"
#include "rcon/RconChannel.h"
#include "rcon/WaitClock.h"
#include "rcon/Wire1252.h"
#include "simserver/SimServer.h"
#include "support/Harness.h"
#include "support/ScriptedDialogs.h"

#include <QTest>
#include <QUdpSocket>

namespace {

class RecordingOutput : public OutputSink {
public:
    void addrcon(const QString& text) override { pane += text; }
    void addmessage(const QString& text) override { log.prepend(text); }
    void showprogress(const QString& text, const QString&) override { progress = text; }
    bool activeWindowMinimised() const override { return minimised; }

    QString pane;
    QStringList log;
    QString progress;
    bool minimised = false;
};

const QByteArray kFrame = QByteArray(4, '\xff') + "print\n";

} // namespace

// The command channel against the simulated server, without any window.
class TestRconChannel : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void replyInFirstWaitIsSentOnceAndShownAboveItsEcho();
    void quietModeShowsReplyWithoutEcho();
    void collectQuietlyKeepsPaneEmptyAndCollapsesBlanks();
    void lostRepliesAreRetriedFiveTimesThenReported();
    void noResponseBoxIsNotShownWhileMinimised();
    void nowaitSendsExactlyOnce();
    void notConnectedRefusesAndClearsNowait();
    void replyInSeveralDatagramsIsAppendedInOrder();
    void datagramOverLimitIsTruncatedWithBox();
    void everyFramingIsRemoved();
    void strangerDatagramsAreIgnored();
    void everyByteValueSurvivesTheWire();
    void commandsKeepTheServersRateLimit();
    void getquotedLooksUpValues_data();
    void getquotedLooksUpValues();
    void pauseLastsItsLength();

private:
    void send(const QString& command, bool quiet = false) { channel->sendinfo(command, quiet); }
    QUdpSocket* openServerSocketAsClient();

    std::unique_ptr<SimServer> sim;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<RecordingOutput> out;
    std::unique_ptr<SharedState> state;
    std::unique_ptr<RconChannel> channel;
};

void TestRconChannel::init() {
    WaitClock::instance().setSecondMs(Harness::kSecondMs);
    sim = std::make_unique<SimServer>();
    sim->setRateLimitMs(0);
    sim->setMaxPrintBytes(0);
    QVERIFY(sim->start());
    dialogs = std::make_unique<ScriptedDialogs>();
    out = std::make_unique<RecordingOutput>();
    state = std::make_unique<SharedState>();
    channel = std::make_unique<RconChannel>(*state, *dialogs, *out);
    channel->setPasswordSource([this] { return sim->cvar(QStringLiteral("rconpassword")); });
    QVERIFY(channel->open(QHostAddress::LocalHost, sim->port()));
}

void TestRconChannel::cleanup() {
    channel.reset();
    sim.reset();
}

void TestRconChannel::replyInFirstWaitIsSentOnceAndShownAboveItsEcho() {
    send(QStringLiteral("say hello"));
    QCOMPARE(sim->receivedCommands(), QStringList{QStringLiteral("say hello")});
    QCOMPARE(sim->received().constFirst(),
             QByteArray(4, '\xff') + "rcon " +
                 sim->cvar(QStringLiteral("rconpassword")).toLatin1() + " say hello");
    QVERIFY(state->gotreply);
    const QRegularExpression layout(
        QStringLiteral("^console: hello\r\n>>RCON sent \\[\\d\\d:\\d\\d:\\d\\d\\] "
                       "\\x{18}say hello\\x{18}\r\n$"));
    QVERIFY2(layout.match(out->pane).hasMatch(), qPrintable(out->pane));
    QVERIFY(dialogs->shown().isEmpty());
}

void TestRconChannel::quietModeShowsReplyWithoutEcho() {
    send(QStringLiteral("say quiet"), true);
    QCOMPARE(out->pane, QStringLiteral("console: quiet\r\n"));
    QCOMPARE(state->response, QStringLiteral("console: quiet\r\n"));
}

void TestRconChannel::collectQuietlyKeepsPaneEmptyAndCollapsesBlanks() {
    sim->setReplyOverride(QStringLiteral("cvarlist sv_hostname"),
                          "S      sv_hostname \"My   Server  Name\"\n\n1 total cvars\n");
    state->collectquiet = true;
    send(QStringLiteral("cvarlist sv_hostname"), true);
    QVERIFY(out->pane.isEmpty());
    QCOMPARE(state->response,
             QStringLiteral("S sv_hostname \"My Server Name\"\n\n1 total cvars\n"));
    QCOMPARE(getquoted(state->response, QStringLiteral("SV_HOSTNAME")),
             QStringLiteral("My Server Name"));
}

void TestRconChannel::lostRepliesAreRetriedFiveTimesThenReported() {
    sim->dropNextReplies(5);
    send(QStringLiteral("status"));
    QCOMPARE(sim->receivedCommands(), QStringList(5, QStringLiteral("status")));
    const QList<qint64> at = sim->receivedAtMs();
    for (int i = 1; i < at.size(); ++i)
        QVERIFY2(at[i] - at[i - 1] >= 2.5 * Harness::kSecondMs,
                 qPrintable(QStringLiteral("gap %1 ms").arg(at[i] - at[i - 1])));
    QVERIFY(!state->gotreply);
    QCOMPARE(dialogs->messages().size(), 1);
    const ScriptedDialogs::Shown box = dialogs->messages().constFirst();
    QCOMPARE(box.title, QStringLiteral("No response"));
    QCOMPARE(box.text, QStringLiteral("No response from server in 15 seconds\n"
                                      "Could be server loading map! or \n"
                                      "Fragmented UDP packets which routers do not pass on\n"
                                      "Try again..."));
    QCOMPARE(box.icon, Dialogs::Icon::Exclamation);
    QVERIFY(!out->pane.contains(QStringLiteral(">>RCON sent")));
}

void TestRconChannel::noResponseBoxIsNotShownWhileMinimised() {
    out->minimised = true;
    sim->dropNextReplies(5);
    send(QStringLiteral("status"), true);
    QCOMPARE(sim->receivedCommands().size(), 5);
    QVERIFY(dialogs->shown().isEmpty());
}

void TestRconChannel::nowaitSendsExactlyOnce() {
    state->nowait = true;
    send(QStringLiteral("say nowait"));
    QVERIFY(!state->nowait);
    Harness::pause(1); // a reply that comes late is shown, but never echoed
    QCOMPARE(sim->receivedCommands(), QStringList{QStringLiteral("say nowait")});
    QCOMPARE(out->pane, QStringLiteral("console: nowait\r\n"));
}

void TestRconChannel::notConnectedRefusesAndClearsNowait() {
    channel->close();
    state->nowait = true;
    send(QStringLiteral("map_restart"));
    QVERIFY(state->notconnected);
    QVERIFY(!state->nowait);
    QVERIFY(sim->received().isEmpty());
    QCOMPARE(dialogs->messages().size(), 1);
    QCOMPARE(dialogs->messages().constFirst().text,
             QStringLiteral("Please connect to a server first!"));
    QCOMPARE(dialogs->messages().constFirst().title, QStringLiteral("Not connected"));
}

void TestRconChannel::replyInSeveralDatagramsIsAppendedInOrder() {
    QString expected;
    for (int i = 0; i < 60; ++i)
        expected += QStringLiteral("line %1 of a long reply\n").arg(i);
    sim->setReplyOverride(QStringLiteral("long"), expected.toLatin1());
    sim->setMaxPrintBytes(100);
    state->collectquiet = true;
    send(QStringLiteral("long"), true);
    QCOMPARE(state->response, expected);
}

void TestRconChannel::datagramOverLimitIsTruncatedWithBox() {
    sim->setReplyOverride(QStringLiteral("huge"), QByteArray(9000, 'x'));
    send(QStringLiteral("huge"), true);
    QCOMPARE(state->response.size(), RconChannel::kMaxDatagram - kFrame.size());
    QCOMPARE(dialogs->messages().size(), 1);
    QCOMPARE(dialogs->messages().constFirst().title, QStringLiteral("Truncated data"));
    QCOMPARE(dialogs->messages().constFirst().text,
             QStringLiteral("Data returned is to large for buffers\rTruncated after 8192 bytes\r"
                            "I bet you did CVARLIST ;)"));
    QCOMPARE(dialogs->messages().constFirst().icon, Dialogs::Icon::Information);
}

void TestRconChannel::everyFramingIsRemoved() {
    send(QStringLiteral("say x"), true); // lets the server learn where the client is
    state->response.clear();
    state->collectquiet = true;
    sim->sendRaw(QHostAddress::LocalHost, sim->lastClientPort(),
                 kFrame + "one\n" + kFrame + "two\n");
    QTRY_COMPARE(state->response, QStringLiteral("one\ntwo\n"));
}

void TestRconChannel::strangerDatagramsAreIgnored() {
    send(QStringLiteral("say x"), true);
    state->response.clear();
    state->collectquiet = true;
    QUdpSocket stranger;
    QVERIFY(stranger.bind(QHostAddress::LocalHost, 0));
    stranger.writeDatagram(kFrame + "spoofed\n", QHostAddress::LocalHost, sim->lastClientPort());
    sim->sendRaw(QHostAddress::LocalHost, sim->lastClientPort(), kFrame + "genuine\n");
    QTRY_COMPARE(state->response, QStringLiteral("genuine\n"));
    Harness::pause(0.5);
    QCOMPARE(state->response, QStringLiteral("genuine\n"));
}

void TestRconChannel::everyByteValueSurvivesTheWire() {
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        all.append(char(b));
    QCOMPARE(wire1252::encode(wire1252::decode(all)), all);
    QCOMPARE(wire1252::decode("\x80\x9f\xe9"), QStringLiteral("\u20ac\u0178\u00e9"));

    // Out: the command's bytes arrive unchanged.
    const QByteArray text = all.mid(127); // every byte above 126, no framing bytes inside
    state->nowait = true;
    send(QStringLiteral("say ") + wire1252::decode(text));
    QTRY_COMPARE(sim->received().size(), 1);
    const QByteArray tail = " say " + text;
    QVERIFY(sim->received().constFirst().endsWith(tail));

    // In: a reply with every byte value but the line feed arrives as the same text.
    QTRY_VERIFY(!state->response.isEmpty()); // the answer to the command above
    state->collectquiet = true;
    state->response.clear();
    QByteArray reply = all;
    reply.replace('\n', "");
    reply.replace(' ', "");
    sim->sendRaw(QHostAddress::LocalHost, sim->lastClientPort(), kFrame + reply);
    QTRY_COMPARE(wire1252::encode(state->response), reply);
}

void TestRconChannel::commandsKeepTheServersRateLimit() {
    sim->setRateLimitMs(Harness::kSecondMs / 2);
    for (const char* command : {"say a", "say b", "say c"})
        send(QLatin1String(command), true);
    // None dropped, so none resent.
    QCOMPARE(sim->receivedCommands(), (QStringList{QStringLiteral("say a"), QStringLiteral("say b"),
                                                   QStringLiteral("say c")}));
    QVERIFY(dialogs->shown().isEmpty());
}

void TestRconChannel::getquotedLooksUpValues_data() {
    QTest::addColumn<QString>("response");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    const QString rotation = QStringLiteral(
        "S sv_maprotation \"gametype sd map mp_harbor\"\nS sv_maprotationcurrent \"\"\n");
    QTest::newRow("found") << rotation << "sv_maprotation"
                           << "gametype sd map mp_harbor";
    QTest::newRow("any letter case") << rotation << "SV_MapRotation"
                                     << "gametype sd map mp_harbor";
    QTest::newRow("absent") << rotation << "sv_hostname"
                            << "";
    QTest::newRow("first match wins inside longer name")
        << "A scr_allow_kar98ksniper \"0\"\nA scr_allow_kar98k \"1\"\n"
        << "scr_allow_kar98k"
        << "0";
    QTest::newRow("no closing quote") << "A sv_hostname \"cut off"
                                      << "sv_hostname"
                                      << "";
    QTest::newRow("no quote at all") << "A sv_hostname"
                                     << "sv_hostname"
                                     << "";
    QTest::newRow("empty value") << "A g_password \"\"\n"
                                 << "g_password"
                                 << "";
}

void TestRconChannel::getquotedLooksUpValues() {
    QFETCH(QString, response);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QCOMPARE(getquoted(response, key), value);
}

void TestRconChannel::pauseLastsItsLength() {
    QElapsedTimer timer;
    timer.start();
    pausesecs(2);
    QVERIFY(timer.elapsed() >= 2 * Harness::kSecondMs - 1);
}

QTEST_MAIN(TestRconChannel)
#include "tst_rconchannel.moc"
