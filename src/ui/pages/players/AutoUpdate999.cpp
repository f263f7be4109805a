#include "AutoUpdate999.h"

#include "app/Session.h"
#include "base/WaitClock.h"
#include "players/Player999Watch.h"
#include "players/PlayerNames.h"

#include <QCheckBox>
#include <QTimer>

AutoUpdate999::AutoUpdate999(Session& session, QCheckBox* box, const QObject* listWork,
                             QObject* parent)
    : QObject(parent), m_session(session), m_box(box), m_listWork(listWork),
      m_timer(new QTimer(this)) {
    m_timer->setObjectName(QStringLiteral("tmrplayer"));
    connect(m_timer, &QTimer::timeout, this, &AutoUpdate999::tick);
    connect(m_box, &QCheckBox::toggled, this, &AutoUpdate999::toggled);
    // The connect starts the auto update when the option asks for it; a disconnect ends it.
    connect(&session, &Session::detailsRead, this, [this] {
        if (m_session.state().options.autoqplayer)
            start();
    });
    connect(&session, &Session::disconnected, this, &AutoUpdate999::stopForDisconnect);
    // Each connection starts the watch afresh.
    connect(&session, &Session::connected, this, [this] { m_watched = {Player999Entry{}}; });
}

bool AutoUpdate999::optionHolds() const {
    return m_session.state().options.autoqplayer && !m_optionEndedByDisconnect;
}

bool AutoUpdate999::quiet() const {
    return optionHolds() || m_box->isChecked();
}

int AutoUpdate999::intervalMs() const {
    const int chosen = m_session.state().options.autoqplayerint;
    const int seconds = chosen < 5 || chosen > 40 ? 30 : chosen;
    return seconds * WaitClock::instance().secondMs();
}

void AutoUpdate999::toggled() {
    if (!m_box->isChecked()) {
        emit runningChanged(false);
        m_timer->stop();
        return;
    }
    if (!m_session.isConnected()) {
        m_box->setChecked(false); // runs the branch above
        return;
    }
    emit runningChanged(true);
    m_timer->setInterval(intervalMs());
    m_timer->start();
    emit populateDue(false);
}

void AutoUpdate999::tick() {
    // Never a second refresh of its own while one is queued or under way.
    if (m_session.client().isBusy(m_listWork))
        return;
    if (!m_session.isConnected()) {
        // The link went down without the disconnect: stop rather than report it every tick.
        m_box->setChecked(false);
        return;
    }
    // The preferences may have changed the interval since the last tick.
    if (m_timer->isActive() && m_timer->interval() != intervalMs())
        m_timer->setInterval(intervalMs());
    emit populateDue(true);
}

void AutoUpdate999::start() {
    m_optionEndedByDisconnect = false;
    m_box->setChecked(true);
}

void AutoUpdate999::stopForDisconnect() {
    if (!m_timer->isActive())
        return;
    m_box->setChecked(false);
    m_optionEndedByDisconnect = true;
    m_timer->stop();
}

void AutoUpdate999::listingStarts() {
    m_mapChangeListing = false;
    if (m_session.state().options.autokick999)
        Player999Watch(m_watched).clearSeen();
}

void AutoUpdate999::reportShown(const StatusReport& report) {
    QStringList pings;
    for (const StatusRow& row : report.rows)
        pings << row.ping;
    const bool mapChange = Player999Watch::isMapChange(pings);
    m_mapChangeListing = mapChange;
    m_shownReport = report;
    if (!m_session.state().options.autokick999)
        return;
    Player999Watch watch(m_watched);
    // A new cycle of the watch: a listing read for a slot check counts as a populate.
    watch.clearSeen();
    // The whole report goes through the one watch, which keeps it linear in the rows.
    for (const StatusRow& row : report.rows) {
        // A blank between colour codes at either end of a name is no part of it.
        const QString name = stripcolours(row.name).trimmed();
        if (mapChange)
            watch.hold(name, row.num);
        else
            watch.check(name, row.ping, row.num);
    }
}

DueKicks AutoUpdate999::dueKicks() {
    return dueAutoKicks(m_watched, m_shownReport, m_session.state().options, m_mapChangeListing);
}
