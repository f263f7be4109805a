#include "ConnectChecks.h"

#include "settings/ProfileFile.h"

#include <QCoreApplication>

QString addressText(const QString& server, const QString& port) {
    const QString host =
        server.contains(QLatin1Char(':')) ? QLatin1Char('[') + server + QLatin1Char(']') : server;
    return host + QLatin1Char(':') + port;
}

QString unansweredConnectText(const QString& address, bool publicQueryAnswered) {
    if (!publicQueryAnswered)
        return QCoreApplication::translate("ConnectChecks", "No server answered at %1")
            .arg(address);
    return QCoreApplication::translate(
               "ConnectChecks",
               "The server at %1 answers, but its remote console does not: the RCON password is "
               "wrong, or the remote console is off (some servers stay silent on a wrong "
               "password).\rNo connection established.")
        .arg(address);
}

std::optional<quint16> parsePort(const QString& text) {
    const QString digits = text.trimmed();
    if (digits.isEmpty())
        return std::nullopt;
    int value = 0;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
        if (value > 65535)
            return std::nullopt;
    }
    if (value < 1)
        return std::nullopt;
    return quint16(value);
}

QString unsupportedTextRefusal(const QList<TypedField>& fields) {
    for (const TypedField& field : fields) {
        const QString missing = profile::unsupportedCharacters(field.text);
        if (!missing.isEmpty())
            return QCoreApplication::translate(
                       "ConnectChecks",
                       "The %1 holds characters that cannot be sent to the server or kept in the "
                       "settings file: %2\rPlease use only the characters of Western European "
                       "text (Windows-1252).")
                .arg(field.name, missing);
    }
    return {};
}

QString connectionRowRefusal(const QString& server, const QString& port, const QString& password) {
    return unsupportedTextRefusal(
        {{QCoreApplication::translate("ConnectChecks", "server address"), server},
         {QCoreApplication::translate("ConnectChecks", "port"), port},
         {QCoreApplication::translate("ConnectChecks", "rcon password"), password}});
}

QString unsupportedTitle() {
    return QCoreApplication::translate("ConnectChecks", "Unsupported characters");
}
