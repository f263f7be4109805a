#pragma once

#include <QDate>
#include <QString>

// The dated log files of the RCON pane and the message log.
namespace logfiles {

enum class Kind { Rcon, Messages };

// "vostrel_rcon_ddmmyy" or "vostrel_messages_ddmmyy", without extension.
QString baseName(Kind kind, const QDate& date);
QString progressText(Kind kind);
QString failureText(Kind kind);

// Appends the bytes (Windows-1252) to the file, creating it, for its owner only, when
// missing.
// On failure returns false and fills the error number and description.
bool append(const QString& path, const QString& text, int* errorCode, QString* errorDescription);

} // namespace logfiles
