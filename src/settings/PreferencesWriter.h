#pragma once

#include "Options.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

class ProfileFile;

// What the preferences window holds when the operator saves it.
struct PreferenceEdits {
    // The values of every control; the two sliders in autoqplayerint and autokick999int.
    Options values;
    // The message-set and interval boxes as typed.
    QString messagesetText;
    QString messagetimeText;
    // The keys of section "options" whose control the operator changed. The slider keys are
    // never listed: a slider is saved together with its check box.
    QSet<QString> changed;
};

struct PreferenceWriteFailure {
    QString key;
    int errorCode = 0;
    QString errorDescription;
};

struct PreferenceSaveResult {
    QStringList written; // keys written, in order
    QList<PreferenceWriteFailure> failures;
    // "savercon" could not be written; nothing after it was applied or written.
    bool stoppedAtSavercon = false;
    bool ok() const { return failures.isEmpty(); }
};

// Applies the changed options to `options` and writes their keys, in the order of the
// section: switches as "1" or "0", texts as typed, the message set and interval as their
// whole value (a text that is not a number counts as 0). A check box with a slider also
// writes the slider's key. "savercon" is written first and alone, then the others in one
// replace of the file: all of them, or none and each reported.
PreferenceSaveResult savePreferences(ProfileFile& file, Options& options,
                                     const PreferenceEdits& edits);
