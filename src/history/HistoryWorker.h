#pragma once

#include "HistoryDatabase.h"
#include "HistoryStore.h"

#include <QObject>
#include <QVariant>

#include <memory>

class QTimer;

// The history's thread: opens the database, writes what the queue holds, waits for a
// database server that went away and tries it again on the wait clock, answers questions.
// It tells the store its state and answers only through its signals, so it may outlive the
// store when a close finds it stuck in the database.
class HistoryWorker : public QObject {
    Q_OBJECT
public:
    // Between two tries of a database server that did not answer, in clock seconds.
    static constexpr double kRetrySeconds = 5;

    HistoryWorker(const HistoryConfig& config, std::shared_ptr<HistoryQueue> queue);
    ~HistoryWorker() override;

    void start();
    void flush();
    // Writes what is queued until the clock reaches `deadlineMs`, closes the database, ends the
    // thread and itself.
    void finish(qint64 deadlineMs);
    // The database to answer a question from; empty answers while it is not open.
    HistoryDatabase& database() { return *m_database; }

signals:
    void stateReported(HistoryStore::State state, const QString& message);
    void answered(quint64 question, const QVariant& answer);

private:
    void tryOpen();
    void waitForDatabase();

    std::shared_ptr<HistoryQueue> m_queue;
    std::unique_ptr<HistoryDatabase> m_database;
    QTimer* m_retry = nullptr;
    HistoryStore::State m_state = HistoryStore::State::Opening;
};
