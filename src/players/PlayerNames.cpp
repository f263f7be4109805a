#include "PlayerNames.h"

namespace {

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

} // namespace

QString stripcolours(const QString& name) {
    QString out;
    out.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (name[i] == u'^' && i + 1 < name.size() && isAsciiDigit(name[i + 1])) {
            ++i;
            continue;
        }
        out += name[i];
    }
    return out;
}

QString fillPlayerPlaceholder(const QString& message, const QString& name) {
    const qsizetype at = message.indexOf(QLatin1String("%P%"), 0, Qt::CaseInsensitive);
    if (at < 0)
        return message;
    QString out = message;
    return out.replace(at, 3, name);
}
