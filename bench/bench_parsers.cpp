// How long every reader of a reply takes on 1 MB of what a server (or something posing as one)
// may send, and on the inputs that once took seconds. Prints, asserts nothing.

#include "app/CfgScan.h"
#include "app/StatusQuery.h"
#include "base/NumberRules.h"
#include "maps/MapListParser.h"
#include "messages/CyclerLogic.h"
#include "players/GetstatusParser.h"
#include "players/Player999Watch.h"
#include "players/StatusParser.h"
#include "rcon/Outcome.h"
#include "rcon/ReplyText.h"

#include <QElapsedTimer>
#include <QString>

#include <cstdio>
#include <functional>

namespace {

constexpr int kMegabyte = 1 << 20;

// `line` repeated up to about `size` characters, after `head`.
QString filled(const QString& head, const QString& line, int size) {
    QString text = head;
    text.reserve(size + line.size());
    while (text.size() < size)
        text += line;
    return text;
}

void measure(const char* what, const std::function<qsizetype()>& read) {
    QElapsedTimer timer;
    timer.start();
    const qsizetype found = read();
    std::printf("%-62s %9.1f ms  (%lld found)\n", what, double(timer.nsecsElapsed()) / 1e6,
                qlonglong(found));
}

} // namespace

int main() {
    const QString statusHead = QStringLiteral(
        "map: mp_harbor\nnum score ping guid name lastmsg address qport rate\n--- -----\n");
    const QString status =
        filled(statusHead,
               QStringLiteral(" 7 12 48 465030 A player name ^7 0 192.0.2.1:28960 1234 25000\n"),
               kMegabyte);
    measure("status report, 1 MB of player lines",
            [&] { return parseStatusReply(status + u'\n').rows.size(); });
    measure("status report, 1 MB of one line", [&] {
        return parseStatusReply(statusHead + QString(kMegabyte, u'7') + u'\n').rows.size();
    });
    const QString getstatus = filled(QStringLiteral("\xff\xff\xff\xffstatusResponse\n\\a\\b\n"),
                                     QStringLiteral("12 48 \"A player\"\n"), kMegabyte);
    measure("status query, 1 MB of player lines",
            [&] { return parseGetstatusReply(getstatus).rows.size(); });
    measure("status query values, 1 MB without the names",
            [&] { return statusquery::readGameStatus(QString(kMegabyte, u'\\')).map.size(); });
    for (const int size : {kMegabyte / 4, kMegabyte})
        measure(
            size == kMegabyte ? "CFG list, 1 MB of lines starting \"/\" without \".cfg\""
                              : "CFG list, 256 KB of lines starting \"/\" without \".cfg\"",
            [&] { return scanCfgNames(filled(QString(), QStringLiteral("/x\n"), size)).size(); });
    measure("CFG list, 1 MB of names", [&] {
        return scanCfgNames(filled(QString(), QStringLiteral("/server.cfg\n"), kMegabyte)).size();
    });
    measure("map list, 1 MB of names", [&] {
        return readMapList(filled(QStringLiteral("Directory of maps/mp bsp\n---\n"),
                                  QStringLiteral("mp_harbor.bsp\n"), kMegabyte))
            .names.size();
    });
    const QString listing =
        filled(QString(), QStringLiteral("S A sv_variable \"a value\"\n"), kMegabyte);
    measure("value lookup, 1 MB listing, name absent",
            [&] { return getquoted(listing, QStringLiteral("sv_hostname")).size(); });
    measure("refusal check, 1 MB reply", [&] { return replytext::refusalLine(listing).size(); });
    measure("blanks collapsed, 1 MB of blanks",
            [&] { return replytext::collapseBlanks(QString(kMegabyte, u' ')).size(); });
    measure("number check, \"1\" repeated 128 K times and an \"x\"",
            [&] { return qsizetype(numbers::isNumeric(QString(128 * 1024, u'1') + u'x')); });
    // The 999 watch over a 20,000-row report, three populates in a row: every player new at
    // 999, every one seen again, every other one recovered.
    QString bigReport = statusHead;
    for (int i = 0; i < 20000; ++i)
        bigReport +=
            QStringLiteral("%1 0 999 0 Player %1 ^7 0 192.0.2.1:28960 1234 25000\n").arg(i);
    const QList<StatusRow> rows = parseStatusReply(bigReport + u'\n').rows;
    QList<Player999Entry> watched;
    const auto populate = [&](int recoveredEvery) {
        {
            Player999Watch watch(watched);
            watch.clearSeen();
            for (qsizetype i = 0; i < rows.size(); ++i)
                watch.check(rows[i].name,
                            recoveredEvery && i % recoveredEvery == 0 ? QStringLiteral("48")
                                                                      : QStringLiteral("999"),
                            rows[i].num);
        }
        return watched.size();
    };
    measure("999 watch, 20,000-row report, all new at 999", [&] { return populate(0); });
    measure("999 watch, 20,000-row report, all seen again", [&] { return populate(0); });
    measure("999 watch, 20,000-row report, every other one recovered", [&] { return populate(2); });
    measure("placeholders, 1 MB message of \"%SN%\"", [&] {
        const QString message = filled(QString(), QStringLiteral("%SN%"), kMegabyte);
        return cycler::fillPlaceholders(message, {QString(), QStringLiteral("%FF%"), QString()})
            .size();
    });
    return 0;
}
