#pragma once

#include "history/HistoryTypes.h"
#include "settings/FileLocations.h"
#include "settings/HistorySettings.h"

// The file the history is kept in when no database server is given.
inline constexpr const char* kHistoryFileName = "history.sqlite";

// Where the store opens for these settings: the SQLite file in the data folder, or the server.
HistoryConfig historyConfigFor(const HistorySettings& settings, const FileLocations& files);
