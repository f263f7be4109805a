#include "CfgScan.h"

QStringList scanCfgNames(const QString& response) {
    QStringList names;
    qsizetype lineStart = 0;
    while (lineStart < response.size()) {
        qsizetype lineEnd = response.indexOf(QLatin1Char('\n'), lineStart);
        if (lineEnd < 0)
            lineEnd = response.size();
        if (response[lineStart] == QLatin1Char('/')) {
            const qsizetype ext =
                response.indexOf(QLatin1String(".cfg"), lineStart + 1, Qt::CaseInsensitive);
            if (ext >= 0 && ext < lineEnd)
                names << response.mid(lineStart + 1, ext - lineStart - 1);
        }
        lineStart = lineEnd + 1;
    }
    return names;
}
