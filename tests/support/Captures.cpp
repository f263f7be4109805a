#include "Captures.h"

#include <QFile>

namespace captures {

QByteArray bytes(const char* fileName) {
    QFile file(QStringLiteral(VOSTREL_TEST_DATA "/captures/") + QLatin1String(fileName));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read the capture %s", fileName);
    return file.readAll();
}

QList<QByteArray> datagrams(const char* fileName) {
    const QByteArray all = bytes(fileName);
    const QByteArray header(4, '\xff');
    QList<QByteArray> split;
    qsizetype at = all.indexOf(header);
    while (at >= 0) {
        const qsizetype next = all.indexOf(header, at + header.size());
        split << all.mid(at, next < 0 ? -1 : next - at);
        at = next;
    }
    return split;
}

} // namespace captures
