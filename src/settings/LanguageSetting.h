#pragma once

#include <QString>

class ProfileFile;

// The language the operator chose for the program's texts, in section "interface", key
// "language" of the settings file: a language code such as "de", or empty (the default) to
// follow the system's. Read once at start-up; a change takes effect at the next start.
namespace languagesetting {

QString load(const ProfileFile& file);
// False when the file could not be written.
bool save(ProfileFile& file, const QString& language);

} // namespace languagesetting
