#include "GetstatusParser.h"

QueryReport parseGetstatusReply(const QString& reply) {
    QueryReport report;
    const qsizetype first = reply.indexOf(u'\n');
    const qsizetype second = first < 0 ? -1 : reply.indexOf(u'\n', first + 1);
    if (second < 0 || second == reply.size() - 1) {
        report.noPlayerLines = true;
        return report;
    }
    qsizetype p = second; // the line feed before the current line
    for (;;) {
        const qsizetype lineEnd = reply.indexOf(u'\n', p + 1);
        const qsizetype end = lineEnd < 0 ? reply.size() : lineEnd;
        const qsizetype q1 = reply.indexOf(u' ', p + 1);
        if (q1 < 0 || q1 >= end)
            break;
        const qsizetype q2 = reply.indexOf(u' ', q1 + 1);
        if (q2 < 0 || q2 + 1 >= end || reply[q2 + 1] != u'"')
            break;
        const qsizetype q3 = reply.indexOf(u'"', q2 + 2);
        if (q3 < 0 || q3 >= end)
            break;
        QueryRow row;
        row.score = reply.mid(p + 1, q1 - p - 1).trimmed();
        row.ping = reply.mid(q1 + 1, q2 - q1 - 1).trimmed();
        row.name = reply.mid(q2 + 2, q3 - q2 - 2).trimmed();
        report.rows << row;
        if (lineEnd < 0 || lineEnd == reply.size() - 1)
            break;
        p = lineEnd;
    }
    return report;
}
