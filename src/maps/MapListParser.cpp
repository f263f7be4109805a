#include "MapListParser.h"

namespace {

bool isDashRule(QStringView line) {
    if (!line.contains(u'-'))
        return false;
    for (const QChar c : line)
        if (c != u'-')
            return false;
    return true;
}

} // namespace

MapListReading readMapList(const QString& reply) {
    MapListReading reading;
    const QLatin1String extension(".bsp");
    bool listing = false;
    for (QStringView line : QStringView(reply).split(u'\n')) {
        line = line.trimmed();
        if (!listing) {
            listing = isDashRule(line);
            continue;
        }
        if (line.size() > extension.size() && line.endsWith(extension, Qt::CaseInsensitive))
            reading.names << line.chopped(extension.size()).toString();
    }
    reading.incomplete = !listing;
    return reading;
}
