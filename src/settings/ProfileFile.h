#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

// An INI file with the rules of the Windows private-profile functions: section and key
// names match without regard to case, a missing or empty key gives the default, a read
// returns at most bufferSize - 1 characters.
// A write keeps every other line of the file (comments and unknown sections included),
// replaces the file in one step through a temporary beside it, so it is never left half
// written, and leaves it readable and writable by its owner only (it holds RCON passwords).
// Text the file's code page (Windows-1252) cannot hold is refused, never written changed.
class ProfileFile {
public:
    // One key of a write.
    struct Entry {
        QString section;
        QString key;
        QString value;
    };

    // The keys of the file as read once: looking them up does not read the file again. It
    // holds the file's bytes and finds a section's keys the first time it is asked for one of
    // them, so a section no one reads costs nothing beyond its bytes. A Contents and its copies
    // are for one thread.
    class Contents {
    public:
        QString read(const QString& section, const QString& key, const QString& defaultValue = {},
                     int bufferSize = 200) const;

    private:
        friend class ProfileFile;
        struct Index;
        std::shared_ptr<const Index> m_index; // none: the file is missing or unreadable
    };

    explicit ProfileFile(QString path = {}) : m_path(std::move(path)) {}

    void setPath(const QString& path) { m_path = path; }
    QString path() const { return m_path; }

    // Reads the whole file once; a missing or unreadable file has no keys.
    Contents contents() const;
    // One key; a reader of several keys takes contents() once instead.
    QString read(const QString& section, const QString& key, const QString& defaultValue = {},
                 int bufferSize = 200) const;

    // Returns false on failure, with nothing written; errorCode() and errorDescription() then
    // tell why.
    bool write(const QString& section, const QString& key, const QString& value);
    // Every entry, in order, in one replace of the file: all of them or none.
    bool write(const QList<Entry>& entries);

    // Temporaries that writes cut short left beside the file ("vostrel.ini.Ab3dE9"): they hold
    // a copy of it, passwords included, and are removed at start-up.
    QStringList staleTemporaries() const;
    void removeStaleTemporary() const;

    int errorCode() const { return m_errorCode; }
    QString errorDescription() const { return m_errorDescription; }

private:
    bool fail(int code, const QString& description);

    QString m_path;
    int m_errorCode = 0;
    QString m_errorDescription;
};

// Settings-file conversions shared by every reader of the file.
namespace profile {

// A switch is off when its first character is "0", on otherwise; an empty value gives the default.
bool toSwitch(const QString& value, bool defaultValue);
// The numeric prefix of the value rounded to a 16-bit integer (halves to even); a value
// without a numeric prefix gives 0, one outside 16 bits is clamped.
qint16 toNumber(const QString& value);
// The characters of the text that Windows-1252, the code page of the settings file and of
// the game's text, cannot hold, each once; empty when it holds them all.
QString unsupportedCharacters(const QString& text);

} // namespace profile
