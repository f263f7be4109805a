#include "ServerBasicsTable.h"

#include "base/TableText.h"

#include <QCoreApplication>

namespace serverbasics {

namespace {

QString svListing() {
    return QStringLiteral("cvarlist sv_*");
}
QString scrListing() {
    return QStringLiteral("cvarlist scr_*");
}

} // namespace

QString shown(const QString& text) {
    return translatedIn("serverbasics", text);
}

const QList<Field>& fields() {
    using varcommand::Form;
    static const QList<Field> list{
        {QStringLiteral("txtservername"), Kind::Text, QStringLiteral("sv_hostname"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("serverbasics", "Server Name")),
         QStringLiteral("sv_hostname"), svListing(), Form::Quoted,
         QString::fromLatin1(QT_TRANSLATE_NOOP("serverbasics", "Server name updated.")),
         Frame::Common, QString(), QString()},
        {QStringLiteral("txtservermotd"), Kind::Text, QStringLiteral("scr_motd"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("serverbasics", "Server MOTD")),
         QStringLiteral("scr_motd"), scrListing(), Form::Quoted,
         QString::fromLatin1(QT_TRANSLATE_NOOP("serverbasics", "Server MOTD updated.")),
         Frame::Common, QString(), QString()},
        {QStringLiteral("chkkillcam"), Kind::Check, QStringLiteral("scr_killcam"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("serverbasics", "Kill Cam ")),
         QStringLiteral("scr_killcam"), scrListing(), Form::Plain,
         QString::fromLatin1(QT_TRANSLATE_NOOP("serverbasics", "Kill cam updated")), Frame::View,
         QString(), QString()},
        {QStringLiteral("chkteamicons"), Kind::Check, QStringLiteral("scr_drawfriend"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("serverbasics", "Team Icons")),
         QStringLiteral("scr_drawfriend"), scrListing(), Form::Plain,
         QString::fromLatin1(QT_TRANSLATE_NOOP("serverbasics", "Team Icons updated")),
         Frame::Common, QString(), QString()},
        {QStringLiteral("chkvoting"), Kind::Check, QStringLiteral("scr_allow_vote"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("serverbasics", "Allow Voting")),
         QStringLiteral("scr_allow_vote & g_allowvote"), scrListing(), Form::Plain,
         QString::fromLatin1(QT_TRANSLATE_NOOP("serverbasics", "Voting updated")), Frame::Common,
         QString(), QStringLiteral("g_allowvote")},
        {QStringLiteral("txtmaxclients"), Kind::Text, QStringLiteral("sv_maxclients"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("serverbasics", "Max Clients")),
         QStringLiteral("sv_maxclients"), svListing(), Form::Plain,
         QString::fromLatin1(QT_TRANSLATE_NOOP("serverbasics", "Maximum clients updated")),
         Frame::Common, QString(), QString()},
        {QStringLiteral("txtmaxping"), Kind::Text, QStringLiteral("sv_maxping"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("serverbasics", "Max Ping")),
         QStringLiteral("sv_maxping"), svListing(), Form::Plain,
         QString::fromLatin1(QT_TRANSLATE_NOOP("serverbasics", "Maximum client Ping updated")),
         Frame::Common, QString(), QString()},
        {QStringLiteral("txtmaxrate"), Kind::Text, QStringLiteral("sv_maxrate"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("serverbasics", "Max Rate")),
         QStringLiteral("sv_maxrate"), svListing(), Form::Plain,
         QString::fromLatin1(QT_TRANSLATE_NOOP("serverbasics", "Maximum client Rate updated")),
         Frame::Common, QString(), QString()},
        {QStringLiteral("chkfreelook"), Kind::Check, QStringLiteral("scr_freelook"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("serverbasics", "Free Look")),
         QStringLiteral("scr_freelook"), scrListing(), Form::Plain,
         QString::fromLatin1(QT_TRANSLATE_NOOP("serverbasics", "Free Look updated")), Frame::View,
         QString(), QString()},
        {QStringLiteral("chkteambal"), Kind::Check, QStringLiteral("scr_teambalance"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("serverbasics", "Team Balance")),
         QStringLiteral("scr_teambalance"), scrListing(), Form::Plain,
         QString::fromLatin1(QT_TRANSLATE_NOOP("serverbasics", "Team Balance updated")),
         Frame::View, QString(), QString()},
        {QStringLiteral("chkspecenemy"), Kind::Check, QStringLiteral("scr_spectateenemy"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("serverbasics", "Spectate enemy")),
         QStringLiteral("scr_spectateenemy"), scrListing(), Form::Plain,
         QString::fromLatin1(QT_TRANSLATE_NOOP("serverbasics", "Spectate Enemy updated")),
         Frame::View, QString(), QString()},
        {QStringLiteral("txtbantime"), Kind::Text, QStringLiteral("sv_kickbantime"),
         QString::fromLatin1(
             QT_TRANSLATE_NOOP("serverbasics", "Temporary ban duration in seconds")),
         QString::fromLatin1(
             QT_TRANSLATE_NOOP("serverbasics", "sv_kickbantime (Default 300) unit in seconds")),
         svListing(), Form::Plain,
         QString::fromLatin1(QT_TRANSLATE_NOOP("serverbasics", "Temporary ban time updated")),
         Frame::View, QStringLiteral("300"), QString()},
    };
    return list;
}

QStringList listings() {
    return {svListing(), scrListing()};
}

QList<int> readOrder() {
    QList<int> order;
    for (const QString& listing : listings()) {
        for (int i = 0; i < fields().size(); ++i) {
            if (fields().at(i).listing == listing)
                order << i;
        }
    }
    return order;
}

QString friendlyFireListing() {
    return QStringLiteral("cvarlist setf*");
}

QString friendlyFireVariable() {
    return QStringLiteral("setfriendlyfire");
}

Plan fieldPlan(const Field& field, const QString& value) {
    const QString origin = shown(field.label).trimmed();
    const QString logLine = shown(field.logLine);
    Plan steps{settingStep(
        Request::shown(varcommand::command(field.form, field.tag, value)).from(origin), logLine)};
    if (!field.secondTag.isEmpty())
        steps << settingStep(
            Request::shown(varcommand::command(field.form, field.secondTag, value)).from(origin),
            logLine);
    return steps;
}

Plan setPasswordPlan(const QString& password) {
    Step setPassword =
        actionStep(Request::unechoed(QStringLiteral("g_password \"") + password + QLatin1Char('"'))
                       .from(QCoreApplication::translate("serverbasics", "join password")),
                   QCoreApplication::translate("serverbasics", "Server password added"),
                   QCoreApplication::translate("serverbasics", "Server password"));
    setPassword.waitAfter = kSecondsBeforeRestart;
    return {setPassword, Step{Request::loading(QStringLiteral("map_restart"))}};
}

Plan removePasswordPlan() {
    return {actionStep(Request::unechoed(QStringLiteral("g_password \"\"")),
                       QCoreApplication::translate("serverbasics", "Server password Removed"),
                       QCoreApplication::translate("serverbasics", "Server password removal"))};
}

QString commonFrameCaption() {
    return QCoreApplication::translate("serverbasics", "Common settings");
}

QString viewFrameCaption() {
    return QCoreApplication::translate("serverbasics", "Viewing and bans");
}

} // namespace serverbasics
