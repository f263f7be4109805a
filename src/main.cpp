#include "ui/Main.h"
#include "Version.h"
#include "settings/FileLocations.h"
#include "ui/QtDialogs.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

#include <cstring>
#include <memory>

namespace {

void describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Administer Call of Duty game servers over their remote console."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({QStringLiteral("config"),
                      QStringLiteral("Keep the settings in <file> instead of the usual place."),
                      QStringLiteral("file")});
}

// --help and --version print and end without a display, so they are answered before the
// window system is touched.
bool onlyAsksForText(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        for (const char* option : {"-h", "--help", "-?", "--help-all", "-v", "--version"})
            if (std::strcmp(argv[i], option) == 0)
                return true;
    return false;
}

void nameTheProgram() {
    // Also the name of the program's folders: ~/.config/vostrel, ~/.local/share/vostrel.
    QCoreApplication::setApplicationName(QStringLiteral("vostrel"));
    QCoreApplication::setApplicationVersion(QLatin1String(kVostrelVersion));
}

} // namespace

int main(int argc, char* argv[]) {
    if (onlyAsksForText(argc, argv)) {
        QCoreApplication app(argc, argv);
        nameTheProgram();
        QCommandLineParser parser;
        describe(parser);
        parser.process(app); // prints and exits
        return 0;
    }
    QApplication app(argc, argv);
    nameTheProgram();
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.vostrel.Vostrel"));
    QIcon icon;
    for (const char* size : {"32", "128"})
        icon.addFile(QStringLiteral(":/icons/vostrel-%1.png").arg(QLatin1String(size)));
    QApplication::setWindowIcon(icon);
    QCommandLineParser parser;
    describe(parser);
    parser.process(app);

    QtDialogs dialogs;
    Main window(dialogs, locationsForThisRun(parser.value(QStringLiteral("config"))));
    dialogs.setParentWidget(&window);
    window.startup();
    window.show();
    return app.exec();
}
