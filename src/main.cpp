#include "ui/Main.h"
#include "Version.h"
#include "settings/FileLocations.h"
#include "settings/LanguageSetting.h"
#include "settings/ProfileFile.h"
#include "ui/QtDialogs.h"
#include "ui/Translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QLocale>

namespace {

// Qt's own options, which QApplication takes off the command line; known here so that they
// pass the check made before it exists. Those of the X11 platform are among them.
void acceptQtsOwnOptions(QCommandLineParser& parser) {
    const auto accept = [&parser](QCommandLineOption option) {
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    };
    for (const char* name :
         {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
          "geometry", "qwindowicon", "icon", "qwindowtitle", "title", "session", "display", "name",
          "visual", "style", "stylesheet", "qmljsdebugger"})
        accept(QCommandLineOption(QLatin1String(name), QString(), QStringLiteral("value")));
    for (const char* name : {"reverse", "testability", "nograb", "dograb", "widgetcount"})
        accept(QCommandLineOption(QLatin1String(name)));
}

void describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "Administer Call of Duty game servers over their remote console."));
    // Qt's options start with one dash and are whole words: -platform, -style.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({QStringLiteral("config"),
                      QCoreApplication::translate(
                          "main", "Keep the settings in <file> instead of the usual place."),
                      QCoreApplication::translate("main", "file")});
    acceptQtsOwnOptions(parser);
}

// Help, the version and a command line that cannot be understood all end the program with
// text; deciding that first means none of them needs a display. The option names are plain
// ASCII, so the local 8-bit decoding is enough here; values are read again from the
// application's own arguments.
bool onlyAnswersWithText(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    describe(parser);
    return !parser.parse(arguments) || parser.isSet(QStringLiteral("help")) ||
           parser.isSet(QStringLiteral("help-all")) || parser.isSet(QStringLiteral("version"));
}

void nameTheProgram() {
    // Also the name of the program's folders: ~/.config/vostrel, ~/.local/share/vostrel.
    QCoreApplication::setApplicationName(QStringLiteral("vostrel"));
    QCoreApplication::setApplicationVersion(QLatin1String(kVostrelVersion));
}

// The language the settings file names, or the system's.
void speakTheOperatorsLanguage(const QString& chosen) {
    translations::install(translations::resolve(chosen, QLocale::system().uiLanguages()),
                          translations::folders());
}

} // namespace

int main(int argc, char* argv[]) {
    if (onlyAnswersWithText(argc, argv)) {
        QCoreApplication app(argc, argv);
        nameTheProgram();
        speakTheOperatorsLanguage({});
        QCommandLineParser parser;
        describe(parser);
        parser.process(app); // prints and exits: 0 for help and the version, 1 for an error
        return 1;
    }
    QApplication app(argc, argv);
    nameTheProgram();
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.vostrel"));
    QIcon icon;
    for (const char* size : {"32", "128"})
        icon.addFile(QStringLiteral(":/icons/vostrel-%1.png").arg(QLatin1String(size)));
    QApplication::setWindowIcon(icon);
    QCommandLineParser parser;
    describe(parser);
    parser.process(app);
    const FileLocations locations = locationsForThisRun(parser.value(QStringLiteral("config")));
    speakTheOperatorsLanguage(languagesetting::load(ProfileFile(locations.settingsFile)));

    QtDialogs dialogs;
    Main window(dialogs, locations);
    dialogs.setParentWidget(&window);
    window.startup();
    window.show();
    return app.exec();
}
