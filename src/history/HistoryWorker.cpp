#include "HistoryWorker.h"

#include "base/WaitClock.h"

#include <QThread>
#include <QTimer>

namespace {

// Records written in one transaction.
constexpr int kBatchRecords = 2000;

} // namespace

HistoryWorker::HistoryWorker(const HistoryConfig& config, std::shared_ptr<HistoryQueue> queue)
    : m_queue(std::move(queue)), m_database(std::make_unique<HistoryDatabase>(config)) {}

HistoryWorker::~HistoryWorker() = default;

void HistoryWorker::start() {
    m_retry = new QTimer(this);
    m_retry->setSingleShot(true);
    connect(m_retry, &QTimer::timeout, this, &HistoryWorker::tryOpen);
    tryOpen();
}

void HistoryWorker::tryOpen() {
    QString message;
    switch (m_database->open(&message)) {
    case HistoryDatabase::Opened::Ready:
        m_state = HistoryStore::State::Ready;
        emit stateReported(m_state, QString());
        flush();
        break;
    case HistoryDatabase::Opened::Unreachable:
        waitForDatabase();
        break;
    case HistoryDatabase::Opened::Failed:
        m_state = HistoryStore::State::Failed;
        // Nothing will be written: what waited goes.
        m_queue->take(HistoryStore::kMaxQueued);
        m_queue->done();
        emit stateReported(m_state, message);
        break;
    }
}

void HistoryWorker::waitForDatabase() {
    m_database->close();
    if (m_state != HistoryStore::State::Waiting) {
        m_state = HistoryStore::State::Waiting;
        emit stateReported(m_state, tr("History: waiting for the database"));
    }
    m_retry->start(int(WaitClock::instance().toMs(kRetrySeconds)));
}

void HistoryWorker::flush() {
    while (m_state == HistoryStore::State::Ready) {
        HistoryBatch batch = m_queue->take(kBatchRecords);
        if (batch.records() == 0) {
            m_queue->done();
            return;
        }
        QString error;
        if (m_database->write(batch, &error)) {
            m_queue->done();
        } else if (m_database->answers()) {
            // The database is there and refused these rows: trying them again would only
            // hold up the rest.
            qWarning("History: %d records could not be written: %s", batch.records(),
                     qPrintable(error));
            m_queue->done();
        } else {
            m_queue->putBack(std::move(batch));
            waitForDatabase();
        }
    }
}

void HistoryWorker::finish(qint64 deadlineMs) {
    if (m_retry)
        m_retry->stop();
    QString message;
    if (m_state == HistoryStore::State::Waiting && WaitClock::instance().nowMs() < deadlineMs &&
        m_database->open(&message) == HistoryDatabase::Opened::Ready)
        m_state = HistoryStore::State::Ready;
    while (m_state == HistoryStore::State::Ready && m_queue->queued() > 0 &&
           WaitClock::instance().nowMs() < deadlineMs) {
        HistoryBatch batch = m_queue->take(kBatchRecords);
        QString error;
        if (!m_database->write(batch, &error))
            break;
        m_queue->done();
    }
    m_database->close();
    deleteLater();
    thread()->quit();
}
