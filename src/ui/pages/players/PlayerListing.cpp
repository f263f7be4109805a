#include "PlayerListing.h"

#include "AutoUpdate999.h"
#include "PlayerGrid.h"

#include "app/Session.h"
#include "base/Dialogs.h"
#include "players/GetstatusParser.h"
#include "players/ListingPlan.h"
#include "players/PlayerSightings.h"
#include "players/ReportFault.h"

#include <QCheckBox>

#include <memory>

namespace {
using Icon = Dialogs::Icon;
}

PlayerListing::PlayerListing(Session& session, PlayerGrid& grid, AutoUpdate999& autoUpdate,
                             Switches switches, QObject* listWork, QObject* parent)
    : QObject(parent), m_session(session), m_grid(grid), m_autoUpdate(autoUpdate),
      m_switches(switches), m_listWork(listWork) {}

void PlayerListing::populate(bool withKicks) {
    // A second populate waits for the first: the grid is filled once per reply.
    if (m_session.client().isBusy(m_listWork))
        return;
    if (!m_session.isConnected()) {
        m_session.dialogs().message(tr("You need to connect to a server first"),
                                    tr("Not Connected"), Icon::Exclamation);
        return;
    }
    const bool interactive = !m_autoUpdate.quiet();
    m_autoUpdate.listingStarts();
    if (interactive)
        m_session.showProgress(tr("Asking server for player list..."));
    const bool query = m_switches.queryMode->isChecked();
    // The slot of each kick the listing adds, by its place in the plan after the read.
    auto kicked = std::make_shared<QStringList>();
    const Plan plan =
        listingPlan(query, [this, query, interactive, withKicks, kicked](const Reply& reply) {
            if (!list(reply, query, interactive) || !withKicks)
                return Plan{};
            DueKicks due = m_autoUpdate.dueKicks();
            *kicked = due.kickedSlots;
            return due.plan;
        });
    m_session.run(
        plan, m_listWork,
        [this, interactive](const PlanOutcome&) {
            if (interactive)
                m_session.hideProgress();
        },
        [this, kicked](int index, const Step& step, const Reply&, const Outcome& outcome) {
            if (!step.read && outcome.taken() && index > 0 && index <= kicked->size())
                m_grid.removePlayer(kicked->at(index - 1));
        });
}

bool PlayerListing::list(const Reply& reply, bool queryMode, bool interactive) {
    // Without an answer the list keeps what it showed; the box has said why.
    if (reply.status != Reply::Status::Replied) {
        if (queryMode && reply.status == Reply::Status::NoReply && !m_autoUpdate.optionHolds())
            m_session.dialogs().message(
                tr("No response from server in 5 seconds with standard Query method"),
                tr("No response"), Icon::Exclamation);
        return false;
    }
    if (!queryMode)
        return listStatusReply(reply.text, interactive);
    listQueryReply(reply.text);
    return true;
}

bool PlayerListing::listStatusReply(const QString& reply, bool interactive) {
    // A refused password keeps the list as it was; the session says it once.
    if (replytext::isPasswordRefusal(reply))
        return false;
    const StatusReport report = parseStatusReply(reply);
    recordSightings(report);
    // A reply that lists nobody and is no whole report says nothing of who is on the server.
    const bool listed = !(report.malformed && report.rows.isEmpty());
    if (listed)
        showReport(report);
    if (!interactive)
        return listed;
    if (report.malformed)
        sayReportFault(reply, report);
    else if (report.rows.isEmpty())
        m_session.dialogs().message(tr("No players on server"), tr("No players"),
                                    Icon::Information);
    return listed;
}

void PlayerListing::listQueryReply(const QString& reply) {
    const QueryReport report = parseGetstatusReply(reply);
    m_grid.showQueryRows(report, m_switches.plainNames->isChecked());
    if (report.noPlayerLines && !m_autoUpdate.optionHolds())
        m_session.dialogs().message(tr("No players on server"), tr("No players"),
                                    Icon::Information);
}

void PlayerListing::showReport(const StatusReport& report) {
    m_autoUpdate.reportShown(report);
    m_grid.showStatusRows(report, m_switches.plainNames->isChecked());
}

void PlayerListing::recordSightings(const StatusReport& report) {
    m_session.recordSightings(sightingsOf(report));
}

void PlayerListing::sayReportFault(const QString& reply, const StatusReport& report) {
    if (reportFault(reply, report) == ReportFault::EndedEarly)
        m_session.dialogs().message(
            tr("The server is not responding quickly enough\rTry populate again"),
            tr("Slow Server Response"), Icon::Exclamation);
    else
        m_session.dialogs().message(
            tr("The server answered, but not with a player list:\r%1").arg(firstLineOf(reply)),
            tr("Unreadable reply"), Icon::Exclamation);
}
