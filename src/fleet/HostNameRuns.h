#pragma once

#include <QList>
#include <QString>

namespace fleet {

// A stretch of a name drawn in one colour.
struct ColourRun {
    static constexpr int kDefault = -1; // the colour the text starts in
    QString text;
    int colour = kDefault; // 0 black, 1 red, 2 green, 3 yellow, 4 blue, 5 cyan, 6 magenta, 7 white

    friend bool operator==(const ColourRun&, const ColourRun&) = default;
};

struct HostNameRuns {
    QList<ColourRun> runs; // no empty run; neighbours differ in colour
    QString plain;         // the name without its colour codes
};

// Splits a name with the engine's colour codes. As the Quake III engine reads them, a caret
// followed by any character but another caret is a code, and the character picks colour
// (code - '0') & 7: "^8" is black, "^9" red, a letter one of the eight too. A caret before a
// caret, or at the end, is text.
HostNameRuns splitHostName(const QString& name);

} // namespace fleet
