#pragma once

#include <QString>
#include <qnamespace.h>

// The order of two grid cells: two numbers compare as numbers, two texts as text (letter case
// only breaking ties). A number and a text compare as text would for every cell the grid
// holds (digits and signs sort before letters); numbers are simply placed first so that the
// order stays consistent however numbers and words are mixed in one column ("9", "10", "CNCT").
// Returns a negative value, 0 or a positive value.
int comparePlayerCells(const QString& a, const QString& b);

// Score lists the highest first; every other column sorts ascending.
Qt::SortOrder playerSortOrder(int column);
