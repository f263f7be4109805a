#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTranslator>

#include <algorithm>

namespace translations {

namespace {

const QString kEnglish = QStringLiteral("en");

bool isSpoken(const QString& code) {
    const QList<Language> all = languages();
    return std::any_of(all.cbegin(), all.cend(),
                       [&code](const Language& language) { return language.code == code; });
}

// "de-DE", "de_DE" and "de" all name German.
QString baseLanguage(const QString& tag) {
    return tag.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
}

} // namespace

QList<Language> languages() {
    return {{kEnglish, QStringLiteral("English")},
            {QStringLiteral("de"), QStringLiteral("Deutsch")},
            {QStringLiteral("fr"), QStringLiteral("Français")}};
}

QString resolve(const QString& chosen, const QStringList& systemLanguages) {
    if (isSpoken(baseLanguage(chosen)))
        return baseLanguage(chosen);
    for (const QString& tag : systemLanguages) {
        if (isSpoken(baseLanguage(tag)))
            return baseLanguage(tag);
    }
    return kEnglish;
}

QStringList folders() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    QStringList found{
        programFolder + QStringLiteral("/translations"),
        QDir::cleanPath(programFolder + QStringLiteral("/../share/vostrel/translations"))};
    found +=
        QStandardPaths::locateAll(QStandardPaths::AppDataLocation, QStringLiteral("translations"),
                                  QStandardPaths::LocateDirectory);
    found.removeDuplicates();
    return found;
}

bool install(const QString& language, const QStringList& folders) {
    if (language == kEnglish)
        return true;
    auto* application = QCoreApplication::instance();
    auto* qtsOwn = new QTranslator(application);
    if (qtsOwn->load(QStringLiteral("qtbase_") + language,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtsOwn);
    for (const QString& folder : folders) {
        auto* programs = new QTranslator(application);
        if (programs->load(QStringLiteral("vostrel_") + language, folder)) {
            QCoreApplication::installTranslator(programs);
            return true;
        }
        delete programs;
    }
    return false;
}

} // namespace translations
