#include "PlanRunner.h"

#include "OutputSink.h"
#include "RconClient.h"
#include "base/WaitClock.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

namespace {

// One plan under way. It lives as a child of its context, so it goes when the context goes.
class PlanRun : public QObject {
public:
    PlanRun(RconClient& client, OutputSink& out, const Plan& plan, QObject* context,
            PlanHandler done, StepHandler onStep)
        : QObject(context ? context : &client), m_client(client), m_out(out), m_plan(plan),
          m_context(context), m_hasContext(context), m_done(std::move(done)),
          m_onStep(std::move(onStep)) {
        m_client.hold(context);
        // A cancel also ends a plan that waits before its next step.
        connect(&client, &RconClient::cancelled, this, [this] {
            if (m_ended)
                return;
            m_outcome.withdrawn = true;
            finish(false);
        });
    }

    bool ended() const { return m_ended; }

    bool actsOnServer() const {
        for (const Step& step : m_plan)
            if (!step.logLine.isEmpty() || !step.what.isEmpty() || !step.subject.isEmpty())
                return true;
        return false;
    }

    void next() {
        // Ended already, or the context is going: nothing more is sent for it.
        if (m_ended || (m_hasContext && !m_context))
            return;
        if (m_index == 0 && !m_started) {
            m_started = true;
            // A new action: the refusal of the one before is no longer news.
            if (actsOnServer())
                m_out.showRefusal({});
        }
        if (m_index >= m_plan.size()) {
            finish(true);
            return;
        }
        const Step& step = m_plan.at(m_index);
        if (!step.progress.isEmpty())
            m_out.showProgress(step.progress);
        m_client.send(step.request, m_context, [this](const Reply& reply) { stepEnded(reply); });
    }

private:
    void stepEnded(const Reply& reply) {
        if (!reply.went()) {
            m_outcome.withdrawn = reply.status == Reply::Status::Cancelled;
            finish(false);
            return;
        }
        const Step step = m_plan.at(m_index);
        const Outcome outcome = judge(step.request, reply);
        ++m_outcome.went;
        if (step.read) {
            const ReadResult result = step.read(reply, outcome);
            // The reader may have ended everything (a disconnect cancels the plan).
            if (m_ended)
                return;
            if (m_onStep)
                m_onStep(m_index, step, reply, outcome);
            if (result.stop) {
                finish(true);
                return;
            }
            for (qsizetype i = 0; i < result.then.size(); ++i)
                m_plan.insert(m_index + 1 + i, result.then.at(i));
            advance(step.waitAfter);
            return;
        }
        logOutcome(step, outcome);
        if (!outcome.taken())
            m_everyStepTaken = false;
        if (m_onStep)
            m_onStep(m_index, step, reply, outcome);
        advance(step.waitAfter);
    }

    void advance(double waitAfter) {
        ++m_index;
        // Players hear of a change only when the server made it.
        while (m_index < m_plan.size() && m_plan.at(m_index).announces && !m_everyStepTaken)
            ++m_index;
        if (waitAfter > 0 && m_index < m_plan.size())
            QTimer::singleShot(WaitClock::instance().toMs(waitAfter), this, [this] { next(); });
        else
            next();
    }

    void logOutcome(const Step& step, const Outcome& outcome) {
        const QString what = !step.subject.isEmpty() ? step.subject
                             : !step.what.isEmpty()  ? step.what
                                                     : step.logLine;
        switch (outcome.kind) {
        case Outcome::Kind::Taken:
        case Outcome::Kind::TakenAtNextMap:
            if (!step.logLine.isEmpty())
                m_out.addMessage(
                    outcome.kind == Outcome::Kind::TakenAtNextMap && !restartFollows()
                        ? QCoreApplication::translate("PlanRunner", "%1 (from the next map)")
                              .arg(step.logLine)
                        : step.logLine);
            return;
        case Outcome::Kind::Refused: {
            m_outcome.refusals << outcome.serverWords;
            // A step the log does not name (a read) is still shown, by its command.
            const QString named = what.isEmpty() ? step.request.command : what;
            const QString line =
                (step.subject.isEmpty()
                     ? QCoreApplication::translate("PlanRunner", "%1 not done: %2")
                     : QCoreApplication::translate("PlanRunner", "%1 not changed: %2"))
                    .arg(named, outcome.serverWords);
            if (!what.isEmpty())
                m_out.addMessage(line);
            m_out.showRefusal(line);
            return;
        }
        case Outcome::Kind::NoAnswer:
            if (!what.isEmpty() && step.request.waitForReply)
                m_out.addMessage(
                    QCoreApplication::translate(
                        "PlanRunner", "%1: no answer from the server (it may have been applied)")
                        .arg(what));
            return;
        case Outcome::Kind::NotSent:
            return;
        }
    }

    // A later step of the plan loads a map or restarts it: what waits for the next map is
    // applied by the plan itself.
    bool restartFollows() const {
        for (qsizetype i = m_index + 1; i < m_plan.size(); ++i)
            if (m_plan.at(i).request.silenceIsTaken)
                return true;
        return false;
    }

    void finish(bool completed) {
        m_ended = true;
        m_outcome.completed = completed;
        m_outcome.allTaken = completed && m_everyStepTaken;
        if (m_done)
            m_done(m_outcome);
        m_client.release(m_context);
        deleteLater();
    }

    RconClient& m_client;
    OutputSink& m_out;
    Plan m_plan; // grows by what its read steps add
    QPointer<QObject> m_context;
    const bool m_hasContext;
    bool m_ended = false;
    bool m_started = false;
    PlanHandler m_done;
    StepHandler m_onStep;
    qsizetype m_index = 0;
    bool m_everyStepTaken = true;
    PlanOutcome m_outcome;
};

} // namespace

void runPlan(RconClient& client, OutputSink& out, const Plan& plan, QObject* context,
             PlanHandler done, StepHandler onStep) {
    // A plan waits for the plans its context started before it, so that their steps never mix
    // (two quick game-type switches restart the map each after its own change).
    PlanRun* previous = nullptr;
    if (context) {
        for (QObject* child : context->children()) {
            auto* earlier = dynamic_cast<PlanRun*>(child);
            if (earlier && !earlier->ended())
                previous = earlier;
        }
    }
    auto* run = new PlanRun(client, out, plan, context, std::move(done), std::move(onStep));
    if (previous)
        QObject::connect(previous, &QObject::destroyed, run, [run] { run->next(); });
    else
        // Started from the event loop, as every exchange ends there too.
        QTimer::singleShot(0, run, [run] { run->next(); });
}
