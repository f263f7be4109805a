#include "ModeSettings.h"

#include "app/Dialogs.h"
#include "app/Session.h"

namespace modesettings {

QString invalidValueTitle() {
    return QStringLiteral("Invalid value");
}

bool confirmSetServer(Dialogs& dialogs) {
    return dialogs.message(QStringLiteral("Set server with values in display?"),
                           QStringLiteral("Set server"), Dialogs::Icon::Information,
                           Dialogs::Buttons::OkCancel) == Dialogs::Answer::Ok;
}

QString plainCommand(const QString& variable, const QString& value) {
    return variable + QLatin1Char(' ') + value;
}

bool sendPlain(Session& session, const QString& variable, const QString& value) {
    session.sendinfo(plainCommand(variable, value), false);
    return !session.sendRefused();
}

} // namespace modesettings
