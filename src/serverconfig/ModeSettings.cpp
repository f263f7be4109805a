#include "ModeSettings.h"

namespace modesettings {

QString invalidValueTitle() {
    return QStringLiteral("Invalid value");
}

QString setServerQuestion() {
    return QStringLiteral("Set server with values in display?");
}

QString setServerTitle() {
    return QStringLiteral("Set server");
}

QString plainCommand(const QString& variable, const QString& value) {
    return variable + QLatin1Char(' ') + value;
}

} // namespace modesettings
