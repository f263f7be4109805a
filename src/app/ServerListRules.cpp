#include "ServerListRules.h"

namespace serverlist {

QString makeEntry(const QString& address, const QString& port) {
    return address + QLatin1Char(':') + port;
}

bool hasAddress(const QStringList& entries, const QString& address) {
    for (const QString& entry : entries)
        if (entry.contains(address, Qt::CaseInsensitive))
            return true;
    return false;
}

QList<int> entriesToRemove(const QStringList& entries, const QString& key) {
    QList<int> positions;
    for (int i = int(entries.size()) - 1; i >= 0; --i)
        if (entries[i].contains(key, Qt::CaseInsensitive))
            positions << i;
    return positions;
}

bool shouldRemember(const QStringList& values, const QString& text) {
    return !text.isEmpty() && !values.contains(text, Qt::CaseSensitive);
}

} // namespace serverlist
