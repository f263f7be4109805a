#pragma once

#include <QStringList>

class ProfileFile;

// The operator's latest reasons for a kick or ban, newest first, offered again the next time.
// Kept in section "reasons" of the settings file, keys r0 (newest) to r9.
namespace recentreasons {

inline constexpr int kKept = 10;

QStringList load(const ProfileFile& file);
// Puts the reason first; an earlier copy of it moves up rather than staying twice, and the
// oldest beyond ten drop off. A line break becomes a blank, so the reason stays one line of
// the file. False when the file could not be written (text its code page cannot hold, say):
// the reason is then not offered again.
bool remember(ProfileFile& file, const QString& reason);

} // namespace recentreasons
