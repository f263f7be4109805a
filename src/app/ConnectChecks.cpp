#include "ConnectChecks.h"

namespace {

bool startsWithText(const QString& response, QLatin1String text) {
    return response.left(text.size()).compare(text, Qt::CaseInsensitive) == 0;
}

} // namespace

PasswordCheck checkPasswordReply(const QString& response) {
    if (startsWithText(response, QLatin1String("BAD RCONPASSWORD")))
        return PasswordCheck::BadPassword;
    if (startsWithText(response, QLatin1String("No rconpassword set on the server")))
        return PasswordCheck::NoPasswordSet;
    return PasswordCheck::Accepted;
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
