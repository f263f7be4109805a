#include "ProfileFile.h"

#include "ProfileFileLines.h"
#include "base/PrivateFiles.h"
#include "base/Wire1252.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>
#include <cmath>

using namespace profilelines;

namespace {

struct FileBytes {
    bool exists = false;
    QString readError; // the file is there but could not be read whole
    QByteArray bytes;
};

// The whole file, whatever its size: a write must keep every line of it.
FileBytes readFile(const QString& path) {
    FileBytes file;
    QFile device(path);
    file.exists = device.exists();
    if (!file.exists)
        return file;
    if (!device.open(QIODevice::ReadOnly)) {
        file.readError = device.errorString();
        return file;
    }
    file.bytes = device.readAll();
    if (device.error() != QFileDevice::NoError) {
        file.readError = device.errorString();
        file.bytes.clear();
    }
    return file;
}

size_t nameHash(QStringView folded) {
    return qHash(folded, QHashSeed::globalSeed());
}

// Line breaks and NUL in a value would end the line early and corrupt the file.
QString oneLine(QString text) {
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QChar(0), QLatin1Char(' '));
    return text;
}

// The file's bytes with a write's keys in them. A key replaces its first line in the first
// section of that name, or is added after that section's last key (its header when it has
// none); a missing section goes at the end. Every other line keeps its bytes and ends in
// "\r\n". Two passes over the lines and one copy of the file: a line is neither decoded nor
// moved when a key is added before it, and a key of the write is looked for once.
class Rewrite {
public:
    Rewrite(QByteArrayView bytes, const QList<ProfileFile::Entry>& entries) : m_bytes(bytes) {
        // Places are kept plus one: a new name starts at 0.
        QHash<QString, qsizetype> sections;            // case-folded name: its place in m_sections
        QList<std::pair<qsizetype, qsizetype>> places; // section and key of each entry
        for (const ProfileFile::Entry& entry : entries) {
            qsizetype& section = sections[entry.section.toCaseFolded()];
            if (section == 0) {
                m_sections.append(Section{});
                section = m_sections.size();
            }
            qsizetype& key = m_sections[section - 1].keys[entry.key.toCaseFolded()];
            if (key == 0) {
                m_keys.append(Key{});
                key = m_keys.size();
            }
            places.append({section - 1, key - 1});
        }
        findSections(sections);
        for (qsizetype i = 0; i < entries.size(); ++i)
            set(entries[i], places[i].first, places[i].second);
    }

    QByteArray bytes() const {
        QList<std::pair<qsizetype, const Section*>> anchors; // the keys added after a line
        for (const Section& section : m_sections)
            if (section.anchor >= 0 && !section.added.isEmpty())
                anchors.append({section.anchor, &section});
        std::sort(anchors.begin(), anchors.end());
        QByteArray out;
        out.reserve(m_bytes.size() + m_lines + 2 + m_addedSize);
        const auto put = [&out](const QString& line) {
            out += wire1252::encode(line);
            out += "\r\n";
        };
        qsizetype found = 0, anchor = 0; // the next of each, in file order
        forEachLine(m_bytes, [&](QByteArrayView line, qsizetype start) {
            if (found < m_found.size() && m_keys[m_found[found]].line == start)
                out += wire1252::encode(m_keys[m_found[found++]].text);
            else
                out += line;
            out += "\r\n";
            if (anchor < anchors.size() && anchors[anchor].first == start)
                for (const qsizetype key : anchors[anchor++].second->added)
                    put(m_keys[key].text);
        });
        for (const qsizetype section : m_newSections) {
            put(m_sections[section].header);
            for (const qsizetype key : m_sections[section].added)
                put(m_keys[key].text);
        }
        return out;
    }

private:
    // A key of the write, by section and case-folded name.
    struct Key {
        qsizetype line = -1; // start of its first line in its section, -1: none
        bool added = false;  // after the section's last key
        QString text;        // its line as written
    };
    struct Section {
        QHash<QString, qsizetype> keys; // case-folded: its place in m_keys, plus one
        qsizetype anchor = -1; // start of the last key line, or the header; -1: not in the file
        QList<qsizetype> added;
        QString header; // of a section the file does not have
    };

