#pragma once

#include <QByteArray>
#include <QList>

// Replies captured from a real Quake III-engine server (tests/data/captures, whose README says
// what each shows).
namespace captures {

// The file's bytes: the datagrams of one reply, each with its header, in arrival order.
QByteArray bytes(const char* fileName);
// The datagrams again, split where each header starts.
QList<QByteArray> datagrams(const char* fileName);

} // namespace captures
