#include "SlotCheckPlan.h"

#include "rcon/Outcome.h"

Plan afterSlotCheck(const SlotOccupant& target, const Plan& act, SlotCheckOutcomes outcomes) {
    const auto check = [target, outcomes = std::move(outcomes)](const Reply& reply,
                                                                const Outcome&) {
        if (reply.status != Reply::Status::Replied || replytext::isPasswordRefusal(reply.text))
            return ReadResult::stopHere();
        const StatusReport report = parseStatusReply(reply.text);
        if (outcomes.reportRead)
            outcomes.reportRead(report);
        const SlotCheck verdict = checkSlot(report, target);
        switch (verdict.verdict) {
        case SlotCheck::Verdict::Holds:
            return ReadResult::goOn();
        case SlotCheck::Verdict::Unknown:
            if (outcomes.reportFault)
                outcomes.reportFault(reply.text, report);
            break;
        case SlotCheck::Verdict::Other:
        case SlotCheck::Verdict::Empty:
            if (outcomes.slotLost)
                outcomes.slotLost(report, verdict.holder);
            break;
        }
        return ReadResult::stopHere();
    };
    return Plan{readStep(Request::listing(QStringLiteral("status")), check)} + act;
}

Plan removalAfterSlotCheck(playeractions::Removal removal, const SlotOccupant& target,
                           const QString& shownName, SlotCheckOutcomes outcomes) {
    return afterSlotCheck(target, playeractions::removalPlan(removal, target.slot, shownName),
                          std::move(outcomes));
}
