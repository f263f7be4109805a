#include "MapCommands.h"

namespace mapcommands {

Plan loadPlan(const QString& map) {
    return {Step{Request::noWait(QStringLiteral("map ") + map)}};
}

Plan restartPlan() {
    return {Step{Request::noWait(QStringLiteral("map_restart")), QStringLiteral("Map Restart")}};
}

Plan rotatePlan() {
    return {Step{Request::noWait(QStringLiteral("map_rotate")), QStringLiteral("Map Rotate")}};
}

Plan setRotationPlan(const QString& rotation) {
    QString line = rotation;
    line.replace(QLatin1String("\r\n"), QLatin1String(" "));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return {Step{
        Request::unechoed(QStringLiteral("sv_maprotationcurrent \"") + line + QLatin1Char('"')),
        QStringLiteral("Set Map rotation to Custom choice.")}};
}

Plan execPlan(const QString& cfgName) {
    return {Step{Request::unechoed(QStringLiteral("exec ") + cfgName + QLatin1String(".cfg")),
                 QStringLiteral("Performed EXEC of ") + cfgName}};
}

Request listRequest() {
    Request request = Request::shown(QStringLiteral("dir maps/mp bsp"));
    request.quiet = true;
    return request;
}

} // namespace mapcommands
