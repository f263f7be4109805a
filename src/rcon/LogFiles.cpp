#include "LogFiles.h"

#include "base/PrivateFiles.h"
#include "base/Wire1252.h"

#include <QFile>

namespace logfiles {

QString baseName(Kind kind, const QDate& date) {
    const QString prefix =
        kind == Kind::Rcon ? QStringLiteral("vostrel_rcon_") : QStringLiteral("vostrel_messages_");
    return prefix + date.toString(QStringLiteral("ddMMyy"));
}

QString progressText(Kind kind) {
    return kind == Kind::Rcon ? QStringLiteral("Saving RCON output...")
                              : QStringLiteral("Saving Message output...");
}

QString failureText(Kind kind) {
    return kind == Kind::Rcon ? QStringLiteral("Rcon log not written")
                              : QStringLiteral("Message log not written");
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
