#pragma once

#include <QList>
#include <QString>

// One player line of the server's "status" report, every field as printed. A column the
// server does not print stays empty.
struct StatusRow {
    QString num; // the slot ("num", or "cl" on ioquake3 servers)
    QString score;
    QString ping; // a number, or a word such as CNCT while the player connects
    QString guid;
    // As the server printed it: colour codes and inner blanks kept, a colour reset at its
    // end too; the padding and the one colour reset the report adds after every name are
    // not part of it.
    QString name;
    QString lastmsg;
    QString address;
    QString qport;
    QString rate;

    friend bool operator==(const StatusRow&, const StatusRow&) = default;
};

struct StatusReport {
    QList<StatusRow> rows; // the player lines read, in report order
    // The reply ended before the empty line that closes the report, or a line did not have
    // the shape of a player line (a long report still missing datagrams, or garbage). The
    // rows read before that point are kept.
    bool malformed = false;
};

// Reads the player lines of a collected "status" reply: a head whose last two lines are the
// column names and a rule of dashes, one line per player and a closing empty line. The
// columns are taken from their names (num or cl, score, ping, guid, name, lastmsg, address,
// qport, rate; servers of the family print different sets). A name may hold blanks, so the
// columns before it are read from the left and those after it from the right; a line with
// fewer words than its columns need is malformed. An empty reply (nothing arrived) lists no
// players and is not malformed.
StatusReport parseStatusReply(const QString& reply);
