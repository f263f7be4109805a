#include "settings/LanguageSetting.h"
#include "settings/ProfileFile.h"
#include "support/Harness.h"
#include "ui/MainWidgets.h"
#include "ui/PreferencesDialog.h"
#include "ui/Translations.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTest>
#include <QXmlStreamReader>

// The window in German and in French: every text the operator reads - on the pages, in the
// menus, the other windows, the message log and the boxes - is in that language, and no
// caption is cut at 1280x720. Each language runs in a process of its own, as the program does,
// and is compared with an English run of the same steps.
class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void everyTextTranslated_data();
    void everyTextTranslated();
    void languageChosen_data();
    void languageChosen();
    void choiceSavedForTheNextStart();
};

namespace {

// One text the operator reads, named by where it is shown.
struct Shown {
    QString where;
    QString text;
};

QString pathOf(const QWidget* widget) {
    QStringList parts;
    for (const QObject* o = widget; o; o = o->parent()) {
        QString part = o->objectName();
        if (part.isEmpty()) {
            const QObject* parent = o->parent();
            const int index = parent ? int(parent->children().indexOf(const_cast<QObject*>(o))) : 0;
            part =
                QString::fromLatin1(o->metaObject()->className()) + u'#' + QString::number(index);
        }
        parts.prepend(part);
    }
    return parts.join(u'/');
}

// 1280x720 at 150 %, less a title bar: every window shrinks to this in every language.
constexpr int kSmallestWidth = 853;
constexpr int kSmallestHeight = 440;

// Lists of what the server has (its CFG files), not of the program's words.
const QStringList kServerData{QStringLiteral("lstcfgs")};

// Every text a visible widget of the window shows or speaks to a screen reader. What the
// operator typed, the server's replies (the RCON pane) and the rows of lists are data.
void collect(const QWidget* window, QList<Shown>& out) {
    QList<const QWidget*> widgets{window};
    for (const QWidget* w : window->findChildren<QWidget*>())
        widgets << w;
    for (const QWidget* w : widgets) {
        if (!w->isVisible())
            continue;
        const QString where = pathOf(w);
        const auto add = [&](const QString& what, const QString& text) {
            if (!text.trimmed().isEmpty())
                out.append({where + u':' + what, text});
        };
        if (w->isWindow())
            add(QStringLiteral("title"), w->windowTitle());
        add(QStringLiteral("tip"), w->toolTip());
        add(QStringLiteral("accessible"), w->accessibleName());
        if (const auto* label = qobject_cast<const QLabel*>(w))
            add(QStringLiteral("text"), label->text());
        else if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            add(QStringLiteral("text"), button->text());
        else if (const auto* group = qobject_cast<const QGroupBox*>(w))
            add(QStringLiteral("text"), group->title());
        else if (const auto* edit = qobject_cast<const QLineEdit*>(w))
            add(QStringLiteral("placeholder"), edit->placeholderText());
        else if (const auto* tabs = qobject_cast<const QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                add(QStringLiteral("tab%1").arg(i), tabs->tabText(i));
        } else if (const auto* combo = qobject_cast<const QComboBox*>(w);
                   combo && !combo->isEditable() && !kServerData.contains(combo->objectName())) {
            for (int i = 0; i < combo->count(); ++i)
                add(QStringLiteral("item%1").arg(i), combo->itemText(i));
        } else if (const auto* header = qobject_cast<const QHeaderView*>(w);
                   header && header->model()) {
            for (int i = 0; i < header->count(); ++i)
                add(QStringLiteral("column%1").arg(i),
                    header->model()->headerData(i, header->orientation()).toString());
        }
    }
}

void collectMenus(const QList<QAction*>& actions, const QString& where, QList<Shown>& out) {
    for (const QAction* action : actions) {
        if (action->isSeparator())
            continue;
        const QString at = where + u'/' + action->objectName();
        out.append({at, action->text()});
        if (action->menu())
            collectMenus(action->menu()->actions(), at, out);
    }
}

// Buttons and labels whose text does not fit: cut, or squeezed into an ellipsis.
QStringList cutCaptions(const QWidget* window) {
    QStringList cut;
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible())
            continue;
        const auto* label = qobject_cast<const QLabel*>(w);
        const bool caption = qobject_cast<const QAbstractButton*>(w) ||
                             (label && !label->wordWrap() && !label->text().isEmpty());
        if (caption && w->width() < w->sizeHint().width())
            cut << pathOf(w) +
                       QStringLiteral(" (%1 < %2)").arg(w->width()).arg(w->sizeHint().width());
        if (const auto* tabs = qobject_cast<const QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i) {
                const QString text = QString(tabs->tabText(i)).remove(u'&');
                if (tabs->tabRect(i).width() < tabs->fontMetrics().horizontalAdvance(text))
                    cut << pathOf(w) + QStringLiteral(" tab ") + text;
            }
        }
        if (const auto* group = qobject_cast<const QGroupBox*>(w);
            group && group->fontMetrics().horizontalAdvance(group->title()) > group->width())
            cut << pathOf(w);
    }
    return cut;
}

