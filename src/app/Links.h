#pragma once

#include <QUrl>

// The web address behind the mod's label.
namespace links {

inline QUrl hobModSite() {
    return QUrl(QStringLiteral("https://vostrel.example.org/mods/heat-of-battle/"));
}

} // namespace links
