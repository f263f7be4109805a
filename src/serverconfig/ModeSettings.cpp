#include "ModeSettings.h"

#include "rcon/ReplyText.h"

#include <QCoreApplication>

namespace modesettings {

QString invalidValueTitle() {
    return QCoreApplication::translate("modesettings", "Invalid value");
}

QString setServerQuestion() {
    return QCoreApplication::translate("modesettings", "Set server with values in display?");
}

QString setServerTitle() {
    return QCoreApplication::translate("modesettings", "Set server");
}

QString plainCommand(const QString& variable, const QString& value) {
    return variable + QLatin1Char(' ') + value;
}

QString listingFor(const QStringList& variables) {
    QString start = variables.value(0);
    for (const QString& variable : variables) {
        qsizetype same = 0;
        while (same < start.size() && same < variable.size() &&
               start.at(same).toLower() == variable.at(same).toLower())
            ++same;
        start.truncate(same);
    }
    return QLatin1String("cvarlist ") + start + QLatin1Char('*');
}

QStringList valuesIn(const QString& listing, const QStringList& variables) {
    QStringList values;
    for (const QString& variable : variables)
        values << getquoted(listing, variable);
    return values;
}

QString defaultsText() {
    return QCoreApplication::translate(
        "modesettings", "These fields hold the game's defaults, not values read from the server");
}

QString readText(const QStringList& notRead, qsizetype total) {
    if (notRead.isEmpty())
        return QCoreApplication::translate("modesettings",
                                           "These fields hold the values read from the server");
    if (notRead.size() >= total)
        return QCoreApplication::translate(
            "modesettings",
            "The server gave none of these settings: the fields keep what they held");
    const QString names = notRead.join(QLatin1String(", "));
    if (notRead.size() == 1)
        return QCoreApplication::translate(
                   "modesettings",
                   "These fields hold the values read from the server, except %1 (the server gave "
                   "no value it can show), which keeps what it held")
            .arg(names);
    return QCoreApplication::translate(
               "modesettings",
               "These fields hold the values read from the server, except %1 (the server gave no "
               "values they can show), which keep what they held")
        .arg(names);
}

} // namespace modesettings
