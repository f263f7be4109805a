// Whole flows against the simulated server with its 500 ms rule on, on loopback, in real
// seconds: from the press of a button to the end of what it started. Also how far apart the
// datagrams of one long reply arrive, which the client's quiet period must exceed.
// Prints, asserts nothing. Run with QT_QPA_PLATFORM=offscreen where there is no display.

#include "app/Dialogs.h"
#include "rcon/RconClient.h"
#include "rcon/WaitClock.h"
#include "simserver/SimServer.h"
#include "ui/ConnectController.h"
#include "ui/HobWindow.h"
#include "ui/Main.h"

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

#include <cstdio>

namespace {

class AcceptingDialogs : public Dialogs {
public:
    int shown = 0;
    Answer message(const QString&, const QString&, Icon, Buttons buttons) override {
        ++shown;
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
    QString input(const QString&, const QString&, const QString& d) override { return d; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
    void beep() override {}
};

QList<SimPlayer> fullServer() {
    QList<SimPlayer> players;
    for (int i = 0; i < 64; ++i) {
        SimPlayer p;
        p.num = i;
        p.score = i;
        p.ping = QString::number(40 + i);
        p.guid = QString::number(100000 + i);
        p.name = QStringLiteral("^1Player^7 %1").arg(i);
        p.address = QStringLiteral("192.0.2.%1:28960").arg(i + 1);
        players << p;
    }
    return players;
}

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

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IONBF, 0);

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
    std::printf("largest gap between the datagrams of one reply, loopback, 20 replies each:\n");
    const double statusGap = largestGapUs(sim, "status", 20, &datagrams);
    std::printf("  64-player status report (%d datagrams): %8.1f us\n", datagrams, statusGap);
    const double listingGap = largestGapUs(sim, "cvarlist bench_*", 20, &datagrams);
    std::printf("  variable listing (%d datagrams):        %8.1f us\n", datagrams, listingGap);
    std::printf("  the client's quiet period:               %8.1f us\n\n",
                RconClient::kQuietSeconds * 1e6);

    AcceptingDialogs dialogs;
    const QTemporaryDir files; // the window's settings and logs stay out of the way
    Main main(dialogs, FileLocations{files.filePath(QStringLiteral("vostrel.ini")), files.path()});
    RconClient& client = main.session().client();
    main.findChild<QComboBox*>(QStringLiteral("comserver"))
        ->setEditText(QStringLiteral("127.0.0.1"));
    main.findChild<QComboBox*>(QStringLiteral("comport"))->setEditText(QString::number(sim.port()));
    main.findChild<QLineEdit*>(QStringLiteral("txtPWD"))->setText(QStringLiteral("secret"));
    sim.clearReceived();
    const int droppedBefore = sim.rateLimitedCount();

    std::printf("flows, seconds from the click to the end:\n");
    QElapsedTimer timer;
    timer.start();
    main.findChild<QAbstractButton*>(QStringLiteral("cmdconnect"))->click();
    waitFor(&main.connection(), SIGNAL(connectEnded()));
    std::printf("  connect, to the CFG list filled:     %5.2f\n",
                double(timer.nsecsElapsed()) / 1e9);
    rest(700);
    std::printf("  S&D Set, 5 commands:                 %5.2f\n",
                timeClick(&main, "cmdsetsd", client));
    rest(700);
    std::printf("  Players populate, 64 players:        %5.2f\n",
                timeClick(&main, "cmdplypop", client));
    rest(700);
    std::printf("  Server page read-out, 3 listings:    %5.2f\n",
                timeClick(&main, "cmdservpop", client));
    rest(700);
    main.openHob();
    std::printf("  Heat of Battle read-out:             %5.2f\n",
                timeClick(main.findChild<HobWindow*>(), "cmdhobpop", client));
    std::printf("rcon datagrams dropped by the 500 ms rule: %d (of %lld sent); boxes shown: %d\n",
                sim.rateLimitedCount() - droppedBefore, qlonglong(sim.received().size()),
                dialogs.shown);
    return 0;
}
