#pragma once

#include <QByteArrayView>
#include <QString>

// The lines of the settings file, read as bytes. The file is read and rewritten one line at a
// time and never decoded whole: in Windows-1252 every character is one byte and the bytes that
// shape a line ("\n", "[", "]", "=", ";" and the blanks) are ASCII, so a line's parts are
// found in its bytes and only the names and values asked for are decoded. (Decoding the whole
// file and splitting it into lines held ten times the file in memory.)
namespace profilelines {

// The line that starts at `start`: up to its "\n", without one "\r" before it; `next` is
// where the line after it starts.
QByteArrayView lineAt(QByteArrayView bytes, qsizetype start, qsizetype* next);

// Calls visit(line, start) for every line of the file. The text after the last line break is a
// line unless it is empty once its "\r" is dropped.
template <typename Visit> void forEachLine(QByteArrayView bytes, Visit&& visit) {
    for (qsizetype start = 0, next = 0; start < bytes.size(); start = next) {
        const QByteArrayView line = lineAt(bytes, start, &next);
        if (!line.isEmpty() || bytes[next - 1] == '\n')
            visit(line, start);
    }
}

// What a line is: "[name]" with blanks allowed around it opens a section; "key=value" holds a
// key unless the key is empty or starts with ";"; anything else is kept as it is.
struct Line {
    enum Kind { Other, Section, Key };
    Kind kind = Other;
    QByteArrayView name; // the section's or the key's, trimmed
    QByteArrayView value;
};

Line classify(QByteArrayView text);

// The characters of the bytes.
QString decode(QByteArrayView bytes);
// A name case-folded into `out`, whose buffer is reused from line to line.
void fold(QByteArrayView name, QString& out);
// Whether the name in the file is the case-folded one asked for.
bool sameName(QByteArrayView name, QStringView folded);

} // namespace profilelines
