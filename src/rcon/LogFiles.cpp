#include "LogFiles.h"

#include "base/PrivateFiles.h"
#include "base/Wire1252.h"

#include <QCoreApplication>
#include <QFile>

namespace logfiles {

QString baseName(Kind kind, const QDate& date) {
    const QString prefix =
        kind == Kind::Rcon ? QStringLiteral("vostrel_rcon_") : QStringLiteral("vostrel_messages_");
    return prefix + date.toString(QStringLiteral("ddMMyy"));
}

QString progressText(Kind kind) {
    return kind == Kind::Rcon ? QCoreApplication::translate("logfiles", "Saving RCON output...")
                              : QCoreApplication::translate("logfiles", "Saving Message output...");
}

QString failureText(Kind kind) {
    return kind == Kind::Rcon ? QCoreApplication::translate("logfiles", "Rcon log not written")
                              : QCoreApplication::translate("logfiles", "Message log not written");
}

bool append(const QString& path, const QString& text, int* errorCode, QString* errorDescription) {
    QFile file(path);
    const QByteArray bytes = wire1252::encode(text);
    if (privatefiles::openForAppend(file) && file.write(bytes) == bytes.size() && file.flush()) {
        return true;
    }
    *errorCode = int(file.error());
    *errorDescription = file.errorString();
    return false;
}

} // namespace logfiles
