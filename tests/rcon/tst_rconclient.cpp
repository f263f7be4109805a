#include "base/WaitClock.h"
#include "base/Wire1252.h"
#include "rcon/OutputSink.h"
#include "rcon/PlanRunner.h"
#include "rcon/RconClient.h"
#include "rcon/ReplyEnd.h"
#include "rcon/ReplyText.h"
#include "simserver/SimServer.h"
#include "support/Captures.h"
#include "support/Harness.h"
#include "support/ScriptedDialogs.h"
#include "support/Settle.h"

#include <QTest>
#include <QUdpSocket>

namespace {

class RecordingOutput : public OutputSink {
public:
    void appendRcon(const QString& text) override { pane += text; }
    void addMessage(const QString& text) override { log << text; }
    void showRefusal(const QString& text) override { refusal = text; }
    void showProgress(const QString&, ProgressMode) override {}
    bool activeWindowMinimised() const override { return minimised; }

    QString pane;
    QStringList log; // oldest first
    QString refusal;
    bool minimised = false;
};

const QByteArray kFrame = QByteArray(4, '\xff') + "print\n";
using Status = Reply::Status;

} // namespace

Q_DECLARE_METATYPE(Request)

// The command client against the simulated server, without any window.
class TestRconClient : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void replyModesShapeThePane_data();
    void replyModesShapeThePane();
    void requestsGoInOrderAtTheServersPace();
    void lostRepliesAreSentFiveTimesThenReportedOnce();
    void refusalsAndCancelsEndEveryRequest();
    void destroyedContextWithdrawsItsRequests();
    void statusQueryIsNotPacedWithRcon();
    void longReplyIsCollectedWhole();
    void datagramsAreUnframedTruncatedAndFiltered();
    void everyByteValueSurvivesTheWire();
    void planLogsWhatWentAndStopsAtARefusal();
    void readStepFeedsTheStepsAfterIt();
    void replyEndsAtItsClosingLine_data();
    void replyEndsAtItsClosingLine();
    void judgeReadsEveryReply_data();
    void judgeReadsEveryReply();
    void getquotedLooksUpValues_data();
    void getquotedLooksUpValues();

private:
    // Queues a request and records its reply in `replies` under its command.
    void send(const Request& request, QObject* context = nullptr);
    [[nodiscard]] bool settle() { return waitUntilIdle(*client); }
    // One exchange, so the server knows where the client is; the pane starts empty.
    void introduce();

    std::unique_ptr<SimServer> sim;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<RecordingOutput> out;
    std::unique_ptr<RconClient> client;
    QList<std::pair<QString, Reply>> replies;
};

void TestRconClient::init() {
    WaitClock::instance().setSecondMs(Harness::kSecondMs);
    sim = std::make_unique<SimServer>();
    sim->setRateLimitMs(0);
    sim->setMaxPrintBytes(0);
    QVERIFY(sim->start());
    dialogs = std::make_unique<ScriptedDialogs>();
    out = std::make_unique<RecordingOutput>();
    client = std::make_unique<RconClient>(*dialogs, *out);
    client->setPasswordSource([this] { return sim->cvar(QStringLiteral("rconpassword")); });
    QVERIFY(client->open(QHostAddress::LocalHost, sim->port()));
    replies.clear();
}

void TestRconClient::cleanup() {
    client.reset();
    sim.reset();
}

void TestRconClient::send(const Request& request, QObject* context) {
    client->send(request, context, [this, command = request.command](const Reply& reply) {
        replies << std::pair{command, reply};
    });
}

