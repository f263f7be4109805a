#pragma once

#include "HistoryTypes.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QVariant>

#include <functional>
#include <memory>

class HistoryDatabase;
class HistoryQueue;
class HistoryWorker;
class QThread;

// The memory of who played and what the operators did. It lives on the caller's thread; the
// database work runs on a thread of its own, so no call here waits for the database: records
// are queued and written behind the caller's back, questions are answered through callbacks
// on the caller's thread (dropped when their context object is gone first).
class HistoryStore : public QObject {
    Q_OBJECT
public:
    enum class State { Off, Opening, Ready, Waiting /* for the database */, Failed };
    Q_ENUM(State)

    // Records that may wait in memory for the database; beyond it the oldest sightings go
    // first, actions are kept longest.
    static constexpr int kMaxQueued = 20000;
    // What close() gives the worker to write what is queued, in clock seconds.
    static constexpr double kCloseWaitSeconds = 3;

    explicit HistoryStore(QObject* parent = nullptr);
    ~HistoryStore() override;

    void open(const HistoryConfig& config);
    void close();
    State state() const { return m_state; }
    // The store takes records and questions: it is open, opening or waiting for the database.
    bool isKept() const;
    // The clear message while Failed or Waiting, empty otherwise.
    QString problem() const { return m_problem; }

    void recordSightings(const QString& server, const QList<Sighting>& seen,
                         const QDateTime& at = QDateTime::currentDateTimeUtc());
    void recordAction(const ActionRecord& action);

    void lookUpPlayer(const QString& address, const QString& guid, const QString& cleanName,
                      QObject* context, std::function<void(const PlayerHistory&)> done);
    void searchPlayers(const QString& text, QObject* context,
                       std::function<void(const QList<AliasGroup>&)> done);
    void findActions(const ActionFilter& filter, QObject* context,
                     std::function<void(const QList<ActionRecord>&)> done);

    // Records waiting to be written (also those the worker is writing now).
    int queued() const;

signals:
    void stateChanged(HistoryStore::State state, const QString& message);

private:
    // A question on its way: who asked, and what to do with the answer.
    struct Pending {
        QPointer<QObject> context;
        std::function<void(const QVariant&)> deliver;
    };
    void setState(State state, const QString& message);
    void wakeWorker();
    void answered(quint64 id, const QVariant& answer);
    template <typename Result>
    void ask(QObject* context, std::function<void(const Result&)> done,
             std::function<Result(HistoryDatabase&)> question);

    State m_state = State::Off;
    QString m_problem;
    std::shared_ptr<HistoryQueue> m_queue;
    QThread* m_thread = nullptr;
    HistoryWorker* m_worker = nullptr;
    QHash<quint64, Pending> m_pending;
    quint64 m_nextQuestion = 1;
    quint64 m_generation = 0;
};
