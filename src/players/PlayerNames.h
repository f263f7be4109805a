#pragma once

#include <QString>

// The game writes colours into names as a caret followed by one digit ("^1Red^7Baron").
// Returns the name without them; a caret followed by anything else stays.
QString stripcolours(const QString& name);

// The private-message text with its first "%P%" (any letter case) replaced by the name;
// later placeholders stay as typed.
QString fillPlayerPlaceholder(const QString& message, const QString& name);
