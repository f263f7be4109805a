#pragma once

#include "StatusParser.h"

#include <QHash>
#include <QString>

// The player an action by slot is meant for, as the list read him.
struct SlotOccupant {
    QString slot;
    // As the server printed it; with plainName, without its colour codes (as the 999 watch
    // keeps names).
    QString name;
    // Compared only where both the list and the report print one.
    QString address;
    bool plainName = false;
};

// Who holds the slot, read from a status report taken just before the action: a slot names
// whoever is in it now, and players leave and join between two reports.
struct SlotCheck {
    enum class Verdict {
        Holds,   // the same player
        Other,   // another player holds the slot: `holder`
        Empty,   // the report is whole and nobody is in the slot
        Unknown, // the report stopped before a line for the slot
    };
    Verdict verdict = Verdict::Unknown;
    StatusRow holder;
};

// The holders of every slot of one report, for checking several slots against it in one pass
// over the report. The report must outlive it.
class SlotHolders {
public:
    explicit SlotHolders(const StatusReport& report);
    SlotCheck check(const SlotOccupant& selected) const;

private:
    QHash<QString, const StatusRow*> m_bySlot;
    bool m_whole = false;
};

// One slot checked against a report.
inline SlotCheck checkSlot(const StatusReport& report, const SlotOccupant& selected) {
    return SlotHolders(report).check(selected);
}

// "<name> is no longer in slot <n>", and who is there now (an empty holderName: nobody).
QString slotLostText(const QString& name, const QString& slot, const QString& holderName);
