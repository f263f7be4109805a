#pragma once

#include <QList>
#include <QString>

// One player line of the public status query's reply: score, ping, "name".
struct QueryRow {
    QString score;
    QString ping;
    QString name; // as sent, colour codes kept

    friend bool operator==(const QueryRow&, const QueryRow&) = default;
};

struct QueryReport {
    QList<QueryRow> rows;       // in reply order
    bool noPlayerLines = false; // the reply ends with its variable line
};

// Reads a collected "getstatus" reply: a line with the reply's name, the server's key/value
// line, then one line per player. Reading ends at the first line that does not have that
// shape, keeping the players read before it.
QueryReport parseGetstatusReply(const QString& reply);
