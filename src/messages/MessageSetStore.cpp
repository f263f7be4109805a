#include "MessageSetStore.h"

#include "settings/ProfileFile.h"

namespace {

QString sectionOf(int index) {
    return QStringLiteral("set") + QString::number(index);
}
QString messageKey(int index) {
    return QStringLiteral("mess") + QString::number(index);
}
const QString kName = QStringLiteral("name");

} // namespace

int MessageSetStore::load(MessageSets& sets) const {
    QStringList names;
    QList<QStringList> messageLists;
    // Read once: a set of many messages costs one read of the file, not one per message.
    const ProfileFile::Contents contents = m_file.contents();
    for (int slot = 0; slot < MessageSets::kSlots; ++slot) {
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
        names << name;
        messageLists << messages;
    }
    sets.load(names, messageLists);
    return int(names.size());
}

MessageSetStore::SaveResult MessageSetStore::save(MessageSets& sets) {
    // Every set in one replace of the file: a save cut short leaves the sets as they were.
    QList<ProfileFile::Entry> entries;
    int k = 0;
    for (int slot = 0; slot < MessageSets::kSlots; ++slot) {
        const QString& name = sets.names().at(slot);
        if (name.isEmpty())
            continue;
        const QString section = sectionOf(k);
        entries << ProfileFile::Entry{section, kName, name};
        const QStringList messages = sets.messages(slot);
        int m = 0;
        for (; m < messages.size(); ++m)
            entries << ProfileFile::Entry{section, messageKey(m), messages.at(m)};
        // The empty key ends the list for the reader; an empty set gets two.
        entries << ProfileFile::Entry{section, messageKey(m), {}};
        if (messages.isEmpty())
            entries << ProfileFile::Entry{section, messageKey(1), {}};
        ++k;
    }
    for (int rest = k; rest < MessageSets::kSlots; ++rest)
        entries << ProfileFile::Entry{sectionOf(rest), kName, {}};

    SaveResult result;
    if (!m_file.write(entries)) {
        result.ok = false;
        result.errorCode = m_file.errorCode();
        result.errorDescription = m_file.errorDescription();
        return result;
    }
    result.written = k;
    sets.markSaved();
    return result;
}

namespace messagesets {

QString storable(const QString& text) {
    QString line = text;
    for (const QChar c : {QChar(u'\r'), QChar(u'\n'), QChar(u'\0')})
        line.replace(c, QLatin1Char(' '));
    return line.trimmed().left(MessageSetStore::kMaxText).trimmed();
}

} // namespace messagesets
