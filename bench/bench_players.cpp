// Figures for the player list: reading a full server's status report, showing it in the grid,
// and a whole populate against the in-process simulated server. Prints, asserts nothing.
// Run with QT_QPA_PLATFORM=offscreen where there is no display.

#include "app/Dialogs.h"
#include "app/Session.h"
#include "players/StatusParser.h"
#include "rcon/OutputSink.h"
#include "rcon/WaitClock.h"
#include "simserver/SimServer.h"
#include "ui/pages/PlayersPage.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTableWidget>

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
    void showProgress(const QString&, const QString&) override {}
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

    SilentDialogs dialogs;
    NullSink sink;
    Session session(dialogs, sink);
    session.state().options.autokick999 = true;
    PlayersPage page(session);
    auto* grid = page.findChild<QTableWidget*>(QStringLiteral("msfplayers"));
    auto* sort = page.findChild<QComboBox*>(QStringLiteral("complayersort"));
    sort->setCurrentIndex(4); // Score, the one sorted descending

    const int shows = 2000;
    timer.restart();
    for (int i = 0; i < shows; ++i) {
        grid->setRowCount(0);
        page.listStatusReply(reply, false);
        page.complayersort_Click();
    }
    report("show it: clear, parse, 999 watch, fill grid, sort on Score", timer.nsecsElapsed(),
           shows);

    timer.restart();
    for (int i = 0; i < shows; ++i)
        page.complayersort_Click();
    report("sort 64 rows again (already in order)", timer.nsecsElapsed(), shows);

    // A whole populate over loopback; the simulated server prints in 1000-byte datagrams.
    // The waits of the command channel run on a clock second of 10 ms here, and they make
    // up most of this figure.
    WaitClock::instance().setSecondMs(10);
    SimServer sim;
    sim.setRateLimitMs(0);
    sim.setMaxPrintBytes(1000);
    sim.setPlayers(players);
    if (!sim.start()) {
        std::printf("the simulated server did not start\n");
        return 1;
    }
    session.channel().setPasswordSource(
        [&sim] { return sim.cvar(QStringLiteral("rconpassword")); });
    session.channel().open(QHostAddress::LocalHost, sim.port());
    session.setConnectTag(QStringLiteral("YES"));
    const int populates = 100;
    int whole = 0;
    timer.restart();
    for (int i = 0; i < populates; ++i) {
        page.cmdplypop_Click();
        whole += grid->rowCount() == 64;
    }
    report("populate over loopback (clock second = 10 ms)", timer.nsecsElapsed(), populates);
    std::printf("populates listing all 64 players: %d of %d; boxes shown: %d\n", whole, populates,
                dialogs.shown);
    return rows == qsizetype(parses) * 64 ? 0 : 1;
}
