// Renders the main window with each of its pages, at its opening size and at the smallest
// size it is made for (853x450: a 1280x720 screen at 150 %, less a title bar and a panel), and the
// secondary windows, to PNG files, so the layout can be looked at without a display:
// vostrel-screenshots <folder> [language]. The window is connected to an in-process simulated
// server and its pages are read from it first, so the pictures show real content. Dialogs are
// accepted and printed. A language ("de", "fr") shows the window as a German or French operator
// sees it.
#include "ui/Main.h"
#include "base/Dialogs.h"
#include "base/WaitClock.h"
#include "simserver/SimServer.h"
#include "ui/HobWindow.h"
#include "ui/PreferencesDialog.h"
#include "ui/Translations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>

namespace {

class AcceptingDialogs : public Dialogs {
public:
    Answer message(const QString& text, const QString& title, Icon, Buttons buttons) override {
        std::fprintf(stderr, "[%s] %s\n", qPrintable(title), qPrintable(text));
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
    QString input(const QString&, const QString&, const QString& defaultText) override {
        return defaultText;
    }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
    void beep() override {}
};

void click(QWidget& window, const char* name) {
    if (auto* button = window.findChild<QAbstractButton*>(QLatin1String(name)))
        button->click();
}

// Lets the exchanges under way end.
void settle(Main& main) {
    QElapsedTimer waited;
    waited.start();
    do
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    while (!main.session().client().idle() && waited.elapsed() < 10000);
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    WaitClock::instance().setSecondMs(50);
    if (argc > 2 && !translations::install(QString::fromLocal8Bit(argv[2]),
                                           {QStringLiteral(VOSTREL_TRANSLATIONS_DIR)})) {
        std::fprintf(stderr, "No translation for %s in %s\n", argv[2], VOSTREL_TRANSLATIONS_DIR);
        return 1;
    }

    SimServer sim;
    sim.setRateLimitMs(0);
    sim.start();
    AcceptingDialogs dialogs;
    const QTemporaryDir files; // the window's settings and logs stay out of the way
    Main main(dialogs, FileLocations{files.filePath(QStringLiteral("vostrel.ini")), files.path()});
    main.show();
    main.widgets().comport->setEditText(QString::number(sim.port()));
    main.widgets().txtPWD->setText(sim.cvar(QStringLiteral("rconpassword")));
    for (const char* name : {"cmdconnect", "cmdplypop", "cmdpopwep", "cmdUOwep_1", "cmdservpop",
                             "cmdpopmaps", "cmdstatus"}) {
        click(main, name);
        settle(main);
    }

    QTabWidget* tabs = main.widgets().SSTab;
    const QSize smallest(853, 450);
    for (const QSize size : {main.size(), smallest}) {
        main.resize(size);
        const QString prefix = size == smallest ? QStringLiteral("small_") : QString();
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QApplication::processEvents();
            const QString name = tabs->tabText(i)
                                     .toLower()
                                     .remove(QLatin1Char(':'))
                                     .replace(QLatin1Char(' '), QLatin1Char('_'));
            main.grab().save(
                out.filePath(QStringLiteral("%1main_%2_%3.png").arg(prefix).arg(i).arg(name)));
        }
    }
    // The status bar while a read-out is under way.
    tabs->setCurrentIndex(3);
    sim.setReplyDelayMs(400);
    click(main, "cmdpopwep");
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 200)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    main.grab().save(out.filePath(QStringLiteral("small_main_busy.png")));
    settle(main);
    sim.setReplyDelayMs(0);
    PreferencesDialog prefs(main.session(), main.settings());
    prefs.fill();
    prefs.show();
    QApplication::processEvents();
    prefs.grab().save(out.filePath(QStringLiteral("preferences.png")));
    HobWindow hob(main.session());
    hob.show();
    click(hob, "cmdhobpop");
    settle(main);
    hob.grab().save(out.filePath(QStringLiteral("hob.png")));
    main.session().state().options.savercon = false;
    main.session().state().options.savemessages = false;
    return 0;
}