void TestRconClient::replyModesShapeThePane_data() {
    QTest::addColumn<Request>("request");
    QTest::addColumn<QString>("pane"); // a regular expression
    QTest::addColumn<QString>("text");
    const QString command = QStringLiteral("cvarlist sv_hostname");
    const QString shown =
        QStringLiteral("S      sv_hostname \"My   Server  Name\"\r\n\r\n1 total cvars\r\n");
    const QString echo = QStringLiteral(">>RCON sent \\[\\d\\d:\\d\\d:\\d\\d\\] %1\r\n");
    const QString text = QString(shown).remove(QLatin1Char('\r'));
    QTest::newRow("shown, echo above the reply")
        << Request::shown(command)
        << "^" + echo.arg(command) + QRegularExpression::escape(shown) + "$" << text;
    QTest::newRow("unechoed") << Request::unechoed(command)
                              << "^" + QRegularExpression::escape(shown) + "$" << text;
    // A listing stays out of the pane; runs of blanks collapse, also inside quoted values.
    QTest::newRow("listing") << Request::listing(command) << "^$"
                             << "S sv_hostname \"My Server Name\"\n\n1 total cvars\n";
}

void TestRconClient::replyModesShapeThePane() {
    QFETCH(Request, request);
    QFETCH(QString, pane);
    QFETCH(QString, text);
    sim->setReplyOverride(QStringLiteral("cvarlist sv_hostname"),
                          "S      sv_hostname \"My   Server  Name\"\n\n1 total cvars\n");
    send(request);
    QVERIFY(settle());
    QCOMPARE(sim->received().constFirst(), QByteArray(4, '\xff') + "rcon " +
                                               sim->cvar("rconpassword").toLatin1() + ' ' +
                                               request.command.toLatin1());
    QVERIFY2(QRegularExpression(pane).match(out->pane).hasMatch(), qPrintable(out->pane));
    QCOMPARE(replies.size(), 1);
    QCOMPARE(replies[0].second.status, Status::Replied);
    QCOMPARE(replies[0].second.text, text);
    QVERIFY(dialogs->shown().isEmpty());
}

void TestRconClient::requestsGoInOrderAtTheServersPace() {
    // The server drops what comes sooner than this after the request it handled before. Its
    // replies take a clock second to arrive: the next request counts from the reply's arrival,
    // one not waited for from its send.
    sim->setRateLimitMs(int(0.5 * Harness::kSecondMs));
    sim->setReplyDelayMs(Harness::kSecondMs);
    QObject first, second;
    QList<std::pair<QObject*, bool>> busy;
    connect(client.get(), &RconClient::busyChanged, this, [&busy](QObject* context, bool on) {
        busy << std::pair{context, on};
    });
    send(Request::shown("say a"), &first);
    send(Request::shown("say b"), &first);
    QVERIFY(settle());
    // A reply to a request not waited for could land in the next one's: these come at once.
    sim->setReplyDelayMs(0);
    send(Request::noWait("say c"), &second);
    send(Request::shown("say d"), &first);
    QVERIFY(client->isBusy(&first) && client->isBusy(&second) && !client->idle());
    QVERIFY(settle());

    QTRY_COMPARE(sim->receivedCommands(), (QStringList{"say a", "say b", "say c", "say d"}));
    QCOMPARE(sim->rateLimitedCount(), 0);
    const QList<qint64> at = client->rconSentAtMs();
    const double afterReply = 1 + RconClient::kGapAfterReplySeconds;
    const QList<double> least{afterReply, afterReply, RconClient::kMinGapSeconds};
    for (int i = 1; i < at.size(); ++i)
        QVERIFY2(at[i] - at[i - 1] >= least[i - 1] * Harness::kSecondMs - 1,
                 qPrintable(QString::number(at[i] - at[i - 1])));
    // Each requester got its own reply, in the order asked.
    QCOMPARE(replies.size(), 4);
    for (int i : {0, 1, 3}) {
        QCOMPARE(replies[i].second.status, Status::Replied);
        QCOMPARE(replies[i].second.text, "console: " + QString(QChar('a' + i)) + "\n");
    }
    QCOMPARE(replies[2].second.status, Status::Sent);
    QCOMPARE(busy, (QList<std::pair<QObject*, bool>>{{&first, true},
                                                     {&first, false},
                                                     {&second, true},
                                                     {&first, true},
                                                     {&second, false},
                                                     {&first, false}}));
    // A reply to a request not waited for shows, but is never echoed.
    QVERIFY(out->pane.contains("console: c\r\n"));
    QCOMPARE(out->pane.count(">>RCON sent"), 3);
}

