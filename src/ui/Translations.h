#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The languages the program's texts come in, and putting the one to speak in place.
namespace translations {

struct Language {
    QString code; // "de"; the translation files are vostrel_<code>.qm
    QString name; // in its own language, as the choice in the preferences shows it
};

// English, in which the program is written, then every language it is translated into.
QList<Language> languages();

// The chosen language when the program speaks it; otherwise (no choice, or one this version
// has no translation for) the first of the system's languages, most preferred first
// ("de-DE", "de", "en-US"), that it speaks; English when there is none.
QString resolve(const QString& chosen, const QStringList& systemLanguages);

// Where the compiled translations may be: beside the program when it runs from the build
// tree, the share folder of its installation, and the user's and system's data folders.
QStringList folders();

// Installs the program's translation and Qt's own one (standard buttons and input menus) for
// the language on the running application. False when the program's translation was found in
// none of the folders; the texts then stay English.
bool install(const QString& language, const QStringList& folders);

} // namespace translations
