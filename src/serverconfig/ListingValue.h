#pragma once

#include <QString>

#include <optional>

// Turning a value read from a variable listing into the state of a settings control.
namespace listing {

// The state of a check box: the value as a whole number (blanks around it ignored, a
// fraction rounded to the nearest, halves to even), which must be 0 unticked, 1 ticked or
// 2 greyed. Empty when the value is empty, not a number or out of that range.
std::optional<int> checkState(const QString& value);

// The number a value starts with, rounded to the nearest whole number (halves to even):
// "40" and "40abc" give 40; an empty or non-numeric start gives 0.
int leadingWhole(const QString& value);

} // namespace listing