void TestRconClient::lostRepliesAreSentFiveTimesThenReportedOnce() {
    for (const bool minimised : {false, true}) {
        sim->clearReceived();
        dialogs->clear();
        out->minimised = minimised;
        sim->dropNextReplies(5);
        send(Request::shown("status"));
        QVERIFY(settle());
        QCOMPARE(sim->receivedCommands(), QStringList(5, "status"));
        const QList<qint64> at = client->rconSentAtMs().last(RconClient::kAttempts);
        for (int i = 1; i < at.size(); ++i)
            QVERIFY(at[i] - at[i - 1] >= 2.5 * Harness::kSecondMs);
        QCOMPARE(replies.takeLast().second.status, Status::NoReply);
        if (minimised) {
            QVERIFY(dialogs->shown().isEmpty());
            continue;
        }
        QCOMPARE(dialogs->messages().size(), 1);
        const ScriptedDialogs::Shown box = dialogs->messages().constFirst();
        QCOMPARE(box.title, QStringLiteral("No response"));
        QCOMPARE(box.text, QStringLiteral("No response from server in 15 seconds\n"
                                          "Could be server loading map! or \n"
                                          "Fragmented UDP packets which routers do not pass on\n"
                                          "Try again..."));
        QCOMPARE(box.icon, Dialogs::Icon::Exclamation);
    }
    QVERIFY(!out->pane.contains(">>RCON sent"));
}

void TestRconClient::refusalsAndCancelsEndEveryRequest() {
    // On the wire, then queued: a close cancels both, and nothing more is sent.
    sim->setReplyDelayMs(Harness::kSecondMs);
    send(Request::shown("say on the wire"));
    send(Request::shown("say queued"));
    QTRY_COMPARE(sim->receivedCommands().size(), 1);
    client->close();
    QVERIFY(client->idle());
    QCOMPARE(replies.size(), 2);
    QCOMPARE(replies[0].second.status, Status::Cancelled);
    QCOMPARE(replies[1].second.status, Status::Cancelled);
    QVERIFY(dialogs->shown().isEmpty());

    // Closed: refused with one box each, nothing sent.
    replies.clear();
    send(Request::shown("map_restart"));
    send(Request::noWait("map_restart"));
    QVERIFY(settle());
    QCOMPARE(sim->receivedCommands(), QStringList{"say on the wire"});
    QCOMPARE(replies.size(), 2);
    QCOMPARE(replies[0].second.status, Status::NotConnected);
    QCOMPARE(replies[1].second.status, Status::NotConnected);
    QCOMPARE(dialogs->messageTitles(), QStringList(2, "Not connected"));
    QCOMPARE(dialogs->messages().constFirst().text,
             QStringLiteral("Please connect to a server first!"));
}

void TestRconClient::destroyedContextWithdrawsItsRequests() {
    auto page = std::make_unique<QObject>();
    sim->dropNextReplies(1);
    send(Request::shown("say lost"), page.get());
    send(Request::shown("say queued"), page.get());
    send(Request::shown("say other"));
    QTRY_COMPARE(sim->receivedCommands().size(), 1);
    page.reset();
    QVERIFY(settle());
    // The lost one is not sent again, the queued one never goes; nobody hears of either.
    QCOMPARE(sim->receivedCommands(), (QStringList{"say lost", "say other"}));
    QCOMPARE(replies.size(), 1);
    QCOMPARE(replies[0].first, QStringLiteral("say other"));
    QCOMPARE(replies[0].second.text, QStringLiteral("console: other\n"));
    QVERIFY(dialogs->shown().isEmpty());
}

