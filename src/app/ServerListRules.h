#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The rules of the saved-server list, whose entries read "address:port".
namespace serverlist {

QString makeEntry(const QString& address, const QString& port);

// Whether an entry already holds the address anywhere (any letter case). The same address
// with another port counts as saved.
bool hasAddress(const QStringList& entries, const QString& address);

// The positions of the entries that contain key (any letter case), highest first, so they
// can be removed one after the other.
QList<int> entriesToRemove(const QStringList& entries, const QString& key);

// A typed value is remembered when it is not empty and not already in the list (exact).
bool shouldRemember(const QStringList& values, const QString& text);

} // namespace serverlist
