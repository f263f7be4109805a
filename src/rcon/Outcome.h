#pragma once

#include "Exchange.h"

#include <QString>

// What the server did with a command, read from its reply. Every log line, grid change and
// announcement of the program is decided by this, and nothing else reads refusals.
struct Outcome {
    enum class Kind {
        Taken,          // done (a reply that refuses nothing, or the silence of a map load)
        TakenAtNextMap, // a setting taken that applies at the next map load or restart
        Refused,        // the server said no; serverWords holds its line
        NoAnswer,       // it went, but nothing came back: the server may have acted
        NotSent,        // nothing left for the server
    };
    Kind kind = Kind::NotSent;
    // The refusing line as the server printed it, colour codes and the edge blanks removed.
    QString serverWords;

    bool taken() const { return kind == Kind::Taken || kind == Kind::TakenAtNextMap; }
    bool refused() const { return kind == Kind::Refused; }
};

// The one judge of replies.
Outcome judge(const Request& request, const Reply& reply);

namespace replytext {

// The line of a reply that says the server did not do what it was asked, as printed (colour
// codes and edge blanks removed); empty when no line says so. Lines of console output that
// came along with the reply (chat, kills) never start like a refusal.
QString refusalLine(const QString& reply);

// The reply is the server's answer to a wrong password, or says it has no password set.
bool isPasswordRefusal(const QString& reply);

// The text with the colour codes (^ and the character after it) removed.
QString withoutColours(QStringView text);

} // namespace replytext
