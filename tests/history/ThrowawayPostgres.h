#pragma once

#include "history/HistoryTypes.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

// A PostgreSQL cluster of its own in a temporary folder, on 127.0.0.1 and a free port, with its
// socket in that folder; gone with the object. initdb refuses root, so under root the
// cluster belongs to the `postgres` system user.
class ThrowawayPostgres {
public:
    ThrowawayPostgres() {
        const QString bin = binFolder();
        if (bin.isEmpty()) {
            m_problem = QStringLiteral("initdb was not found (install postgresql)");
            return;
        }
        m_bin = bin;
#ifdef Q_OS_UNIX
        m_asPostgres = ::geteuid() == 0;
#endif
        if (m_asPostgres &&
            !run(QStringLiteral("chown"),
                 {QStringLiteral("-R"), QStringLiteral("postgres:"), m_dir.path()}, false))
            return;
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        m_port = probe.serverPort();
        probe.close();
        if (run(m_bin + QLatin1String("/initdb"),
                {QStringLiteral("-D"), dataDir(), QStringLiteral("-U"), user(),
                 QStringLiteral("-A"), QStringLiteral("trust"), QStringLiteral("-E"),
                 QStringLiteral("UTF8"), QStringLiteral("--locale=C"), QStringLiteral("-N")}))
            m_available = start();
    }
    ~ThrowawayPostgres() {
        if (m_available)
            run(m_bin + QLatin1String("/pg_ctl"),
                {QStringLiteral("-D"), dataDir(), QStringLiteral("-m"), QStringLiteral("immediate"),
                 QStringLiteral("-w"), QStringLiteral("stop")});
    }

    bool available() const {
        return m_available;
    }
    QString problem() const {
        return m_problem;
    }
    int port() const {
        return m_port;
    }
    static QString user() {
        return QStringLiteral("vostrel");
    }

    bool start() {
        return run(m_bin + QLatin1String("/pg_ctl"),
                   {QStringLiteral("-D"), dataDir(), QStringLiteral("-l"),
                    m_dir.filePath(QStringLiteral("log")), QStringLiteral("-o"),
                    QStringLiteral("-c listen_addresses=127.0.0.1 -p %1 -k %2 -c fsync=off "
                                   "-c synchronous_commit=off")
                        .arg(m_port)
                        .arg(m_dir.path()),
                    QStringLiteral("-w"), QStringLiteral("start")});
    }
    bool stop() {
        return run(m_bin + QLatin1String("/pg_ctl"),
                   {QStringLiteral("-D"), dataDir(), QStringLiteral("-m"), QStringLiteral("fast"),
                    QStringLiteral("-w"), QStringLiteral("stop")});
    }

    // A new empty database, and the history settings that reach it.
    HistoryConfig newDatabase(const QString& name) {
        {
            QSqlDatabase admin = connect(QStringLiteral("postgres"), QStringLiteral("admin"));
            QSqlQuery(admin).exec(QStringLiteral("CREATE DATABASE %1").arg(name));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("admin"));
        HistoryConfig config;
        config.kind = HistoryConfig::Kind::Postgres;
        config.host = QStringLiteral("127.0.0.1");
        config.port = m_port;
        config.database = name;
        config.user = user();
        return config;
    }
    // A connection of the test's own to one of the cluster's databases.
    QSqlDatabase connect(const QString& database, const QString& connectionName) const {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
        db.setHostName(QStringLiteral("127.0.0.1"));
        db.setPort(m_port);
        db.setDatabaseName(database);
        db.setUserName(user());
        db.open();
        return db;
    }

private:
    static QString binFolder() {
        const QString onPath = QStandardPaths::findExecutable(QStringLiteral("initdb"));
        if (!onPath.isEmpty())
            return QFileInfo(onPath).absolutePath();
        QDir versions(QStringLiteral("/usr/lib/postgresql"));
        const QStringList found =
            versions.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::Reversed);
        for (const QString& version : found)
            if (QFileInfo::exists(versions.filePath(version + QLatin1String("/bin/initdb"))))
                return versions.filePath(version + QLatin1String("/bin"));
        return {};
    }
    QString dataDir() const {
        return m_dir.filePath(QStringLiteral("data"));
    }
    bool run(const QString& program, QStringList arguments, bool asPostgres = true) {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        if (asPostgres && m_asPostgres) {
            arguments = QStringList{QStringLiteral("-u"), QStringLiteral("postgres"),
                                    QStringLiteral("--"), program} +
                        arguments;
            process.start(QStringLiteral("runuser"), arguments);
        } else {
            process.start(program, arguments);
        }
        if (process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit &&
            process.exitCode() == 0)
            return true;
        m_problem = QStringLiteral("%1 failed: %2")
                        .arg(QFileInfo(program).fileName(),
                             QString::fromLocal8Bit(process.readAll()).trimmed());
        return false;
    }

    QTemporaryDir m_dir;
    QString m_bin;
    QString m_problem;
    int m_port = 0;
    bool m_asPostgres = false;
    bool m_available = false;
};
