#pragma once

#include "history/HistoryTypes.h"
#include "rcon/Exchange.h"
#include "rcon/Outcome.h"

#include <QString>

// What the audit log keeps of an action beyond its command: the player it was aimed at and
// the operator's reason. The reason is the operator's note; it never goes on the wire.
struct AuditNote {
    QString playerName;
    QString playerAddress;
    QString playerGuid;
    QString reason;
};

namespace audit {

// The kind of action a command is, as the audit log files it ("kick", "ban", "tempban",
// "tell", "map", "restart", "cfg", "broadcast", "setting", "console" for a line the operator
// typed, whatever it does); empty for a read, which is no action.
QString actionKind(const Request& request);
// The judge's verdict as the audit log words it.
QString outcomeWord(const Outcome& outcome);
// A kind and an outcome word as kept, in the operator's language for display.
QString displayedKind(const QString& kind);
QString displayedOutcome(const QString& outcome);
// The command as it may be kept: a password set on the server is not written down.
QString keptCommand(const QString& command);
// The operator's name on this machine.
QString operatorUser();

} // namespace audit
