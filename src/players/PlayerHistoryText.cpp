#include "PlayerHistoryText.h"

#include <QLocale>
#include <QStringList>

namespace {

QString when(const QDateTime& at) {
    return QLocale().toString(at.toLocalTime(), QLocale::ShortFormat);
}

} // namespace

QString playerHistoryText(const PlayerHistory& history) {
    QStringList lines;
    if (!history.firstSeen.isValid())
        lines << QStringLiteral("Not seen before.");
    else
        lines << QStringLiteral("First seen: ") + when(history.firstSeen)
              << QStringLiteral("Last seen: ") + when(history.lastSeen);
    lines << (history.otherNames.isEmpty() ? QStringLiteral("No other names.")
                                           : QStringLiteral("Also seen as: ") +
                                                 history.otherNames.join(QStringLiteral(", ")));
    if (history.kicksAndBans.isEmpty()) {
        lines << QStringLiteral("No kicks or bans.");
        return lines.join(u'\n');
    }
    lines << QString() << QStringLiteral("Kicks and bans:");
    for (const ActionRecord& action : history.kicksAndBans) {
        const QString reason =
            action.reason.isEmpty() ? QStringLiteral("no reason given") : action.reason;
        lines << when(action.at) + u' ' + action.kind + QLatin1String(" (") + action.outcome +
                     QLatin1String(", ") + action.server + QLatin1String("): ") + reason;
    }
    return lines.join(u'\n');
}