// A window that cannot shrink to fit a small or scaled screen.
QStringList tooLarge(const QWidget* window) {
    const QSize smallest = window->minimumSizeHint();
    if (smallest.width() <= kSmallestWidth && smallest.height() <= kSmallestHeight)
        return {};
    return {QStringLiteral("%1 needs %2x%3")
                .arg(window->objectName())
                .arg(smallest.width())
                .arg(smallest.height())};
}

// Runs the same steps in one language and prints what was shown, one "where<TAB>text" line
// each, then a "cut<TAB>where" line for each caption that does not fit and a "wire<TAB>command"
// line for each command the server received.
int showTexts(const QString& language) {
    if (!translations::install(language, {QStringLiteral(VOSTREL_TRANSLATIONS_DIR)}) &&
        language != QLatin1String("en")) {
        qCritical("no translation for %s in %s", qPrintable(language), VOSTREL_TRANSLATIONS_DIR);
        return 2;
    }
    QList<Shown> shown;
    QStringList cut;
    QStringList wire;
    {
        Harness h;
        h.startup();
        h.main->resize(1280, 720);
        h.main->show();
        const MainWidgets& w = h.main->widgets();
        w.comport->setEditText(QString::number(h.sim.port()));
        w.txtPWD->setText(h.sim.cvar(QStringLiteral("rconpassword")));
        w.cmdconnect->click();
        if (!h.settle())
            return 3;
        // The buttons that ask or tell before they act; every box is answered Yes or OK.
        for (const char* name : {"cmdplypop", "cmdcfgexec", "cmdplykick", "cmdplyban", "cmdtempban",
                                 "cmdservrempass", "cmdmessstart", "cmdmessstop", "cmdmessage"}) {
            if (auto* button = h.find<QAbstractButton>(QLatin1String(name));
                button && button->isEnabled())
                button->click();
            if (!h.settle())
                return 3;
        }
        for (int page = 0; page < w.SSTab->count(); ++page) {
            w.SSTab->setCurrentIndex(page);
            QTest::qWait(10);
            collect(h.main.get(), shown);
            cut += cutCaptions(h.main.get());
        }
        collectMenus(h.main->menuBar()->actions(), QStringLiteral("menu"), shown);
        cut += tooLarge(h.main.get());
        // The other windows, each opened from its menu item or button and read as it stands.
        for (const char* opener : {"mpref", "historyplayers", "historyactions", "helpabout"}) {
            if (auto* action = h.main->findChild<QAction*>(QLatin1String(opener)))
                action->trigger();
        }
        for (const char* opener : {"cmdaddserver", "cmdhob"}) {
            if (auto* button = h.find<QAbstractButton>(QLatin1String(opener)))
                button->click();
        }
        QTest::qWait(10);
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window != h.main.get() && window->isVisible() && !qobject_cast<QMenu*>(window)) {
                collect(window, shown);
                cut += cutCaptions(window) + tooLarge(window);
                window->close();
            }
        }
        const QStringList log = h.messageLog();
        for (int i = 0; i < log.size(); ++i)
            shown.append({QStringLiteral("log%1").arg(i), log[i]});
        int box = 0;
        for (const ScriptedDialogs::Shown& s : h.dialogs.shown()) {
            shown.append({QStringLiteral("box%1:title").arg(box), s.title});
            shown.append({QStringLiteral("box%1:text").arg(box++), s.text});
        }
        wire = h.commands();
    }
    QTextStream out(stdout);
    for (const Shown& s : std::as_const(shown))
        out << s.where << u'\t'
            << QString(s.text).replace(u'\n', u' ').replace(u'\r', u' ').replace(u'\t', u' ')
            << u'\n';
    for (const QString& where : std::as_const(cut))
        out << "cut\t" << where << u'\n';
    for (const QString& command : std::as_const(wire))
        out << "wire\t" << command << u'\n';
    return 0;
}

