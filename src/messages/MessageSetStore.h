#pragma once

#include "app/SharedState.h"

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
    // the same slots of both copies. Sets the set count and current set (0); returns the count.
    qint16 load(SharedState& state) const;

    struct SaveResult {
        bool ok = true;
        int written = 0; // sets written; none when the write failed
        int errorCode = 0;
        QString errorDescription;
    };
    // Writes the used working slots as set0, set1, ... and an empty "name" into every
    // section after them. Only a complete save makes the saved copy equal to the working
    // copy; after a failure the saved copy and the set count keep their previous values.
    SaveResult save(SharedState& state);

private:
    ProfileFile& m_file;
};

// Operations on the working and saved copies of the shared state.
namespace messagesets {

// What the settings file gives back for a text: surrounding blanks go, and the reader's
// length limit applies.
QString storable(const QString& text);

int usedSlots(const QStringList& names);
// The first slot with exactly this name; -1 when none (an empty name matches nothing).
int firstSlotNamed(const QStringList& names, const QString& name);
// The lowest slot without a name; -1 when all are used.
int lowestFreeSlot(const QStringList& names);
// The working copy becomes the saved copy again; the set count follows.
void revertToSaved(SharedState& state);
// Swaps the messages at two positions; false when either is outside the list.
bool swapMessages(QStringList& messages, int a, int b);

} // namespace messagesets
