// Whole flows against the simulated server with its 500 ms rule on, in real seconds, on
// loopback and over a jittery line: each paced flow against its floor ((n - 1) x 0.5 s for n
// paced commands, the server's rule), the read-outs from the click to the end, and the
// commands the server dropped for coming too soon. Also how far apart the datagrams of one
// long reply arrive, which the client's quiet period must exceed.
// Prints, asserts nothing. Run with QT_QPA_PLATFORM=offscreen where there is no display.
// Arguments: [runs on loopback, default 3] [runs per jitter level, default 1].

#include "AcceptingDialogs.h"
#include "FullServer.h"
#include "base/Dialogs.h"
#include "base/WaitClock.h"
#include "messages/MessageSets.h"
#include "rcon/RconClient.h"
#include "simserver/SimServer.h"
#include "ui/ConnectController.h"
#include "ui/HobWindow.h"
#include "ui/Main.h"
#include "ui/pages/MessagesPage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QNetworkDatagram>
#include <QTemporaryDir>
#include <QTimer>
#include <QUdpSocket>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

void waitFor(QObject* sender, const char* signal) {
    QEventLoop loop;
    QObject::connect(sender, signal, &loop, SLOT(quit()));
    loop.exec();
}

void rest(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Seconds from the click to the end of what it started.
double timeClick(QWidget* window, const char* button, RconClient& client) {
    QElapsedTimer timer;
    timer.start();
    window->findChild<QAbstractButton*>(QLatin1String(button))->click();
    if (!client.idle())
        waitFor(&client, SIGNAL(idleNow()));
    return double(timer.nsecsElapsed()) / 1e9;
}

// The largest gap, in microseconds, between two datagrams of one reply, over `rounds` replies.
double largestGapUs(SimServer& sim, const QByteArray& command, int rounds, int* datagrams) {
    QUdpSocket socket;
    socket.bind(QHostAddress::LocalHost, 0);
    double largest = 0;
    for (int round = 0; round < rounds; ++round) {
        socket.writeDatagram(QByteArray(4, '\xff') + "rcon secret " + command,
                             QHostAddress::LocalHost, sim.port());
        QElapsedTimer sinceLast;
        int count = 0;
        // The reply is over once nothing has come for 200 ms.
        while (count == 0 || sinceLast.nsecsElapsed() < 200'000'000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            while (socket.hasPendingDatagrams()) {
                socket.receiveDatagram();
                if (count++ > 0)
                    largest = qMax(largest, double(sinceLast.nsecsElapsed()) / 1000.0);
                sinceLast.start();
            }
        }
        *datagrams = count;
        rest(600);
    }
    return largest;
}

// Milliseconds at the server from the first rcon datagram that arrived at or after `from`
// whose command starts with `first`, to the last one starting with `last` (any rcon command
// when empty); -1 when they are not there.
double spanMs(const SimServer& sim, qsizetype from, const QString& first, const QString& last) {
    const QList<QByteArray> received = sim.received();
    const QList<qint64> at = sim.receivedAtMs();
    const QStringList commands = sim.receivedCommands();
    qint64 start = -1;
    qint64 end = -1;
    for (qsizetype i = from; i < received.size(); ++i) {
        if (!received.at(i).startsWith("\xff\xff\xff\xffrcon"))
            continue;
        if (start < 0 && commands.at(i).startsWith(first))
            start = at.at(i);
        if (start >= 0 && commands.at(i).startsWith(last))
            end = at.at(i);
    }
    return start >= 0 && end >= 0 ? double(end - start) : -1.0;
}

struct Figure {
    const char* name;
    int paced = 0; // paced commands; 0 for a read-out timed from the click
    std::vector<double> seconds;
    int dropped = 0;
    int sent = 0;
};

// One pass of every flow in a fresh window against a fresh server with `jitterMs` of jitter.
void runFlows(int jitterMs, quint32 seed, std::vector<Figure>& figures) {
    SimServer sim;
    sim.setRconPassword(QStringLiteral("secret"));
    sim.setPlayers(fullServer());
    sim.setJitterMs(jitterMs);
    sim.setJitterSeed(seed);
    if (!sim.start())
        return;
    AcceptingDialogs dialogs;
    const QTemporaryDir files; // the window's settings and logs stay out of the way
    Main main(dialogs, FileLocations{files.filePath(QStringLiteral("vostrel.ini")), files.path()});
    RconClient& client = main.session().client();
    main.findChild<QComboBox*>(QStringLiteral("comserver"))
        ->setEditText(QStringLiteral("127.0.0.1"));
    main.findChild<QComboBox*>(QStringLiteral("comport"))->setEditText(QString::number(sim.port()));
    main.findChild<QLineEdit*>(QStringLiteral("txtPWD"))->setText(QStringLiteral("secret"));

    int index = 0;
    qsizetype from = 0;
    int droppedBefore = 0;
    const auto begin = [&] {
        from = sim.received().size();
        droppedBefore = sim.rateLimitedCount();
    };
    const auto record = [&](double seconds) {
        Figure& f = figures[size_t(index++)];
        f.seconds.push_back(seconds);
        f.dropped += sim.rateLimitedCount() - droppedBefore;
        for (qsizetype i = from; i < sim.received().size(); ++i)
            f.sent += sim.received().at(i).startsWith("\xff\xff\xff\xffrcon") ? 1 : 0;
        rest(700);
    };
    const auto click = [&](QWidget* window, const char* button) {
        begin();
        return timeClick(window, button, client);
    };

    begin();
    main.findChild<QAbstractButton*>(QStringLiteral("cmdconnect"))->click();
    waitFor(&main.connection(), SIGNAL(connectEnded()));
    if (!client.idle())
        waitFor(&client, SIGNAL(idleNow()));
    record(spanMs(sim, from, QStringLiteral("status"), QStringLiteral("fdir")) / 1e3);

    click(&main, "cmdsetsd");
    record(spanMs(sim, from, QString(), QString()) / 1e3);

    record(click(&main, "cmdservpop"));

    main.findChild<QAbstractButton*>(QStringLiteral("cmdwepselall"))->click();
    click(&main, "cmdwepsetserv");
    record(spanMs(sim, from, QString(), QString()) / 1e3);

    // A cycler tick whose message names the server and its friendly-fire mode: two reads, then
    // the say.
    MessageSets::of(main.session().state())
        .load({QStringLiteral("Bench")}, {{QStringLiteral("Welcome to %SN%, friendly fire %FF%")}});
    main.session().server().cycleSet = 0;
    main.session().server().cycleMinutes = 0;
    begin();
    main.findChild<MessagesPage*>()->cyclerTick();
    if (!client.idle())
        waitFor(&client, SIGNAL(idleNow()));
    record(spanMs(sim, from, QString(), QStringLiteral("say")) / 1e3);

    record(click(&main, "cmdplypop"));
    main.openHob();
    record(click(main.findChild<HobWindow*>(), "cmdhobpop"));
}

std::vector<Figure> flowFigures() {
    return {{"connect: status -> fdir datagram", 3},
            {"S&D Set, 5 commands, first -> last", 5},
            {"Server page read-out, click -> shown", 3},
            {"Weapons Select all + Send, 17 commands", 17},
            {"cycler tick -> say (two reads, the say)", 3},
            {"Players populate, 64 players", 0},
            {"Heat of Battle read-out", 0}};
}

void printFigures(int jitterMs, const std::vector<Figure>& figures) {
    std::printf("jitter 0..%d ms per datagram, each way:\n", jitterMs);
    std::printf("  %-42s %7s %7s %7s %6s %9s %8s\n", "flow", "median", "min", "floor", "ratio",
                "+RTTs", "dropped");
    for (const Figure& f : figures) {
        std::vector<double> s = f.seconds;
        if (s.empty())
            continue;
        std::sort(s.begin(), s.end());
        const double median = s[s.size() / 2];
        if (f.paced > 0) {
            const double floor = (f.paced - 1) * 0.5;
            // The mean round trip over this line adds jitterMs to every step.
            const double withTrips = (f.paced - 1) * (0.5 + jitterMs / 1000.0);
            std::printf("  %-42s %6.3fs %6.3fs %6.2fs %6.3f %8.3fs %4d/%-3d\n", f.name, median,
                        s.front(), floor, median / floor, withTrips, f.dropped, f.sent);
        } else {
            std::printf("  %-42s %5.1fms %5.1fms %7s %6s %9s %4d/%-3d\n", f.name, median * 1e3,
                        s.front() * 1e3, "trip", "", "", f.dropped, f.sent);
        }
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const int loopbackRuns = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const int jitterRuns = argc > 2 ? std::max(1, std::atoi(argv[2])) : 1;

    {
        SimServer sim; // the stock 500 ms rule and 1000-byte prints
        sim.setRconPassword(QStringLiteral("secret"));
        sim.setPlayers(fullServer());
        for (int i = 0; i < 125; ++i)
            sim.setCvar(QStringLiteral("bench_variable_%1").arg(i, 3, 10, QLatin1Char('0')),
                        QStringLiteral("a value of some length for the listing, number %1").arg(i));
        if (!sim.start()) {
            std::printf("the simulated server did not start\n");
            return 1;
        }
        int datagrams = 0;
        std::printf("largest gap between the datagrams of one reply, loopback, 10 replies each:\n");
        const double statusGap = largestGapUs(sim, "status", 10, &datagrams);
        std::printf("  64-player status report (%d datagrams): %8.1f us\n", datagrams, statusGap);
        const double listingGap = largestGapUs(sim, "cvarlist bench_*", 10, &datagrams);
        std::printf("  variable listing (%d datagrams):        %8.1f us\n", datagrams, listingGap);
        std::printf("  the client's quiet period:               %8.1f us\n\n",
                    RconClient::kQuietSeconds * 1e6);
    }

    std::printf("flows, seconds (paced: first -> last datagram at the server unless said);\n"
                "ratio = median / floor; +RTTs = floor plus the mean round trip per step;\n"
                "dropped = requests the server's 500 ms rule dropped / rcon datagrams sent\n\n");
    for (const int jitterMs : {0, 20, 50, 100}) {
        std::vector<Figure> figures = flowFigures();
        const int runs = jitterMs == 0 ? loopbackRuns : jitterRuns;
        for (int run = 0; run < runs; ++run)
            runFlows(jitterMs, quint32(run + 1), figures);
        printFigures(jitterMs, figures);
    }
    return 0;
}
