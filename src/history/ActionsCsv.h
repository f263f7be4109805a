#pragma once

#include "HistoryTypes.h"

#include <QByteArray>

// The actions as a CSV file for a spreadsheet: a header row, RFC 4180 quoting, UTF-8. A cell
// that a spreadsheet would take for a formula gets a leading ' so that it stays text.
QByteArray actionsCsv(const QList<ActionRecord>& actions);
