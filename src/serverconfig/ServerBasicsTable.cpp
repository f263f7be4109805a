#include "ServerBasicsTable.h"

namespace serverbasics {

namespace {

QString svListing() {
    return QStringLiteral("cvarlist sv_*");
}
QString scrListing() {
    return QStringLiteral("cvarlist scr_*");
}

} // namespace

const QList<Field>& fields() {
    using varcommand::Form;
    static const QList<Field> list{
        {QStringLiteral("txtservername"), Kind::Text, QStringLiteral("sv_hostname"),
         QStringLiteral("Server Name"), QStringLiteral("sv_hostname"), svListing(), Form::Quoted,
         QStringLiteral("Server name updated."), Frame::Common, QString(), QString()},
        {QStringLiteral("txtservermotd"), Kind::Text, QStringLiteral("scr_motd"),
         QStringLiteral("Server MOTD"), QStringLiteral("scr_motd"), scrListing(), Form::Quoted,
         QStringLiteral("Server MOTD updated."), Frame::Common, QString(), QString()},
        {QStringLiteral("chkkillcam"), Kind::Check, QStringLiteral("scr_killcam"),
         QStringLiteral("Kill Cam "), QStringLiteral("scr_killcam"), scrListing(), Form::Plain,
         QStringLiteral("Kill cam updated"), Frame::View, QString(), QString()},
        {QStringLiteral("chkteamicons"), Kind::Check, QStringLiteral("scr_drawfriend"),
         QStringLiteral("Team Icons"), QStringLiteral("scr_drawfriend"), scrListing(), Form::Plain,
         QStringLiteral("Team Icons updated"), Frame::Common, QString(), QString()},
        {QStringLiteral("chkvoting"), Kind::Check, QStringLiteral("scr_allow_vote"),
         QStringLiteral("Allow Voting"), QStringLiteral("scr_allow_vote & g_allowvote"),
         scrListing(), Form::Plain, QStringLiteral("Voting updated"), Frame::Common, QString(),
         QStringLiteral("g_allowvote")},
        {QStringLiteral("txtmaxclients"), Kind::Text, QStringLiteral("sv_maxclients"),
         QStringLiteral("Max Clients"), QStringLiteral("sv_maxclients"), svListing(), Form::Plain,
         QStringLiteral("Maximum clients updated"), Frame::Common, QString(), QString()},
        {QStringLiteral("txtmaxping"), Kind::Text, QStringLiteral("sv_maxping"),
         QStringLiteral("Max Ping"), QStringLiteral("sv_maxping"), svListing(), Form::Plain,
         QStringLiteral("Maximum client Ping updated"), Frame::Common, QString(), QString()},
        {QStringLiteral("txtmaxrate"), Kind::Text, QStringLiteral("sv_maxrate"),
         QStringLiteral("Max Rate"), QStringLiteral("sv_maxrate"), svListing(), Form::Plain,
         QStringLiteral("Maximum client Rate updated"), Frame::Common, QString(), QString()},
        {QStringLiteral("chkfreelook"), Kind::Check, QStringLiteral("scr_freelook"),
         QStringLiteral("Free Look"), QStringLiteral("scr_freelook"), scrListing(), Form::Plain,
         QStringLiteral("Free Look updated"), Frame::View, QString(), QString()},
        {QStringLiteral("chkteambal"), Kind::Check, QStringLiteral("scr_teambalance"),
         QStringLiteral("Team Balance"), QStringLiteral("scr_teambalance"), scrListing(),
         Form::Plain, QStringLiteral("Team Balance updated"), Frame::View, QString(), QString()},
        {QStringLiteral("chkspecenemy"), Kind::Check, QStringLiteral("scr_spectateenemy"),
         QStringLiteral("Spectate enemy"), QStringLiteral("scr_spectateenemy"), scrListing(),
         Form::Plain, QStringLiteral("Spectate Enemy updated"), Frame::View, QString(), QString()},
        {QStringLiteral("txtbantime"), Kind::Text, QStringLiteral("sv_kickbantime"),
         QStringLiteral("Temporary ban duration in seconds"),
         QStringLiteral("sv_kickbantime (Default 300) unit in seconds"), svListing(), Form::Plain,
         QStringLiteral("Temporary ban time updated"), Frame::View, QStringLiteral("300"),
         QString()},
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
    const QString origin = field.label.trimmed();
    Plan steps{
        settingStep(Request::shown(varcommand::command(field.form, field.tag, value)).from(origin),
                    field.logLine)};
    if (!field.secondTag.isEmpty())
        steps << settingStep(
            Request::shown(varcommand::command(field.form, field.secondTag, value)).from(origin),
            field.logLine);
    return steps;
}

Plan setPasswordPlan(const QString& password) {
    Step setPassword =
        actionStep(Request::unechoed(QStringLiteral("g_password \"") + password + QLatin1Char('"'))
                       .from(QStringLiteral("join password")),
                   QStringLiteral("Server password added"), QStringLiteral("Server password"));
    setPassword.waitAfter = kSecondsBeforeRestart;
    return {setPassword, Step{Request::loading(QStringLiteral("map_restart"))}};
}

Plan removePasswordPlan() {
    return {actionStep(Request::unechoed(QStringLiteral("g_password \"\"")),
                       QStringLiteral("Server password Removed"),
                       QStringLiteral("Server password removal"))};
}

QString commonFrameCaption() {
    return QStringLiteral("Common settings");
}

QString viewFrameCaption() {
    return QStringLiteral("Viewing and bans");
}

} // namespace serverbasics
