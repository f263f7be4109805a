#pragma once

#include <QList>
#include <QString>
#include <qnamespace.h>

// One column of a grid described by a column-format string: columns separated by "|", a
// leading ">" right-aligns a column, "<" left-aligns it, "^" centres it; the header text,
// blanks included, gives the column's starting width in characters.
struct GridColumn {
    QString header;    // without the alignment mark and surrounding blanks
    QString widthText; // the header with its blanks: as wide as the column starts
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    int widthChars = 0;
};

QList<GridColumn> parseColumnFormat(const QString& format);
