#pragma once

#include <QString>

// The switches and numbers of section "options" of the settings file, with their defaults.
struct Options {
    bool savercon = true;
    bool savemessages = true;
    bool clearrconnew = true;
    bool clearmessnew = true;
    bool removeid = true;
    bool usequery = false;
    bool autoqplayer = false;
    qint16 autoqplayerint = 10;
    bool autokick999 = false;
    qint16 autokick999int = 3;
    bool autoconnect = false;
    QString autoconnectserv;
    QString autoconnectport;
    QString autoconnectrcon;
    bool automessage = false;
    qint16 messageset = 1;
    qint16 messagetime = 3;
    // Kick, ban and temp ban ask first; the operator's "Don't ask again" clears it.
    bool confirmkick = true;
};