void TestRconClient::statusQueryIsNotPacedWithRcon() {
    // A clock second of 100 s puts the next rcon request a minute away: only a client that
    // held the query back with it misses the half-minute deadline, however slow the machine.
    WaitClock::instance().setSecondMs(100'000);
    send(Request::noWait("say first"));
    QTRY_VERIFY(out->pane.contains("console: first")); // not taken for the query's reply
    send(Request::statusQuery());
    QVERIFY(waitUntilIdle(*client, 0.3));
    WaitClock::instance().setSecondMs(Harness::kSecondMs);
    const QList<QByteArray> received = sim->received();
    QCOMPARE(received.size(), 2);
    QCOMPARE(received[1], QByteArray(4, '\xff') + "getstatus");
    QCOMPARE(replies[1].second.status, Status::Replied);
    QVERIFY(replies[1].second.text.contains("statusResponse\n\\"));
    QVERIFY(!out->pane.contains("statusResponse"));

    // Unanswered, it is not sent again and shows no box of its own.
    sim->clearReceived();
    sim->dropNextRequests(1);
    send(Request::statusQuery());
    QVERIFY(settle());
    QCOMPARE(sim->received().size(), 1);
    QCOMPARE(replies.last().second.status, Status::NoReply);
    QVERIFY(dialogs->shown().isEmpty());
}

void TestRconClient::longReplyIsCollectedWhole() {
    QString expected;
    for (int i = 0; i < 60; ++i)
        expected += QStringLiteral("line %1 of a long reply\n").arg(i);
    sim->setReplyOverride(QStringLiteral("long"), expected.toLatin1());
    sim->setMaxPrintBytes(100);
    send(Request::listing("long"));
    send(Request::listing("say next"));
    QVERIFY(settle());
    QCOMPARE(replies[0].second.text, expected);
    QCOMPARE(replies[1].second.text, QStringLiteral("console: next\n"));
}

void TestRconClient::introduce() {
    send(Request::unechoed("say x"));
    QVERIFY(settle());
    out->pane.clear();
    replies.clear();
}

void TestRconClient::datagramsAreUnframedTruncatedAndFiltered() {
    introduce();
    // Between requests, datagrams show as the request before them did; either engine's header
    // goes, and a datagram that ends inside a line is followed on a line of its own.
    sim->sendRaw(QHostAddress::LocalHost, sim->lastClientPort(), kFrame + "one\nhalf");
    sim->sendRaw(QHostAddress::LocalHost, sim->lastClientPort(), "\xff\xff\xff\xffntwo\n");
    QUdpSocket stranger;
    QVERIFY(stranger.bind(QHostAddress::LocalHost, 0));
    stranger.writeDatagram(kFrame + "spoofed\n", QHostAddress::LocalHost, sim->lastClientPort());
    QTRY_COMPARE(out->pane, QStringLiteral("one\r\nhalf\r\ntwo\r\n"));

    sim->setReplyOverride(QStringLiteral("huge"), QByteArray(9000, 'x'));
    send(Request::unechoed("huge"));
    QVERIFY(settle());
    QCOMPARE(replies.last().second.text.size(), RconClient::kMaxDatagram - kFrame.size());
    QCOMPARE(dialogs->messages().size(), 1);
    const ScriptedDialogs::Shown box = dialogs->messages().constFirst();
    QCOMPARE(box.title, QStringLiteral("Truncated data"));
    QCOMPARE(box.text,
             QStringLiteral("Data returned is to large for buffers\rTruncated after 8192 bytes\r"
                            "I bet you did CVARLIST ;)"));
    QCOMPARE(box.icon, Dialogs::Icon::Information);
    QVERIFY(!out->pane.contains("spoofed"));
}

void TestRconClient::everyByteValueSurvivesTheWire() {
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        all.append(char(b));
    QCOMPARE(wire1252::encode(wire1252::decode(all)), all);
    QCOMPARE(wire1252::decode("\x80\x9f\xe9"), QStringLiteral("\u20ac\u0178\u00e9"));

    // Out: the command's bytes arrive unchanged, but a line break, which would end the command
    // early, goes as a blank; in: the reply comes back as the same text.
    const QByteArray text = all.mid(127);
    send(Request::unechoed("say hello\r\nquit\nnow\r" + wire1252::decode(text)));
    QVERIFY(settle());
    QVERIFY(sim->received().constFirst().endsWith(QByteArray(" say hello quit now " + text)));
    QCOMPARE(wire1252::encode(replies[0].second.text),
             QByteArray("console: hello quit now " + text + '\n'));
}

void TestRconClient::planLogsWhatWentAndStopsAtARefusal() {
    QObject page;
    QList<int> stepsHeard;
    QList<PlanOutcome> outcomes;
    const auto run = [&](const Plan& plan) {
        runPlan(
            *client, *out, plan, &page,
            [&outcomes](const PlanOutcome& outcome) { outcomes << outcome; },
            [&stepsHeard](int index, const Step&, const Reply&, const Outcome&) {
                stepsHeard << index;
            });
    };
    // An unanswered step goes on, so does one the server refused; a wait gives the server
    // time before the next. The players are not told of what did not happen.
    sim->dropNextReplies(5);
    run({Step{Request::shown("say a"), "a went", 2},
         Step{Request::shown("scr_nosuch 1"), "nosuch set", 0, "No such"},
         announcementStep(Request::shown("say b"), "b told")});
    QVERIFY(client->isBusy(&page));
    QVERIFY(settle());
    QCOMPARE(out->log, (QStringList{"a went: no answer from the server (it may have been applied)",
                                    "No such not changed: Unknown command \"scr_nosuch\""}));
    QCOMPARE(out->refusal, "No such not changed: Unknown command \"scr_nosuch\"");
    QCOMPARE(stepsHeard, (QList<int>{0, 1}));
    QCOMPARE(outcomes.size(), 1);
    QVERIFY(outcomes[0].completed);
    QVERIFY(!outcomes[0].allTaken);
    QCOMPARE(outcomes[0].refusals, QStringList{"Unknown command \"scr_nosuch\""});
    QTRY_COMPARE(sim->receivedCommands(), QStringList(5, "say a") << "scr_nosuch 1");
    const QList<qint64> at = client->rconSentAtMs();
    QVERIFY(at[5] - at[4] >= 2 * Harness::kSecondMs);

    // A second plan of the same context waits for the first to end; taken throughout, it
    // announces, and its action clears the refusal shown.
    sim->clearReceived();
    run({Step{Request::shown("say a1"), {}, 1},
         announcementStep(Request::shown("say a2"), "told")});
    run({Step{Request::shown("say b1")}});
    QVERIFY(settle());
    QCOMPARE(sim->receivedCommands(), (QStringList{"say a1", "say a2", "say b1"}));
    QCOMPARE(out->log.last(), "told");
    QVERIFY(outcomes[1].allTaken);
    QVERIFY(out->refusal.isEmpty());

    // A cancel ends a plan that waits before its next step.
    sim->clearReceived();
    const qsizetype heard = stepsHeard.size();
    run({Step{Request::shown("say w1"), {}, 3}, Step{Request::shown("say w2")}});
    QTRY_COMPARE(stepsHeard.size(), heard + 1);
    client->cancelAll();
    QVERIFY(settle());
    QCOMPARE(sim->receivedCommands(), QStringList{"say w1"});
    QCOMPARE(outcomes.size(), 4);
    QVERIFY(!outcomes[3].completed);

    // Refused at its first step: one box, nothing logged, nothing more sent.
    client->close();
    sim->clearReceived();
    run({Step{Request::shown("say c"), "c went"}, Step{Request::shown("say d"), "d went"}});
    QVERIFY(settle());
    QCOMPARE(out->log.size(), 3);
    QCOMPARE(outcomes.size(), 5);
    QCOMPARE(outcomes[4].went, 0);
    QVERIFY(!outcomes[4].completed);
    QVERIFY(sim->received().isEmpty());
    QCOMPARE(dialogs->messageTitles().count("Not connected"), 1);
}

void TestRconClient::readStepFeedsTheStepsAfterIt() {
    QObject page;
    QList<PlanOutcome> outcomes;
    // The value read goes into the next command, before the rest of the plan; the reader's
    // verdict stands for the step, so nothing is logged for the read itself.
    const Step read =
        readStep(Request::listing("sv_hostname"), [](const Reply& reply, const Outcome& outcome) {
            if (!outcome.taken())
                return ReadResult::stopHere();
            const QString name = getquoted(reply.text, "sv_hostname");
            return ReadResult::goOn({Step{Request::shown("say " + name), "told " + name}});
        });
    const Plan plan{read, Step{Request::shown("say last"), "last"}};
    runPlan(*client, *out, plan, &page,
            [&outcomes](const PlanOutcome& outcome) { outcomes << outcome; });
    QVERIFY(settle());
    QCOMPARE(sim->receivedCommands(),
             (QStringList{"sv_hostname", "say Vostrel Test Server", "say last"}));
    QCOMPARE(out->log, (QStringList{"told Vostrel Test Server", "last"}));
    QCOMPARE(outcomes.size(), 1);
    QCOMPARE(outcomes[0].went, 3);

    // A reader that stops ends the plan: nothing after it goes.
    sim->clearReceived();
    runPlan(*client, *out,
            {readStep(Request::listing("sv_nosuch"),
                      [](const Reply&, const Outcome& outcome) {
                          return outcome.refused() ? ReadResult::stopHere() : ReadResult::goOn();
                      }),
             Step{Request::shown("say never"), "never"}},
            &page, [&outcomes](const PlanOutcome& outcome) { outcomes << outcome; });
    QVERIFY(settle());
    QCOMPARE(sim->receivedCommands(), QStringList{"sv_nosuch"});
    QCOMPARE(out->log.size(), 2);
    QCOMPARE(outcomes.size(), 2);
    QCOMPARE(outcomes[1].went, 1);
}

void TestRconClient::getquotedLooksUpValues_data() {
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    const QString rotation = QStringLiteral(
        "S sv_maprotation \"gametype sd map mp_harbor\"\nS sv_maprotationcurrent \"\"\n");
    QTest::newRow("any letter case") << rotation << "SV_MapRotation"
                                     << "gametype sd map mp_harbor";
    QTest::newRow("absent") << rotation << "sv_hostname"
                            << "";
    QTest::newRow("whole name only") << "A scr_allow_kar98ksniper \"0\"\nA scr_allow_kar98k \"1\"\n"
                                     << "scr_allow_kar98k"
                                     << "1";
    QTest::newRow("blank after the key")
        << "A scr_allow_mg34_tripod \"0\"\nA scr_allow_mg34 \"1\"\n"
        << "scr_allow_mg34 "
        << "1";
    QTest::newRow("longer name first, other letter case")
        << "S sv_mapRotationCurrent \"x\"\nS sv_maprotation \"y\"\n"
        << "sv_maprotation"
        << "y";
    QTest::newRow("query by name") << "\"sv_hostname\" is:\"My ^1Server^7\" default:\"x^7\"\n"
                                   << "SV_HOSTNAME"
                                   << "My ^1Server";
    QTest::newRow("no closing quote") << "A sv_hostname \"cut off"
                                      << "sv_hostname"
                                      << "";
    QTest::newRow("empty value") << "A g_password \"\"\n"
                                 << "g_password"
                                 << "";
}

void TestRconClient::getquotedLooksUpValues() {
    QFETCH(QString, reply);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QCOMPARE(getquoted(reply, key), value);
}

void TestRconClient::replyEndsAtItsClosingLine_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("complete");
    const QString status = "map: mp_harbor\nnum score ping name\n--- ----- ---- ----\n  0 1 2 x\n";
    const auto row = [](const char* name, const char* command, const QString& text, bool complete) {
        QTest::newRow(name) << command << text << complete;
    };
    row("fdir", "fdir *.cfg", "---\n/a.cfg\n1 files listed\n", true);
    row("fdir, cut", "fdir *.cfg", "---\n/a.cfg\n1 files li", false);
    row("fdir, a file named like the end", "fdir *", "---\nfiles listed\n", false);
    row("cvarlist", "cvarlist sv_*", "S sv_a \"1\"\n\n1 total cvars\n1 cvar indexes\n", true);
    row("cvarlist, before its count", "cvarlist sv_*", "S sv_a \"1\"\n\n1 total cvars\n", false);
    row("status", "status", status + "\n", true);
    row("status, before the empty line", "status", status, false);
    row("status, refused", "status", "Bad rconpassword.\n\n", false);
    row("anything else", "serverinfo", "Server info settings:\n\n", false);
}

