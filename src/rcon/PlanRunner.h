#pragma once

#include "Plan.h"

#include <functional>

class QObject;
class OutputSink;
class RconClient;

// How a plan ended.
struct PlanOutcome {
    int went = 0;           // the steps whose command left, from the first on
    bool completed = false; // every step went
};

using StepHandler = std::function<void(int index, const Reply& reply)>;
using PlanHandler = std::function<void(const PlanOutcome& outcome)>;

// Sends a plan through the client, one step after the other, for `context` (which counts as
// busy meanwhile). A step that went writes its log line, or says that the server did not take
// it, then `onStep` hears of it. The plan stops at the first step that could not be sent or
// was cancelled (nothing more is sent or logged) and goes on after one that went unanswered or
// was not taken, since the server may have acted on it or the next one may still apply. `done`
// runs once at the end, unless the context was destroyed first. A plan starts once the plans
// its context started before it have ended.
void runPlan(RconClient& client, OutputSink& out, const Plan& plan, QObject* context,
             PlanHandler done = {}, StepHandler onStep = {});
