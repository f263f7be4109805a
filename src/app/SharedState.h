#pragma once

#include "settings/FileLocations.h"

#include <QList>
#include <QString>
#include <QStringList>

// One entry of the watch list of players seen at ping 999.
struct Player999Entry {
    qint16 count = 0;
    QString name;
    QString num;
    bool seen = false;
};

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

inline constexpr int kMessageSetSlots = 10;

// What every server's workspace shares: the files, the options and the message sets. The
// window owns one; each server's session refers to it.
struct SharedState {
    bool loading = false; // the start-up runs

    FileLocations files;
    qint32 servercount = 0;
    Options options;

    // Message sets: ten slots, saved ("live") and working ("edit") copies.
    QList<QStringList> messlive = QList<QStringList>(kMessageSetSlots);
    QList<QStringList> messedit = QList<QStringList>(kMessageSetSlots);
    QStringList setnamelive = QStringList(kMessageSetSlots);
    QStringList setnameedit = QStringList(kMessageSetSlots);
    qint16 setcount = 0;
    qint16 editset = 0;
    bool messediting = false;
};

// What belongs to one server: its cycler's place and its 999 watch.
struct ServerState {
    bool automode = false; // the program, not the operator, started the action
    qint16 cycleset = 0;
    qint16 cycleminutes = 0;
    qint16 messpos = 0;

    QList<Player999Entry> Player999;
};
