#pragma once

#include <QString>

// An INI file read and written one key at a time, the way the Windows private-profile
// functions do it: section and key names match without regard to case, a missing or
// empty key gives the default, a read returns at most bufferSize - 1 characters.
// A write keeps every other line of the file (comments and unknown sections included),
// replaces the file in one step so it is never left half written, and creates a new file
// readable and writable by its owner only (it holds RCON passwords).
class ProfileFile {
public:
    explicit ProfileFile(QString path = {}) : m_path(std::move(path)) {}

    void setPath(const QString& path) { m_path = path; }
    QString path() const { return m_path; }

    QString read(const QString& section, const QString& key, const QString& defaultValue = {},
                 int bufferSize = 200) const;
    // Returns false on failure; errorCode() and errorDescription() then tell why.
    bool write(const QString& section, const QString& key, const QString& value);

    int errorCode() const { return m_errorCode; }
    QString errorDescription() const { return m_errorDescription; }

private:
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

} // namespace profile
