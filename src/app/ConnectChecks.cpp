#include "ConnectChecks.h"

#include "settings/ProfileFile.h"

QString addressText(const QString& server, const QString& port) {
    const QString host =
        server.contains(QLatin1Char(':')) ? QLatin1Char('[') + server + QLatin1Char(']') : server;
    return host + QLatin1Char(':') + port;
}

QString unansweredConnectText(const QString& address, bool publicQueryAnswered) {
    if (!publicQueryAnswered)
        return QStringLiteral("No server answered at ") + address;
    return QStringLiteral("The server at ") + address +
           QLatin1String(" answers, but its remote console does not: the RCON password is "
                         "wrong, or the remote console is off (some servers stay silent on a "
                         "wrong password).\rNo connection established.");
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
            return QStringLiteral("The ") + field.name +
                   QLatin1String(" holds characters that cannot be sent to the server or kept "
                                 "in the settings file: ") +
                   missing +
                   QLatin1String("\rPlease use only the characters of Western European text "
                                 "(Windows-1252).");
    }
    return {};
}

QString connectionRowRefusal(const QString& server, const QString& port, const QString& password) {
    return unsupportedTextRefusal({{QStringLiteral("server address"), server},
                                   {QStringLiteral("port"), port},
                                   {QStringLiteral("rcon password"), password}});
}
