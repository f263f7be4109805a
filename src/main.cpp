#include "ui/Main.h"
#include "ui/QtDialogs.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vostrel"));
    QApplication::setApplicationVersion(QStringLiteral("1.4.1"));

    QtDialogs dialogs;
    Main window(dialogs);
    dialogs.setParentWidget(&window);
    window.startup();
    window.show();
    return app.exec();
}
