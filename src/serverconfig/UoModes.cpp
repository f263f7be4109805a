#include "UoModes.h"

#include "ModeSettings.h"
#include "base/NumberRules.h"
#include "base/TableText.h"

#include <QCoreApplication>

#include <cmath>

namespace uomodes {

namespace {

Field field(const char* caption, const char* variable, const char* initial, const char* labelTip,
            const char* logLine) {
    return {QLatin1String(caption), QLatin1String(variable), QLatin1String(initial),
            QLatin1String(labelTip), QLatin1String(logLine)};
}

Box box(const char* caption, const char* variable, const char* tip, const char* logLine) {
    return {QLatin1String(caption), QLatin1String(variable), QLatin1String(tip),
            QLatin1String(logLine)};
}

QList<Mode> buildModes() {
    QList<Mode> modes;
    modes << Mode{
        2,
        QString::fromLatin1(QT_TRANSLATE_NOOP("uomodes", "United Offensive Domination settings")),
        QStringLiteral("txtdom"),
        QStringLiteral("chkdom"),
        false,
        {field(QT_TRANSLATE_NOOP("uomodes", "Start round delay"), "scr_dom_startrounddelay", "15",
               QT_TRANSLATE_NOOP("uomodes", "scr_dom_startrounddelay  (Default 15) "),
               QT_TRANSLATE_NOOP("uomodes", "Domination Start round delay updated to %1")),
         field(QT_TRANSLATE_NOOP("uomodes", "End round delay"), "scr_dom_endrounddelay", "15",
               QT_TRANSLATE_NOOP("uomodes", "scr_dom_endrounddelay  (Default 15) "),
               QT_TRANSLATE_NOOP("uomodes", "Domination End round delay updated to %1")),
         field(QT_TRANSLATE_NOOP("uomodes", "Score Limit"), "scr_dom_scorelimit", "3",
               QT_TRANSLATE_NOOP("uomodes", "scr_dom_scorelimit  (Default 3) "),
               QT_TRANSLATE_NOOP("uomodes", "Domination Score limit updated to %1")),
         field(QT_TRANSLATE_NOOP("uomodes", "Time limit"), "scr_dom_timelimit", "120",
               QT_TRANSLATE_NOOP("uomodes", "scr_dom_timelimit  (Default 120) "),
               QT_TRANSLATE_NOOP("uomodes", "Domination Time limit updated to %1")),
         field(QT_TRANSLATE_NOOP("uomodes", "Round Limit"), "scr_dom_roundlimit", "5",
               QT_TRANSLATE_NOOP("uomodes", "scr_dom_roundlimit  (Default 5) "),
               QT_TRANSLATE_NOOP("uomodes", "Domination Round limit updated to %1")),
         field(QT_TRANSLATE_NOOP("uomodes", "Round Length"), "scr_dom_roundlength", "30",
               QT_TRANSLATE_NOOP("uomodes", "scr_dom_roundlength  (Default 30) "),
               QT_TRANSLATE_NOOP("uomodes", "Domination Round length updated to %1")),
         field(QT_TRANSLATE_NOOP("uomodes", "Respawn Wave time"), "scr_dom_respawn_wave_time", "10",
               QT_TRANSLATE_NOOP("uomodes", "scr_dom_respawn_wave_time  (Default ?\?) "),
               QT_TRANSLATE_NOOP("uomodes", "Domination Respawn wave time updated to %1"))},
        {box(QT_TRANSLATE_NOOP("uomodes", "Clear score each round"), "scr_dom_clearscoreeachround",
             QT_TRANSLATE_NOOP("uomodes", "scr_dom_clearscoreeachround  (Default Yes) "),
             QT_TRANSLATE_NOOP("uomodes", "Domination Clear score updated to %1"))}};
    modes << Mode{
        3,
        QString::fromLatin1(
            QT_TRANSLATE_NOOP("uomodes", "United Offensive Capture the Flag settings")),
        QStringLiteral("txtctf"),
        QStringLiteral("chkctf"),
        true,
        {field(QT_TRANSLATE_NOOP("uomodes", "Start round delay"), "scr_ctf_startrounddelay", "15",
               QT_TRANSLATE_NOOP("uomodes", "scr_ctf_startrounddelay  (Default 15) "),
               QT_TRANSLATE_NOOP("uomodes", "CTF Start round delay updated to %1")),
         field(QT_TRANSLATE_NOOP("uomodes", "End round delay"), "scr_ctf_endrounddelay", "15",
               QT_TRANSLATE_NOOP("uomodes", "scr_ctf_endrounddelay  (Default 15) "),
               QT_TRANSLATE_NOOP("uomodes", "CTF End round delay updated to %1")),
         field(QT_TRANSLATE_NOOP("uomodes", "Score Limit"), "scr_ctf_scorelimit", "3",
               QT_TRANSLATE_NOOP("uomodes", "scr_ctf_scorelimit  (Default 3) "),
               QT_TRANSLATE_NOOP("uomodes", "CTF Score limit updated to %1")),
         field(QT_TRANSLATE_NOOP("uomodes", "Time limit"), "scr_ctf_timelimit", "120",
               QT_TRANSLATE_NOOP("uomodes", "scr_ctf_timelimit  (Default 120) "),
               QT_TRANSLATE_NOOP("uomodes", "CTF Time limit updated to %1")),
         field(QT_TRANSLATE_NOOP("uomodes", "Round Limit"), "scr_ctf_roundlimit", "5",
               QT_TRANSLATE_NOOP("uomodes", "scr_ctf_roundlimit  (Default 5) "),
               QT_TRANSLATE_NOOP("uomodes", "CTF Round limit updated to %1")),
         field(QT_TRANSLATE_NOOP("uomodes", "Round Length"), "scr_ctf_roundlength", "30",
               QT_TRANSLATE_NOOP("uomodes", "scr_ctf_roundlength  (Default 30) "),
               QT_TRANSLATE_NOOP("uomodes", "CTF Round length updated to %1"))},
        {box(QT_TRANSLATE_NOOP("uomodes", "Show on Compass"), "scr_ctf_showoncompass",
             QT_TRANSLATE_NOOP("uomodes", "scr_ctf_showoncompass (Default 1) "),
             QT_TRANSLATE_NOOP("uomodes", "CTF Show compass updated to %1")),
         box(QT_TRANSLATE_NOOP("uomodes", "Clear score each round"), "scr_ctf_clearscoreeachround",
             QT_TRANSLATE_NOOP("uomodes", "scr_ctf_clearscoreeachround  (Default Yes) "),
             QT_TRANSLATE_NOOP("uomodes", "CTF Clear score updated to %1"))}};
    modes << Mode{
        4,
        QString::fromLatin1(QT_TRANSLATE_NOOP("uomodes", "United Offensive Base Assault settings")),
        QStringLiteral("txtbas"),
        QStringLiteral("chkbas"),
        false,
        {field(QT_TRANSLATE_NOOP("uomodes", "Start round delay"), "scr_bas_startrounddelay", "15",
               QT_TRANSLATE_NOOP("uomodes", "scr_bas_startrounddelay   (Default 15) "),
               QT_TRANSLATE_NOOP("uomodes", "Base Assault Start round delay updated to %1")),
         field(QT_TRANSLATE_NOOP("uomodes", "End round delay"), "scr_bas_endrounddelay", "10",
               QT_TRANSLATE_NOOP("uomodes", "scr_bas_endrounddelay   (Default 10) "),
               QT_TRANSLATE_NOOP("uomodes", "Base Assault End round delay updated to %1")),
         field(QT_TRANSLATE_NOOP("uomodes", "Score Limit"), "scr_bas_scorelimit", "3",
               QT_TRANSLATE_NOOP("uomodes", "scr_bas_scorelimit   (Default 3) "),
               QT_TRANSLATE_NOOP("uomodes", "Base Assault Score limit updated to %1")),
         field(QT_TRANSLATE_NOOP("uomodes", "Time limit"), "scr_bas_timelimit", "120",
               QT_TRANSLATE_NOOP("uomodes", "scr_bas_timelimit   (Default 120) "),
               QT_TRANSLATE_NOOP("uomodes", "Base Assault Time limit updated to %1")),
         field(QT_TRANSLATE_NOOP("uomodes", "Round Limit"), "scr_bas_roundlimit", "5",
               QT_TRANSLATE_NOOP("uomodes", "scr_bas_roundlimit   (Default 5) "),
               QT_TRANSLATE_NOOP("uomodes", "Base Assault Round limit updated to %1")),
         field(QT_TRANSLATE_NOOP("uomodes", "Round Length"), "scr_bas_roundlength", "30",
               QT_TRANSLATE_NOOP("uomodes", "scr_bas_roundlength   (Default 30) "),
               QT_TRANSLATE_NOOP("uomodes", "Base Assault Round length updated to %1")),
         field(QT_TRANSLATE_NOOP("uomodes", "Respawn Wave time"), "scr_bas_respawn_wave_time", "10",
               QT_TRANSLATE_NOOP("uomodes", "scr_bas_respawn_wave_time  (Default ?\?) "),
               QT_TRANSLATE_NOOP("uomodes", "Base Assault Respawn wave time updated to %1"))},
        {box(QT_TRANSLATE_NOOP("uomodes", "Clear score each round"), "scr_bas_clearscoreeachround",
             QT_TRANSLATE_NOOP("uomodes", "scr_bas_clearscoreeachround   (Default Yes) "),
             QT_TRANSLATE_NOOP("uomodes", "Base Assault Clear score updated to %1"))}};
    return modes;
}

} // namespace

QString shown(const QString& text) {
    return translatedIn("uomodes", text);
}

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
    static const char* const messages[] = {
        QT_TRANSLATE_NOOP("uomodes", "Start round delay has to be a number of seconds"),
        QT_TRANSLATE_NOOP("uomodes", "End round delay has to be a number of seconds"),
        QT_TRANSLATE_NOOP("uomodes", "Score limit has to be a number of round"),
        QT_TRANSLATE_NOOP("uomodes", "Time limit has to be a number of Minutes"),
        QT_TRANSLATE_NOOP("uomodes", "Round limit has to be a number of rounds"),
        QT_TRANSLATE_NOOP("uomodes", "Round length has to be a number of Minutes"),
        QT_TRANSLATE_NOOP("uomodes", "Respawn wave time has to be a number of seconds")};
    if (index < 0 || index >= int(std::size(messages)))
        return {};
    return QCoreApplication::translate("uomodes", messages[index]);
}

QString fieldTip(int index) {
    switch (index) {
    case 3:
        return QCoreApplication::translate("uomodes", "Number of minutes (0 - 120) 0 is unlimited");
    case 4:
        return QCoreApplication::translate(
            "uomodes",
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
        return QCoreApplication::translate("uomodes", "Set");
    case ButtonAction::Kind::Defaults:
        return QCoreApplication::translate("uomodes", "Defaults");
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
                             shown(f.logLine).arg(text));
    }
    for (int i = 0; i < mode.boxes.size(); ++i) {
        const Box& b = mode.boxes.at(i);
        const int state = boxStates.value(i);
        steps << settingStep(Request::shown(boxCommand(b.variable, state)),
                             shown(b.logLine).arg(state));
    }
    return steps;
}

} // namespace uomodes
