#include "Plan.h"

Step settingStep(const Request& request, const QString& logLine) {
    qsizetype end = logLine.indexOf(QLatin1String(" updated"));
    if (end < 0)
        end = logLine.indexOf(QLatin1String(" changed"));
    return settingStep(request, logLine, end < 0 ? logLine : logLine.left(end));
}

Step settingStep(const Request& request, const QString& logLine, const QString& subject) {
    return Step{request, logLine, 0, subject};
}

Step actionStep(const Request& request, const QString& logLine, const QString& what) {
    Step step{request, logLine};
    step.what = what;
    return step;
}

Step announcementStep(const Request& request, const QString& logLine) {
    Step step{request, logLine};
    step.announces = true;
    return step;
}

Step readStep(const Request& request, Reader read, const QString& progress) {
    Step step{request};
    step.read = std::move(read);
    step.progress = progress;
    return step;
}
