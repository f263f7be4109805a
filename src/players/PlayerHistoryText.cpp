#include "PlayerHistoryText.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

namespace {

QString when(const QDateTime& at) {
    return QLocale().toString(at.toLocalTime(), QLocale::ShortFormat);
}

// The history keeps its action kinds and outcome words in English; they are translated only
// here, where they are shown. A word this list does not know is shown as it is stored.
QString shownWord(const QString& stored) {
    static const char* const kStoredWords[] = {
        QT_TRANSLATE_NOOP("PlayerHistoryText", "kick"),
        QT_TRANSLATE_NOOP("PlayerHistoryText", "ban"),
        QT_TRANSLATE_NOOP("PlayerHistoryText", "tempban"),
        QT_TRANSLATE_NOOP("PlayerHistoryText", "taken"),
        QT_TRANSLATE_NOOP("PlayerHistoryText", "taken at next map"),
        QT_TRANSLATE_NOOP("PlayerHistoryText", "refused"),
        QT_TRANSLATE_NOOP("PlayerHistoryText", "no answer"),
        QT_TRANSLATE_NOOP("PlayerHistoryText", "not sent"),
    };
    for (const char* word : kStoredWords)
        if (stored == QLatin1String(word))
            return QCoreApplication::translate("PlayerHistoryText", word);
    return stored;
}

} // namespace

QString playerHistoryText(const PlayerHistory& history) {
    QStringList lines;
    if (!history.firstSeen.isValid())
        lines << QCoreApplication::translate("PlayerHistoryText", "Not seen before.");
    else
        lines << QCoreApplication::translate("PlayerHistoryText", "First seen: %1")
                     .arg(when(history.firstSeen))
              << QCoreApplication::translate("PlayerHistoryText", "Last seen: %1")
                     .arg(when(history.lastSeen));
    lines << (history.otherNames.isEmpty()
                  ? QCoreApplication::translate("PlayerHistoryText", "No other names.")
                  : QCoreApplication::translate("PlayerHistoryText", "Also seen as: %1")
                        .arg(history.otherNames.join(QStringLiteral(", "))));
    if (history.kicksAndBans.isEmpty()) {
        lines << QCoreApplication::translate("PlayerHistoryText", "No kicks or bans.");
        return lines.join(u'\n');
    }
    lines << QString() << QCoreApplication::translate("PlayerHistoryText", "Kicks and bans:");
    for (const ActionRecord& action : history.kicksAndBans) {
        const QString reason =
            action.reason.isEmpty()
                ? QCoreApplication::translate("PlayerHistoryText", "no reason given")
                : action.reason;
        lines << QCoreApplication::translate("PlayerHistoryText", "%1 %2 (%3, %4): %5")
                     .arg(when(action.at), shownWord(action.kind), shownWord(action.outcome),
                          action.server, reason);
    }
    return lines.join(u'\n');
}
