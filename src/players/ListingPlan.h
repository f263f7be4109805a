#pragma once

#include "rcon/Plan.h"

#include <functional>

// The read of the player list: the status report, or the public status query in Query Mode.
// `listed` reads the reply, answered or not, and gives the steps that follow from what it
// listed (the kicks a refresh owes).
Plan listingPlan(bool queryMode, std::function<Plan(const Reply& reply)> listed);
