#pragma once

#include <QStringList>

// The server's CFG files from its answer to "fdir *.cfg": every line that begins with "/"
// and holds ".cfg" (any letter case) gives the text between the slash and ".cfg". Other
// lines (the line of dashes, "N files listed", files inside packed archives) are skipped;
// the last line counts also without a line feed after it.
QStringList scanCfgNames(const QString& response);
