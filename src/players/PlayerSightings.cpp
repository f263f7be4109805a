#include "PlayerSightings.h"

#include "PlayerNames.h"

#include <QHostAddress>

QString playerIp(const QString& address) {
    const qsizetype colon = address.lastIndexOf(u':');
    QString host = colon > 0 && !address.left(colon).contains(u':') ? address.left(colon) : address;
    if (host.startsWith(u'[')) // an IPv6 address with a port: "[::1]:28960"
        host = address.mid(1, address.indexOf(u']') - 1);
    const QHostAddress ip(host);
    return ip.isNull() ? QString() : ip.toString();
}

QList<Sighting> sightingsOf(const StatusReport& report) {
    QList<Sighting> seen;
    seen.reserve(report.rows.size());
    for (const StatusRow& row : report.rows) {
        bool numbered = false;
        const int slot = row.num.toInt(&numbered);
        seen << Sighting{numbered ? slot : -1, row.name, stripcolours(row.name).trimmed(),
                         playerIp(row.address), row.guid};
    }
    return seen;
}
