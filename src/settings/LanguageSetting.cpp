#include "LanguageSetting.h"

#include "ProfileFile.h"

namespace {

const QString kSection = QStringLiteral("interface");
const QString kKey = QStringLiteral("language");

// A code is a few ASCII letters, with a region after "_" at most ("pt_BR"); anything else in the
// file is treated as no choice rather than looked for as a file name.
bool isLanguageCode(const QString& code) {
    if (code.size() > 8)
        return false;
    for (const QChar c : code) {
        if (!(c.isLetter() && c.unicode() < 128) && c != u'_')
            return false;
    }
    return true;
}

} // namespace

namespace languagesetting {

QString load(const ProfileFile& file) {
    const QString code = file.read(kSection, kKey, {}, 16).trimmed();
    return isLanguageCode(code) ? code : QString();
}

bool save(ProfileFile& file, const QString& language) {
    return file.write(kSection, kKey, language);
}

} // namespace languagesetting
