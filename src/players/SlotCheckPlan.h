#pragma once

#include "PlayerActions.h"
#include "SlotCheck.h"
#include "rcon/Plan.h"

#include <functional>

// What the read before an action by slot can come to, beyond the action going out.
struct SlotCheckOutcomes {
    // Every report the check read, whatever it says of the slot.
    std::function<void(const StatusReport& report)> reportRead;
    // Another player holds the slot now, or nobody does (an empty holder): nothing is sent.
    std::function<void(const StatusReport& report, const StatusRow& holder)> slotLost;
    // The report stopped before the slot's line, or was no player list: nothing is sent.
    std::function<void(const QString& reply, const StatusReport& report)> reportFault;
};

// Reads the status report, then sends `act` only when the slot still holds `target`: a slot
// names whoever is in it at the moment the command arrives. An unanswered read, or a refused
// password, ends the plan without a word of its own: the client and the session say so. The
// action's steps stand in the plan from the start, so the plan reads as what it would do.
Plan afterSlotCheck(const SlotOccupant& target, const Plan& act, SlotCheckOutcomes outcomes);

// The kick, ban or temp ban of `target`, named in the log as `shownName`, after the check.
Plan removalAfterSlotCheck(playeractions::Removal removal, const SlotOccupant& target,
                           const QString& shownName, SlotCheckOutcomes outcomes);
