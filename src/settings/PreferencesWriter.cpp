#include "PreferencesWriter.h"

#include "OptionsStore.h"
#include "ProfileFile.h"
#include "base/NumberRules.h"

namespace {

QString switchText(bool on) {
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

// Gathers the keys of the changed options; write() puts them in the file in one go.
class Writer {
public:
    Writer(ProfileFile& file, const PreferenceEdits& edits, PreferenceSaveResult& result)
        : m_file(file), m_edits(edits), m_result(result) {}

    bool changed(const char* key) const { return m_edits.changed.contains(QLatin1String(key)); }

    void flag(const char* key, bool& target, bool value) {
        if (!changed(key))
            return;
        target = value;
        add(key, switchText(value));
    }

    // A check box with its slider: the slider's value goes with the box, and a failure is
    // the box's.
    void flagWithSlider(const char* key, bool& target, bool value, const char* sliderKey,
                        qint16& sliderTarget, qint16 sliderValue) {
        if (!changed(key))
            return;
        flag(key, target, value);
        sliderTarget = sliderValue;
        add(sliderKey, QString::number(sliderValue), false);
    }

    void text(const char* key, QString& target, const QString& value) {
        if (!changed(key))
            return;
        target = value;
        add(key, value);
    }

    void number(const char* key, qint16& target, const QString& typed) {
        if (!changed(key))
            return;
        target = numbers::wholeOrZero(typed);
        add(key, QString::number(target));
    }

    // Writes what was gathered; on failure every gathered key but a slider's is reported.
    bool write() {
        if (m_entries.isEmpty())
            return true;
        QStringList keys;
        for (const ProfileFile::Entry& entry : std::as_const(m_entries))
            keys << entry.key;
        if (m_file.write(m_entries))
            m_result.written << keys;
        else
            for (const QString& key : std::as_const(m_reported))
                m_result.failures << PreferenceWriteFailure{key, m_file.errorCode(),
                                                            m_file.errorDescription()};
        m_entries.clear();
        m_reported.clear();
        return m_result.ok();
    }

private:
    void add(const char* key, const QString& value, bool reported = true) {
        m_entries << ProfileFile::Entry{optionkeys::section, QLatin1String(key), value};
        if (reported)
            m_reported << QLatin1String(key);
    }

    ProfileFile& m_file;
    const PreferenceEdits& m_edits;
    PreferenceSaveResult& m_result;
    QList<ProfileFile::Entry> m_entries;
    QStringList m_reported;
};

} // namespace

PreferenceSaveResult savePreferences(ProfileFile& file, Options& options,
                                     const PreferenceEdits& edits) {
    PreferenceSaveResult result;
    Writer w(file, edits, result);
    const Options& v = edits.values;

    w.flag("savercon", options.savercon, v.savercon);
    if (!w.write()) {
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
    w.write();
    return result;
}