// What one language's run showed, what did not fit, and what the server received.
struct Run {
    QMap<QString, QString> texts;
    QStringList cut;
    QStringList wire;
};

Run runIn(const QString& language) {
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--texts"), language});
    if (!child.waitForFinished(120000) || child.exitCode() != 0) {
        qWarning() << child.readAllStandardError();
        return {};
    }
    Run run;
    for (const QString& line : QString::fromUtf8(child.readAllStandardOutput()).split(u'\n')) {
        const QString where = line.section(u'\t', 0, 0);
        const QString text = line.section(u'\t', 1);
        if (where == QLatin1String("cut"))
            run.cut << text;
        else if (where == QLatin1String("wire"))
            run.wire << text;
        else if (!where.isEmpty())
            run.texts.insert(where, text);
    }
    return run;
}

// A text as compared across languages: without mnemonics, numbers (ports, times, counts) or
// markup.
QString plain(QString text) {
    static const QRegularExpression markup(QStringLiteral("<[^>]*>"));
    static const QRegularExpression digits(QStringLiteral("\\d+"));
    return text.remove(markup).remove(u'&').replace(digits, QStringLiteral("#")).simplified();
}

// The texts the translator kept as they are (the game's terms, names, "Ping"): as patterns,
// each placeholder standing for any text.
QList<QRegularExpression> keptByTranslator(const QString& language) {
    QFile file(QStringLiteral(VOSTREL_TRANSLATION_SOURCES "/vostrel_%1.ts").arg(language));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QRegularExpression> kept;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        // A carriage return is written as an element of its own: left out on both sides.
        const auto text = [&xml] {
            return xml.readElementText(QXmlStreamReader::IncludeChildElements);
        };
        if (xml.name() == QLatin1String("source"))
            source = text();
        else if (xml.name() == QLatin1String("translation") && plain(text()) == plain(source)) {
            QStringList pieces = plain(source).split(QStringLiteral("%#"));
            for (QString& piece : pieces)
                piece = QRegularExpression::escape(piece);
            kept << QRegularExpression(u'^' + pieces.join(QStringLiteral(".*")) + u'$');
        }
    }
    return kept;
}

// Words, not names of server variables ("scr_allow_vote", numbers already "#") or files, which
// stay as they are.
bool hasWords(const QString& text) {
    static const QRegularExpression word(QStringLiteral("(?<![\\w.#])[A-Za-z]{2,}(?![\\w.#])"));
    return word.match(text).hasMatch();
}

} // namespace

void TestTranslations::everyTextTranslated_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("German") << "de";
    QTest::newRow("French") << "fr";
}

