// One window looking after a fleet of servers, in real seconds:
//  1. the tool's own CPU while 20 connected servers sit idle, each with its players list
//     refreshed every 10 s (and the server list polling their status every 15 s), with the
//     simulated server's stock 3 players and then with 64 on every server;
//  2. resident memory with one connected workspace and with 20, and what each one adds, with
//     the player count of the first fleet (3, or 64 with --full);
//  3. the S&D "Set" started on two servers at the same moment against the same on one alone:
//     each server has its own queue, so the pair should take no longer than one;
//  4. the server list's status of 50 servers, from the start of a refresh to the last row;
//  5. start-up with 50 saved servers: constructing the window to a shown, usable window.
// The servers of 1, 2, 4 and 5 run in a separate vostrel-simserver process when it is built
// beside this program, so their CPU and memory stay out of the figures; otherwise in this
// process, which the output then says. The two of 3 always run here: that figure reads their
// record of what arrived when. The start-up runs first, as the program meets it, before
// anything of Qt has warmed up. Prints, asserts nothing; Linux only (/proc, the process CPU
// clock).
// Run with QT_QPA_PLATFORM=offscreen where there is no display.
// Arguments: [seconds of the idle CPU window, default 60] [--full: the full servers first, so
// that memory is measured with them] [--simserver path of vostrel-simserver].

#include "AcceptingDialogs.h"
#include "FullServer.h"
#include "ProcessMemory.h"
#include "base/Dialogs.h"
#include "base/WaitClock.h"
#include "fleet/StatusPoller.h"
#include "rcon/RconClient.h"
#include "settings/ProfileFile.h"
#include "settings/ServerRecords.h"
#include "simserver/SimFleet.h"
#include "simserver/SimServer.h"
#include "ui/Main.h"
#include "ui/ServerListPanel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>

#include <unistd.h>

