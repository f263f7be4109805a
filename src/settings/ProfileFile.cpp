#include "ProfileFile.h"

#include "PrivateFiles.h"
#include "rcon/Wire1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <cmath>

namespace {

struct FileText {
    bool exists = false;
    QString readError; // the file is there but could not be read whole
    QStringList lines;
};

// The whole file, whatever its size: a write must keep every line of it.
FileText readFile(const QString& path) {
    FileText text;
    QFile file(path);
    text.exists = file.exists();
    if (!text.exists)
        return text;
    if (!file.open(QIODevice::ReadOnly)) {
        text.readError = file.errorString();
        return text;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        text.readError = file.errorString();
        return text;
    }
    text.lines = wire1252::decode(bytes).split(QLatin1Char('\n'));
    for (QString& line : text.lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    if (!text.lines.isEmpty() && text.lines.last().isEmpty())
        text.lines.removeLast();
    return text;
}

// "[name]" with blanks allowed around it; returns whether the line opens a section.
bool sectionName(const QString& line, QString* name) {
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(QLatin1Char('[')))
        return false;
    const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
    *name = (close < 0 ? trimmed.mid(1) : trimmed.mid(1, close - 1)).trimmed();
    return true;
}

// "key=value"; returns whether the line holds a key.
bool keyLine(const QString& line, QString* key, QString* value) {
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0)
        return false;
    *key = line.left(eq).trimmed();
    *value = line.mid(eq + 1).trimmed();
    return !key->isEmpty() && !key->startsWith(QLatin1Char(';'));
}

// Line breaks and NUL in a value would end the line early and corrupt the file.
QString oneLine(QString text) {
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QChar(0), QLatin1Char(' '));
    return text;
}

// The file's lines by section, for a write: the lines before the first section, then each
// section from its header on, with where its keys are.
class Document {
public:
    explicit Document(const QStringList& lines) {
        m_blocks.append(Block{});
        for (const QString& line : lines) {
            QString name, key, value;
            if (sectionName(line, &name)) {
                if (!m_sections.contains(name.toCaseFolded())) // the first one counts
                    m_sections.insert(name.toCaseFolded(), m_blocks.size());
                m_blocks.append(Block{});
            } else if (m_blocks.size() > 1 && keyLine(line, &key, &value)) {
                Block& block = m_blocks.last();
                if (!block.keys.contains(key.toCaseFolded()))
                    block.keys.insert(key.toCaseFolded(), block.lines.size());
                block.lastKey = block.lines.size();
            }
            m_blocks.last().lines << line;
        }
    }

    // Replaces the key's first line in the first section of that name, or adds it after the
    // section's last key; a missing section goes at the end.
    void set(const ProfileFile::Entry& entry) {
        const QString line = oneLine(entry.key) + QLatin1Char('=') + oneLine(entry.value);
        const QString sectionKey = entry.section.toCaseFolded();
        if (!m_sections.contains(sectionKey)) {
            m_sections.insert(sectionKey, m_blocks.size());
            Block block;
            block.lines << QLatin1Char('[') + oneLine(entry.section) + QLatin1Char(']');
            m_blocks.append(block);
        }
        Block& block = m_blocks[m_sections.value(sectionKey)];
        const QString key = entry.key.toCaseFolded();
        if (const auto found = block.keys.constFind(key); found != block.keys.cend()) {
            block.lines[*found] = line;
            return;
        }
        block.lastKey += 1;
        block.lines.insert(block.lastKey, line);
        block.keys.insert(key, block.lastKey);
    }

    QByteArray bytes() const {
        QString text;
        for (const Block& block : m_blocks)
            for (const QString& line : block.lines)
                text += line + QLatin1String("\r\n");
        return wire1252::encode(text);
    }

private:
    struct Block {
        QStringList lines;
        QHash<QString, qsizetype> keys; // case-folded key: its first line
        qsizetype lastKey = 0;          // the last key line, or the header
    };
    QList<Block> m_blocks;
    QHash<QString, qsizetype> m_sections; // case-folded name: its first block
};

// A settings file reached through a link is written where the link points.
QString writeTarget(const QString& path) {
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.canonicalFilePath() : QString();
    return target.isEmpty() ? path : target;
}

} // namespace

QString ProfileFile::Contents::read(const QString& section, const QString& key,
                                    const QString& defaultValue, int bufferSize) const {
    const QString value = m_values.value(section.toCaseFolded()).value(key.toCaseFolded());
    if (value.isEmpty())
        return defaultValue;
    return value.left(qMax(0, bufferSize - 1));
}

ProfileFile::Contents ProfileFile::contents() const {
    Contents contents;
    bool inSection = false; // not before the first header
    QString section;
    for (const QString& line : readFile(m_path).lines) {
        QString name, key, value;
        if (sectionName(line, &name)) {
            inSection = true;
            section = name.toCaseFolded();
        } else if (inSection && keyLine(line, &key, &value)) {
            QHash<QString, QString>& keys = contents.m_values[section];
            if (!keys.contains(key.toCaseFolded())) // the first one counts
                keys.insert(key.toCaseFolded(), value);
        }
    }
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
                        QStringLiteral("The text holds characters the settings file (Windows-1252) "
                                       "cannot keep: ") +
                            missing);
    }
    const QString target = writeTarget(m_path);
    const FileText text = readFile(target);
    if (!text.readError.isEmpty())
        return fail(int(QFileDevice::ReadError),
                    QStringLiteral("The settings file could not be read, so it was left as it "
                                   "is: ") +
                        text.readError);
    // A file without its write bit is read-only, whoever runs the program.
    if (text.exists && !(QFile::permissions(target) & QFileDevice::WriteOwner))
        return fail(int(QFileDevice::WriteError), QStringLiteral("The settings file is read-only"));

    Document document(text.lines);
    for (const Entry& entry : entries)
        document.set(entry);
    const QByteArray bytes = document.bytes();

    if (!privatefiles::makeFolderFor(target))
        return fail(int(QFileDevice::OpenError),
                    QStringLiteral("Cannot create the folder ") + QFileInfo(target).absolutePath());
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