void TestTranslations::everyTextTranslated() {
    QFETCH(QString, language);
    const Run englishRun = runIn(QStringLiteral("en"));
    const Run translatedRun = runIn(language);
    const QMap<QString, QString>& english = englishRun.texts;
    const QMap<QString, QString>& translated = translatedRun.texts;
    QVERIFY(!english.isEmpty());
    QCOMPARE(translated.keys(), english.keys()); // the same steps showed the same things
    // The server hears the same, whatever the operator reads: commands, messages, the prefix.
    QVERIFY(englishRun.wire.contains(QStringLiteral("exec server.cfg")));
    QCOMPARE(translatedRun.wire, englishRun.wire);
    QList<QRegularExpression> kept = keptByTranslator(language);
    // Each language is offered under its own name, whatever the program speaks; the program's
    // name and Qt's "OK" are the same in every language.
    QStringList sameEverywhere{QStringLiteral("Vostrel"), QStringLiteral("OK")};
    for (const translations::Language& offered : translations::languages())
        sameEverywhere << offered.name;
    for (const QString& same : std::as_const(sameEverywhere))
        kept << QRegularExpression(u'^' + QRegularExpression::escape(same) + u'$');
    QStringList untranslated;
    for (auto it = translated.cbegin(); it != translated.cend(); ++it) {
        const QString text = plain(it.value());
        if (text != plain(english.value(it.key())) || !hasWords(text))
            continue;
        if (std::none_of(kept.cbegin(), kept.cend(),
                         [&text](const QRegularExpression& k) { return k.match(text).hasMatch(); }))
            untranslated << it.key() + QStringLiteral(": ") + it.value();
    }
    for (const QString& line : std::as_const(untranslated))
        qWarning("untranslated: %s", qPrintable(line));
    for (const QString& line : translatedRun.cut)
        qWarning("cut: %s", qPrintable(line));
    QVERIFY(untranslated.isEmpty());
    QVERIFY(translatedRun.cut.isEmpty());
}

void TestTranslations::languageChosen_data() {
    QTest::addColumn<QString>("chosen"); // the settings file's key
    QTest::addColumn<QStringList>("system");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("the system's") << "" << QStringList{"de-DE", "de", "en-US"} << "de";
    QTest::newRow("the first the program speaks") << "" << QStringList{"pl-PL", "fr-BE"} << "fr";
    QTest::newRow("none spoken: English") << "" << QStringList{"pl-PL", "C"} << "en";
    QTest::newRow("the choice over the system's") << "fr" << QStringList{"de-DE"} << "fr";
    QTest::newRow("English chosen on a German system") << "en" << QStringList{"de-DE"} << "en";
    QTest::newRow("a choice this version lacks") << "pt_BR" << QStringList{"de"} << "de";
}

void TestTranslations::languageChosen() {
    QFETCH(QString, chosen);
    QFETCH(QStringList, system);
    QFETCH(QString, spoken);
    QCOMPARE(translations::resolve(chosen, system), spoken);
}

void TestTranslations::choiceSavedForTheNextStart() {
    Harness h(false);
    // A key the file cannot have come from the program reads as no choice.
    h.writeSettings("[interface]\r\nlanguage=../../etc/passwd\r\n");
    QCOMPARE(languagesetting::load(ProfileFile(h.path(QStringLiteral("vostrel.ini")))), QString());
    h.startup();
    h.main->openPreferences();
    auto* prefs = h.main->findChild<PreferencesDialog*>();
    auto* choice = prefs->findChild<QComboBox*>(QStringLiteral("cmblanguage"));
    QCOMPARE(choice->currentIndex(), 0); // the system's
    choice->setCurrentIndex(choice->findData(QStringLiteral("de")));
    prefs->findChild<QAbstractButton*>(QStringLiteral("cmdsave"))->click();
    QCOMPARE(languagesetting::load(ProfileFile(h.path(QStringLiteral("vostrel.ini")))),
             QStringLiteral("de"));
    QCOMPARE(h.dialogs.messageTitles().last(), QStringLiteral("Saved"));
}

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() == 3 && arguments[1] == QLatin1String("--texts"))
        return showTexts(arguments[2]);
    TestTranslations test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_translations.moc"
