#pragma once

#include <QStringList>

// Reading the server's reply to "dir maps/mp bsp": a line "Directory of maps/mp bsp", a line
// of dashes, then one file name per line.
struct MapListReading {
    // The reply did not reach its line of dashes; the request should be repeated.
    bool incomplete = false;
    // Every ".bsp" file after the dashes (any letter case), in reply order, letter case kept,
    // without its ".bsp". Empty when the folder holds no maps.
    QStringList names;
};

MapListReading readMapList(const QString& reply);
