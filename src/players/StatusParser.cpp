#include "StatusParser.h"

#include <optional>

namespace {

// The channel collapses blanks one datagram at a time, so a run of blanks that a datagram
// boundary cut in two still arrives as two blanks.
QString collapseBlanks(const QString& text) {
    if (!text.contains(QLatin1String("  ")))
        return text;
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == u' ' && out.endsWith(u' '))
            continue;
        out += c;
    }
    return out;
}

bool isDigits(QStringView s) {
    if (s.isEmpty())
        return false;
    for (const QChar c : s)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

bool isInteger(QStringView s) {
    return isDigits(s.startsWith(u'-') ? s.mid(1) : s);
}

// The rule under the column names; console output printed while the command ran (chat,
// kills) may stand above the report, so the head is found by this line, not by counting.
bool isDashRule(QStringView line) {
    if (!line.startsWith(QLatin1String("---")))
        return false;
    for (const QChar c : line)
        if (c != u'-' && c != u' ')
            return false;
    return true;
}

// An address is at most 22 characters and is padded to that width, so a 22-character address
// runs into a five-character qport with no blank between them.
constexpr qsizetype kAddressWidth = 22;

const QLatin1String kColourReset("^7");

std::optional<StatusRow> parsePlayerLine(QStringView line) {
    const QList<QStringView> words = line.split(u' ', Qt::SkipEmptyParts);
    const qsizetype n = words.size();
    if (n < 7)
        return std::nullopt;
    StatusRow row;
    row.num = words[0].toString();
    row.score = words[1].toString();
    row.ping = words[2].toString();
    row.guid = words[3].toString();
    row.rate = words[n - 1].toString();
    qsizetype nameEnd = 0;
    const QStringView beforeRate = words[n - 2];
    if (beforeRate.contains(u':') && beforeRate.size() > kAddressWidth) {
        row.address = beforeRate.left(kAddressWidth).toString();
        row.qport = beforeRate.mid(kAddressWidth).toString();
        row.lastmsg = words[n - 3].toString();
        nameEnd = n - 3;
    } else {
        if (n < 8)
            return std::nullopt;
        row.qport = beforeRate.toString();
        row.address = words[n - 3].toString();
        row.lastmsg = words[n - 4].toString();
        nameEnd = n - 4;
    }
    QStringList nameWords;
    for (qsizetype i = 4; i < nameEnd; ++i)
        nameWords << words[i].toString();
    row.name = nameWords.join(u' ');
    // The report closes every name with a colour reset of its own (after the padding on some
    // servers, before it on others); it is not part of the name, and a colour code at the
    // very end of a name colours nothing anyway.
    if (row.name.endsWith(kColourReset)) {
        row.name.chop(kColourReset.size());
        row.name = row.name.trimmed();
    }

    if (!isDigits(row.num) || !isInteger(row.score) || !isInteger(row.lastmsg) ||
        !isInteger(row.qport) || !isInteger(row.rate))
        return std::nullopt;
    return row;
}

} // namespace

StatusReport parseStatusReply(const QString& reply) {
    StatusReport report;
    if (reply.isEmpty())
        return report;
    const QString text = collapseBlanks(reply);
    const QStringView view(text);

    qsizetype pos = 0;
    bool headFound = false;
    while (!headFound) {
        const qsizetype end = text.indexOf(u'\n', pos);
        if (end < 0)
            break;
        headFound = isDashRule(view.mid(pos, end - pos));
        pos = end + 1;
    }
    if (!headFound) {
        report.malformed = true;
        return report;
    }

    for (;;) {
        const qsizetype end = text.indexOf(u'\n', pos);
        if (end < 0) {
            report.malformed = true; // cut before the closing empty line
            return report;
        }
        const QStringView line = view.mid(pos, end - pos);
        if (line.trimmed().isEmpty())
            return report;
        const std::optional<StatusRow> row = parsePlayerLine(line);
        if (!row) {
            report.malformed = true;
            return report;
        }
        report.rows << *row;
        pos = end + 1;
    }
}
