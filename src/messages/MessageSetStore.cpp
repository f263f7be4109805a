#include "MessageSetStore.h"

#include "settings/ProfileFile.h"

#include <algorithm>

namespace {

QString sectionOf(int index) {
    return QStringLiteral("set") + QString::number(index);
}
QString messageKey(int index) {
    return QStringLiteral("mess") + QString::number(index);
}
const QString kName = QStringLiteral("name");

} // namespace

qint16 MessageSetStore::load(SharedState& state) const {
    state.setCount = 0;
    state.shownSet = 0;
    state.savedSetNames = state.workingSetNames = QStringList(kMessageSetSlots);
    state.savedSets = state.workingSets = QList<QStringList>(kMessageSetSlots);
    // Read once: a set of many messages costs one read of the file, not one per message.
    const ProfileFile::Contents contents = m_file.contents();
    for (int slot = 0; slot < kMessageSetSlots; ++slot) {
        const QString section = sectionOf(slot);
        const QString name = contents.read(section, kName, {}, kMaxText + 1);
        if (name.isEmpty())
            break;
        QStringList messages;
        for (int m = 0;; ++m) {
            const QString text = contents.read(section, messageKey(m), {}, kMaxText + 1);
            if (text.isEmpty())
                break;
            messages << text;
        }
        state.savedSetNames[slot] = state.workingSetNames[slot] = name;
        state.savedSets[slot] = state.workingSets[slot] = messages;
        ++state.setCount;
    }
    return state.setCount;
}

MessageSetStore::SaveResult MessageSetStore::save(SharedState& state) {
    // Every set in one replace of the file: a save cut short leaves the sets as they were.
    QList<ProfileFile::Entry> entries;
    int k = 0;
    for (int slot = 0; slot < kMessageSetSlots; ++slot) {
        const QString& name = state.workingSetNames.at(slot);
        if (name.isEmpty())
            continue;
        const QString section = sectionOf(k);
        entries << ProfileFile::Entry{section, kName, name};
        const QStringList& messages = state.workingSets.at(slot);
        int m = 0;
        for (; m < messages.size(); ++m)
            entries << ProfileFile::Entry{section, messageKey(m), messages.at(m)};
        // The empty key ends the list for the reader; an empty set gets two.
        entries << ProfileFile::Entry{section, messageKey(m), {}};
        if (messages.isEmpty())
            entries << ProfileFile::Entry{section, messageKey(1), {}};
        ++k;
    }
    for (int rest = k; rest < kMessageSetSlots; ++rest)
        entries << ProfileFile::Entry{sectionOf(rest), kName, {}};

    SaveResult result;
    if (!m_file.write(entries)) {
        result.ok = false;
        result.errorCode = m_file.errorCode();
        result.errorDescription = m_file.errorDescription();
        return result;
    }
    result.written = k;
    state.savedSetNames = state.workingSetNames;
    state.savedSets = state.workingSets;
    state.setCount = qint16(k);
    return result;
}

namespace messagesets {

QString storable(const QString& text) {
    QString line = text;
    for (const QChar c : {QChar(u'\r'), QChar(u'\n'), QChar(u'\0')})
        line.replace(c, QLatin1Char(' '));
    return line.trimmed().left(MessageSetStore::kMaxText).trimmed();
}

int usedSlots(const QStringList& names) {
    return int(std::count_if(names.cbegin(), names.cend(),
                             [](const QString& name) { return !name.isEmpty(); }));
}

int firstSlotNamed(const QStringList& names, const QString& name) {
    if (name.isEmpty())
        return -1;
    return int(names.indexOf(name));
}

int lowestFreeSlot(const QStringList& names) {
    for (int slot = 0; slot < names.size() && slot < kMessageSetSlots; ++slot)
        if (names.at(slot).isEmpty())
            return slot;
    return -1;
}

void revertToSaved(SharedState& state) {
    state.workingSetNames = state.savedSetNames;
    state.workingSets = state.savedSets;
    state.setCount = qint16(usedSlots(state.workingSetNames));
}

bool swapMessages(QStringList& messages, int a, int b) {
    if (a < 0 || b < 0 || a >= messages.size() || b >= messages.size())
        return false;
    messages.swapItemsAt(a, b);
    return true;
}

} // namespace messagesets
