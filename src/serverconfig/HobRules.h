#pragma once

#include <QString>

#include <optional>

// The value checks of the Heat of Battle window.
namespace hob {

// A percentage as text: a number whose whole value lies from 0 to 100. Empty when the text
// is empty, not a number or out of range.
std::optional<int> percentage(const QString& text);

enum class WaveCheck { Ok, NotNumeric, OutOfRange };
// The wave-respawn time: a number from 1 to 30 seconds; fractions pass.
WaveCheck checkWave(const QString& text);

// The number a percentage box shows for a value read from the server: the value's leading
// number, 0 for none, kept within 0 to 100.
int scrollPosition(const QString& value);

} // namespace hob
