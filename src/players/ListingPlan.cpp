#include "ListingPlan.h"

Plan listingPlan(bool queryMode, std::function<Plan(const Reply& reply)> listed) {
    const Request request =
        queryMode ? Request::statusQuery() : Request::listing(QStringLiteral("status"));
    return {readStep(request, [listed = std::move(listed)](const Reply& reply, const Outcome&) {
        return ReadResult::goOn(listed(reply));
    })};
}
