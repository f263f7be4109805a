#pragma once

// The columns of the player grid. The reply's lastmsg field is read but never shown, so the
// "Last Message" column stays empty.
namespace playercol {

enum Column { Blank = 0, Num, Guid, Player, Ping, Score, Address, Qport, Rate, LastMessage, Count };

// Headers, alignment (">" right, "<" left) and starting widths (the header's length) of the
// grid, in the grid control's own format notation.
inline constexpr const char* kFormat =
    "  |Num|>Guid          |<Player                                |>Ping     |>Score     "
    "|>Address                 |>Qport    |> Rate   | Last Message";

} // namespace playercol
