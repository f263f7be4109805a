#include "PlanRunner.h"

#include "OutputSink.h"
#include "RconClient.h"
#include "ReplyText.h"
#include "WaitClock.h"

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
            if (!m_ended)
                finish(false);
        });
    }

    bool ended() const { return m_ended; }

    void next() {
        // Ended already, or the context is going: nothing more is sent for it.
        if (m_ended || (m_hasContext && !m_context))
            return;
        if (m_index >= m_plan.size()) {
            finish(true);
            return;
        }
        m_client.send(m_plan.at(m_index).request, m_context,
                      [this](const Reply& reply) { stepEnded(reply); });
    }

private:
    void stepEnded(const Reply& reply) {
        if (!reply.went()) {
            finish(false);
            return;
        }
        const Step& step = m_plan.at(m_index);
        const QString refusal = step.subject.isEmpty() || reply.status != Reply::Status::Replied
                                    ? QString()
                                    : replytext::refusalOf(reply.text, step.request.command);
        if (!refusal.isEmpty())
            m_out.addMessage(step.subject + QLatin1String(" not changed: ") + refusal);
        else if (!step.logLine.isEmpty())
            m_out.addMessage(step.logLine);
        ++m_outcome.went;
        if (m_onStep)
            m_onStep(m_index, reply);
        ++m_index;
        if (step.waitAfter > 0 && m_index < m_plan.size())
            QTimer::singleShot(WaitClock::instance().toMs(step.waitAfter), this,
                               [this] { next(); });
        else
            next();
    }

    void finish(bool completed) {
        m_ended = true;
        m_outcome.completed = completed;
        if (m_done)
            m_done(m_outcome);
        m_client.release(m_context);
        deleteLater();
    }

    RconClient& m_client;
    OutputSink& m_out;
    const Plan m_plan;
    QPointer<QObject> m_context;
    const bool m_hasContext;
    bool m_ended = false;
    PlanHandler m_done;
    StepHandler m_onStep;
    qsizetype m_index = 0;
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
