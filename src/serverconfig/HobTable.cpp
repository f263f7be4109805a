#include "HobTable.h"

namespace hob {

const QList<Setting>& settings() {
    static const QList<Setting> list{
        {QStringLiteral("chkobi"), Kind::Check, QStringLiteral("Show Obituary"),
         QStringLiteral("scr_hob_showObituary"), QStringLiteral("0"),
         QStringLiteral("Show Obitory when people Die."), QStringLiteral("Show Obituory changed.")},
        {QStringLiteral("chkshot"), Kind::Check, QStringLiteral("Foot / Leg shot "),
         QStringLiteral("scr_hob_trip"), QStringLiteral("0"),
         QStringLiteral("Enable/Disable Foot/Leg tripping Code."),
         QStringLiteral("Foot/Leg shot changed.")},
        {QStringLiteral("txtwave"), Kind::Wave, QStringLiteral("Wave respawn"),
         QStringLiteral("scr_hob_respawntime"), QStringLiteral("15"),
         QStringLiteral("Wave respawn time interval, 1 to 30 seconds"),
         QStringLiteral("Wave respawn changed to [")},
        {QStringLiteral("chkdrop"), Kind::Check, QStringLiteral("Drop weapon on arm/leg shot"),
         QStringLiteral("scr_hob_dropWeapon"), QStringLiteral("0"),
         QStringLiteral("Drop the weapon when shot in arm."),
         QStringLiteral("Drop weapon on arm/leg shot changed.")},
        {QStringLiteral("chkshell"), Kind::Check,
         QStringLiteral("Shell shock from nearby grenades"), QStringLiteral("scr_hob_shellshock"),
         QStringLiteral("0"), QStringLiteral("Shell shock from nearly grenades."),
         QStringLiteral("Shell Shock changed.")},
        {QStringLiteral("chkdw"), Kind::Check, QStringLiteral("Dynamic weapon limiting"),
         QStringLiteral("scr_hob_dynamicLimitWeapons"), QStringLiteral("0"),
         QStringLiteral("Weapon limiting (Based on # of people on server)"),
         QStringLiteral("Dynamic Weapons changed.")},
        {QStringLiteral("chkdf"), Kind::Check, QStringLiteral("Dynamic flags limiting"),
         QStringLiteral("scr_hob_dynamicLimitFlags"), QStringLiteral("0"),
         QStringLiteral("Flag capping limiting.(Based on # of people on server)"),
         QStringLiteral("Dynamic flags changed.")},
        {QStringLiteral("chkdb"), Kind::Check, QStringLiteral("Dynamic bombs limiting"),
         QStringLiteral("scr_hob_dynamicLimitBombs"), QStringLiteral("0"),
         QStringLiteral("Bomb plant/Defuse limiting.(Based on # of people on server)"),
         QStringLiteral("Dynamic bombs changed.")},
        {QStringLiteral("chkspawn"), Kind::Check, QStringLiteral("Spawn zone protection"),
         QStringLiteral("scr_hob_enableSpawnProtection"), QStringLiteral("0"),
         QStringLiteral("Spawn Zone protection (Requires HOB compliant maps)"),
         QStringLiteral("Spawn protection changed.")},
        {QStringLiteral("chkannouncespawn"), Kind::Check, QStringLiteral("Announce Spawn Campers"),
         QStringLiteral("scr_hob_announceSpawnCampers"), QStringLiteral("0"),
         QStringLiteral("Announce spawn campers."),
         QStringLiteral("Annouce Spawn campers changed.")},
        {QStringLiteral("txtsniper"), Kind::Percentage, QStringLiteral("Sniper allow percentage"),
         QStringLiteral("scr_hob_sniperPercentage"), QStringLiteral("0"),
         QStringLiteral("Sniper allowed percentage 0 to 100"),
         QStringLiteral("Sniper percentage changed.")},
        {QStringLiteral("txtsmg"), Kind::Percentage, QStringLiteral("SMG allow percentage"),
         QStringLiteral("scr_hob_smgPercentage"), QStringLiteral("0"),
         QStringLiteral("SMG allowed percentage 0 to 100"),
         QStringLiteral("Smg percentage changed.")},
        {QStringLiteral("txtsup"), Kind::Percentage,
         QStringLiteral("Support weapons allow percentage"),
         QStringLiteral("scr_hob_supportPercentage"), QStringLiteral("0"),
         QStringLiteral("Support allowed percentage 0 to 100"),
         QStringLiteral("Support percentage changed.")},
        {QStringLiteral("txtrifle"), Kind::Percentage, QStringLiteral("Rifle allow percentage"),
         QStringLiteral("scr_hob_riflePercentage"), QStringLiteral("0"),
         QStringLiteral("Rifle allowed percentage 0 to 100"),
         QStringLiteral("Rifle percentage changed.")},
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
    return QStringLiteral("Heat of Battle server variables for Version 3");
}

QString windowTitle() {
    return QStringLiteral("Heat of Battle server variables");
}

} // namespace hob
