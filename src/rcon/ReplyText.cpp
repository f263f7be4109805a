#include "ReplyText.h"

#include <optional>

namespace replytext {

QString collapseBlanks(const QString& text) {
    QString collapsed;
    collapsed.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char(' ') && collapsed.endsWith(QLatin1Char(' ')))
            continue;
        collapsed += c;
    }
    return collapsed;
}

} // namespace replytext

namespace {

const QLatin1Char kQuote('"');

// The value of one line of a listing, if the line is the variable's: either the line of a
// cvarlist ("<flags> <name> "<value>""), where the name is the last word before the first
// double quote, or the answer to a query by name (""<name>" is:"<value>^7" default:..."),
// whose value has the engine's colour reset after it.
std::optional<QString> valueOnLine(QStringView line, QStringView key) {
    const qsizetype open = line.indexOf(kQuote);
    if (open < 0)
        return std::nullopt;
    if (line.left(open).trimmed().isEmpty()) {
        const qsizetype nameEnd = line.indexOf(kQuote, open + 1);
        if (nameEnd < 0 || line.mid(open + 1, nameEnd - open - 1).compare(key, Qt::CaseInsensitive))
            return std::nullopt;
        const QStringView rest = line.mid(nameEnd + 1).trimmed();
        if (!rest.startsWith(QLatin1String("is:\"")))
            return std::nullopt;
        const qsizetype close = rest.indexOf(kQuote, 4);
        if (close < 0)
            return QString();
        QStringView value = rest.mid(4, close - 4);
        if (value.endsWith(QLatin1String("^7")))
            value.chop(2);
        return value.toString();
    }
    const QStringView head = line.left(open).trimmed();
    const qsizetype blank = head.lastIndexOf(QLatin1Char(' '));
    if (head.mid(blank + 1).compare(key, Qt::CaseInsensitive))
        return std::nullopt;
    const qsizetype close = line.indexOf(kQuote, open + 1);
    if (close < 0)
        return QString();
    return line.mid(open + 1, close - open - 1).toString();
}

} // namespace

QString getquoted(const QString& reply, const QString& key) {
    // Some tags end in a blank (the variable is sent as "name "value""); the name is the rest.
    const QStringView name = QStringView(key).trimmed();
    if (name.isEmpty())
        return {};
    const QStringView text(reply);
    for (qsizetype pos = 0; pos < text.size();) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), pos);
        if (end < 0)
            end = text.size();
        if (const std::optional<QString> value = valueOnLine(text.mid(pos, end - pos), name))
            return *value;
        pos = end + 1;
    }
    return {};
}