    // The first section of each name the write names: where its keys and its last key are.
    void findSections(const QHash<QString, qsizetype>& sections) {
        Section* current = nullptr;
        QString folded;
        forEachLine(m_bytes, [&](QByteArrayView text, qsizetype start) {
            ++m_lines;
            const Line line = classify(text);
            if (line.kind == Line::Section) {
                current = nullptr;
                fold(line.name, folded);
                const auto section = sections.constFind(folded);
                if (section != sections.cend() && m_sections[*section - 1].anchor < 0) {
                    current = &m_sections[*section - 1];
                    current->anchor = start;
                }
            } else if (line.kind == Line::Key && current) {
                current->anchor = start;
                fold(line.name, folded);
                const auto key = current->keys.constFind(folded);
                if (key != current->keys.cend() && m_keys[*key - 1].line < 0) {
                    m_keys[*key - 1].line = start;
                    m_found.append(*key - 1);
                }
            }
        });
    }

    void set(const ProfileFile::Entry& entry, qsizetype sectionAt, qsizetype keyAt) {
        Section& section = m_sections[sectionAt];
        if (section.anchor < 0 && section.header.isEmpty()) {
            section.header = QLatin1Char('[') + oneLine(entry.section) + QLatin1Char(']');
            m_newSections << sectionAt;
            m_addedSize += section.header.size() + 2;
        }
        Key& key = m_keys[keyAt];
        key.text = oneLine(entry.key) + QLatin1Char('=') + oneLine(entry.value);
        m_addedSize += key.text.size() + 2;
        if (key.line < 0 && !key.added) {
            key.added = true;
            section.added << keyAt;
        }
    }

    QByteArrayView m_bytes;
    QList<Section> m_sections;
    QList<Key> m_keys;
    QList<qsizetype> m_found; // keys found in the file, in file order
    QList<qsizetype> m_newSections;
    qsizetype m_lines = 0;     // each may gain a "\r", the last one a "\r\n"
    qsizetype m_addedSize = 0; // an upper bound of the text the write adds
};

// A settings file reached through a link is written where the link points.
QString writeTarget(const QString& path) {
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.canonicalFilePath() : QString();
    return target.isEmpty() ? path : target;
}

} // namespace

// The file's bytes and where its sections are; a section's keys are found when it is first
// asked for.
struct ProfileFile::Contents::Index {
    // A stretch of lines under one header that holds keys: a section's keys are those of all
    // the stretches under its name, the first of two keys counts.
    struct Stretch {
        qsizetype header; // start of the header line
        qsizetype end;    // start of the next header line, or the end of the file
        size_t name;      // hash of the case-folded name
    };
    // One section's keys in a table of open addressing, 12 bytes a key: a slot holds where
    // the key's first line starts (plus one: 0 is a free slot) above as many bits of the key's
    // hash as the file's size leaves, so that a slot of another key is nearly always passed
    // without reading its line.
    using Keys = QList<quint64>;

    QByteArray bytes;
    QList<Stretch> stretches;
    int hashBits = 0;                      // below the start in a slot
    quint64 hashMask = 0;                  // those bits
    mutable QHash<QString, Keys> sections; // by case-folded name, once asked for

    explicit Index(QByteArray fileBytes) : bytes(std::move(fileBytes)) {
        for (quint64 size = quint64(bytes.size()) + 1; size != 0; size >>= 1)
            ++hashBits;
        hashBits = 64 - hashBits;
        hashMask = hashBits == 0 ? 0 : ~quint64(0) >> (64 - hashBits);
        QString folded;
        qsizetype header = -1; // the header above, -1 before the first
        bool open = false;     // the header above has a stretch
        forEachLine(bytes, [&](QByteArrayView text, qsizetype start) {
            const Line line = classify(text);
            if (line.kind == Line::Section) {
                if (open)
                    stretches.last().end = start;
                header = start;
                open = false;
            } else if (line.kind == Line::Key && header >= 0 && !open) {
                fold(nameAt(header), folded);
                stretches.append({header, bytes.size(), nameHash(folded)});
                open = true;
            }
        });
    }

