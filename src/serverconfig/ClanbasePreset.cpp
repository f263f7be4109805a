#include "ClanbasePreset.h"

#include "app/SayPrefix.h"

#include <QCoreApplication>

namespace clanbase {

QString question() {
    return QCoreApplication::translate("clanbase",
                                       "Are you sure you want to set as Clan Base rules\r"
                                       "Check popup rules to see what variables will change");
}

QString questionTitle() {
    return QCoreApplication::translate("clanbase", "Change settings?");
}

QStringList commands() {
    return {QStringLiteral("scr_sd_roundlimit 10"),  QStringLiteral("scr_sd_roundlength 4"),
            QStringLiteral("scr_sd_graceperiod 15"), QStringLiteral("scr_sd_timelimit 0"),
            QStringLiteral("setfriendlyfire 1"),     QStringLiteral("scr_allow_vote 0"),
            QStringLiteral("scr_drawfriend 1"),      QStringLiteral("sv_minPing 0"),
            QStringLiteral("sv_maxPing 0"),          QStringLiteral("sv_pure 1"),
            QStringLiteral("sv_cheats 0"),           QStringLiteral("g_allowVote 0"),
            QStringLiteral("scr_killcam 0"),         QStringLiteral("scr_spectateenemy 0"),
            QStringLiteral("scr_freelook 0"),        QStringLiteral("logfile 1")};
}

QString announcement() {
    return sayCommand(QStringLiteral("Server Set for ^2Clan Base ^7Rules"));
}

QString rulesText() {
    // Only the heading is for reading: the settings are written as the server takes them.
    return QCoreApplication::translate(
               "clanbase",
               "Clan Base Rules \r\nAll matches should be played with the following server "
               "settings: \r\n") +
           QStringLiteral("set scr_sd_roundlimit \"10\"\r\n"
                          "set scr_sd_roundlength \"4\"\r\n"
                          "set scr_sd_graceperiod \"15\"\r\n"
                          "set scr_sd_timelimit \"0\"\r\n"
                          "set scr_friendlyfire \"1\"\r\n"
                          "set scr_allow_vote \"0\"\r\n"
                          "set scr_drawfriend \"1\"\r\n"
                          "set sv_minPing \"0\"\r\n"
                          "set sv_maxPing \"0\"\r\n"
                          "set sv_pure \"1\"\r\n"
                          "set sv_cheats \"0\"\r\n"
                          "set g_allowVote \"0\"\r\n"
                          "set scr_killcam \"0\"\r\n"
                          "set scr_freelook \"0\"\r\n"
                          "set scr_spectateenemy \"0\"\r\n"
                          "set logfile \"1\"\r\n");
}

QString startLine() {
    return QCoreApplication::translate("clanbase", "Setting server to Clanbase rules.....");
}

Plan plan() {
    Plan steps;
    const QStringList all = commands();
    // Each refused command is logged by its name; the players hear of the rules only when the
    // server took every one.
    for (const QString& command : all)
        steps << actionStep(Request::unechoed(command), {}, command);
    steps.first().logLine = startLine();
    steps << announcementStep(Request::unechoed(announcement()));
    return steps;
}

} // namespace clanbase
