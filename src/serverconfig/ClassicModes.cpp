#include "ClassicModes.h"

#include "ModeSettings.h"
#include "base/NumberRules.h"

namespace classicmodes {

namespace {

Field field(const char* name, const char* caption, const char* variable, const char* initial,
            const char* labelTip, const char* fieldTip, const char* logPrefix,
            QList<Check> checks) {
    return {QLatin1String(name),      QLatin1String(caption),  QLatin1String(variable),
            QLatin1String(initial),   QLatin1String(labelTip), QLatin1String(fieldTip),
            QLatin1String(logPrefix), std::move(checks)};
}

Check numeric(const char* message) {
    return {Check::Rule::Numeric, 0, 0, QLatin1String(message)};
}

Check range(int low, int high, const char* message) {
    return {Check::Rule::WholeInRange, low, high, QLatin1String(message)};
}

const char* const kTimeRange = "Time limit has to be a number of minutes (0 - 1440)";
const char* const kRoundLimitTip =
    "Usually left to Score limit to allow a team to reach , say a score of 10 ";
const char* const kLongTimeTip = "Number of minutes (0 - 1440) 0 is unlimited";

// The time limit of the short pages is first checked to be a number, then to be in range.
QList<Check> shortTimeChecks() {
    return {numeric("Time limit has to be a positive number of minutes"),
            range(0, 1440, kTimeRange)};
}

QList<Page> buildPages() {
    QList<Page> pages;
    pages << Page{
        0,
        QStringLiteral("Search && Destroy settings"),
        QStringLiteral("cmdsetsd"),
        QStringLiteral("cmdsddefaults"),
        true,
        {field("txtgrace", "Grace Period", "scr_sd_graceperiod", "15",
               "scr_sd_graceperiod (Default 15) ", "", "S&D Grace period updated to ",
               {numeric("Grace period has to be a number of seconds")}),
         field("txtroundlen", "Round Length", "scr_sd_roundlength", "4",
               "scr_sd_roundlength  (Default 4)", "", "S&D Round length updated to ",
               {numeric("Round length has to be a positive number of minutes")}),
         field("txtroundlim", "Round Limit", "scr_sd_roundlimit", "0",
               "scr_sd_roundlimit (Default 0)", kRoundLimitTip, "S&D Round limit updated to ",
               {numeric("Round limit has to be a number of round wins (0=unlimited)")}),
         field("txtscorelim", "Score Limit", "scr_sd_scorelimit", "10",
               "scr_sd_scorelimit (Default 10)", "", "S&D Score limit updated to ",
               {numeric("Score limit has to be a number of round wins")}),
         field("txttimelim", "Map Time limit", "scr_sd_timelimit", "0",
               "scr_sd_timelimit (Default 0)", kLongTimeTip, "S&D Time limit updated to ",
               {range(0, 1440, kTimeRange)})}};
    pages << Page{
        1,
        QStringLiteral("Retrieval settings"),
        QStringLiteral("cmdsetre"),
        QStringLiteral("cmdredefaults"),
        true,
        {field("txtregrace", "Grace Period", "scr_re_graceperiod", "15",
               "scr_re_graceperiod (Default 15) ", "", "Retrieval Grace period updated to ",
               {numeric("Grace period has to be a number of seconds")}),
         field("txtreroundlen", "Round Length", "scr_re_roundlength", "4",
               "scr_re_roundlength  (Default 4)", "", "Retrieval Round length updated to ",
               {numeric("Round length has to be a positive number of minutes")}),
         field("txtreroundlim", "Round Limit", "scr_re_roundlimit", "0",
               "scr_re_roundlimit (Default 0)", kRoundLimitTip, "Retrieval Round limit updated to ",
               {numeric("Round limit has to be a number of round wins (0=unlimited)")}),
         field("txtrescorelim", "Score Limit", "scr_re_scorelimit", "10",
               "scr_re_scorelimit (Default 10)", "", "Retrieval Score limit updated to ",
               {numeric("Score limit has to be a number of round wins")}),
         field("txtretimelim", "Map Time limit", "scr_re_timelimit", "0",
               "scr_re_timelimit (Default 0)", kLongTimeTip, "Retrieval Time limit updated to ",
               {range(0, 1440, kTimeRange)}),
         field("txtrecar", "Show carrier", "scr_re_showcarrier", "0",
               "scr_re_showcarrier (Default 0 = No) ", "Show Carrie of object 0=No, 1=Yes",
               "Retrieval object carrier updated to ",
               {range(0, 1, "Show object carrier has to be 0 (No) or 1 (Yes)")})}};
    pages << Page{
        2,
        QStringLiteral("Behind enemy lines settings"),
        QStringLiteral("cmdsetbel"),
        QStringLiteral("cmdbeldefault"),
        false,
        {field("txtbelscorelim", "Map score limit", "scr_bel_scorelimit", "50",
               "scr_bel_scorelimit (Default 100)", "Map score limit", "BEL score limit updated to ",
               {numeric("Score limit has to be a number")}),
         field("txtbeltimelim", "Time limit", "scr_bel_timelimit", "30",
               "scr_bel_timelimit (Default 30 minutes)", "Time limit in minutes",
               "BEL time limit updated to ", shortTimeChecks()),
         // Sent whatever it holds.
         field("txtbelalive", "Number of seconds alive to score point as allied",
               "scr_bel_alivepointtime", "10", "scr_bel_alivepointtime (Default 10)", "",
               "BEL time alive as allied bonus updated to ", {})}};
    pages << Page{3,
                  QStringLiteral("Deathmatch settings"),
                  QStringLiteral("cmdsetdm"),
                  QStringLiteral("cmddmdefault"),
                  false,
                  {field("txtdmscorelim", "Map score limit", "scr_dm_scorelimit", "50",
                         "scr_dm_scorelimit (Default 50)", "Map score limit",
                         "DM score limit updated to ", {numeric("Score limit has to be a number")}),
                   field("txtdmtimelim", "Time limit", "scr_dm_timelimit", "30",
                         "scr_dm_timelimit (Default 30 minutes)", "Time limit in minutes",
                         "DM time limit updated to ", shortTimeChecks())}};
    pages << Page{
        4,
        QStringLiteral("Team deathmatch settings"),
        QStringLiteral("cmdsettdm"),
        QStringLiteral("cmdtdmdefault"),
        false,
        {field("txttdmscorelim", "Map score limit", "scr_tdm_scorelimit", "100",
               "scr_tdm_scorelimit (Default 100)", "Map score limit", "TDM score limit updated to ",
               {numeric("Score limit has to be a number")}),
         field("txttdmtimelim", "Time limit", "scr_tdm_timelimit", "30",
               "scr_tdm_timelimit (Default 30 minutes)", "Time limit in minutes",
               "TDM time limit updated to ", shortTimeChecks())}};
    pages << Page{5,
                  QStringLiteral("Headquarters settings"),
                  QStringLiteral("cmdsethq"),
                  QStringLiteral("cmdhqdefault"),
                  false,
                  {field("txthqscorelim", "Map score limit", "scr_hq_scorelimit", "450",
                         "scr_hq_scorelimit (Default 450)", "Map score limit",
                         "HQ score limit updated to ", {numeric("Score limit has to be a number")}),
                   field("txthqtimelim", "Time limit", "scr_hq_timelimit", "30",
                         "scr_hq_timelimit (Default 30 minutes)", "Time limit in minutes",
                         "HQ time limit updated to ", shortTimeChecks())}};
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
                return Failure{i, check.message};
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
                             f.logPrefix + text);
    }
    return steps;
}

} // namespace classicmodes
