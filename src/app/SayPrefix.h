#pragma once

#include <QString>

// Every broadcast begins with "say " and this tag; a caret and a digit are colour codes.
inline QString sayPrefix() {
    return QStringLiteral("^3Vostrel ^5(1.4.1)> ^7");
}
inline QString sayCommand(const QString& text) {
    return QStringLiteral("say ") + sayPrefix() + text;
}
