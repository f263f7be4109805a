// Figures for the command channel and the RCON pane. Prints, asserts nothing.
#include "ProcessMemory.h"
#include "rcon/RconClient.h"
#include "simserver/SimServer.h"
#include "ui/Main.h"
#include "ui/QtDialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkDatagram>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QUdpSocket>

#include <cstdio>

namespace {

// Microseconds per appendRcon append once the pane already holds `lines` lines.
double appendCost(Main& main, int lines) {
    main.widgets().txtoutput->clear();
    QString block;
    for (int i = 0; i < 1000; ++i)
        block += QStringLiteral("line %1 of earlier server output\r\n").arg(i);
    for (int done = 0; done < lines; done += 1000)
        main.appendRcon(block);
    const int samples = 200;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < samples; ++i)
        main.appendRcon(QStringLiteral("console: one more reply line\r\n"));
    return double(timer.nsecsElapsed()) / 1000.0 / samples;
}

// Milliseconds to show one reply of 1,000 lines once the pane is full (it keeps its newest
// Main::kRconPaneLines lines), and the peak memory in MiB above what was resident before.
struct BlockCost {
    double milliseconds;
    double peakMiB;
};

BlockCost blockCost(Main& main) {
    QString block;
    for (int i = 0; i < 1000; ++i)
        block += QStringLiteral("line %1 of a long listing from the server\r\n").arg(i);
    main.widgets().txtoutput->clear();
    for (int done = 0; done < Main::kRconPaneLines; done += 1000)
        main.appendRcon(block);
    const int samples = 20;
    processmemory::resetPeak();
    const double before = processmemory::statusMiB("VmRSS:");
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < samples; ++i)
        main.appendRcon(block);
    return {double(timer.nsecsElapsed()) / 1e6 / samples,
            processmemory::statusMiB("VmHWM:") - before};
}

// Microseconds of a bare datagram round trip on loopback with the simulated server.
double bareRoundTrip(SimServer& sim, int rounds) {
    QUdpSocket socket;
    socket.bind(QHostAddress::LocalHost, 0);
    const QByteArray request = QByteArray(4, '\xff') + "rcon secret say ping";
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i) {
        socket.writeDatagram(request, QHostAddress::LocalHost, sim.port());
        while (!socket.hasPendingDatagrams())
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        socket.receiveDatagram();
    }
    return double(timer.nsecsElapsed()) / 1000.0 / rounds;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    QtDialogs dialogs;
    const QTemporaryDir files; // the window's settings and logs stay out of the way
    Main main(dialogs, FileLocations{files.filePath(QStringLiteral("vostrel.ini")), files.path()});

    std::printf("appendRcon, one append (microseconds):\n");
    for (int lines : {1000, 10000, 100000})
        std::printf("  pane of %6d lines: %8.1f\n", lines, appendCost(main, lines));

    const BlockCost block = blockCost(main);
    std::printf("a reply of 1,000 lines into a full pane: %.2f ms, peak +%.1f MiB\n",
                block.milliseconds, block.peakMiB);

    SimServer sim;
    sim.setRateLimitMs(0);
    sim.setRconPassword(QStringLiteral("secret"));
    sim.start();
    const int rounds = 200;
    std::printf("\nloopback, one exchange with the simulated server (microseconds):\n");
    std::printf("  bare UDP round trip:        %10.1f\n", bareRoundTrip(sim, rounds));

    RconClient& client = main.session().client();
    client.setPasswordSource([] { return QStringLiteral("secret"); });
    client.open(QHostAddress::LocalHost, sim.port());
    const auto exchange = [&client](int count) {
        QEventLoop loop;
        int left = count;
        for (int i = 0; i < count; ++i)
            client.send(Request::listing(QStringLiteral("say ping")), nullptr, [&](const Reply&) {
                if (--left == 0)
                    loop.quit();
            });
        loop.exec();
    };
    const int exchanges = 10;
    double single = 0;
    for (int i = 0; i < exchanges; ++i) {
        // Past the pacing gap, so only the exchange counts.
        QEventLoop pause;
        QTimer::singleShot(int(RconClient::kMinGapSeconds * 1000), &pause, &QEventLoop::quit);
        pause.exec();
        QElapsedTimer timer;
        timer.start();
        exchange(1);
        single += double(timer.nsecsElapsed()) / 1000.0;
    }
    std::printf("  one exchange:               %10.1f\n", single / exchanges);
    QElapsedTimer timer;
    timer.start();
    exchange(exchanges);
    std::printf("  exchanges back to back:     %10.1f\n",
                double(timer.nsecsElapsed()) / 1000.0 / exchanges);
    std::printf("  (a reply ends after %.0f ms of quiet; commands keep %.0f ms apart for the "
                "server's rate limit)\n",
                RconClient::kQuietSeconds * 1000, RconClient::kMinGapSeconds * 1000);
    return 0;
}
