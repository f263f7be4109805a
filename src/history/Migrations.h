#pragma once

#include "SqlDialect.h"

#include <QSqlDatabase>

// The history's schema, built and upgraded by numbered steps kept here; the database keeps
// the number of the last step it took in `schema_version`.
namespace migrations {

// The schema this build writes.
inline constexpr int kCurrentVersion = 2;

// The version of the schema in the database: 0 for a database without one, -1 when it cannot
// be read (the reason in `error`). Reads only.
int schemaVersion(QSqlDatabase& db, QString* error);

// Takes the steps from the database's version up to `target`, each in a transaction of its
// own. False with the reason in `error` when a step failed (that step left nothing behind).
bool upgrade(QSqlDatabase& db, const SqlDialect& dialect, int target, QString* error);

} // namespace migrations
