#pragma once

#include "HistoryTypes.h"

#include <QMutex>

#include <deque>

// One status report's players, as it came.
struct SightingReport {
    QString server;
    QDateTime at;
    QList<Sighting> seen;
};

// What is still to be written.
struct HistoryBatch {
    std::deque<SightingReport> reports;
    std::deque<ActionRecord> actions;
    int records() const;
};

// The records between the caller and the database, bounded: past the bound the oldest
// sightings go first and actions are kept longest, since a sighting comes again at the next
// report and an action does not. The caller adds and the worker takes, each holding the lock
// only to move records, never while the database works.
class HistoryQueue {
public:
    explicit HistoryQueue(int maxRecords) : m_maxRecords(maxRecords) {}

    // True when nothing was waiting before: the worker needs a wake.
    bool add(SightingReport report);
    bool add(ActionRecord action);
    // Takes out up to about `maxRecords` records, the oldest first; they count as queued
    // until done() or putBack().
    HistoryBatch take(int maxRecords);
    void done();
    // Gives back a batch that could not be written, ahead of what came since.
    void putBack(HistoryBatch batch);

    int queued() const;
    // Records dropped to keep to the bound, since the start.
    qint64 dropped() const;

private:
    void keepToBound();

    const int m_maxRecords;
    mutable QMutex m_mutex;
    HistoryBatch m_waiting;
    int m_waitingRecords = 0;
    int m_taken = 0;
    qint64 m_dropped = 0;
};
