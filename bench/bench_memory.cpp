// The program's resident memory (VmRSS of /proc/self/status, so Linux only) before and after
// 20,000 datagrams of 1,000 bytes that the server's address sends to the client between
// requests, each shown in the RCON pane; and the pane's line count then. With --uncapped the
// pane keeps every line, as it did before it had a cap.
// Prints, asserts nothing. Run with QT_QPA_PLATFORM=offscreen where there is no display.

#include "AcceptingDialogs.h"
#include "ProcessMemory.h"
#include "base/Dialogs.h"
#include "rcon/RconClient.h"
#include "simserver/SimServer.h"
#include "ui/Main.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextBlock>

#include <cstdio>
#include <cstring>

namespace {

// Ten status-report lines of 99 characters after the 10-byte header: 1,000 bytes. Each line
// ends in the datagram's number.
QByteArray datagram(int number) {
    const QByteArray row =
        "  0    12   48 465030 ^1Red^7Baron        ^7     50 192.0.2.10:28960  4711 25000";
    const QByteArray mark = " #" + QByteArray::number(number);
    QByteArray bytes = QByteArray(4, '\xff') + "print\n";
    for (int line = 0; line < 10; ++line)
        bytes += row.leftJustified(98 - mark.size(), ' ', true) + mark + '\n';
    return bytes;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const bool uncapped = argc > 1 && std::strcmp(argv[1], "--uncapped") == 0;

    SimServer sim;
    sim.setRateLimitMs(0);
    if (!sim.start()) {
        std::printf("the simulated server did not start\n");
        return 1;
    }
    AcceptingDialogs dialogs;
    const QTemporaryDir files;
    Main main(dialogs, FileLocations{files.filePath(QStringLiteral("vostrel.ini")), files.path()});
    main.show();
    QPlainTextEdit* pane = main.widgets().txtoutput;
    if (uncapped)
        pane->setMaximumBlockCount(0);
    main.widgets().txtPWD->setText(sim.cvar(QStringLiteral("rconpassword")));
    RconClient& client = main.session().client();
    client.open(QHostAddress::LocalHost, sim.port());
    // One exchange, so that what comes after it shows in the pane as its reply did.
    client.send(Request::unechoed(QStringLiteral("status")), &main);
    while (!client.idle())
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    const quint16 clientPort = sim.lastClientPort();

    const double before = processmemory::statusMiB("VmRSS:");
    constexpr int kDatagrams = 20000;
    constexpr int kBatch = 50; // within the socket's receive buffer
    int lost = 0;
    QElapsedTimer timer;
    timer.start();
    for (int first = 0; first < kDatagrams; first += kBatch) {
        for (int n = first; n < first + kBatch; ++n)
            sim.sendRaw(QHostAddress::LocalHost, clientPort, datagram(n));
        const QString last = QLatin1Char('#') + QString::number(first + kBatch - 1);
        QElapsedTimer waited;
        waited.start();
        while (!pane->document()->lastBlock().previous().text().endsWith(last)) {
            if (waited.elapsed() > 2000) {
                ++lost;
                break;
            }
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        }
    }
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    const double after = processmemory::statusMiB("VmRSS:");

    std::printf("RCON pane %s\n", uncapped ? "without a cap" : "with its cap");
    std::printf("  resident memory before:      %7.1f MiB\n", before);
    std::printf("  after %d datagrams:       %7.1f MiB (%+.1f MiB)\n", kDatagrams, after,
                after - before);
    std::printf("  pane lines:                  %7d\n", pane->document()->blockCount());
    std::printf("  pane characters:             %7lld\n",
                static_cast<long long>(pane->document()->characterCount()));
    std::printf("  time per datagram:           %7.1f us\n", seconds * 1e6 / kDatagrams);
    if (lost > 0)
        std::printf("  batches not all seen:        %7d\n", lost);
    main.session().state().options.savercon = false;
    main.session().state().options.savemessages = false;
    return 0;
}
