#pragma once

#include <QString>

// The value checks of the Heat of Battle window.
namespace hob {

enum class WaveCheck { Ok, NotNumeric, OutOfRange };
// The wave-respawn time: a number from 1 to 30 seconds; fractions pass.
WaveCheck checkWave(const QString& text);

// The number a percentage box shows for a value read from the server: the value's leading
// number, 0 for none, kept within 0 to 100.
int percentageShown(const QString& value);

} // namespace hob
