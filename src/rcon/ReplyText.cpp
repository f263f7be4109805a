#include "ReplyText.h"

#include <QRegularExpression>

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

QString refusalOf(const QString& reply, const QString& command) {
    for (QStringView line : QStringView(reply).split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.startsWith(QLatin1String("unknown command"), Qt::CaseInsensitive)) {
            // The name as sent: the first word, up to a blank or the quote of a quoted value.
            const qsizetype end = command.indexOf(QRegularExpression(QStringLiteral("[ \"]")));
            return QStringLiteral("the server does not know ") + command.left(end);
        }
        if (line.startsWith(QLatin1String("usage:"), Qt::CaseInsensitive))
            return QStringLiteral("the server answered ") + line.toString();
    }
    return {};
}

} // namespace replytext

QString getquoted(const QString& reply, const QString& key) {
    const qsizetype found = reply.indexOf(key, 0, Qt::CaseInsensitive);
    if (found < 0)
        return {};
    const qsizetype open = reply.indexOf(QLatin1Char('"'), found);
    if (open < 0)
        return {};
    const qsizetype close = reply.indexOf(QLatin1Char('"'), open + 1);
    if (close < 0)
        return {};
    return reply.mid(open + 1, close - open - 1);
}
