#pragma once

#include <QString>

#include <optional>

// The number rules of the settings pages. A text is numeric when it is a signed decimal
// number with an optional exponent, blanks allowed around it ("1e3", " -2.5 "; not "",
// "1,5", "--1"). Its whole value is the number rounded to the nearest integer, halves to
// the even neighbour; a whole value outside 16 bits counts as out of range.
namespace numbers {

std::optional<double> parse(const QString& text);
inline bool isNumeric(const QString& text) { return parse(text).has_value(); }
// The whole value; empty when the text is not numeric or the value does not fit 16 bits.
std::optional<qint16> wholeValue(const QString& text);
// Numeric, and its whole value lies from low to high.
bool wholeInRange(const QString& text, int low, int high);
// The conversion where any text must give a number: the whole value, or 0.
qint16 wholeOrZero(const QString& text);

} // namespace numbers
