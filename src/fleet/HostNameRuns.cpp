#include "HostNameRuns.h"

namespace fleet {

HostNameRuns splitHostName(const QString& name) {
    HostNameRuns result;
    int colour = ColourRun::kDefault;
    QString text;
    const auto flush = [&] {
        if (text.isEmpty())
            return;
        if (!result.runs.isEmpty() && result.runs.last().colour == colour)
            result.runs.last().text += text;
        else
            result.runs << ColourRun{text, colour};
        result.plain += text;
        text.clear();
    };
    for (qsizetype i = 0; i < name.size(); ++i) {
        const bool code = name[i] == u'^' && i + 1 < name.size() && name[i + 1] != u'^';
        if (!code) {
            text += name[i];
            continue;
        }
        flush();
        colour = (name[++i].unicode() - u'0') & 7;
    }
    flush();
    return result;
}

} // namespace fleet
