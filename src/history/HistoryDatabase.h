#pragma once

#include "HistoryQueue.h"
#include "HistoryTypes.h"
#include "SqlDialect.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <optional>

// The history's database on the thread that works it: opening (checked before anything is
// written), writing the queued records, answering the questions. Not thread-safe: one thread
// makes it, uses it and ends it.
class HistoryDatabase {
    Q_DECLARE_TR_FUNCTIONS(HistoryDatabase)

public:
    enum class Opened { Ready, Unreachable, Failed };

    explicit HistoryDatabase(const HistoryConfig& config);
    ~HistoryDatabase();
    HistoryDatabase(const HistoryDatabase&) = delete;
    HistoryDatabase& operator=(const HistoryDatabase&) = delete;

    // Ready, or why not in `message`: Unreachable for a server that may come back, Failed for
    // a database this build must not use (left as it is).
    Opened open(QString* message);
    bool isOpen() const { return m_db.isOpen(); }
    void close();

    // All of the batch in one transaction, or nothing of it.
    bool write(const HistoryBatch& batch, QString* error);
    // Whether the database still answers, after a write failed.
    bool answers();

    PlayerHistory lookUp(const QString& address, const QString& guid, const QString& cleanName);
    QList<AliasGroup> search(const QString& text);
    QList<ActionRecord> actions(const ActionFilter& filter);

    // A player is one guid, else one address; a guid of zeros is no guid (servers without
    // authentication print one for everybody).
    static bool isGuid(const QString& guid);
    static QString identity(const Sighting& seen);

private:
    QString where() const;
    Opened checkSqliteFile(QString* message);
    Opened openConnection(QString* message);
    Opened prepareSchema(QString* message);
    bool writeSightings(const SightingReport& report);
    bool writeAction(const ActionRecord& action);
    QSqlQuery select(const QString& sql, const QVariantList& values);

    HistoryConfig m_config;
    SqlDialect m_dialect;
    QString m_connectionName;
    QSqlDatabase m_db;
    std::optional<QSqlQuery> m_upsertSighting;
    std::optional<QSqlQuery> m_insertAction;
};
