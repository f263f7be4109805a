#include "WeaponTable.h"

namespace weapons {

namespace {

const QString kAllowListing = QStringLiteral("cvarlist scr_allow_*");
const QString kScrListing = QStringLiteral("cvarlist scr_*");

} // namespace

const QList<Group>& groups() {
    static const QList<Group> list{
        {0, QStringLiteral("Allies"), QStringLiteral("Allies...")},
        {2, QStringLiteral("Russian"), QStringLiteral("Russians...")},
        {1, QStringLiteral("British"), QStringLiteral("British...")},
        {3, QStringLiteral("German"), QStringLiteral("German...")},
        {4, QStringLiteral("Others"), QStringLiteral("Others...")},
    };
    return list;
}

const QList<BaseWeapon>& baseWeapons() {
    static const QList<BaseWeapon> list{
        {QStringLiteral("chkm1a1carbine"), QStringLiteral("scr_allow_m1carbine"),
         QStringLiteral("M1A1 Carbine"), 0, QStringLiteral("M1a1 Carbine"), 0, false},
        {QStringLiteral("chkm1garand"), QStringLiteral("scr_allow_m1garand"),
         QStringLiteral("M1 Garand"), 0, QStringLiteral("M1 Garand"), 1, false},
        {QStringLiteral("chkthompson"), QStringLiteral("scr_allow_thompson"),
         QStringLiteral("Thompson"), 0, QStringLiteral("Thompson"), 0, false},
        {QStringLiteral("chkbar"), QStringLiteral("scr_allow_bar"),
         QStringLiteral("Browning Auto Rifle"), 0, QStringLiteral("Browning Auto Rifle"), 0, false},
        {QStringLiteral("chkspringfield"), QStringLiteral("scr_allow_springfield"),
         QStringLiteral("Springfield"), 0, QStringLiteral("Springfield"), 0, true},
        {QStringLiteral("chkppsh"), QStringLiteral("scr_allow_ppsh"), QStringLiteral("PPSh"), 2,
         QStringLiteral("PPSh"), 0, false},
        {QStringLiteral("chknagant"), QStringLiteral("scr_allow_nagant"),
         QStringLiteral("Mosin Nagant"), 2, QStringLiteral("Mosin Nagant"), 1, false},
        {QStringLiteral("chknagantsniper"), QStringLiteral("scr_allow_nagantsniper"),
         QStringLiteral("Scoped Mosin Nagant"), 2, QStringLiteral("Scoped Nagant"), 0, true},
        {QStringLiteral("chkenfield"), QStringLiteral("scr_allow_enfield"),
         QStringLiteral("Lee Enfield"), 1, QStringLiteral("Lee Enfield"), 1, false},
        {QStringLiteral("chksten"), QStringLiteral("scr_allow_sten"), QStringLiteral("Sten"), 1,
         QStringLiteral("Sten"), 0, false},
        {QStringLiteral("chkbren"), QStringLiteral("scr_allow_bren"), QStringLiteral("Bren LMG"), 1,
         QStringLiteral("Bren LMG"), 0, false},
        {QStringLiteral("chkmp40"), QStringLiteral("scr_allow_mp40"), QStringLiteral("MP40"), 3,
         QStringLiteral("MP40"), 0, false},
        {QStringLiteral("chkmp44"), QStringLiteral("scr_allow_mp44"), QStringLiteral("MP44"), 3,
         QStringLiteral("MP44"), 0, false},
        {QStringLiteral("chkkar98k"), QStringLiteral("scr_allow_kar98k"), QStringLiteral("Kar98k"),
         3, QStringLiteral("Kar98k"), 1, false},
        {QStringLiteral("chkkar98ksniper"), QStringLiteral("scr_allow_kar98ksniper"),
         QStringLiteral("Scoped Kar98k"), 3, QStringLiteral("Scoped Kar98k"), 0, true},
        {QStringLiteral("chkfg42"), QStringLiteral("scr_allow_fg42"), QStringLiteral("FG42"), 4,
         QStringLiteral("FG42"), 0, false},
        {QStringLiteral("chkpanz"), QStringLiteral("scr_allow_panzerfaust"),
         QStringLiteral("Panzerfaust"), 4, QStringLiteral("Panzerfaust"), 0, false},
    };
    return list;
}

QString baseListing() {
    return kAllowListing;
}

QString baseFrameCaption() {
    return QStringLiteral("Weapon enable or disable");
}

const QList<UoWeapon>& uoWeapons() {
    // Two tags end in a blank: the lookup then cannot match inside a longer name, and the
    // blank goes out with the command.
    static const QList<UoWeapon> list{
        {QStringLiteral("scr_allow_pistols"), QStringLiteral("Allow Pistols"), kAllowListing},
        {QStringLiteral("scr_allow_satchel"), QStringLiteral("Allow Satchels"), kAllowListing},
        {QStringLiteral("scr_allow_smoke"), QStringLiteral("Allow smoke"), kAllowListing},
        {QStringLiteral("scr_allow_grenades"), QStringLiteral("Allow grenades"), kAllowListing},
        {QStringLiteral("scr_allow_flamethrower"), QStringLiteral("Allow flamethrower"),
         kAllowListing},
        {QStringLiteral("scr_allow_artillery"), QStringLiteral("Allow artillary"), kAllowListing},
        {QStringLiteral("scr_allow_bazooka "), QStringLiteral("Allow bazooka"), kAllowListing},
        {QStringLiteral("scr_allow_mg34 "), QStringLiteral("Allow MG34"), kAllowListing},
        {QStringLiteral("scr_allow_dp28"), QStringLiteral("Allow DP28"), kAllowListing},
        {QStringLiteral("scr_allow_mg30cal"), QStringLiteral("Allow MG30cal"), kAllowListing},
        {QStringLiteral("scr_allow_gewehr43"), QStringLiteral("Allow gewehr43"), kAllowListing},
        {QStringLiteral("scr_allow_svt40"), QStringLiteral("Allow svt40"), kAllowListing},
        {QStringLiteral("scr_allow_flak88"), QStringLiteral("Allow Flak 88"), kAllowListing},
        {QStringLiteral("scr_allow_su152"), QStringLiteral("Allow SU152"), kAllowListing},
        {QStringLiteral("scr_allow_elefant"), QStringLiteral("Allow Elefant"), kAllowListing},
        {QStringLiteral("scr_allow_t34"), QStringLiteral("Allow T34"), kAllowListing},
        {QStringLiteral("scr_allow_sherman"), QStringLiteral("Allow Sherman"), kAllowListing},
        {QStringLiteral("scr_allow_horch"), QStringLiteral("Allow Horch"), kAllowListing},
        {QStringLiteral("scr_allow_gaz67b"), QStringLiteral("Allow GAZ67b"), kAllowListing},
        {QStringLiteral("scr_allow_willyjeep"), QStringLiteral("Allow Willy Jeep"), kAllowListing},
        {QStringLiteral("scr_allow_panzeriv"), QStringLiteral("Allow Panzer IV"), kAllowListing},
        // These three do not match scr_allow_*: they come from the wider listing.
        {QStringLiteral("scr_shellshock"), QStringLiteral("Enable Shellshock"), kScrListing},
        {QStringLiteral("scr_drophealth"), QStringLiteral("Enable Drop Health"), kScrListing},
        {QStringLiteral("scr_battlerank"), QStringLiteral("Enable Battlerank"), kScrListing},
    };
    return list;
}

QString uoFrameCaption(int frame) {
    return frame == kUoWeaponsFrame
               ? QStringLiteral("United Offensive Weapons")
               : QStringLiteral("United Offensive Vehicles and advanced options");
}

QString uoLogName(const QString& label) {
    for (const QLatin1String verb : {QLatin1String("Allow "), QLatin1String("Enable ")}) {
        if (label.startsWith(verb) && label.size() > verb.size())
            return label.mid(verb.size());
    }
    return label;
}

QString slowServerMessage() {
    return QStringLiteral("The server is not responding quickly enough\r"
                          "or a server side mod has replaced the rcon variables\r"
                          "Try populate again");
}

} // namespace weapons
