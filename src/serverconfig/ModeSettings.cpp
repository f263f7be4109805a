#include "ModeSettings.h"

#include "rcon/ReplyText.h"

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
    return QStringLiteral("These fields hold the game's defaults, not values read from the "
                          "server");
}

QString readText(const QStringList& notRead, qsizetype total) {
    if (notRead.isEmpty())
        return QStringLiteral("These fields hold the values read from the server");
    if (notRead.size() >= total)
        return QStringLiteral("The server gave none of these settings: the fields keep what they "
                              "held");
    return QStringLiteral("These fields hold the values read from the server, except ") +
           notRead.join(QLatin1String(", ")) +
           (notRead.size() == 1 ? QLatin1String(" (the server gave no value it can show), which "
                                                "keeps what it held")
                                : QLatin1String(" (the server gave no values they can show), "
                                                "which keep what they held"));
}

} // namespace modesettings
