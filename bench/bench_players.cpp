// Figures for the player list: reading a full server's status report, and a whole populate
// against the in-process simulated server. Prints, asserts nothing.
// Run with QT_QPA_PLATFORM=offscreen where there is no display.

#include "app/Session.h"
#include "base/Dialogs.h"
#include "players/StatusParser.h"
#include "rcon/OutputSink.h"
#include "rcon/RconClient.h"
#include "simserver/SimServer.h"
#include "ui/pages/PlayersPage.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTableWidget>
#include <QTimer>

#include <cstdio>

namespace {

class SilentDialogs : public Dialogs {
public:
    int shown = 0;
    Answer message(const QString&, const QString&, Icon, Buttons) override {
        ++shown;
        return Answer::Ok;
    }
    QString input(const QString&, const QString&, const QString& d) override { return d; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
    void beep() override {}
};

class NullSink : public OutputSink {
public:
    void appendRcon(const QString&) override {}
    void addMessage(const QString&) override {}
    void showProgress(const QString&, ProgressMode) override {}
    bool activeWindowMinimised() const override { return false; }
};

QList<SimPlayer> fullServer() {
    QList<SimPlayer> players;
    for (int i = 0; i < 64; ++i) {
        SimPlayer p;
        p.num = i;
        p.name = QStringLiteral("^%1Player ^7Number %2").arg(i % 10).arg(i);
        p.ping = i % 9 ? QString::number(20 + i) : QStringLiteral("999");
        p.score = (i * 37) % 50 - 10;
        p.guid = QString::number(300000 + i * 7);
        p.lastmsg = i * 10;
        p.address = QStringLiteral("198.51.100.%1:%2").arg(i + 1).arg(28960 + i);
        p.qport = 1000 + i;
        p.rate = 25000;
        players << p;
    }
    return players;
}

// The report as the channel leaves it in the response buffer: blanks collapsed.
QString collectedReport(const QList<SimPlayer>& players) {
    QString text = QStringLiteral(
        "map: mp_harbor\n"
        "num score ping guid   name            lastmsg address               qport rate\n"
        "--- ----- ---- ------ --------------- ------- --------------------- ----- -----\n");
    for (const SimPlayer& p : players)
        text += SimServer::statusLine(p);
    text += u'\n';
    while (text.contains(QLatin1String("  ")))
        text.replace(QLatin1String("  "), QLatin1String(" "));
    return text;
}

void report(const char* what, qint64 ns, int iterations) {
    std::printf("%-58s %10.1f us/op  (%d ops, %.1f ms)\n", what, double(ns) / iterations / 1000.0,
                iterations, double(ns) / 1e6);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QList<SimPlayer> players = fullServer();
    const QString reply = collectedReport(players);
    std::printf("64-player status report: %lld characters\n", qlonglong(reply.size()));

    QElapsedTimer timer;
    qsizetype rows = 0;
    const int parses = 20000;
    timer.start();
    for (int i = 0; i < parses; ++i)
        rows += parseStatusReply(reply).rows.size();
    report("parse the report", timer.nsecsElapsed(), parses);

    // A whole populate over loopback, from the click to the filled grid; the simulated server
    // prints in 1000-byte datagrams. The client's quiet period ends every reply, so it makes up
    // most of this figure.
    SilentDialogs dialogs;
    NullSink sink;
    SharedState shared;
    Session session(dialogs, sink, shared);
    session.state().options.autokick999 = true;
    PlayersPage page(session);
    auto* grid = page.findChild<QTableWidget*>(QStringLiteral("msfplayers"));
    auto* sort = page.findChild<QComboBox*>(QStringLiteral("complayersort"));
    sort->setCurrentIndex(4); // Score, the one sorted descending
    SimServer sim;
    sim.setRateLimitMs(0);
    sim.setMaxPrintBytes(1000);
    sim.setPlayers(players);
    if (!sim.start()) {
        std::printf("the simulated server did not start\n");
        return 1;
    }
    session.client().setPasswordSource([&sim] { return sim.cvar(QStringLiteral("rconpassword")); });
    session.client().open(QHostAddress::LocalHost, sim.port());
    session.setConnection(ConnectionState::Connected);
    const int populates = 20;
    int whole = 0;
    qint64 total = 0;
    for (int i = 0; i < populates; ++i) {
        // Past the pacing gap of the one before, so only the populate counts.
        QEventLoop pause;
        QTimer::singleShot(int(RconClient::kMinGapSeconds * 1000), &pause, &QEventLoop::quit);
        pause.exec();
        timer.restart();
        page.populateClicked();
        QEventLoop loop;
        QObject::connect(&session.client(), &RconClient::idleNow, &loop, &QEventLoop::quit);
        if (!session.client().idle())
            loop.exec();
        total += timer.nsecsElapsed();
        whole += grid->rowCount() == 64;
    }
    report("populate over loopback, click to filled grid", total, populates);
    std::printf("populates listing all 64 players: %d of %d; boxes shown: %d\n", whole, populates,
                dialogs.shown);
    return rows == qsizetype(parses) * 64 ? 0 : 1;
}
