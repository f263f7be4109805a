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
    const QString text = tr("The server refused the RCON password (it may have been changed)");
    m_out.addMessage(text);
    m_dialogs.message(text, tr("Password refused"), Dialogs::Icon::Exclamation);
}

void Session::run(const Plan& plan, QObject* context, PlanHandler done, StepHandler onStep,
                  const AuditNote& note) {
    StepHandler watched = [this, note, onStep = std::move(onStep)](int index, const Step& step,
                                                                   const Reply& reply,
                                                                   const Outcome& outcome) {
        if (step.request.silenceIsTaken && outcome.taken())
            emit mapLoaded();
        if (!step.read) {
            AuditNote stepNote = note;
            if (stepNote.playerName.isEmpty()) {
                stepNote.playerName = step.player;
                stepNote.reason = step.reason;
            }
            record(step.request, outcome, stepNote);
        }
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

void Session::record(const Request& request, const Outcome& outcome, const AuditNote& note,
                     const QString& kind) {
    HistoryStore* history = m_shared.history;
    if (!history || !history->isKept())
        return;
    ActionRecord action;
    action.kind = kind.isEmpty() ? audit::actionKind(request) : kind;
    if (action.kind.isEmpty())
        return;
    action.at = QDateTime::currentDateTimeUtc();
    action.server = m_serverName;
    action.operatorUser = audit::operatorUser();
    action.operatorPrefix = m_shared.userPrefix;
    action.command = audit::keptCommand(request.command);
    action.outcome = audit::outcomeWord(outcome);
    action.serverWords = outcome.serverWords;
    action.playerName = note.playerName;
    action.playerAddress = note.playerAddress;
    action.playerGuid = note.playerGuid;
    action.reason = note.reason;
    history->recordAction(action);
}

void Session::recordSightings(const QList<Sighting>& seen) {
    HistoryStore* history = m_shared.history;
    if (history && history->isKept() && !seen.isEmpty())
        history->recordSightings(m_serverName, seen);
}
