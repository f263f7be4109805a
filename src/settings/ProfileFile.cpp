#include "ProfileFile.h"

#include "rcon/Wire1252.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

#include <cmath>

namespace {

constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;

QStringList readLines(const QString& path, bool* exists) {
    QFile file(path);
    *exists = file.exists();
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = wire1252::decode(file.read(kMaxFileBytes));
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
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

} // namespace

QString ProfileFile::read(const QString& section, const QString& key, const QString& defaultValue,
                          int bufferSize) const {
    bool exists = false;
    const QStringList lines = readLines(m_path, &exists);
    bool inSection = false;
    for (const QString& line : lines) {
        QString name, k, value;
        if (sectionName(line, &name)) {
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
        } else if (inSection && keyLine(line, &k, &value) &&
                   k.compare(key, Qt::CaseInsensitive) == 0) {
            if (value.isEmpty())
                return defaultValue;
            return value.left(qMax(0, bufferSize - 1));
        }
    }
    return defaultValue;
}

bool ProfileFile::write(const QString& section, const QString& key, const QString& value) {
    m_errorCode = 0;
    m_errorDescription.clear();
    bool exists = false;
    QStringList lines = readLines(m_path, &exists);
    const QString entry = oneLine(key) + QLatin1Char('=') + oneLine(value);

    qsizetype sectionStart = -1; // index of the section's header line
    qsizetype insertAt = -1;     // after the section's last key line
    bool replaced = false;
    bool inSection = false;
    for (qsizetype i = 0; i < lines.size() && !replaced; ++i) {
        QString name, k, v;
        if (sectionName(lines[i], &name)) {
            if (inSection)
                break;
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
            if (inSection) {
                sectionStart = i;
                insertAt = i + 1;
            }
        } else if (inSection) {
            if (keyLine(lines[i], &k, &v)) {
                insertAt = i + 1;
                if (k.compare(key, Qt::CaseInsensitive) == 0) {
                    lines[i] = entry;
                    replaced = true;
                }
            }
        }
    }
    if (!replaced) {
        if (sectionStart < 0) {
            lines << QLatin1Char('[') + oneLine(section) + QLatin1Char(']') << entry;
        } else {
            lines.insert(insertAt, entry);
        }
    }

    // A file without its write bit is read-only, whoever runs the program.
    if (exists && !(QFile::permissions(m_path) & QFileDevice::WriteOwner)) {
        m_errorCode = int(QFileDevice::WriteError);
        m_errorDescription = QStringLiteral("The settings file is read-only");
        return false;
    }
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly)) {
        m_errorCode = int(file.error());
        m_errorDescription = file.errorString();
        return false;
    }
    if (!exists)
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    file.write(wire1252::encode(lines.join(QLatin1String("\r\n")) + QLatin1String("\r\n")));
    if (!file.commit()) {
        m_errorCode = int(file.error());
        m_errorDescription = file.errorString();
        return false;
    }
    if (!exists)
        QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return true;
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

} // namespace profile
