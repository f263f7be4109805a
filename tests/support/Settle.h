#pragma once

class RconClient;

// Runs events until the client has nothing queued, on the wire or held, and no event that is
// already due starts anything new; false when that takes longer than `seconds` clock seconds.
[[nodiscard]] bool waitUntilIdle(const RconClient& client, double seconds = 40);
