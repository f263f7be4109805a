#include "ReplyText.h"

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