namespace {

const QString kPassword = QStringLiteral("secret");

double seconds(const QElapsedTimer& timer) {
    return double(timer.nsecsElapsed()) / 1e9;
}

void rest(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the event loop until `done` holds or `limitMs` has passed; whether it held. It looks
// every 10 ms, so a figure that needs the exact moment takes it where the event happens.
bool waitUntil(const std::function<bool()>& done, int limitMs) {
    if (done())
        return true;
    QEventLoop loop;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    look.start(10);
    QTimer::singleShot(limitMs, &loop, &QEventLoop::quit);
    loop.exec();
    return done();
}

// The same players as the simulated server's data file says them.
QByteArray dataFile(const QList<SimPlayer>& players) {
    QByteArray text = "[cvars]\nsv_maxclients = 64\n\n[players]\n";
    for (const SimPlayer& p : players)
        text += QStringLiteral("%1 %2 %3 %4 \"%5\" 0 %6 4711 25000\n")
                    .arg(p.num)
                    .arg(p.score)
                    .arg(p.ping, p.guid, p.name, p.address)
                    .toUtf8();
    return text;
}

// The simulated servers of one figure, with their stock three players or full: a
// vostrel-simserver process when one is at hand, otherwise a fleet in this process.
class Servers {
public:
    Servers(int count, const QString& program, bool full = false) {
        if (QFileInfo(program).isExecutable() && startProcess(count, program, full))
            return;
        m_ports.clear();
        m_fleet = std::make_unique<SimFleet>(count);
        for (int i = 0; i < count; ++i) {
            m_fleet->server(i).setRconPassword(kPassword);
            if (full) {
                m_fleet->server(i).setCvar(QStringLiteral("sv_maxclients"), QStringLiteral("64"));
                m_fleet->server(i).setPlayers(fullServer());
            }
        }
        if (!m_fleet->start())
            return;
        for (int i = 0; i < count; ++i)
            m_ports << m_fleet->server(i).port();
    }
    ~Servers() {
        if (m_process) {
            m_process->terminate();
            if (!m_process->waitForFinished(5000))
                m_process->kill();
            m_process->waitForFinished(5000);
        }
    }
    Servers(const Servers&) = delete;
    Servers& operator=(const Servers&) = delete;

    const QList<quint16>& ports() const { return m_ports; }
    // CPU seconds the server process has used so far; -1 in this process or where /proc is not.
    double processCpuSeconds() const {
        if (!m_process)
            return -1;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(m_process->processId()));
        if (!stat.open(QIODevice::ReadOnly))
            return -1;
        // utime and stime are the 12th and 13th fields after the ")" that ends the name.
        const QByteArray text = stat.readAll();
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (fields.size() < 13)
            return -1;
        return (fields[11].toDouble() + fields[12].toDouble()) / double(sysconf(_SC_CLK_TCK));
    }
    bool started(int count) const { return m_ports.size() == count; }
    const char* where() const {
        return m_fleet ? "in this process (its CPU and memory are in the figures)"
                       : "in a separate vostrel-simserver process";
    }

private:
    // Port 0: each server on a free port of the system's choice, printed one a line.
    bool startProcess(int count, const QString& program, bool full) {
        QStringList arguments{QStringLiteral("--servers"),  QString::number(count),
                              QStringLiteral("--port"),     QStringLiteral("0"),
                              QStringLiteral("--password"), kPassword};
        if (full) {
            QFile data(m_files.filePath(QStringLiteral("full.ini")));
            if (!data.open(QIODevice::WriteOnly) || data.write(dataFile(fullServer())) < 0)
                return false;
            arguments << QStringLiteral("--data") << data.fileName();
        }
        m_process = std::make_unique<QProcess>();
        m_process->setProgram(program);
        m_process->setArguments(arguments);
        m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process->start();
        const QRegularExpression line(QStringLiteral("127\\.0\\.0\\.1:(\\d+)"));
        QElapsedTimer timer;
        timer.start();
        while (m_ports.size() < count && timer.elapsed() < 20000) {
            if (!m_process->canReadLine() && !m_process->waitForReadyRead(1000) &&
                m_process->state() != QProcess::Running)
                break;
            while (m_process->canReadLine()) {
                const QRegularExpressionMatch m =
                    line.match(QString::fromUtf8(m_process->readLine()));
                if (m.hasMatch())
                    m_ports << quint16(m.captured(1).toUInt());
            }
        }
        if (m_ports.size() == count)
            return true;
        m_process->kill();
        m_process->waitForFinished(5000);
        m_process.reset();
        return false;
    }

    QTemporaryDir m_files; // the data file of full servers
    std::unique_ptr<QProcess> m_process;
    std::unique_ptr<SimFleet> m_fleet;
    QList<quint16> m_ports;
};

ServerRecords recordsFor(const QList<quint16>& ports) {
    ServerRecords records;
    for (qsizetype i = 0; i < ports.size(); ++i)
        records << ServerRecord{QStringLiteral("127.0.0.1"), QString::number(ports[i]), kPassword,
                                QStringLiteral("Bench %1").arg(i + 1), false};
    return records;
}

// A settings file in `files` holding `records` as the saved servers, none connecting at start.
FileLocations savedServers(const QTemporaryDir& files, const ServerRecords& records) {
    const FileLocations locations{files.filePath(QStringLiteral("vostrel.ini")), files.path()};
    ProfileFile settings(locations.settingsFile);
    if (!writeServerRecords(settings, records, 0).ok)
        std::printf("  (the settings file could not be written)\n");
    return locations;
}

int connectedCount(const Main& main) {
    int connected = 0;
    for (int i = 0; i < main.workspaceCount(); ++i)
        connected += main.workspace(i)->session().isConnected() ? 1 : 0;
    return connected;
}

bool allIdle(const Main& main) {
    for (int i = 0; i < main.workspaceCount(); ++i)
        if (!main.workspace(i)->session().client().idle())
            return false;
    return true;
}

// Opens `records` from the server list, each in its tab, and waits until every one has
// connected and its connect has finished.
bool openAndConnect(Main& main, const ServerRecords& records) {
    for (const ServerRecord& record : records)
        main.openServer(record);
    return waitUntil(
        [&] {
            for (const ServerRecord& record : records) {
                Workspace* workspace = main.workspaceFor(record.entry());
                if (!workspace || !workspace->session().isConnected())
                    return false;
            }
            return allIdle(main);
        },
        60000);
}

int autoUpdating(const Main& main) {
    int on = 0;
    for (int i = 0; i < main.workspaceCount(); ++i) {
        auto* box = main.workspace(i)->findChild<QCheckBox*>(QStringLiteral("chkautoupdate"));
        on += box && box->isChecked() ? 1 : 0;
    }
    return on;
}

void reportUnconnected(Main& main, const ServerRecords& records) {
    std::printf("   only %d of %d servers connected; not connected:", connectedCount(main),
                int(records.size()));
    for (const ServerRecord& record : records) {
        Workspace* workspace = main.workspaceFor(record.entry());
        if (!workspace || !workspace->session().isConnected())
            std::printf(" %s", qPrintable(record.entry()));
    }
    std::printf("\n\n");
}

// Figure 2: resident memory with the first server connected, then with all of them; leaves the
// window with every server connected for figure 1.
void residentPerWorkspace(Main& main, const ServerRecords& records) {
    std::printf("2. resident memory per open workspace\n");
    std::printf("   before the first connect: %.1f MiB\n", processmemory::statusMiB("VmRSS:"));
    if (!openAndConnect(main, records.mid(0, 1))) {
        reportUnconnected(main, records);
        return;
    }
    rest(1000);
    const double rss1 = processmemory::statusMiB("VmRSS:");
    if (!openAndConnect(main, records.mid(1))) {
        reportUnconnected(main, records);
        return;
    }
    rest(1000);
    const double rssAll = processmemory::statusMiB("VmRSS:");
    const int n = int(records.size());
    std::printf("   1 workspace connected: %.1f MiB; %d: %.1f MiB; each one more: %.2f MiB\n\n",
                rss1, n, rssAll, (rssAll - rss1) / (n - 1));
}

// Figure 1: the process's CPU time over `windowSeconds` of real time with the event loop
// running and nothing asked of the window.
void idleCpu(Main& main, int windowSeconds, const Servers& servers) {
    std::printf("1. idle CPU with %d servers connected (servers %s)\n", connectedCount(main),
                servers.where());
    std::printf("   players list auto update on in %d workspaces, every %d s; window of %d s\n",
                autoUpdating(main), int(main.shared().options.autoqplayerint), windowSeconds);
    const qint64 startMs = WaitClock::instance().nowMs();
    const double serverCpuBefore = servers.processCpuSeconds();
    const std::clock_t cpuBefore = std::clock();
    QElapsedTimer wall;
    wall.start();
    rest(windowSeconds * 1000);
    const double cpu = double(std::clock() - cpuBefore) / CLOCKS_PER_SEC;
    const double real = seconds(wall);
    const double serverCpu = servers.processCpuSeconds() - serverCpuBefore;
    int sent = 0; // what the window asked of the servers meanwhile
    for (int i = 0; i < main.workspaceCount(); ++i)
        for (const qint64 at : main.workspace(i)->session().client().rconSentAtMs())
            sent += at >= startMs ? 1 : 0;
    std::printf("   this process: CPU %.3f s in %.1f s real, %.2f %% of one core\n", cpu, real,
                100.0 * cpu / real);
    std::printf("   rcon commands sent meanwhile: %d; still connected: %d, auto updating: %d\n",
                sent, connectedCount(main), autoUpdating(main));
    if (serverCpuBefore >= 0)
        std::printf("   (the server process, not counted above: %.2f s, %.2f %% of one core)\n",
                    serverCpu, 100.0 * serverCpu / real);
    std::printf("\n");
}

// Figures 1 and 2 on 20 servers. Memory only when `measureMemory`: after an earlier window
// has come and gone, the allocator hands its freed memory out again and hides the growth.
void fleetOfTwenty(const QString& simserver, int windowSeconds, bool full, bool measureMemory) {
    const int count = 20;
    Servers servers(count, simserver, full);
    if (!servers.started(count)) {
        std::printf("1./2. the %d simulated servers did not start\n\n", count);
        return;
    }
    std::printf("--- 20 servers with %s ---\n",
                full ? "64 players each (full)" : "the simulated server's stock 3 players each");
    const ServerRecords records = recordsFor(servers.ports());
    AcceptingDialogs dialogs;
    const QTemporaryDir files;
    Main main(dialogs, savedServers(files, records));
    main.startup();
    main.show();
    // The connect starts the players list's auto update when the option is on.
    main.shared().options.autoqplayer = true;
    main.shared().options.autoqplayerint = 10;
    if (measureMemory)
        residentPerWorkspace(main, records);
    else if (!openAndConnect(main, records))
        reportUnconnected(main, records);
    if (connectedCount(main) == count)
        idleCpu(main, windowSeconds, servers);
}

struct SetTiming {
    double wallSeconds = 0;  // the clicks to the last client idle again
    double serverSpanMs = 0; // the longest first -> last rcon datagram at one server
    int commands = 0;        // rcon datagrams the servers received
    int dropped = 0;         // of them dropped by the 500 ms rule
};

// Clicks the S&D "Set" of each workspace in one go and waits until every client is idle.
SetTiming timeSets(const std::vector<Workspace*>& workspaces,
                   const std::vector<SimServer*>& servers) {
    std::vector<qsizetype> from;
    std::vector<int> droppedBefore;
    for (SimServer* server : servers) {
        from.push_back(server->received().size());
        droppedBefore.push_back(server->rateLimitedCount());
    }
    std::vector<double> idleAt(workspaces.size(), -1);
    QObject context;
    QElapsedTimer timer;
    timer.start();
    for (size_t i = 0; i < workspaces.size(); ++i) {
        RconClient& client = workspaces[i]->session().client();
        QObject::connect(&client, &RconClient::idleNow, &context,
                         [&idleAt, &timer, i] { idleAt[i] = seconds(timer); });
        workspaces[i]->findChild<QAbstractButton*>(QStringLiteral("cmdsetsd"))->click();
    }
    waitUntil(
        [&] { return std::all_of(idleAt.begin(), idleAt.end(), [](double t) { return t >= 0; }); },
        30000);
    SetTiming timing;
    timing.wallSeconds = *std::max_element(idleAt.begin(), idleAt.end());
    for (size_t s = 0; s < servers.size(); ++s) {
        const QList<QByteArray> received = servers[s]->received();
        const QList<qint64> at = servers[s]->receivedAtMs();
        qint64 first = -1;
        qint64 last = -1;
        for (qsizetype i = from[s]; i < received.size(); ++i) {
            if (!received.at(i).startsWith("\xff\xff\xff\xffrcon"))
                continue;
            ++timing.commands;
            if (first < 0)
                first = at.at(i);
            last = at.at(i);
        }
        timing.serverSpanMs = std::max(timing.serverSpanMs, double(last - first));
        timing.dropped += servers[s]->rateLimitedCount() - droppedBefore[s];
    }
    return timing;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Figure 3: the same paced flow on one server, then on two at the same moment. The servers
// run in this process: the figure reads their record of what arrived when.
void twoSetsTogether(int runs) {
    std::printf("3. S&D \"Set\" on two servers at the same moment against one alone "
                "(servers in this process, %d runs, medians)\n",
                runs);
    SimFleet fleet(2);
    for (int i = 0; i < fleet.size(); ++i)
        fleet.server(i).setRconPassword(kPassword);
    if (!fleet.start()) {
        std::printf("   the simulated servers did not start\n\n");
        return;
    }
    const ServerRecords records = recordsFor({fleet.server(0).port(), fleet.server(1).port()});
    AcceptingDialogs dialogs;
    const QTemporaryDir files;
    Main main(dialogs, savedServers(files, records));
    main.startup();
    main.show();
    if (!openAndConnect(main, records)) {
        std::printf("   the two servers did not connect\n\n");
        return;
    }
    Workspace* a = main.workspaceFor(records[0].entry());
    Workspace* b = main.workspaceFor(records[1].entry());
    std::vector<double> aloneWall, aloneSpan, pairWall, pairSpan;
    int aloneCommands = 0, pairCommands = 0, dropped = 0;
    for (int run = 0; run < runs; ++run) {
        rest(700); // past the servers' 500 ms window of the last command
        const SetTiming alone = timeSets({a}, {&fleet.server(0)});
        rest(700);
        const SetTiming pair = timeSets({a, b}, {&fleet.server(0), &fleet.server(1)});
        aloneWall.push_back(alone.wallSeconds);
        aloneSpan.push_back(alone.serverSpanMs / 1e3);
        pairWall.push_back(pair.wallSeconds);
        pairSpan.push_back(pair.serverSpanMs / 1e3);
        aloneCommands = alone.commands;
        pairCommands = pair.commands;
        dropped += alone.dropped + pair.dropped;
    }
    std::printf("   %-34s %9s %9s %9s\n", "", "one alone", "two", "ratio");
    std::printf("   %-34s %8.3fs %8.3fs %9.3f\n", "click -> every client idle", median(aloneWall),
                median(pairWall), median(pairWall) / median(aloneWall));
    std::printf("   %-34s %8.3fs %8.3fs %9.3f\n", "first -> last datagram at a server",
                median(aloneSpan), median(pairSpan), median(pairSpan) / median(aloneSpan));
    std::printf("   rcon commands per run: %d alone, %d for the two; dropped by the 500 ms rule: "
                "%d; \"Set server with values in display?\" answered Yes %d times\n\n",
                aloneCommands, pairCommands, dropped, dialogs.shown);
}

// Figure 4: from the start of a refresh until every row of the list has the status its
// server answered, twice: the first refresh of the list, then one more.
void serverListStatus(const Servers& servers, int count) {
    std::printf("4. server list status of %d servers (servers %s)\n", count, servers.where());
    const ServerRecords records = recordsFor(servers.ports());
    AcceptingDialogs dialogs;
    const QTemporaryDir files;
    Main main(dialogs, savedServers(files, records));
    main.startup(); // not shown: the list starts polling when the window shows
    ServerListPanel& panel = main.serverList();
    auto* poller = panel.findChild<fleet::StatusPoller*>();
    if (!poller || panel.records().size() != count) {
        std::printf("   the list holds %d servers%s\n\n", int(panel.records().size()),
                    poller ? "" : ", and no status poller was found");
        return;
    }
    for (const char* round : {"first refresh", "next refresh"}) {
        QSet<int> answered;
        double allAt = -1;
        QElapsedTimer timer;
        QObject context;
        // The panel fills the row in its own slot, connected before this one.
        QObject::connect(poller, &fleet::StatusPoller::statusRead, &context,
                         [&](int index, const fleet::ServerStatus& status) {
                             if (status.answered)
                                 answered.insert(index);
                             if (answered.size() == count && allAt < 0)
                                 allAt = seconds(timer);
                         });
        timer.start();
        panel.startPolling();
        waitUntil([&] { return allAt >= 0; }, 10000);
        panel.stopPolling();
        if (allAt >= 0)
            std::printf("   %s: all %d rows in %.1f ms\n", round, count, allAt * 1e3);
        else
            std::printf("   %s: only %d of %d rows answered within 10 s\n", round,
                        int(answered.size()), count);
    }
    std::printf("\n");
}

// Figure 5: constructing the window, its start-up reading the settings file with `records`,
// showing it and one round of events, as the program's own start does.
void startupWithSaved(const ServerRecords& records) {
    std::printf("5. start-up to a usable window with %d saved servers\n", int(records.size()));
    AcceptingDialogs dialogs;
    const QTemporaryDir files;
    const FileLocations locations = savedServers(files, records);
    QElapsedTimer timer;
    timer.start();
    Main main(dialogs, locations);
    const double constructed = seconds(timer);
    main.startup();
    const double started = seconds(timer);
    main.show();
    QCoreApplication::processEvents();
    const double usable = seconds(timer);
    std::printf("   constructed %.1f ms, startup() done %.1f ms, shown and one round of "
                "events %.1f ms; %d servers listed\n\n",
                constructed * 1e3, started * 1e3, usable * 1e3,
                int(main.serverList().records().size()));
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    int windowSeconds = 60;
    bool fullFirst = false;
    QString simserver =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../tools/vostrel-simserver");
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--full"))
            fullFirst = true;
        else if (arguments[i] == QLatin1String("--simserver") && i + 1 < arguments.size())
            simserver = arguments[++i];
        else
            windowSeconds = std::max(1, arguments[i].toInt());
    }

    std::printf("real seconds; resident memory of the bare process: %.1f MiB\n\n",
                processmemory::statusMiB("VmRSS:"));
    // The start-up first, as the program meets it: nothing of Qt's warmed up yet.
    {
        const int count = 50;
        Servers servers(count, simserver);
        if (servers.started(count)) {
            startupWithSaved(recordsFor(servers.ports()));
            serverListStatus(servers, count);
        } else {
            std::printf("the %d simulated servers did not start\n\n", count);
        }
    }
    fleetOfTwenty(simserver, windowSeconds, fullFirst, true);
    fleetOfTwenty(simserver, windowSeconds, !fullFirst, false);
    twoSetsTogether(3);
    return 0;
}
