#include "MapCommands.h"

namespace mapcommands {

Plan loadPlan(const QString& map) {
    Step step{Request::loading(QStringLiteral("map ") + map)};
    step.what = QStringLiteral("Load map ") + map;
    return {step};
}

Plan restartPlan() {
    return {Step{Request::loading(QStringLiteral("map_restart")), QStringLiteral("Map Restart")}};
}

Plan rotatePlan() {
    return {Step{Request::loading(QStringLiteral("map_rotate")), QStringLiteral("Map Rotate")}};
}

Plan setRotationPlan(const QString& rotation) {
    // A line break in the rotation goes as a blank, as in every command the client sends.
    return {actionStep(
        Request::unechoed(QStringLiteral("sv_maprotationcurrent \"") + rotation + QLatin1Char('"'))
            .from(QStringLiteral("rotation")),
        QStringLiteral("Set Map rotation to Custom choice."), QStringLiteral("Set Map rotation"))};
}

Plan execPlan(const QString& cfgName) {
    return {actionStep(Request::unechoed(QStringLiteral("exec ") + cfgName + QLatin1String(".cfg")),
                       QStringLiteral("Performed EXEC of ") + cfgName,
                       QStringLiteral("EXEC of ") + cfgName)};
}

Request listRequest(const QString& folder) {
    Request request = Request::shown(QStringLiteral("dir ") + folder + QLatin1String(" bsp"));
    request.quiet = true;
    return request;
}

} // namespace mapcommands
