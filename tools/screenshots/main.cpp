// Renders the main window with each of its pages, and the secondary windows, to PNG files,
// so the layout can be looked at without a display: vostrel-screenshots <folder>
#include "ui/Main.h"
#include "serverconfig/GameTypeSwitch.h"
#include "ui/HobWindow.h"
#include "ui/PreferencesDialog.h"
#include "ui/QtDialogs.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    QtDialogs dialogs;
    Main main(dialogs);
    main.show();
    QTabWidget* tabs = main.widgets().SSTab;
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        QApplication::processEvents();
        QString name = tabs->tabText(i)
                           .toLower()
                           .remove(QLatin1Char(':'))
                           .replace(QLatin1Char(' '), QLatin1Char('_'));
        main.grab().save(out.filePath(QStringLiteral("main_%1_%2.png").arg(i).arg(name)));
    }
    PreferencesDialog prefs(main.session(), main.settings());
    prefs.fill();
    prefs.show();
    QApplication::processEvents();
    prefs.grab().save(out.filePath(QStringLiteral("preferences.png")));
    GameTypeSwitch gameTypes(main.session());
    HobWindow hob(main.session(), gameTypes);
    hob.show();
    QApplication::processEvents();
    hob.grab().save(out.filePath(QStringLiteral("hob.png")));
    return 0;
}
