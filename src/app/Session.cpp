#include "Session.h"

#include "base/Dialogs.h"
#include "rcon/OutputSink.h"

Session::Session(Dialogs& dialogs, OutputSink& out, SharedState& shared, QObject* parent)
    : QObject(parent), m_dialogs(dialogs), m_out(out), m_shared(shared),
      m_client(dialogs, out, this) {
    connect(&m_client, &RconClient::passwordRefused, this, &Session::passwordRefused);
}

// The password was taken when the connection was made: a refusal now means it was changed on
// the server. Said once; every later refusal is plain in the pane and the log.
void Session::passwordRefused() {
    if (m_connection != ConnectionState::Connected || m_passwordRefusalSaid)
        return;
    m_passwordRefusalSaid = true;
    const QString text =
        QStringLiteral("The server refused the RCON password (it may have been changed)");
    m_out.addMessage(text);
    m_dialogs.message(text, QStringLiteral("Password refused"), Dialogs::Icon::Exclamation);
}

void Session::run(const Plan& plan, QObject* context, PlanHandler done, StepHandler onStep) {
    StepHandler watched = [this, onStep = std::move(onStep)](int index, const Step& step,
                                                             const Reply& reply,
                                                             const Outcome& outcome) {
        if (step.request.silenceIsTaken && outcome.taken())
            emit mapLoaded();
        if (onStep)
            onStep(index, step, reply, outcome);
    };
    runPlan(m_client, m_out, plan, context, std::move(done), std::move(watched));
}

void Session::setConnection(ConnectionState state) {
    if (state == m_connection)
        return;
    const bool wasConnected = m_connection == ConnectionState::Connected;
    m_connection = state;
    if (state != ConnectionState::Connected)
        m_passwordRefusalSaid = false;
    emit connectionChanged(state);
    if (state == ConnectionState::Connected)
        emit connected();
    else if (wasConnected)
        emit disconnected();
}

void Session::addMessage(const QString& text) {
    m_out.addMessage(text);
}

void Session::appendRcon(const QString& text) {
    m_out.appendRcon(text);
}

void Session::showProgress(const QString& text, ProgressMode mode) {
    m_out.showProgress(text, mode);
}

void Session::hideProgress() {
    m_out.hideProgress();
}
