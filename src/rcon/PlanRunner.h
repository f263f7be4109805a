#pragma once

#include "Outcome.h"
#include "Plan.h"

#include <QStringList>

#include <functional>

class QObject;
class OutputSink;
class RconClient;

// How a plan ended.
struct PlanOutcome {
    int went = 0;           // the steps whose command left, from the first on
    bool completed = false; // every step went, or a read step ended the plan
    bool withdrawn = false; // a cancel (or a disconnect) ended it before a step could go
    bool allTaken = false;  // every step went and the server took each one
    QStringList refusals;   // the server's words for each step it refused, in order
};

using StepHandler =
    std::function<void(int index, const Step& step, const Reply& reply, const Outcome& outcome)>;
using PlanHandler = std::function<void(const PlanOutcome& outcome)>;

// Sends a plan through the client, one step after the other, for `context` (which counts as
// busy meanwhile). Each step that went is judged: taken writes its log line, refused writes
// what was not done in the server's words (and shows it in the status bar), unanswered says
// so; then `onStep` hears of it. The plan stops at the first step that could not be sent or
// was cancelled (nothing more is sent or logged) and goes on after one that went unanswered or
// was refused, since the server may have acted on it or the next one may still apply; an
// announcement is left out unless every step before it was taken. A read step's reply goes to
// its reader instead, whose result adds the steps that follow from it or ends the plan. `done` runs
// once at the end, unless the context was destroyed first. A plan starts once the plans its context
// started before it have ended.
void runPlan(RconClient& client, OutputSink& out, const Plan& plan, QObject* context,
             PlanHandler done = {}, StepHandler onStep = {});