void TestRconClient::replyEndsAtItsClosingLine() {
    QFETCH(QString, command);
    QFETCH(QString, text);
    QTEST(replyend::isComplete(command, text), "complete");
    // Against the server: a datagram right after the closing line still joins the reply, and
    // one cut before it ends after the quiet period, whole.
    sim->setMaxPrintBytes(int(text.size()));
    sim->setReplyOverride(command, text.toLatin1() + "late\n");
    send(Request::unechoed(command));
    QVERIFY(settle());
    QCOMPARE(replies.constLast().second.text, text + "late\n");
}

void TestRconClient::judgeReadsEveryReply_data() {
    QTest::addColumn<QString>("reply");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("words");
    const auto row = [](const char* name, const QString& reply, Outcome::Kind kind,
                        const char* words = "") {
        QTest::newRow(name) << reply << int(kind) << QString::fromUtf8(words);
    };
    const auto captured = [](const char* file) {
        QString text;
        for (const QByteArray& datagram : captures::datagrams(file))
            text += RconClient::datagramText(datagram);
        return text;
    };
    using K = Outcome::Kind;
    // Replies of a real server.
    for (const char* file :
         {"getstatus.bin", "rcon_clientkick_0.bin", "rcon_clientkick_done.bin",
          "rcon_cvarlist_sv_star.bin", "rcon_dir_maps_bsp.bin", "rcon_fdir_star_cfg.bin",
          "rcon_serverinfo.bin", "rcon_status.bin", "rcon_status_no_players.bin"})
        row(file, captured(file), K::Taken);
    row("rcon_set_latched.bin", captured("rcon_set_latched.bin"), K::TakenAtNextMap);
    row("rcon_clientkick_not_active.bin", captured("rcon_clientkick_not_active.bin"), K::Refused,
        "Client 1 is not active");
    row("rcon_exec_missing.bin", captured("rcon_exec_missing.bin"), K::Refused,
        "couldn't exec vostreltest.cfg");
    row("rcon_map_missing.bin", captured("rcon_map_missing.bin"), K::Refused,
        "Can't find map maps/mp_brecourt.bsp");
    row("rcon_status_wrong_password.bin", captured("rcon_status_wrong_password.bin"), K::Refused,
        "Bad rconpassword.");
    row("rcon_tempbanclient_unknown.bin", captured("rcon_tempbanclient_unknown.bin"), K::Refused,
        "unknown command: tempbanclient");
    row("rcon_unknown_other_engine.bin", captured("rcon_unknown_other_engine.bin"), K::Refused,
        "Unknown command \"scr_sd_graceperiod\"");
    // Every refusal the engines print, in any letter case, indented or coloured, after chat.
    const char* refusals[] = {"No rconpassword set on the server.",
                              "Usage: kick <player name>",
                              "usage: dir <directory> [extension]",
                              "Bad client slot: 40",
                              "Player Kyon shi is not on the server",
                              "Cannot kick host player",
                              "Server is not running.",
                              "sv_hostname is read only.",
                              "sv_cheats is write protected."};
    for (const char* refusal : refusals)
        row(refusal, QString::fromUtf8(refusal) + "\n", K::Refused, refusal);
    row("indented, coloured, another case", "say: Bob: hi\n   ^1UNKNOWN COMMAND: ^7x\n", K::Refused,
        "UNKNOWN COMMAND: x");
    // Console output that comes along is no refusal.
    row("chat", "console: unknown command ahead\nsay: Bob: usage: none\nBob^7: is read only.\n",
        K::Taken);
    row("an empty print", "", K::Taken);
}

void TestRconClient::judgeReadsEveryReply() {
    QFETCH(QString, reply);
    const Outcome outcome = judge(Request::shown("x"), Reply{Status::Replied, reply});
    QTEST(int(outcome.kind), "kind");
    QTEST(outcome.serverWords, "words");
}

QTEST_MAIN(TestRconClient)
#include "tst_rconclient.moc"
