#include "ReportFault.h"

namespace {

bool isDashRule(QStringView line) {
    line = line.trimmed();
    if (!line.startsWith(QLatin1String("--")))
        return false;
    for (const QChar c : line)
        if (c != u'-' && c != u' ')
            return false;
    return true;
}

} // namespace

ReportFault reportFault(const QString& reply, const StatusReport& report) {
    if (!report.malformed)
        return ReportFault::None;
    // After the rule under the column names, an empty line closes the report. Without one the
    // reply stopped short (its last datagrams are late or lost); with one, a line in it was
    // no player line. The text after the last line feed is a line still on its way.
    const QList<QStringView> lines = QStringView(reply).split(u'\n');
    qsizetype i = 0;
    while (i < lines.size() && !isDashRule(lines[i]))
        ++i;
    if (i == lines.size())
        return ReportFault::NotAList;
    for (++i; i < lines.size() - 1; ++i)
        if (lines[i].trimmed().isEmpty())
            return ReportFault::NotAList;
    return ReportFault::EndedEarly;
}

QString firstLineOf(const QString& reply) {
    for (const QStringView line : QStringView(reply).split(u'\n'))
        if (!line.trimmed().isEmpty())
            return line.trimmed().toString();
    return {};
}
