#include "CfgScan.h"

QStringList scanCfgNames(const QString& response) {
    QStringList names;
    const QLatin1String extension(".cfg");
    for (const QStringView line : QStringView(response).split(QLatin1Char('\n'))) {
        if (!line.startsWith(QLatin1Char('/')))
            continue;
        // Only this line is searched, so a long reply is read once.
        const qsizetype ext = line.indexOf(extension, 1, Qt::CaseInsensitive);
        if (ext >= 0)
            names << line.mid(1, ext - 1).toString();
    }
    return names;
}
