#include "support/Harness.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScopeGuard>
#include <QTest>
#include <QTranslator>

// The pages, the secondary windows and the menus from the keyboard: Alt+letter reaches every
// captioned control and menu item in every language, and Escape leaves the Heat of Battle
// window.
class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void mnemonics_data();
    void mnemonics();
    void hobWindowIsADialog();
};

namespace {

// What is wrong with the marks under `root` (the main window's own controls aside): a
// captioned button or a label with a buddy that has no letter, or two different captions
// with the same letter. A caption that repeats in sibling frames keeps one letter: Alt moves
// between them.
QStringList markFaults(QWidget* root) {
    QStringList faults;
    QHash<QString, QString> captionOfKey;
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        QString caption;
        bool needsKey = true;
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            caption = button->text();
        else if (auto* label = qobject_cast<QLabel*>(widget); label && label->buddy())
            caption = label->text();
        else if (auto* frame = qobject_cast<QGroupBox*>(widget))
            caption = frame->title(), needsKey = false;
        if (caption.trimmed().isEmpty() || !widget->isVisibleTo(root))
            continue;
        const QString key = QKeySequence::mnemonic(caption).toString();
        const QString owner = captionOfKey.value(key, caption);
        if (key.isEmpty() && needsKey)
            faults << widget->objectName() + " \"" + caption + "\" has no letter";
        else if (!key.isEmpty() && owner != caption)
            faults << widget->objectName() + " \"" + caption + "\" has the " + key + " of \"" +
                          owner + '"';
        else if (!key.isEmpty())
            captionOfKey.insert(key, caption);
    }
    return faults;
}

// The same for a menu and the menus under it: every item has a letter of its own in its menu.
QStringList menuFaults(const QList<QAction*>& actions, const QString& menu) {
    QStringList faults;
    QHash<QString, QString> captionOfKey;
    for (const QAction* action : actions) {
        if (action->isSeparator())
            continue;
        const QString key = QKeySequence::mnemonic(action->text()).toString();
        if (key.isEmpty())
            faults << menu + " \"" + action->text() + "\" has no letter";
        else if (captionOfKey.contains(key))
            faults << menu + " \"" + action->text() + "\" has the " + key + " of \"" +
                          captionOfKey.value(key) + '"';
        captionOfKey.insert(key, action->text());
        if (action->menu())
            faults += menuFaults(action->menu()->actions(), action->text());
    }
    return faults;
}

} // namespace

void TestKeyboard::mnemonics_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("window");
    for (const char* language : {"en", "de", "fr"}) {
        for (const char* page : {"pagePlayers", "pageServer", "pageWeapons", "pageUoMisc",
                                 "pageCodModes", "pageUoModes", "pageMaps", "pageMisc", "pageMods",
                                 "pageMessages", "frmpref", "frmhob", "frmAbout", "menus"})
            QTest::addRow("%s %s", language, page) << language << page;
    }
}

void TestKeyboard::mnemonics() {
    QFETCH(QString, language);
    QFETCH(QString, window);
    QTranslator translator;
    if (language != QLatin1String("en")) {
        QVERIFY(translator.load("vostrel_" + language, VOSTREL_TRANSLATIONS_DIR));
        QCoreApplication::installTranslator(&translator);
    }
    const auto english =
        qScopeGuard([&translator] { QCoreApplication::removeTranslator(&translator); });
    Harness h;
    if (window == QLatin1String("menus")) {
        const QStringList faults = menuFaults(h.main->menuBar()->actions(), "the menu bar");
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
        return;
    }
    h.main->openPreferences();
    h.main->openHob();
    h.main->openAbout();
    QWidget* root = h.find<QWidget>(window);
    QVERIFY2(root, qPrintable(window));
    const QStringList faults = markFaults(root);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
}

void TestKeyboard::hobWindowIsADialog() {
    Harness h;
    QVERIFY(h.click("cmdhob"));
    QPointer<QWidget> hob = h.find<QWidget>("frmhob");
    QVERIFY(hob && hob->isVisible());
    QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(hob);
    QCOMPARE(seen->role(), QAccessible::Dialog);
    QCOMPARE(seen->text(QAccessible::Name), "Heat of Battle server variables");
    QTest::keyClick(hob, Qt::Key_Escape);
    QTRY_VERIFY(hob.isNull());
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
