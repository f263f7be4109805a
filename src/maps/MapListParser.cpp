#include "MapListParser.h"

namespace {

// Positions count from 1 and "not found" is 0, so that a search that found nothing makes
// the next one start again at the first character.
qsizetype findFrom(const QString& text, qsizetype start1, QStringView what) {
    const qsizetype found = text.indexOf(what, qMax<qsizetype>(0, start1 - 1), Qt::CaseInsensitive);
    return found < 0 ? 0 : found + 1;
}

} // namespace

MapListReading readMapList(const QString& reply) {
    MapListReading reading;
    const QStringView lf(u"\n");
    qsizetype p = 0;
    for (int i = 0; i < 3; ++i)
        p = findFrom(reply, p + 1, lf);
    if (p == 0) {
        reading.incomplete = true;
        return reading;
    }
    for (;;) {
        const qsizetype q = findFrom(reply, p + 1, u".BSP");
        if (q == 0)
            break;
        reading.names << reply.mid(p, q - p - 1);
        p = findFrom(reply, q, lf);
        if (p == 0)
            break;
    }
    return reading;
}
