#include "WeaponTable.h"

#include "base/TableText.h"

#include <QCoreApplication>

namespace weapons {

namespace {

const QString kAllowListing = QStringLiteral("cvarlist scr_allow_*");
const QString kScrListing = QStringLiteral("cvarlist scr_*");

} // namespace

const QList<Group>& groups() {
    static const QList<Group> list{
        {0, QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Allies")),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Allies..."))},
        {2, QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Russian")),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Russians..."))},
        {1, QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "British")),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "British..."))},
        {3, QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "German")),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "German..."))},
        {4, QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Others")),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Others..."))},
    };
    return list;
}

const QList<BaseWeapon>& baseWeapons() {
    static const QList<BaseWeapon> list{
        {QStringLiteral("chkm1a1carbine"), QStringLiteral("scr_allow_m1carbine"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "M1A1 Carbine")), 0,
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "M1a1 Carbine")), 0, false},
        {QStringLiteral("chkm1garand"), QStringLiteral("scr_allow_m1garand"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "M1 Garand")), 0,
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "M1 Garand")), 1, false},
        {QStringLiteral("chkthompson"), QStringLiteral("scr_allow_thompson"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Thompson")), 0,
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Thompson")), 0, false},
        {QStringLiteral("chkbar"), QStringLiteral("scr_allow_bar"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Browning Auto Rifle")), 0,
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Browning Auto Rifle")), 0, false},
        {QStringLiteral("chkspringfield"), QStringLiteral("scr_allow_springfield"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Springfield")), 0,
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Springfield")), 0, true},
        {QStringLiteral("chkppsh"), QStringLiteral("scr_allow_ppsh"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "PPSh")), 2,
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "PPSh")), 0, false},
        {QStringLiteral("chknagant"), QStringLiteral("scr_allow_nagant"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Mosin Nagant")), 2,
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Mosin Nagant")), 1, false},
        {QStringLiteral("chknagantsniper"), QStringLiteral("scr_allow_nagantsniper"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Scoped Mosin Nagant")), 2,
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Scoped Nagant")), 0, true},
        {QStringLiteral("chkenfield"), QStringLiteral("scr_allow_enfield"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Lee Enfield")), 1,
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Lee Enfield")), 1, false},
        {QStringLiteral("chksten"), QStringLiteral("scr_allow_sten"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Sten")), 1,
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Sten")), 0, false},
        {QStringLiteral("chkbren"), QStringLiteral("scr_allow_bren"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Bren LMG")), 1,
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Bren LMG")), 0, false},
        {QStringLiteral("chkmp40"), QStringLiteral("scr_allow_mp40"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "MP40")), 3,
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "MP40")), 0, false},
        {QStringLiteral("chkmp44"), QStringLiteral("scr_allow_mp44"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "MP44")), 3,
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "MP44")), 0, false},
        {QStringLiteral("chkkar98k"), QStringLiteral("scr_allow_kar98k"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Kar98k")), 3,
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Kar98k")), 1, false},
        {QStringLiteral("chkkar98ksniper"), QStringLiteral("scr_allow_kar98ksniper"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Scoped Kar98k")), 3,
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Scoped Kar98k")), 0, true},
        {QStringLiteral("chkfg42"), QStringLiteral("scr_allow_fg42"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "FG42")), 4,
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "FG42")), 0, false},
        {QStringLiteral("chkpanz"), QStringLiteral("scr_allow_panzerfaust"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Panzerfaust")), 4,
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Panzerfaust")), 0, false},
    };
    return list;
}

QString baseListing() {
    return kAllowListing;
}

QString baseFrameCaption() {
    return QCoreApplication::translate("weapons", "Weapon enable or disable");
}

const QList<UoWeapon>& uoWeapons() {
    // Two tags end in a blank: the lookup then cannot match inside a longer name, and the
    // blank goes out with the command.
    static const QList<UoWeapon> list{
        {QStringLiteral("scr_allow_pistols"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Allow Pistols")), kAllowListing},
        {QStringLiteral("scr_allow_satchel"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Allow Satchels")), kAllowListing},
        {QStringLiteral("scr_allow_smoke"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Allow smoke")), kAllowListing},
        {QStringLiteral("scr_allow_grenades"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Allow grenades")), kAllowListing},
        {QStringLiteral("scr_allow_flamethrower"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Allow flamethrower")), kAllowListing},
        {QStringLiteral("scr_allow_artillery"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Allow artillary")), kAllowListing},
        {QStringLiteral("scr_allow_bazooka "),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Allow bazooka")), kAllowListing},
        {QStringLiteral("scr_allow_mg34 "),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Allow MG34")), kAllowListing},
        {QStringLiteral("scr_allow_dp28"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Allow DP28")), kAllowListing},
        {QStringLiteral("scr_allow_mg30cal"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Allow MG30cal")), kAllowListing},
        {QStringLiteral("scr_allow_gewehr43"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Allow gewehr43")), kAllowListing},
        {QStringLiteral("scr_allow_svt40"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Allow svt40")), kAllowListing},
        {QStringLiteral("scr_allow_flak88"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Allow Flak 88")), kAllowListing},
        {QStringLiteral("scr_allow_su152"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Allow SU152")), kAllowListing},
        {QStringLiteral("scr_allow_elefant"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Allow Elefant")), kAllowListing},
        {QStringLiteral("scr_allow_t34"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Allow T34")), kAllowListing},
        {QStringLiteral("scr_allow_sherman"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Allow Sherman")), kAllowListing},
        {QStringLiteral("scr_allow_horch"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Allow Horch")), kAllowListing},
        {QStringLiteral("scr_allow_gaz67b"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Allow GAZ67b")), kAllowListing},
        {QStringLiteral("scr_allow_willyjeep"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Allow Willy Jeep")), kAllowListing},
        {QStringLiteral("scr_allow_panzeriv"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Allow Panzer IV")), kAllowListing},
        // These three do not match scr_allow_*: they come from the wider listing.
        {QStringLiteral("scr_shellshock"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Enable Shellshock")), kScrListing},
        {QStringLiteral("scr_drophealth"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Enable Drop Health")), kScrListing},
        {QStringLiteral("scr_battlerank"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("weapons", "Enable Battlerank")), kScrListing},
    };
    return list;
}

QString uoFrameCaption(int frame) {
    return frame == kUoWeaponsFrame
               ? QCoreApplication::translate("weapons", "United Offensive Weapons")
               : QCoreApplication::translate("weapons",
                                             "United Offensive Vehicles and advanced options");
}

QString uoLogName(const QString& label) {
    for (const QLatin1String verb : {QLatin1String("Allow "), QLatin1String("Enable ")}) {
        if (label.startsWith(verb) && label.size() > verb.size())
            return label.mid(verb.size());
    }
    return label;
}

QString uoLogNameShown(const QString& label) {
    // What uoLogName makes of the labels, for the translators.
    static const char* const names[] = {
        QT_TRANSLATE_NOOP("weapons", "Pistols"),      QT_TRANSLATE_NOOP("weapons", "Satchels"),
        QT_TRANSLATE_NOOP("weapons", "smoke"),        QT_TRANSLATE_NOOP("weapons", "grenades"),
        QT_TRANSLATE_NOOP("weapons", "flamethrower"), QT_TRANSLATE_NOOP("weapons", "artillary"),
        QT_TRANSLATE_NOOP("weapons", "bazooka"),      QT_TRANSLATE_NOOP("weapons", "MG34"),
        QT_TRANSLATE_NOOP("weapons", "DP28"),         QT_TRANSLATE_NOOP("weapons", "MG30cal"),
        QT_TRANSLATE_NOOP("weapons", "gewehr43"),     QT_TRANSLATE_NOOP("weapons", "svt40"),
        QT_TRANSLATE_NOOP("weapons", "Flak 88"),      QT_TRANSLATE_NOOP("weapons", "SU152"),
        QT_TRANSLATE_NOOP("weapons", "Elefant"),      QT_TRANSLATE_NOOP("weapons", "T34"),
        QT_TRANSLATE_NOOP("weapons", "Sherman"),      QT_TRANSLATE_NOOP("weapons", "Horch"),
        QT_TRANSLATE_NOOP("weapons", "GAZ67b"),       QT_TRANSLATE_NOOP("weapons", "Willy Jeep"),
        QT_TRANSLATE_NOOP("weapons", "Panzer IV"),    QT_TRANSLATE_NOOP("weapons", "Shellshock"),
        QT_TRANSLATE_NOOP("weapons", "Drop Health"),  QT_TRANSLATE_NOOP("weapons", "Battlerank")};
    Q_UNUSED(names);
    return shown(uoLogName(label));
}

QString shown(const QString& text) {
    return translatedIn("weapons", text);
}

QString slowServerMessage() {
    return QCoreApplication::translate("weapons",
                                       "The server is not responding quickly enough\r"
                                       "or a server side mod has replaced the rcon variables\r"
                                       "Try populate again");
}

} // namespace weapons
