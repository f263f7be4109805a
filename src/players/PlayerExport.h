#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

// The CSV log of players ("playerlist.csv"): who played under which name and address.
namespace playerexport {

inline constexpr const char* kFileName = "playerlist.csv";

struct Row {
    QString address;
    QString guid;
    QString name;
};

// "04-Mar-2005 21:07": English month abbreviations whatever the system language.
QString stamp(const QDateTime& when);
// The field in double quotes; a double quote inside is doubled so CSV readers keep the row
// whole.
QString field(const QString& text);
// The lines of one export, each ended by CR LF: five fields per row, or three (time stamp,
// server, name) for rows of the public status query, which carry no address or identifier.
QString lines(const QList<Row>& rows, const QString& server, const QString& stamp, bool queryMode);
QString headerLine();

// Appends the rows to the file, starting a new or empty file with the header line. Written
// in Windows-1252 with one write; a new file and its new folders are its owner's only. Returns
// false with a description when the file cannot be written.
bool append(const QString& path, const QList<Row>& rows, const QString& server,
            const QDateTime& when, bool queryMode, QString* error);

} // namespace playerexport
