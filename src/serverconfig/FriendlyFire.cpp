#include "FriendlyFire.h"

#include "app/SayPrefix.h"
#include "base/TableText.h"

#include <QCoreApplication>

namespace friendlyfire {

QString shown(const QString& text) {
    return translatedIn("friendlyfire", text);
}

const QList<Mode>& modes() {
    static const QList<Mode> all{
        {0, QString::fromLatin1(QT_TRANSLATE_NOOP("friendlyfire", "Off")),
         QStringLiteral("commFFOFF"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("friendlyfire", "Friendly Fire Off")),
         QStringLiteral("^2OFF"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("friendlyfire", "Friendly Fire OFF"))},
        {1, QString::fromLatin1(QT_TRANSLATE_NOOP("friendlyfire", "On")),
         QStringLiteral("COMMFFON"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("friendlyfire", "Friendly Fire On")),
         QStringLiteral("^2ON"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("friendlyfire", "Friendly Fire ON"))},
        {2, QString::fromLatin1(QT_TRANSLATE_NOOP("friendlyfire", "Reflective")),
         QStringLiteral("commFFREFL"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("friendlyfire", "Friendly Fire Reflective damage")),
         QStringLiteral("^2Reflective"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("friendlyfire", "Friendly Fire Reflective"))},
        {3, QString::fromLatin1(QT_TRANSLATE_NOOP("friendlyfire", "Shared")),
         QStringLiteral("commFFSHARE"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("friendlyfire", "Friendly Fire Shared")),
         QStringLiteral("^2Shared"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("friendlyfire", "Friendly Fire Shared"))}};
    return all;
}

QString variable() {
    return QStringLiteral("setfriendlyfire");
}

QString command(int value) {
    return variable() + QLatin1Char(' ') + QString::number(value);
}

QString announcement(int value) {
    if (value < 0 || value >= modes().size())
        return {};
    return sayCommand(QLatin1String("Friendly Fire now ") + modes().at(value).word);
}

Plan changePlan(int value) {
    if (value < 0 || value >= modes().size())
        return {};
    return {Step{Request::unechoed(command(value)), shown(modes().at(value).logText)},
            announcementStep(Request::unechoed(announcement(value)))};
}

} // namespace friendlyfire
