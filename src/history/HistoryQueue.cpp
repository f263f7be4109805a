#include "HistoryQueue.h"

int HistoryBatch::records() const {
    qsizetype count = qsizetype(actions.size());
    for (const SightingReport& report : reports)
        count += report.seen.size();
    return int(count);
}

bool HistoryQueue::add(SightingReport report) {
    if (report.seen.isEmpty())
        return false;
    QMutexLocker lock(&m_mutex);
    const bool wasEmpty = m_waitingRecords == 0;
    m_waitingRecords += int(report.seen.size());
    m_waiting.reports.push_back(std::move(report));
    keepToBound();
    return wasEmpty;
}

bool HistoryQueue::add(ActionRecord action) {
    QMutexLocker lock(&m_mutex);
    const bool wasEmpty = m_waitingRecords == 0;
    m_waiting.actions.push_back(std::move(action));
    ++m_waitingRecords;
    keepToBound();
    return wasEmpty;
}

HistoryBatch HistoryQueue::take(int maxRecords) {
    QMutexLocker lock(&m_mutex);
    HistoryBatch batch;
    int count = 0;
    while (!m_waiting.actions.empty() && count < maxRecords) {
        batch.actions.push_back(std::move(m_waiting.actions.front()));
        m_waiting.actions.pop_front();
        ++count;
    }
    while (!m_waiting.reports.empty() && count < maxRecords) {
        count += int(m_waiting.reports.front().seen.size());
        batch.reports.push_back(std::move(m_waiting.reports.front()));
        m_waiting.reports.pop_front();
    }
    m_waitingRecords -= count;
    m_taken = count;
    return batch;
}

void HistoryQueue::done() {
    QMutexLocker lock(&m_mutex);
    m_taken = 0;
}

void HistoryQueue::putBack(HistoryBatch batch) {
    QMutexLocker lock(&m_mutex);
    m_waitingRecords += m_taken;
    m_taken = 0;
    m_waiting.actions.insert(m_waiting.actions.begin(),
                             std::make_move_iterator(batch.actions.begin()),
                             std::make_move_iterator(batch.actions.end()));
    m_waiting.reports.insert(m_waiting.reports.begin(),
                             std::make_move_iterator(batch.reports.begin()),
                             std::make_move_iterator(batch.reports.end()));
    keepToBound();
}

int HistoryQueue::queued() const {
    QMutexLocker lock(&m_mutex);
    return m_waitingRecords + m_taken;
}

qint64 HistoryQueue::dropped() const {
    QMutexLocker lock(&m_mutex);
    return m_dropped;
}

void HistoryQueue::keepToBound() {
    int excess = m_waitingRecords + m_taken - m_maxRecords;
    while (excess > 0 && !m_waiting.reports.empty()) {
        QList<Sighting>& oldest = m_waiting.reports.front().seen;
        const int cut = int(qMin<qsizetype>(excess, oldest.size()));
        oldest.remove(0, cut);
        if (oldest.isEmpty())
            m_waiting.reports.pop_front();
        excess -= cut;
        m_waitingRecords -= cut;
        m_dropped += cut;
    }
    while (excess > 0 && !m_waiting.actions.empty()) {
        m_waiting.actions.pop_front();
        --excess;
        --m_waitingRecords;
        ++m_dropped;
    }
}
