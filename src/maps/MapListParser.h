#pragma once

#include <QStringList>

// Reading the server's reply to "dir maps/mp bsp".
struct MapListReading {
    // The reply lacked the lines that precede the list; the request should be repeated.
    bool incomplete = false;
    // The map names in reply order, letter case kept, without their ".bsp".
    QStringList names;
};

// The first three line feeds of the reply are passed over; after them every text up to a
// ".bsp" (any letter case) is a name, and each name's line feed starts the next one.
MapListReading readMapList(const QString& reply);