    // The name of the section or key whose line starts there.
    QByteArrayView nameAt(qsizetype start) const {
        qsizetype next;
        return classify(lineAt(bytes, start, &next)).name;
    }

    // The slot where the key is, or the free one where it would go.
    quint64& slotOf(Keys& keys, size_t hash, QStringView key) const {
        // The first slot to look at comes from the hash's bits mixed again, as its low bits are
        // what the slot holds.
        const quint64 mixed = (quint64(hash) * 0x9E3779B97F4A7C15ULL) >> 32;
        qsizetype slot = qsizetype((mixed * quint64(keys.size())) >> 32);
        for (;;) {
            quint64& at = keys[slot];
            if (at == 0 || ((at & hashMask) == (hash & hashMask) &&
                            sameName(nameAt(qsizetype(at >> hashBits) - 1), key)))
                return at;
            slot = slot + 1 == keys.size() ? 0 : slot + 1;
        }
    }

    // The start of the first line of the key in the section; -1 when there is none.
    qsizetype find(const QString& section, const QString& key) const {
        Keys& keys = keysOf(section);
        if (keys.isEmpty())
            return -1;
        const quint64 at = slotOf(keys, nameHash(key), key);
        return at == 0 ? -1 : qsizetype(at >> hashBits) - 1;
    }

    Keys& keysOf(const QString& section) const {
        if (const auto found = sections.find(section); found != sections.end())
            return *found;
        const size_t name = nameHash(section);
        QList<const Stretch*> own;
        qsizetype lines = 0; // at most this many keys: the table is made once, never grown
        for (const Stretch& stretch : stretches) {
            if (stretch.name == name && sameName(nameAt(stretch.header), section)) {
                own << &stretch;
                lines += 1 + std::count(bytes.cbegin() + stretch.header,
                                        bytes.cbegin() + stretch.end, '\n');
            }
        }
        // A third of the slots stay free, so that a search ends after a few.
        Keys keys(own.isEmpty() ? 0 : lines + lines / 2 + 1, 0);
        QString folded;
        for (const Stretch* stretch : own) {
            qsizetype start, next;
            lineAt(bytes, stretch->header, &start); // the header's line is not a key
            for (; start < stretch->end; start = next) {
                const Line line = classify(lineAt(bytes, start, &next));
                if (line.kind != Line::Key)
                    continue;
                fold(line.name, folded);
                const size_t hash = nameHash(folded);
                quint64& at = slotOf(keys, hash, folded);
                if (at == 0) // else the key came before: the first one counts
                    at = (quint64(start + 1) << hashBits) | (hash & hashMask);
            }
        }
        return *sections.insert(section, std::move(keys));
    }
};

QString ProfileFile::Contents::read(const QString& section, const QString& key,
                                    const QString& defaultValue, int bufferSize) const {
    if (!m_index)
        return defaultValue;
    const qsizetype start = m_index->find(section.toCaseFolded(), key.toCaseFolded());
    if (start < 0)
        return defaultValue;
    qsizetype next;
    const QByteArrayView value = classify(lineAt(m_index->bytes, start, &next)).value;
    if (value.isEmpty())
        return defaultValue;
    // One byte is one character: only the characters given back are decoded.
    return decode(value.first(qMin(value.size(), qsizetype(qMax(0, bufferSize - 1)))));
}

ProfileFile::Contents ProfileFile::contents() const {
    Contents contents;
    FileBytes file = readFile(m_path);
    if (!file.bytes.isEmpty())
        contents.m_index = std::make_shared<const Contents::Index>(std::move(file.bytes));
    return contents;
}

