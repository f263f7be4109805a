#include "UoModes.h"

#include "ModeSettings.h"
#include "base/NumberRules.h"

#include <cmath>

namespace uomodes {

namespace {

Field field(const char* caption, const char* variable, const char* initial, const char* labelTip,
            const char* logPrefix) {
    return {QLatin1String(caption), QLatin1String(variable), QLatin1String(initial),
            QLatin1String(labelTip), QLatin1String(logPrefix)};
}

Box box(const char* caption, const char* variable, const char* tip, const char* logPrefix) {
    return {QLatin1String(caption), QLatin1String(variable), QLatin1String(tip),
            QLatin1String(logPrefix)};
}

QList<Mode> buildModes() {
    QList<Mode> modes;
    modes << Mode{
        2,
        QStringLiteral("United Offensive Domination settings"),
        QStringLiteral("txtdom"),
        QStringLiteral("chkdom"),
        false,
        {field("Start round delay", "scr_dom_startrounddelay", "15",
               "scr_dom_startrounddelay  (Default 15) ",
               "Domination Start round delay updated to "),
         field("End round delay", "scr_dom_endrounddelay", "15",
               "scr_dom_endrounddelay  (Default 15) ", "Domination End round delay updated to "),
         field("Score Limit", "scr_dom_scorelimit", "3", "scr_dom_scorelimit  (Default 3) ",
               "Domination Score limit updated to "),
         field("Time limit", "scr_dom_timelimit", "120", "scr_dom_timelimit  (Default 120) ",
               "Domination Time limit updated to "),
         field("Round Limit", "scr_dom_roundlimit", "5", "scr_dom_roundlimit  (Default 5) ",
               "Domination Round limit updated to "),
         field("Round Length", "scr_dom_roundlength", "30", "scr_dom_roundlength  (Default 30) ",
               "Domination Round length updated to "),
         field("Respawn Wave time", "scr_dom_respawn_wave_time", "10",
               "scr_dom_respawn_wave_time  (Default ?\?) ",
               "Domination Respawn wave time updated to ")},
        {box("Clear score each round", "scr_dom_clearscoreeachround",
             "scr_dom_clearscoreeachround  (Default Yes) ", "Domination Clear score updated to ")}};
    modes << Mode{
        3,
        QStringLiteral("United Offensive Capture the Flag settings"),
        QStringLiteral("txtctf"),
        QStringLiteral("chkctf"),
        true,
        {field("Start round delay", "scr_ctf_startrounddelay", "15",
               "scr_ctf_startrounddelay  (Default 15) ", "CTF Start round delay updated to "),
         field("End round delay", "scr_ctf_endrounddelay", "15",
               "scr_ctf_endrounddelay  (Default 15) ", "CTF End round delay updated to "),
         field("Score Limit", "scr_ctf_scorelimit", "3", "scr_ctf_scorelimit  (Default 3) ",
               "CTF Score limit updated to "),
         field("Time limit", "scr_ctf_timelimit", "120", "scr_ctf_timelimit  (Default 120) ",
               "CTF Time limit updated to "),
         field("Round Limit", "scr_ctf_roundlimit", "5", "scr_ctf_roundlimit  (Default 5) ",
               "CTF Round limit updated to "),
         field("Round Length", "scr_ctf_roundlength", "30", "scr_ctf_roundlength  (Default 30) ",
               "CTF Round length updated to ")},
        {box("Show on Compass", "scr_ctf_showoncompass", "scr_ctf_showoncompass (Default 1) ",
             "CTF Show compass updated to "),
         box("Clear score each round", "scr_ctf_clearscoreeachround",
             "scr_ctf_clearscoreeachround  (Default Yes) ", "CTF Clear score updated to ")}};
    modes << Mode{
        4,
        QStringLiteral("United Offensive Base Assault settings"),
        QStringLiteral("txtbas"),
        QStringLiteral("chkbas"),
        false,
        {field("Start round delay", "scr_bas_startrounddelay", "15",
               "scr_bas_startrounddelay   (Default 15) ",
               "Base Assault Start round delay updated to "),
         field("End round delay", "scr_bas_endrounddelay", "10",
               "scr_bas_endrounddelay   (Default 10) ", "Base Assault End round delay updated to "),
         field("Score Limit", "scr_bas_scorelimit", "3", "scr_bas_scorelimit   (Default 3) ",
               "Base Assault Score limit updated to "),
         field("Time limit", "scr_bas_timelimit", "120", "scr_bas_timelimit   (Default 120) ",
               "Base Assault Time limit updated to "),
         field("Round Limit", "scr_bas_roundlimit", "5", "scr_bas_roundlimit   (Default 5) ",
               "Base Assault Round limit updated to "),
         field("Round Length", "scr_bas_roundlength", "30", "scr_bas_roundlength   (Default 30) ",
               "Base Assault Round length updated to "),
         field("Respawn Wave time", "scr_bas_respawn_wave_time", "10",
               "scr_bas_respawn_wave_time  (Default ?\?) ",
               "Base Assault Respawn wave time updated to ")},
        {box("Clear score each round", "scr_bas_clearscoreeachround",
             "scr_bas_clearscoreeachround   (Default Yes) ",
             "Base Assault Clear score updated to ")}};
    return modes;
}

} // namespace

const QList<Mode>& modes() {
    static const QList<Mode> all = buildModes();
    return all;
}

int fieldCount() {
    int count = 0;
    for (const Mode& mode : modes())
        count += int(mode.fields.size() + mode.boxes.size());
    return count;
}

QString numericMessage(int index) {
    static const char* const messages[] = {"Start round delay has to be a number of seconds",
                                           "End round delay has to be a number of seconds",
                                           "Score limit has to be a number of round",
                                           "Time limit has to be a number of Minutes",
                                           "Round limit has to be a number of rounds",
                                           "Round length has to be a number of Minutes",
                                           "Respawn wave time has to be a number of seconds"};
    if (index < 0 || index >= int(std::size(messages)))
        return {};
    return QLatin1String(messages[index]);
}

QString fieldTip(int index) {
    switch (index) {
    case 3:
        return QStringLiteral("Number of minutes (0 - 120) 0 is unlimited");
    case 4:
        return QStringLiteral(
            "Usually left to Score limit to allow a team to reach , say a score of 3 (default 5) ");
    default:
        return {};
    }
}

ButtonAction buttonAction(int index) {
    if (index < 0 || index >= 2 * int(modes().size()))
        return {};
    return {index % 2 == 0 ? ButtonAction::Kind::Set : ButtonAction::Kind::Defaults, index / 2};
}

QString buttonCaption(int index) {
    switch (buttonAction(index).kind) {
    case ButtonAction::Kind::Set:
        return QStringLiteral("Set");
    case ButtonAction::Kind::Defaults:
        return QStringLiteral("Defaults");
    case ButtonAction::Kind::None:
        break;
    }
    return {};
}

std::optional<Failure> firstFailure(const QStringList& texts) {
    for (int i = 0; i < texts.size(); ++i) {
        if (!numbers::isNumeric(texts.at(i)))
            return Failure{Failure::Kind::NotNumeric, i, numericMessage(i)};
    }
    for (int i = 0; i < texts.size(); ++i) {
        // Rounded on the parsed value, not a 16-bit conversion: there is no upper bound.
        if (std::nearbyint(*numbers::parse(texts.at(i))) < 0)
            return Failure{Failure::Kind::Negative, i, {}};
    }
    return std::nullopt;
}

QString boxCommand(const QString& variable, int state) {
    return variable + QLatin1Char('"') + QString::number(state) + QLatin1Char('"');
}

Plan plan(const Mode& mode, const QStringList& texts, const QList<int>& boxStates) {
    Plan steps;
    for (int i = 0; i < mode.fields.size(); ++i) {
        const Field& f = mode.fields.at(i);
        const QString text = texts.value(i);
        steps << settingStep(Request::shown(modesettings::plainCommand(f.variable, text)),
                             f.logPrefix + text);
    }
    for (int i = 0; i < mode.boxes.size(); ++i) {
        const Box& b = mode.boxes.at(i);
        const int state = boxStates.value(i);
        steps << settingStep(Request::shown(boxCommand(b.variable, state)),
                             b.logPrefix + QString::number(state));
    }
    return steps;
}

} // namespace uomodes
