#include "HistoryStore.h"

#include "HistoryQueue.h"
#include "HistoryWorker.h"
#include "base/WaitClock.h"

#include <QDeadlineTimer>
#include <QThread>

HistoryStore::HistoryStore(QObject* parent) : QObject(parent) {}

HistoryStore::~HistoryStore() {
    close();
}

void HistoryStore::open(const HistoryConfig& config) {
    close();
    if (config.kind == HistoryConfig::Kind::Off)
        return;
    m_queue = std::make_shared<HistoryQueue>(kMaxQueued);
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("history"));
    m_worker = new HistoryWorker(config, m_queue);
    m_worker->moveToThread(m_thread);
    // A worker that a close left behind ends its thread on its own; the thread goes after.
    connect(m_thread, &QThread::finished, m_thread, &QObject::deleteLater);
    // What a worker said before it was closed may still be on its way: it goes unheard.
    const quint64 generation = ++m_generation;
    connect(m_worker, &HistoryWorker::stateReported, this,
            [this, generation](State state, const QString& message) {
                if (generation == m_generation)
                    setState(state, message);
            });
    connect(m_worker, &HistoryWorker::answered, this, &HistoryStore::answered);
    m_thread->start();
    setState(State::Opening, QString());
    QMetaObject::invokeMethod(m_worker, &HistoryWorker::start, Qt::QueuedConnection);
}

void HistoryStore::close() {
    m_pending.clear();
    if (m_worker) {
        ++m_generation;
        disconnect(m_worker, nullptr, this, nullptr);
        const qint64 waitMs = WaitClock::instance().toMs(kCloseWaitSeconds);
        const qint64 deadline = WaitClock::instance().nowMs() + waitMs;
        QMetaObject::invokeMethod(
            m_worker, [worker = m_worker, deadline] { worker->finish(deadline); },
            Qt::QueuedConnection);
        // The one wait for the database, and a bounded one: a worker still stuck in it after
        // that ends by itself later.
        if (m_thread->wait(QDeadlineTimer(waitMs + WaitClock::instance().toMs(1))))
            delete m_thread;
        m_worker = nullptr;
        m_thread = nullptr;
        m_queue.reset();
    }
    setState(State::Off, QString());
}

void HistoryStore::setState(State state, const QString& message) {
    const bool changed = state != m_state || message != m_problem;
    m_state = state;
    m_problem = message;
    if (changed)
        emit stateChanged(state, message);
}

int HistoryStore::queued() const {
    return m_queue ? m_queue->queued() : 0;
}

bool HistoryStore::isKept() const {
    return m_state == State::Opening || m_state == State::Ready || m_state == State::Waiting;
}

void HistoryStore::recordSightings(const QString& server, const QList<Sighting>& seen,
                                   const QDateTime& at) {
    if (isKept() && m_queue->add(SightingReport{server, at, seen}))
        wakeWorker();
}

void HistoryStore::recordAction(const ActionRecord& action) {
    if (isKept() && m_queue->add(action))
        wakeWorker();
}

void HistoryStore::wakeWorker() {
    QMetaObject::invokeMethod(m_worker, &HistoryWorker::flush, Qt::QueuedConnection);
}

void HistoryStore::answered(quint64 question, const QVariant& answer) {
    const Pending pending = m_pending.take(question);
    if (pending.context && pending.deliver)
        pending.deliver(answer);
}

template <typename Result>
void HistoryStore::ask(QObject* context, std::function<void(const Result&)> done,
                       std::function<Result(HistoryDatabase&)> question) {
    if (!context)
        context = this;
    if (!m_worker) {
        QMetaObject::invokeMethod(
            context, [done] { done(Result()); }, Qt::QueuedConnection);
        return;
    }
    const quint64 id = m_nextQuestion++;
    m_pending.insert(
        id, Pending{context, [done](const QVariant& answer) { done(answer.value<Result>()); }});
    QMetaObject::invokeMethod(
        m_worker,
        [worker = m_worker, id, question] {
            emit worker->answered(id, QVariant::fromValue(question(worker->database())));
        },
        Qt::QueuedConnection);
}

void HistoryStore::lookUpPlayer(const QString& address, const QString& guid,
                                const QString& cleanName, QObject* context,
                                std::function<void(const PlayerHistory&)> done) {
    ask<PlayerHistory>(context, std::move(done), [address, guid, cleanName](HistoryDatabase& db) {
        return db.lookUp(address, guid, cleanName);
    });
}

void HistoryStore::searchPlayers(const QString& text, QObject* context,
                                 std::function<void(const QList<AliasGroup>&)> done) {
    ask<QList<AliasGroup>>(context, std::move(done),
                           [text](HistoryDatabase& db) { return db.search(text); });
}

void HistoryStore::findActions(const ActionFilter& filter, QObject* context,
                               std::function<void(const QList<ActionRecord>&)> done) {
    ask<QList<ActionRecord>>(context, std::move(done),
                             [filter](HistoryDatabase& db) { return db.actions(filter); });
}
