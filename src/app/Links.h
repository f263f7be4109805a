#pragma once

#include <QUrl>

// The web addresses behind the Help menu and the mod's label, kept in one place.
namespace links {

inline QUrl productSite() {
    return QUrl(QStringLiteral("https://vostrel.example.org/"));
}
inline QUrl forum() {
    return QUrl(QStringLiteral("https://vostrel.example.org/forum/"));
}
inline QUrl hobModSite() {
    return QUrl(QStringLiteral("https://vostrel.example.org/mods/heat-of-battle/"));
}

} // namespace links