QString ProfileFile::read(const QString& section, const QString& key, const QString& defaultValue,
                          int bufferSize) const {
    return contents().read(section, key, defaultValue, bufferSize);
}

bool ProfileFile::write(const QString& section, const QString& key, const QString& value) {
    return write(QList<Entry>{{section, key, value}});
}

bool ProfileFile::fail(int code, const QString& description) {
    m_errorCode = code;
    m_errorDescription = description;
    return false;
}

bool ProfileFile::write(const QList<Entry>& entries) {
    m_errorCode = 0;
    m_errorDescription.clear();
    for (const Entry& entry : entries) {
        const QString missing =
            profile::unsupportedCharacters(entry.section + entry.key + entry.value);
        if (!missing.isEmpty())
            return fail(int(QFileDevice::WriteError),
                        QCoreApplication::translate("ProfileFile",
                                                    "The text holds characters the settings file "
                                                    "(Windows-1252) cannot keep: %1")
                            .arg(missing));
    }
    const QString target = writeTarget(m_path);
    FileBytes text = readFile(target);
    if (!text.readError.isEmpty())
        return fail(int(QFileDevice::ReadError),
                    QCoreApplication::translate(
                        "ProfileFile", "The settings file could not be read, so it was left as it "
                                       "is: %1")
                        .arg(text.readError));
    // A file without its write bit is read-only, whoever runs the program.
    if (text.exists && !(QFile::permissions(target) & QFileDevice::WriteOwner))
        return fail(int(QFileDevice::WriteError),
                    QCoreApplication::translate("ProfileFile", "The settings file is read-only"));

    const QByteArray bytes = Rewrite(text.bytes, entries).bytes();
    text.bytes.clear(); // the old and the new text are not held together longer than needed

    if (!privatefiles::makeFolderFor(target))
        return fail(int(QFileDevice::OpenError),
                    QCoreApplication::translate("ProfileFile", "Cannot create the folder %1")
                        .arg(QFileInfo(target).absolutePath()));
    // The new text goes to a temporary beside the file, reaches the disk, and then takes the
    // old one's place in one step: a reader sees the old text or the new, never a mix. The
    // temporary is its owner's alone from its first byte on, whatever the mode of the file it
    // replaces.
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || !file.setPermissions(privatefiles::kOwnerOnly) ||
        file.write(bytes) != bytes.size() || !file.commit()) {
        const int code = int(file.error());
        const QString description = file.errorString();
        file.cancelWriting();
        return fail(code, description);
    }
    return true;
}

QStringList ProfileFile::staleTemporaries() const {
    if (m_path.isEmpty())
        return {};
    const QFileInfo target(writeTarget(m_path));
    // A save names its temporary after the file and six characters of its own.
    const QStringList names = target.dir().entryList({target.fileName() + QLatin1String(".??????")},
                                                     QDir::Files | QDir::Hidden | QDir::System);
    QStringList paths;
    for (const QString& name : names)
        paths << target.dir().filePath(name);
    return paths;
}

void ProfileFile::removeStaleTemporary() const {
    for (const QString& path : staleTemporaries())
        QFile::remove(path);
}

namespace profile {

bool toSwitch(const QString& value, bool defaultValue) {
    if (value.isEmpty())
        return defaultValue;
    return value.at(0) != QLatin1Char('0');
}

qint16 toNumber(const QString& value) {
    static const QRegularExpression prefix(
        QStringLiteral("^\\s*([+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?)"));
    const QRegularExpressionMatch match = prefix.match(value);
    if (!match.hasMatch())
        return 0;
    const double number = std::nearbyint(match.captured(1).toDouble());
    if (!std::isfinite(number))
        return number < 0 ? -32768 : 32767;
    return qint16(qBound(-32768.0, number, 32767.0));
}

QString unsupportedCharacters(const QString& text) {
    return wire1252::unsupportedCharacters(text);
}

} // namespace profile
