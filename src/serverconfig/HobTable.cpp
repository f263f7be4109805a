#include "HobTable.h"

#include "base/TableText.h"

#include <QCoreApplication>

namespace hob {

QString shown(const QString& text) {
    return translatedIn("hob", text);
}

const QList<Setting>& settings() {
    static const QList<Setting> list{
        {QStringLiteral("chkobi"), Kind::Check,
         QString::fromLatin1(QT_TRANSLATE_NOOP("hob", "Show Obituary")),
         QStringLiteral("scr_hob_showObituary"), QStringLiteral("0"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("hob", "Show Obitory when people Die.")),
         QString::fromLatin1(QT_TRANSLATE_NOOP("hob", "Show Obituory changed."))},
        {QStringLiteral("chkshot"), Kind::Check,
         QString::fromLatin1(QT_TRANSLATE_NOOP("hob", "Foot / Leg shot ")),
         QStringLiteral("scr_hob_trip"), QStringLiteral("0"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("hob", "Enable/Disable Foot/Leg tripping Code.")),
         QString::fromLatin1(QT_TRANSLATE_NOOP("hob", "Foot/Leg shot changed."))},
        {QStringLiteral("txtwave"), Kind::Wave,
         QString::fromLatin1(QT_TRANSLATE_NOOP("hob", "Wave respawn")),
         QStringLiteral("scr_hob_respawntime"), QStringLiteral("15"),
         QString::fromLatin1(
             QT_TRANSLATE_NOOP("hob", "Wave respawn time interval, 1 to 30 seconds")),
         QString::fromLatin1(QT_TRANSLATE_NOOP("hob", "Wave respawn changed to [%1]"))},
        {QStringLiteral("chkdrop"), Kind::Check,
         QString::fromLatin1(QT_TRANSLATE_NOOP("hob", "Drop weapon on arm/leg shot")),
         QStringLiteral("scr_hob_dropWeapon"), QStringLiteral("0"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("hob", "Drop the weapon when shot in arm.")),
         QString::fromLatin1(QT_TRANSLATE_NOOP("hob", "Drop weapon on arm/leg shot changed."))},
        {QStringLiteral("chkshell"), Kind::Check,
         QString::fromLatin1(QT_TRANSLATE_NOOP("hob", "Shell shock from nearby grenades")),
         QStringLiteral("scr_hob_shellshock"), QStringLiteral("0"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("hob", "Shell shock from nearly grenades.")),
         QString::fromLatin1(QT_TRANSLATE_NOOP("hob", "Shell Shock changed."))},
        {QStringLiteral("chkdw"), Kind::Check,
         QString::fromLatin1(QT_TRANSLATE_NOOP("hob", "Dynamic weapon limiting")),
         QStringLiteral("scr_hob_dynamicLimitWeapons"), QStringLiteral("0"),
         QString::fromLatin1(
             QT_TRANSLATE_NOOP("hob", "Weapon limiting (Based on # of people on server)")),
         QString::fromLatin1(QT_TRANSLATE_NOOP("hob", "Dynamic Weapons changed."))},
        {QStringLiteral("chkdf"), Kind::Check,
         QString::fromLatin1(QT_TRANSLATE_NOOP("hob", "Dynamic flags limiting")),
         QStringLiteral("scr_hob_dynamicLimitFlags"), QStringLiteral("0"),
         QString::fromLatin1(
             QT_TRANSLATE_NOOP("hob", "Flag capping limiting.(Based on # of people on server)")),
         QString::fromLatin1(QT_TRANSLATE_NOOP("hob", "Dynamic flags changed."))},
        {QStringLiteral("chkdb"), Kind::Check,
         QString::fromLatin1(QT_TRANSLATE_NOOP("hob", "Dynamic bombs limiting")),
         QStringLiteral("scr_hob_dynamicLimitBombs"), QStringLiteral("0"),
         QString::fromLatin1(QT_TRANSLATE_NOOP(
             "hob", "Bomb plant/Defuse limiting.(Based on # of people on server)")),
         QString::fromLatin1(QT_TRANSLATE_NOOP("hob", "Dynamic bombs changed."))},
        {QStringLiteral("chkspawn"), Kind::Check,
         QString::fromLatin1(QT_TRANSLATE_NOOP("hob", "Spawn zone protection")),
         QStringLiteral("scr_hob_enableSpawnProtection"), QStringLiteral("0"),
         QString::fromLatin1(
             QT_TRANSLATE_NOOP("hob", "Spawn Zone protection (Requires HOB compliant maps)")),
         QString::fromLatin1(QT_TRANSLATE_NOOP("hob", "Spawn protection changed."))},
        {QStringLiteral("chkannouncespawn"), Kind::Check,
         QString::fromLatin1(QT_TRANSLATE_NOOP("hob", "Announce Spawn Campers")),
         QStringLiteral("scr_hob_announceSpawnCampers"), QStringLiteral("0"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("hob", "Announce spawn campers.")),
         QString::fromLatin1(QT_TRANSLATE_NOOP("hob", "Annouce Spawn campers changed."))},
        {QStringLiteral("txtsniper"), Kind::Percentage,
         QString::fromLatin1(QT_TRANSLATE_NOOP("hob", "Sniper allow percentage")),
         QStringLiteral("scr_hob_sniperPercentage"), QStringLiteral("0"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("hob", "Sniper allowed percentage 0 to 100")),
         QString::fromLatin1(QT_TRANSLATE_NOOP("hob", "Sniper percentage changed."))},
        {QStringLiteral("txtsmg"), Kind::Percentage,
         QString::fromLatin1(QT_TRANSLATE_NOOP("hob", "SMG allow percentage")),
         QStringLiteral("scr_hob_smgPercentage"), QStringLiteral("0"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("hob", "SMG allowed percentage 0 to 100")),
         QString::fromLatin1(QT_TRANSLATE_NOOP("hob", "Smg percentage changed."))},
        {QStringLiteral("txtsup"), Kind::Percentage,
         QString::fromLatin1(QT_TRANSLATE_NOOP("hob", "Support weapons allow percentage")),
         QStringLiteral("scr_hob_supportPercentage"), QStringLiteral("0"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("hob", "Support allowed percentage 0 to 100")),
         QString::fromLatin1(QT_TRANSLATE_NOOP("hob", "Support percentage changed."))},
        {QStringLiteral("txtrifle"), Kind::Percentage,
         QString::fromLatin1(QT_TRANSLATE_NOOP("hob", "Rifle allow percentage")),
         QStringLiteral("scr_hob_riflePercentage"), QStringLiteral("0"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("hob", "Rifle allowed percentage 0 to 100")),
         QString::fromLatin1(QT_TRANSLATE_NOOP("hob", "Rifle percentage changed."))},
    };
    return list;
}

const QList<int>& readOrder() {
    // The wave field is read first, then the rest in table order.
    static const QList<int> order{2, 0, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
    return order;
}

QString listing() {
    return QStringLiteral("cvarlist scr_hob_*");
}

QString frameCaption() {
    return QCoreApplication::translate("hob", "Heat of Battle server variables for Version 3");
}

QString windowTitle() {
    return QCoreApplication::translate("hob", "Heat of Battle server variables");
}

} // namespace hob
