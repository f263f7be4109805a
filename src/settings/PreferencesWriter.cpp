#include "PreferencesWriter.h"

#include "OptionsStore.h"
#include "ProfileFile.h"
#include "serverconfig/NumberRules.h"

namespace {

QString switchText(bool on) {
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

class Writer {
public:
    Writer(ProfileFile& file, const PreferenceEdits& edits, PreferenceSaveResult& result)
        : m_file(file), m_edits(edits), m_result(result) {}

    bool changed(const char* key) const { return m_edits.changed.contains(QLatin1String(key)); }

    bool write(const char* key, const QString& value) {
        const QString name = QLatin1String(key);
        if (m_file.write(optionkeys::section, name, value)) {
            m_result.written << name;
            return true;
        }
        m_result.failures << PreferenceWriteFailure{name, m_file.errorCode(),
                                                    m_file.errorDescription()};
        return false;
    }

    void flag(const char* key, bool& target, bool value) {
        if (!changed(key))
            return;
        target = value;
        write(key, switchText(value));
    }

    // A check box with its slider: the slider's value goes with a successful write of the box.
    void flagWithSlider(const char* key, bool& target, bool value, const char* sliderKey,
                        qint16& sliderTarget, qint16 sliderValue) {
        if (!changed(key))
            return;
        target = value;
        sliderTarget = sliderValue;
        if (write(key, switchText(value)))
            write(sliderKey, QString::number(sliderValue));
    }

    void text(const char* key, QString& target, const QString& value) {
        if (!changed(key))
            return;
        target = value;
        write(key, value);
    }

    void number(const char* key, qint16& target, const QString& typed) {
        if (!changed(key))
            return;
        target = numbers::wholeOrZero(typed);
        write(key, QString::number(target));
    }

private:
    ProfileFile& m_file;
    const PreferenceEdits& m_edits;
    PreferenceSaveResult& m_result;
};

} // namespace

PreferenceSaveResult savePreferences(ProfileFile& file, Options& options,
                                     const PreferenceEdits& edits) {
    PreferenceSaveResult result;
    Writer w(file, edits, result);
    const Options& v = edits.values;

    w.flag("savercon", options.savercon, v.savercon);
    if (!result.ok()) {
        result.stoppedAtSavercon = true;
        return result;
    }
    w.flag("savemessages", options.savemessages, v.savemessages);
    w.flag("clearrconnew", options.clearrconnew, v.clearrconnew);
    w.flag("clearmessnew", options.clearmessnew, v.clearmessnew);
    w.flag("removeid", options.removeid, v.removeid);
    w.flag("usequery", options.usequery, v.usequery);
    w.flagWithSlider("autoqplayer", options.autoqplayer, v.autoqplayer, "autoqplayerint",
                     options.autoqplayerint, v.autoqplayerint);
    w.flagWithSlider("autokick999", options.autokick999, v.autokick999, "autokick999int",
                     options.autokick999int, v.autokick999int);
    w.flag("autoconnect", options.autoconnect, v.autoconnect);
    w.text("autoconnectserv", options.autoconnectserv, v.autoconnectserv);
    w.text("autoconnectport", options.autoconnectport, v.autoconnectport);
    w.text("autoconnectrcon", options.autoconnectrcon, v.autoconnectrcon);
    w.flag("automessage", options.automessage, v.automessage);
    w.number("messageset", options.messageset, edits.messagesetText);
    w.number("messagetime", options.messagetime, edits.messagetimeText);
    return result;
}
