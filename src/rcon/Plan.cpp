#include "Plan.h"

Step settingStep(const Request& request, const QString& logLine) {
    qsizetype end = logLine.indexOf(QLatin1String(" updated"));
    if (end < 0)
        end = logLine.indexOf(QLatin1String(" changed"));
    return Step{request, logLine, 0, end < 0 ? logLine : logLine.left(end)};
}
