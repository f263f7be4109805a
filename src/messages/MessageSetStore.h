#pragma once

#include "MessageSets.h"

#include <QString>

class ProfileFile;

// The message sets in the settings file: sections set0 to set9, each with "name" and the
// messages mess0, mess1, ... ended by one empty key. Sets are written densely in slot order.
class MessageSetStore {
public:
    // The reader gives back at most this many characters of a name or message.
    static constexpr int kMaxText = 199;

    explicit MessageSetStore(ProfileFile& file) : m_file(file) {}

    // Empties both copies, then reads sets from set0 up to the first without a name into
    // the same slots of both copies and shows the first; returns how many were read.
    int load(MessageSets& sets) const;

    struct SaveResult {
        bool ok = true;
        int written = 0; // sets written; none when the write failed
        int errorCode = 0;
        QString errorDescription;
    };
    // Writes the used working slots as set0, set1, ... and an empty "name" into every
    // section after them. Only a complete save makes the saved copy equal to the working
    // copy and clears the pending mark; after a failure both stay as they were.
    SaveResult save(MessageSets& sets);

private:
    ProfileFile& m_file;
};

namespace messagesets {

// What the settings file gives back for a text: surrounding blanks go, and the reader's
// length limit applies.
QString storable(const QString& text);

} // namespace messagesets
