#pragma once

#include "history/HistoryTypes.h"

#include <QString>

// What the panel beside the player list says of one player's past, as plain text: the other
// names seen at the same address or guid, first and last seen, the kicks and bans with their
// reasons (newest first). Times in the local time of this machine.
QString playerHistoryText(const PlayerHistory& history);
