#include "MapCommands.h"

#include <QCoreApplication>

namespace mapcommands {

Plan loadPlan(const QString& map) {
    Step step{Request::loading(QStringLiteral("map ") + map)};
    step.what = QCoreApplication::translate("mapcommands", "Load map %1").arg(map);
    return {step};
}

Plan restartPlan() {
    return {Step{Request::loading(QStringLiteral("map_restart")),
                 QCoreApplication::translate("mapcommands", "Map Restart")}};
}

Plan rotatePlan() {
    return {Step{Request::loading(QStringLiteral("map_rotate")),
                 QCoreApplication::translate("mapcommands", "Map Rotate")}};
}

Plan setRotationPlan(const QString& rotation) {
    // A line break in the rotation goes as a blank, as in every command the client sends.
    return {actionStep(
        Request::unechoed(QStringLiteral("sv_maprotationcurrent \"") + rotation + QLatin1Char('"'))
            .from(QCoreApplication::translate("mapcommands", "rotation")),
        QCoreApplication::translate("mapcommands", "Set Map rotation to Custom choice."),
        QCoreApplication::translate("mapcommands", "Set Map rotation"))};
}

Plan execPlan(const QString& cfgName) {
    return {
        actionStep(Request::unechoed(QStringLiteral("exec ") + cfgName + QLatin1String(".cfg")),
                   QCoreApplication::translate("mapcommands", "Performed EXEC of %1").arg(cfgName),
                   QCoreApplication::translate("mapcommands", "EXEC of %1").arg(cfgName))};
}

Request listRequest(const QString& folder) {
    Request request = Request::shown(QStringLiteral("dir ") + folder + QLatin1String(" bsp"));
    request.quiet = true;
    return request;
}

} // namespace mapcommands
