// Figures for the command channel and the RCON pane. Prints, asserts nothing.
#include "rcon/WaitClock.h"
#include "simserver/SimServer.h"
#include "ui/Main.h"
#include "ui/QtDialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QNetworkDatagram>
#include <QPlainTextEdit>
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
    Main main(dialogs);

    std::printf("appendRcon, one append (microseconds):\n");
    for (int lines : {1000, 10000, 100000})
        std::printf("  pane of %6d lines: %8.1f\n", lines, appendCost(main, lines));

    SimServer sim;
    sim.setRateLimitMs(0);
    sim.setRconPassword(QStringLiteral("secret"));
    sim.start();
    const int rounds = 200;
    std::printf("\nloopback, one exchange with the simulated server (microseconds):\n");
    std::printf("  bare UDP round trip:        %10.1f\n", bareRoundTrip(sim, rounds));

    main.session().channel().setPasswordSource([] { return QStringLiteral("secret"); });
    main.session().channel().open(QHostAddress::LocalHost, sim.port());
    main.session().state().collectquiet = true;
    const int exchanges = 10;
    double single = 0;
    for (int i = 0; i < exchanges; ++i) {
        pausesecs(RconChannel::kMinGapSeconds); // past the pacing gap, so only the exchange counts
        QElapsedTimer timer;
        timer.start();
        main.session().sendinfo(QStringLiteral("say ping"), true);
        single += double(timer.nsecsElapsed()) / 1000.0;
    }
    std::printf("  sendinfo, one exchange:     %10.1f\n", single / exchanges);
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < exchanges; ++i)
        main.session().sendinfo(QStringLiteral("say ping"), true);
    std::printf("  sendinfo, back to back:     %10.1f\n",
                double(timer.nsecsElapsed()) / 1000.0 / exchanges);
    std::printf("  (a reply ends after %.0f ms of quiet; commands keep %.0f ms apart for the "
                "server's rate limit)\n",
                RconChannel::kSettleSeconds * 1000, RconChannel::kMinGapSeconds * 1000);
    return 0;
}
