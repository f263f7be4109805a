#include "RecentReasons.h"

#include "ProfileFile.h"

namespace recentreasons {

namespace {

const QString kSection = QStringLiteral("reasons");
// A reason may be longer than the file's usual values.
constexpr int kReasonBuffer = 512;

QString keyOf(int i) {
    return QLatin1Char('r') + QString::number(i);
}

} // namespace

QStringList load(const ProfileFile& file) {
    const ProfileFile::Contents contents = file.contents();
    QStringList reasons;
    for (int i = 0; i < kKept; ++i) {
        const QString reason = contents.read(kSection, keyOf(i), {}, kReasonBuffer).trimmed();
        if (!reason.isEmpty() && !reasons.contains(reason))
            reasons << reason;
    }
    return reasons;
}

bool remember(ProfileFile& file, const QString& reason) {
    const QString line = QString(reason)
                             .replace(QLatin1Char('\r'), QLatin1Char(' '))
                             .replace(QLatin1Char('\n'), QLatin1Char(' '))
                             .trimmed();
    if (line.isEmpty())
        return true;
    QStringList reasons = load(file);
    reasons.removeAll(line);
    reasons.prepend(line);
    QList<ProfileFile::Entry> entries;
    for (int i = 0; i < kKept; ++i)
        entries << ProfileFile::Entry{kSection, keyOf(i), reasons.value(i)};
    return file.write(entries);
}

} // namespace recentreasons
