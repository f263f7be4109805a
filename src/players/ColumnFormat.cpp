#include "ColumnFormat.h"

QList<GridColumn> parseColumnFormat(const QString& format) {
    QList<GridColumn> columns;
    const QStringList parts = format.split(u'|');
    for (QString part : parts) {
        GridColumn column;
        if (part.startsWith(u'>')) {
            column.alignment = Qt::AlignRight | Qt::AlignVCenter;
            part.remove(0, 1);
        } else if (part.startsWith(u'<')) {
            column.alignment = Qt::AlignLeft | Qt::AlignVCenter;
            part.remove(0, 1);
        } else if (part.startsWith(u'^')) {
            column.alignment = Qt::AlignHCenter | Qt::AlignVCenter;
            part.remove(0, 1);
        }
        column.widthText = part;
        column.widthChars = int(part.size());
        column.header = part.trimmed();
        columns << column;
    }
    return columns;
}
