#include "FriendlyFire.h"

#include "app/SayPrefix.h"

namespace friendlyfire {

const QList<Mode>& modes() {
    static const QList<Mode> all{
        {0, QStringLiteral("Off"), QStringLiteral("commFFOFF"), QStringLiteral("Friendly Fire Off"),
         QStringLiteral("^2OFF"), QStringLiteral("Friendly Fire OFF")},
        {1, QStringLiteral("On"), QStringLiteral("COMMFFON"), QStringLiteral("Friendly Fire On"),
         QStringLiteral("^2ON"), QStringLiteral("Friendly Fire ON")},
        {2, QStringLiteral("Reflective"), QStringLiteral("commFFREFL"),
         QStringLiteral("Friendly Fire Reflective damage"), QStringLiteral("^2Reflective"),
         QStringLiteral("Friendly Fire Reflective")},
        {3, QStringLiteral("Shared"), QStringLiteral("commFFSHARE"),
         QStringLiteral("Friendly Fire Shared"), QStringLiteral("^2Shared"),
         QStringLiteral("Friendly Fire Shared")}};
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
    return {Step{Request::unechoed(command(value)), modes().at(value).logText},
            announcementStep(Request::unechoed(announcement(value)))};
}

} // namespace friendlyfire
