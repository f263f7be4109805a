#include "PlayerExport.h"

#include "base/PrivateFiles.h"
#include "base/Wire1252.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace playerexport {

namespace {

const QLatin1String kLineEnd("\r\n");

QString joined(const QStringList& fields) {
    QStringList quoted;
    for (const QString& f : fields)
        quoted << field(f);
    return quoted.join(u',') + kLineEnd;
}

} // namespace

QString stamp(const QDateTime& when) {
    return QLocale(QLocale::English, QLocale::UnitedStates)
        .toString(when, QStringLiteral("dd-MMM-yyyy HH:mm"));
}

QString field(const QString& text) {
    QString out = text;
    out.replace(u'"', QLatin1String("\"\""));
    return u'"' + out + u'"';
}

QString headerLine() {
    return joined({QStringLiteral("Date/Time"), QStringLiteral("Server IP:Port"),
                   QStringLiteral("Player IP"), QStringLiteral("Player GUID"),
                   QStringLiteral("Player Name")});
}

QString lines(const QList<Row>& rows, const QString& server, const QString& stamp, bool queryMode) {
    QString text;
    for (const Row& row : rows)
        text += queryMode ? joined({stamp, server, row.name})
                          : joined({stamp, server, row.address, row.guid, row.name});
    return text;
}

bool append(const QString& path, const QList<Row>& rows, const QString& server,
            const QDateTime& when, bool queryMode, QString* error) {
    const QFileInfo info(path);
    const bool fresh = !info.exists() || info.size() == 0;
    const QByteArray bytes = wire1252::encode((fresh ? headerLine() : QString()) +
                                              lines(rows, server, stamp(when), queryMode));
    QFile file(path);
    if (!privatefiles::makePrivateFolderFor(path) || !privatefiles::openForAppend(file) ||
        file.write(bytes) != bytes.size() || !file.flush()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    file.close();
    return true;
}

} // namespace playerexport
