#include "CyclerLogic.h"

#include "serverconfig/NumberRules.h"

namespace cycler {

bool tickDue(qint16& minutes, int interval) {
    // At or past the interval counts as due, so that a shorter interval typed while the
    // counter is already beyond it cannot leave the counter running away.
    if (minutes != 0 && minutes < interval) {
        ++minutes;
        return false;
    }
    minutes = 1;
    return true;
}

int intervalMinutes(const QString& text) {
    const std::optional<qint16> value = numbers::wholeValue(text);
    if (!value || *value < kMinInterval || *value > kMaxInterval)
        return 0;
    return *value;
}

int pickMessage(const QStringList& messages, qint16& position) {
    if (messages.isEmpty())
        return -1;
    if (position < 0 || position >= messages.size())
        position = 0;
    return position;
}

namespace {

void replaceFirst(QString& text, QLatin1String token, const std::function<QString()>& value) {
    const qsizetype at = text.indexOf(token, 0, Qt::CaseInsensitive);
    if (at < 0)
        return;
    text.replace(at, token.size(), value ? value() : QString());
}

} // namespace

QString fillPlaceholders(const QString& message, const PlaceholderValues& values) {
    QString text = message;
    replaceFirst(text, QLatin1String("%IP%"), values.ipPort);
    replaceFirst(text, QLatin1String("%SN%"), values.serverName);
    replaceFirst(text, QLatin1String("%FF%"), [&values] {
        return friendlyFireWord(values.friendlyFire ? values.friendlyFire() : QString());
    });
    return text;
}

QString friendlyFireWord(const QString& value) {
    const std::optional<qint16> number = numbers::wholeValue(value);
    if (!number)
        return {};
    switch (*number) {
    case 0:
        return QStringLiteral("Off");
    case 1:
        return QStringLiteral("On");
    case 2:
        return QStringLiteral("Reflective");
    case 3:
        return QStringLiteral("Shared");
    default:
        return {};
    }
}

} // namespace cycler
