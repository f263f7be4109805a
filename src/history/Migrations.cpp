#include "Migrations.h"

#include <QSqlError>
#include <QSqlQuery>

namespace migrations {

namespace {

// Times are milliseconds since 1970 in UTC on both databases. A sighting is one row per
// server, player (guid, else address) and name: a report moves its last sight, not a new row.
QStringList tables(const SqlDialect& dialect) {
    return {
        QStringLiteral("CREATE TABLE schema_version (version INTEGER NOT NULL)"),
        QStringLiteral("INSERT INTO schema_version (version) VALUES (0)"),
        QStringLiteral("CREATE TABLE sightings (id %1, server TEXT NOT NULL, "
                       "identity TEXT NOT NULL, name TEXT NOT NULL, clean_name TEXT NOT NULL, "
                       "address TEXT NOT NULL, guid TEXT NOT NULL, slot INTEGER NOT NULL, "
                       "first_seen BIGINT NOT NULL, last_seen BIGINT NOT NULL, "
                       "UNIQUE (server, identity, name))")
            .arg(dialect.autoIdColumn()),
        QStringLiteral("CREATE INDEX sightings_address ON sightings (address)"),
        QStringLiteral("CREATE INDEX sightings_guid ON sightings (guid)"),
        QStringLiteral("CREATE INDEX sightings_clean_name ON sightings (clean_name)"),
        QStringLiteral("CREATE TABLE actions (id %1, at BIGINT NOT NULL, server TEXT NOT NULL, "
                       "operator_user TEXT NOT NULL, operator_prefix TEXT NOT NULL, "
                       "kind TEXT NOT NULL, command TEXT NOT NULL, outcome TEXT NOT NULL, "
                       "server_words TEXT NOT NULL, player_name TEXT NOT NULL, "
                       "player_address TEXT NOT NULL, player_guid TEXT NOT NULL, "
                       "reason TEXT NOT NULL)")
            .arg(dialect.autoIdColumn()),
        QStringLiteral("CREATE INDEX actions_at ON actions (at)"),
        QStringLiteral("CREATE INDEX actions_player_address ON actions (player_address)"),
        QStringLiteral("CREATE INDEX actions_player_guid ON actions (player_guid)"),
    };
}

// Step n takes the schema from version n - 1 to n.
QStringList step(int version, const SqlDialect& dialect) {
    switch (version) {
    case 1:
        return tables(dialect);
    case 2:
        return dialect.searchIndexStatements();
    }
    return {};
}

bool run(QSqlDatabase& db, const QString& statement, QString* error) {
    QSqlQuery query(db);
    if (query.exec(statement))
        return true;
    *error = query.lastError().text();
    return false;
}

} // namespace

int schemaVersion(QSqlDatabase& db, QString* error) {
    QSqlQuery query(db);
    // Asking the database itself for its tables fails on a corrupt file, where the driver's
    // list of tables would only come back empty.
    if (!query.exec(QStringLiteral("SELECT count(*) FROM %1")
                        .arg(db.driverName() == QLatin1String("QSQLITE")
                                 ? QStringLiteral("sqlite_master WHERE name = 'schema_version'")
                                 : QStringLiteral("pg_tables WHERE tablename = 'schema_version' "
                                                  "AND schemaname = current_schema()"))) ||
        !query.next()) {
        *error = query.lastError().text();
        return -1;
    }
    if (query.value(0).toInt() == 0)
        return 0;
    if (!query.exec(QStringLiteral("SELECT max(version) FROM schema_version")) || !query.next()) {
        *error = query.lastError().text();
        return -1;
    }
    return query.value(0).toInt();
}

bool upgrade(QSqlDatabase& db, const SqlDialect& dialect, int target, QString* error) {
    const auto giveUp = [&db] {
        QString ignored;
        run(db, QStringLiteral("ROLLBACK"), &ignored);
    };
    for (;;) {
        for (const QString& statement : dialect.beginSchemaChange())
            if (!run(db, statement, error)) {
                giveUp();
                return false;
            }
        // Read under the lock: another tool may have taken the steps meanwhile.
        const int version = schemaVersion(db, error);
        if (version < 0 || version >= target) {
            giveUp();
            return version >= 0;
        }
        QStringList statements = step(version + 1, dialect);
        statements << QStringLiteral("UPDATE schema_version SET version = %1").arg(version + 1);
        for (const QString& statement : statements)
            if (!run(db, statement, error)) {
                giveUp();
                return false;
            }
        if (!run(db, QStringLiteral("COMMIT"), error)) {
            giveUp();
            return false;
        }
    }
}

} // namespace migrations
