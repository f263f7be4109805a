#pragma once

#include "Version.h"

#include <QString>

// Every broadcast begins with "say " and this tag; a caret and a digit are colour codes.
inline QString sayPrefix() {
    return QStringLiteral("^3Vostrel ^5(") + QLatin1String(kVostrelVersion) +
           QStringLiteral(")> ^7");
}
inline QString sayCommand(const QString& text) {
    return QStringLiteral("say ") + sayPrefix() + text;
}
