#pragma once

#include <QStringList>

// The help text beside the map rotation editor, one entry per line (an empty entry is an
// empty line).
QStringList rotationNotesLines();
// The same text with CR LF after every line, the last one included.
QString rotationNotes();
