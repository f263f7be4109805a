#include "DefaultMaps.h"

QStringList defaultMaps() {
    return {QStringLiteral("mp_brecourt"),        QStringLiteral("mp_carentan"),
            QStringLiteral("mp_chateau"),         QStringLiteral("mp_dawnville"),
            QStringLiteral("mp_depot"),           QStringLiteral("mp_harbor"),
            QStringLiteral("mp_hurtgen"),         QStringLiteral("mp_pavlov"),
            QStringLiteral("mp_powcamp"),         QStringLiteral("mp_railyard"),
            QStringLiteral("mp_rocket"),          QStringLiteral("mp_ship"),
            QStringLiteral("mp_bocage"),          QStringLiteral("mp_neuville"),
            QStringLiteral("mp_arnhem.bsp"),      QStringLiteral("mp_berlin.bsp"),
            QStringLiteral("mp_cassino.bsp"),     QStringLiteral("mp_foy.bsp"),
            QStringLiteral("mp_italy.bsp"),       QStringLiteral("mp_kharkov.bsp"),
            QStringLiteral("mp_kursk.bsp"),       QStringLiteral("mp_ponyri.bsp"),
            QStringLiteral("mp_rhinevalley.bsp"), QStringLiteral("mp_sicily.bsp"),
            QStringLiteral("mp_uo_stanjel.bsp")};
}
