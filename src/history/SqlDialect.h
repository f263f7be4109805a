#pragma once

#include <QString>
#include <QStringList>

// Where SQLite and PostgreSQL differ, and only that: the rest of the history's SQL is the same
// text on both.
class SqlDialect {
public:
    enum class Kind { Sqlite, Postgres };

    explicit SqlDialect(Kind kind) : m_kind(kind) {}
    Kind kind() const { return m_kind; }
    QString driverName() const;

    // The column type of a row number the database counts up.
    QString autoIdColumn() const;
    // The statements that build the trigram index of names and addresses and fill it from
    // the rows already there.
    QStringList searchIndexStatements() const;
    // The start of a transaction that changes the schema, one writer at a time.
    QStringList beginSchemaChange() const;

    // A condition on the sightings table `s` with its values for the `?` in it, in order.
    struct Condition {
        QString sql;
        QStringList values;
        // A scan, not an index: worth stopping at the first rows found instead of sorting all.
        bool scans = false;
    };
    // Where a name or address contains the text: served by the trigram index when the text
    // holds a trigram, a plain scan otherwise.
    Condition contains(const QString& text) const;
    static constexpr int kTrigram = 3;

private:
    static QString likePattern(const QString& text);
    Kind m_kind;
};
