#include "MapCommands.h"

namespace mapcommands {

Plan loadPlan(const QString& map) {
    return {Step{Request::loading(QStringLiteral("map ") + map)}};
}

Plan restartPlan() {
    return {Step{Request::loading(QStringLiteral("map_restart")), QStringLiteral("Map Restart")}};
}

Plan rotatePlan() {
    return {Step{Request::loading(QStringLiteral("map_rotate")), QStringLiteral("Map Rotate")}};
}

Plan setRotationPlan(const QString& rotation) {
    // A line break in the rotation goes as a blank, as in every command the client sends.
    return {Step{
        Request::unechoed(QStringLiteral("sv_maprotationcurrent \"") + rotation + QLatin1Char('"')),
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
