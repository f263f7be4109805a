#include "ClassicModes.h"

#include "ModeSettings.h"
#include "base/NumberRules.h"
#include "base/TableText.h"

#include <QCoreApplication>

namespace classicmodes {

namespace {

Field field(const char* name, const char* caption, const char* variable, const char* initial,
            const char* labelTip, const char* fieldTip, const char* logLine, QList<Check> checks) {
    return {QLatin1String(name),    QLatin1String(caption),  QLatin1String(variable),
            QLatin1String(initial), QLatin1String(labelTip), QLatin1String(fieldTip),
            QLatin1String(logLine), std::move(checks)};
}

Check numeric(const char* message) {
    return {Check::Rule::Numeric, 0, 0, QLatin1String(message)};
}

Check range(int low, int high, const char* message) {
    return {Check::Rule::WholeInRange, low, high, QLatin1String(message)};
}

const char* const kTimeRange =
    QT_TRANSLATE_NOOP("classicmodes", "Time limit has to be a number of minutes (0 - 1440)");
const char* const kRoundLimitTip = QT_TRANSLATE_NOOP(
    "classicmodes", "Usually left to Score limit to allow a team to reach , say a score of 10 ");
const char* const kLongTimeTip =
    QT_TRANSLATE_NOOP("classicmodes", "Number of minutes (0 - 1440) 0 is unlimited");

// The time limit of the short pages is first checked to be a number, then to be in range.
QList<Check> shortTimeChecks() {
    return {numeric(QT_TRANSLATE_NOOP("classicmodes",
                                      "Time limit has to be a positive number of minutes")),
            range(0, 1440, kTimeRange)};
}

QList<Page> buildPages() {
    QList<Page> pages;
    pages << Page{
        0,
        QString::fromLatin1(QT_TRANSLATE_NOOP("classicmodes", "Search && Destroy settings")),
        QStringLiteral("cmdsetsd"),
        QStringLiteral("cmdsddefaults"),
        true,
        {field("txtgrace", QT_TRANSLATE_NOOP("classicmodes", "Grace Period"), "scr_sd_graceperiod",
               "15", QT_TRANSLATE_NOOP("classicmodes", "scr_sd_graceperiod (Default 15) "), "",
               QT_TRANSLATE_NOOP("classicmodes", "S&D Grace period updated to %1"),
               {numeric(QT_TRANSLATE_NOOP("classicmodes",
                                          "Grace period has to be a number of seconds"))}),
         field("txtroundlen", QT_TRANSLATE_NOOP("classicmodes", "Round Length"),
               "scr_sd_roundlength", "4",
               QT_TRANSLATE_NOOP("classicmodes", "scr_sd_roundlength  (Default 4)"), "",
               QT_TRANSLATE_NOOP("classicmodes", "S&D Round length updated to %1"),
               {numeric(QT_TRANSLATE_NOOP("classicmodes",
                                          "Round length has to be a positive number of minutes"))}),
         field("txtroundlim", QT_TRANSLATE_NOOP("classicmodes", "Round Limit"), "scr_sd_roundlimit",
               "0", QT_TRANSLATE_NOOP("classicmodes", "scr_sd_roundlimit (Default 0)"),
               kRoundLimitTip, QT_TRANSLATE_NOOP("classicmodes", "S&D Round limit updated to %1"),
               {numeric(QT_TRANSLATE_NOOP(
                   "classicmodes", "Round limit has to be a number of round wins (0=unlimited)"))}),
         field("txtscorelim", QT_TRANSLATE_NOOP("classicmodes", "Score Limit"), "scr_sd_scorelimit",
               "10", QT_TRANSLATE_NOOP("classicmodes", "scr_sd_scorelimit (Default 10)"), "",
               QT_TRANSLATE_NOOP("classicmodes", "S&D Score limit updated to %1"),
               {numeric(QT_TRANSLATE_NOOP("classicmodes",
                                          "Score limit has to be a number of round wins"))}),
         field("txttimelim", QT_TRANSLATE_NOOP("classicmodes", "Map Time limit"),
               "scr_sd_timelimit", "0",
               QT_TRANSLATE_NOOP("classicmodes", "scr_sd_timelimit (Default 0)"), kLongTimeTip,
               QT_TRANSLATE_NOOP("classicmodes", "S&D Time limit updated to %1"),
               {range(0, 1440, kTimeRange)})}};
    pages << Page{
        1,
        QString::fromLatin1(QT_TRANSLATE_NOOP("classicmodes", "Retrieval settings")),
        QStringLiteral("cmdsetre"),
        QStringLiteral("cmdredefaults"),
        true,
        {field("txtregrace", QT_TRANSLATE_NOOP("classicmodes", "Grace Period"),
               "scr_re_graceperiod", "15",
               QT_TRANSLATE_NOOP("classicmodes", "scr_re_graceperiod (Default 15) "), "",
               QT_TRANSLATE_NOOP("classicmodes", "Retrieval Grace period updated to %1"),
               {numeric(QT_TRANSLATE_NOOP("classicmodes",
                                          "Grace period has to be a number of seconds"))}),
         field("txtreroundlen", QT_TRANSLATE_NOOP("classicmodes", "Round Length"),
               "scr_re_roundlength", "4",
               QT_TRANSLATE_NOOP("classicmodes", "scr_re_roundlength  (Default 4)"), "",
               QT_TRANSLATE_NOOP("classicmodes", "Retrieval Round length updated to %1"),
               {numeric(QT_TRANSLATE_NOOP("classicmodes",
                                          "Round length has to be a positive number of minutes"))}),
         field("txtreroundlim", QT_TRANSLATE_NOOP("classicmodes", "Round Limit"),
               "scr_re_roundlimit", "0",
               QT_TRANSLATE_NOOP("classicmodes", "scr_re_roundlimit (Default 0)"), kRoundLimitTip,
               QT_TRANSLATE_NOOP("classicmodes", "Retrieval Round limit updated to %1"),
               {numeric(QT_TRANSLATE_NOOP(
                   "classicmodes", "Round limit has to be a number of round wins (0=unlimited)"))}),
         field("txtrescorelim", QT_TRANSLATE_NOOP("classicmodes", "Score Limit"),
               "scr_re_scorelimit", "10",
               QT_TRANSLATE_NOOP("classicmodes", "scr_re_scorelimit (Default 10)"), "",
               QT_TRANSLATE_NOOP("classicmodes", "Retrieval Score limit updated to %1"),
               {numeric(QT_TRANSLATE_NOOP("classicmodes",
                                          "Score limit has to be a number of round wins"))}),
         field("txtretimelim", QT_TRANSLATE_NOOP("classicmodes", "Map Time limit"),
               "scr_re_timelimit", "0",
               QT_TRANSLATE_NOOP("classicmodes", "scr_re_timelimit (Default 0)"), kLongTimeTip,
               QT_TRANSLATE_NOOP("classicmodes", "Retrieval Time limit updated to %1"),
               {range(0, 1440, kTimeRange)}),
         field("txtrecar", QT_TRANSLATE_NOOP("classicmodes", "Show carrier"), "scr_re_showcarrier",
               "0", QT_TRANSLATE_NOOP("classicmodes", "scr_re_showcarrier (Default 0 = No) "),
               QT_TRANSLATE_NOOP("classicmodes", "Show Carrie of object 0=No, 1=Yes"),
               QT_TRANSLATE_NOOP("classicmodes", "Retrieval object carrier updated to %1"),
               {range(0, 1,
                      QT_TRANSLATE_NOOP("classicmodes",
                                        "Show object carrier has to be 0 (No) or 1 (Yes)"))})}};
    pages << Page{
        2,
        QString::fromLatin1(QT_TRANSLATE_NOOP("classicmodes", "Behind enemy lines settings")),
        QStringLiteral("cmdsetbel"),
        QStringLiteral("cmdbeldefault"),
        false,
        {field("txtbelscorelim", QT_TRANSLATE_NOOP("classicmodes", "Map score limit"),
               "scr_bel_scorelimit", "50",
               QT_TRANSLATE_NOOP("classicmodes", "scr_bel_scorelimit (Default 100)"),
               QT_TRANSLATE_NOOP("classicmodes", "Map score limit"),
               QT_TRANSLATE_NOOP("classicmodes", "BEL score limit updated to %1"),
               {numeric(QT_TRANSLATE_NOOP("classicmodes", "Score limit has to be a number"))}),
         field(
             "txtbeltimelim", QT_TRANSLATE_NOOP("classicmodes", "Time limit"), "scr_bel_timelimit",
             "30", QT_TRANSLATE_NOOP("classicmodes", "scr_bel_timelimit (Default 30 minutes)"),
             QT_TRANSLATE_NOOP("classicmodes", "Time limit in minutes"),
             QT_TRANSLATE_NOOP("classicmodes", "BEL time limit updated to %1"), shortTimeChecks()),
         // Sent whatever it holds.
         field(
             "txtbelalive",
             QT_TRANSLATE_NOOP("classicmodes", "Number of seconds alive to score point as allied"),
             "scr_bel_alivepointtime", "10",
             QT_TRANSLATE_NOOP("classicmodes", "scr_bel_alivepointtime (Default 10)"), "",
             QT_TRANSLATE_NOOP("classicmodes", "BEL time alive as allied bonus updated to %1"),
             {})}};
    pages << Page{
        3,
        QString::fromLatin1(QT_TRANSLATE_NOOP("classicmodes", "Deathmatch settings")),
        QStringLiteral("cmdsetdm"),
        QStringLiteral("cmddmdefault"),
        false,
        {field("txtdmscorelim", QT_TRANSLATE_NOOP("classicmodes", "Map score limit"),
               "scr_dm_scorelimit", "50",
               QT_TRANSLATE_NOOP("classicmodes", "scr_dm_scorelimit (Default 50)"),
               QT_TRANSLATE_NOOP("classicmodes", "Map score limit"),
               QT_TRANSLATE_NOOP("classicmodes", "DM score limit updated to %1"),
               {numeric(QT_TRANSLATE_NOOP("classicmodes", "Score limit has to be a number"))}),
         field("txtdmtimelim", QT_TRANSLATE_NOOP("classicmodes", "Time limit"), "scr_dm_timelimit",
               "30", QT_TRANSLATE_NOOP("classicmodes", "scr_dm_timelimit (Default 30 minutes)"),
               QT_TRANSLATE_NOOP("classicmodes", "Time limit in minutes"),
               QT_TRANSLATE_NOOP("classicmodes", "DM time limit updated to %1"),
               shortTimeChecks())}};
    pages << Page{
        4,
        QString::fromLatin1(QT_TRANSLATE_NOOP("classicmodes", "Team deathmatch settings")),
        QStringLiteral("cmdsettdm"),
        QStringLiteral("cmdtdmdefault"),
        false,
        {field("txttdmscorelim", QT_TRANSLATE_NOOP("classicmodes", "Map score limit"),
               "scr_tdm_scorelimit", "100",
               QT_TRANSLATE_NOOP("classicmodes", "scr_tdm_scorelimit (Default 100)"),
               QT_TRANSLATE_NOOP("classicmodes", "Map score limit"),
               QT_TRANSLATE_NOOP("classicmodes", "TDM score limit updated to %1"),
               {numeric(QT_TRANSLATE_NOOP("classicmodes", "Score limit has to be a number"))}),
         field("txttdmtimelim", QT_TRANSLATE_NOOP("classicmodes", "Time limit"),
               "scr_tdm_timelimit", "30",
               QT_TRANSLATE_NOOP("classicmodes", "scr_tdm_timelimit (Default 30 minutes)"),
               QT_TRANSLATE_NOOP("classicmodes", "Time limit in minutes"),
               QT_TRANSLATE_NOOP("classicmodes", "TDM time limit updated to %1"),
               shortTimeChecks())}};
    pages << Page{
        5,
        QString::fromLatin1(QT_TRANSLATE_NOOP("classicmodes", "Headquarters settings")),
        QStringLiteral("cmdsethq"),
        QStringLiteral("cmdhqdefault"),
        false,
        {field("txthqscorelim", QT_TRANSLATE_NOOP("classicmodes", "Map score limit"),
               "scr_hq_scorelimit", "450",
               QT_TRANSLATE_NOOP("classicmodes", "scr_hq_scorelimit (Default 450)"),
               QT_TRANSLATE_NOOP("classicmodes", "Map score limit"),
               QT_TRANSLATE_NOOP("classicmodes", "HQ score limit updated to %1"),
               {numeric(QT_TRANSLATE_NOOP("classicmodes", "Score limit has to be a number"))}),
         field("txthqtimelim", QT_TRANSLATE_NOOP("classicmodes", "Time limit"), "scr_hq_timelimit",
               "30", QT_TRANSLATE_NOOP("classicmodes", "scr_hq_timelimit (Default 30 minutes)"),
               QT_TRANSLATE_NOOP("classicmodes", "Time limit in minutes"),
               QT_TRANSLATE_NOOP("classicmodes", "HQ time limit updated to %1"),
               shortTimeChecks())}};
    return pages;
}

bool passes(const Check& check, const QString& text) {
    switch (check.rule) {
    case Check::Rule::Numeric:
        return numbers::isNumeric(text);
    case Check::Rule::WholeInRange:
        return numbers::wholeInRange(text, check.low, check.high);
    }
    return false;
}

} // namespace

QString shown(const QString& text) {
    return translatedIn("classicmodes", text);
}

const QList<Page>& pages() {
    static const QList<Page> all = buildPages();
    return all;
}

int fieldCount() {
    int count = 0;
    for (const Page& page : pages())
        count += int(page.fields.size());
    return count;
}

std::optional<Failure> firstFailure(const Page& page, const QStringList& texts) {
    for (int i = 0; i < page.fields.size(); ++i) {
        const QString text = texts.value(i);
        for (const Check& check : page.fields.at(i).checks) {
            if (!passes(check, text))
                return Failure{i, shown(check.message)};
        }
    }
    return std::nullopt;
}

Plan plan(const Page& page, const QStringList& texts) {
    Plan steps;
    for (int i = 0; i < page.fields.size(); ++i) {
        const Field& f = page.fields.at(i);
        const QString text = texts.value(i);
        steps << settingStep(Request::shown(modesettings::plainCommand(f.variable, text)),
                             shown(f.logLine).arg(text));
    }
    return steps;
}

} // namespace classicmodes
