#include "Main.h"

#include "AboutDialog.h"
#include "CappedPane.h"
#include "ConnectController.h"
#include "ConsoleController.h"
#include "HobWindow.h"
#include "LogActions.h"
#include "PreferencesDialog.h"
#include "ProgressNotice.h"
#include "SavedServersController.h"
#include "Version.h"
#include "app/ConnectChecks.h"
#include "app/Dialogs.h"
#include "app/Links.h"
#include "pages/CodModesPage.h"
#include "pages/FriendlyFireFrame.h"
#include "pages/MapsPage.h"
#include "pages/MessagesPage.h"
#include "pages/MiscPage.h"
#include "pages/ModsPage.h"
#include "pages/PlayersPage.h"
#include "pages/ServerPage.h"
#include "pages/UoMiscPage.h"
#include "pages/UoModesPage.h"
#include "pages/WeaponsPage.h"
#include "serverconfig/GameTypeSwitch.h"
#include "settings/OptionsStore.h"
#include "settings/PrivateFiles.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTime>
#include <QVBoxLayout>

#include <limits>

namespace {

template <typename W> W* named(W* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel* labelFor(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

QAction* action(QMenu* menu, const char* name, const QString& caption) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QLatin1String(name));
    return a;
}

// A page that needs more room than the window gives scrolls instead of holding the window
// wide: its layout, with everything in it, moves onto a widget inside a scroll area. The page
// stays the tab's widget.
void makeScrollable(QWidget* page) {
    auto* content = new QWidget(page);
    content->setLayout(page->layout()); // takes the layout, and its widgets, from the page
    auto* scroll = new QScrollArea(page);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
}

} // namespace

Main::Main(Dialogs& dialogs, const FileLocations& files, QWidget* parent)
    : QMainWindow(parent), m_session(dialogs, *this) {
    m_session.state().files = files;
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QStringLiteral("Vostrel"));

    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    auto* heading = named(new QLabel(QStringLiteral("Vostrel"), central), "lblmain");
    QFont headingFont = heading->font();
    headingFont.setPointSize(20);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    outer->addWidget(heading);
    outer->addWidget(buildConnectionRow());

    m_body = named(new QSplitter(Qt::Horizontal, central), "body");
    m_body->addWidget(buildLeftColumn());
    m_w.SSTab = named(new QTabWidget(m_body), "SSTab");
    m_w.SSTab->setAccessibleName(QStringLiteral("Pages"));
    m_body->addWidget(m_w.SSTab);
    m_body->setStretchFactor(0, 2);
    m_body->setStretchFactor(1, 3);
    m_body->setChildrenCollapsible(false);
    outer->addWidget(m_body, 1);
    setCentralWidget(central);

    m_progress = new ProgressNotice(this);
    m_logs = new LogActions(m_session, m_w.txtoutput, m_w.lstmessages, this);
    buildPages();
    m_connect = new ConnectController(m_session, m_w, m_pages, *m_logs, this);
    m_console = new ConsoleController(m_session, m_w, this);
    m_saved = new SavedServersController(m_session, m_w, this);
    buildMenus();
    buildStatusBar();

    m_session.client().setPasswordSource([this] { return m_w.txtPWD->text(); });
    connect(m_w.cmdconnect, &QPushButton::clicked, m_connect, &ConnectController::connectClicked);
    connect(m_w.cmdsend, &QPushButton::clicked, m_console, &ConsoleController::sendClicked);
    connect(m_w.cmdstatus, &QPushButton::clicked, m_console, &ConsoleController::statusClicked);
    connect(m_w.cmsserverinfo, &QPushButton::clicked, m_console,
            &ConsoleController::serverInfoClicked);
    connect(m_w.cmdexit, &QPushButton::clicked, this, &QWidget::close);
    connect(m_w.cmdmessage, &QPushButton::clicked, this,
            [this] { m_pages.messages->sendOneOffMessage(m_w.txtprefix->text()); });
    connect(m_w.txtprefix, &QLineEdit::textEdited, this, [this] { m_prefixChanged = true; });
    m_w.txtprefix->installEventFilter(this);

    fitToScreen();
}

Main::~Main() = default;

QWidget* Main::buildConnectionRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_w.comserver = named(new QComboBox(row), "comserver");
    m_w.comserver->setEditable(true);
    m_w.comserver->setEditText(QStringLiteral("127.0.0.1"));
    m_w.comserver->setMinimumWidth(180);
    m_w.comserver->setMaximumWidth(360);
    m_w.comport = named(new QComboBox(row), "comport");
    m_w.comport->setEditable(true);
    m_w.comport->setEditText(QStringLiteral("28960"));
    m_w.txtPWD = named(new QLineEdit(row), "txtPWD");
    m_w.txtPWD->setEchoMode(QLineEdit::Password);
    m_w.cmdconnect = named(new QPushButton(QStringLiteral("Connect"), row), "cmdconnect");
    layout->addWidget(labelFor(QStringLiteral("server address"), m_w.comserver, row));
    layout->addWidget(m_w.comserver, 2);
    layout->addWidget(labelFor(QStringLiteral("port"), m_w.comport, row));
    m_w.comport->setMaximumWidth(110);
    layout->addWidget(m_w.comport);
    layout->addWidget(labelFor(QStringLiteral("rcon password"), m_w.txtPWD, row));
    m_w.txtPWD->setMaximumWidth(220);
    layout->addWidget(m_w.txtPWD, 1);
    layout->addWidget(m_w.cmdconnect);
    layout->addStretch();
    return row;
}

QWidget* Main::buildLeftColumn() {
    auto* column = new QWidget(this);
    column->setMinimumWidth(300);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* saved = new QGroupBox(QStringLiteral("Saved List"), column);
    auto* savedLayout = new QVBoxLayout(saved);
    m_w.lstservers = named(new QListWidget(saved), "lstservers");
    m_w.lstservers->setToolTip(QStringLiteral("List of saved server/Port/Rcon passwords"));
    m_w.lstservers->setAccessibleName(QStringLiteral("Saved List"));
    m_w.lstservers->setMaximumHeight(90);
    m_w.lstrcon = named(new QListWidget(saved), "lstrcon");
    m_w.lstrcon->setVisible(false);
    savedLayout->addWidget(m_w.lstservers);
    layout->addWidget(saved);

    m_w.txtoutput = named(new QPlainTextEdit(column), "txtoutput");
    m_w.txtoutput->setReadOnly(true);
    m_w.txtoutput->setMaximumBlockCount(kRconPaneLines);
    // Server reports are column layouts: keep their lines whole.
    m_w.txtoutput->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_w.txtoutput->setStyleSheet(
        QStringLiteral("QPlainTextEdit { background: black; color: yellow; }"));
    QFont mono(QStringLiteral("Courier New"));
    mono.setStyleHint(QFont::Monospace);
    mono.setPointSize(10);
    m_w.txtoutput->setFont(mono);
    layout->addWidget(labelFor(QStringLiteral("Responses from server"), m_w.txtoutput, column));
    layout->addWidget(m_w.txtoutput, 3);

    auto* direct = new QHBoxLayout;
    m_w.comdirect = named(new QComboBox(column), "comdirect");
    m_w.comdirect->setEditable(true);
    m_w.comdirect->setInsertPolicy(QComboBox::NoInsert);
    // A line too long for one request is refused with its length, never cut where it is typed.
    m_w.comdirect->lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    m_w.cmdsend = named(new QPushButton(QStringLiteral("&Send"), column), "cmdsend");
    direct->addWidget(labelFor(QStringLiteral("Rcon Direct"), m_w.comdirect, column));
    direct->addWidget(m_w.comdirect, 1);
    direct->addWidget(m_w.cmdsend);
    layout->addLayout(direct);

    auto* info = new QHBoxLayout;
    m_w.cmdstatus = named(new QPushButton(QStringLiteral("Get Status"), column), "cmdstatus");
    m_w.cmsserverinfo =
        named(new QPushButton(QStringLiteral("Get Server Info"), column), "cmsserverinfo");
    info->addWidget(m_w.cmdstatus);
    info->addWidget(m_w.cmsserverinfo);
    info->addStretch();
    layout->addLayout(info);

    m_w.lstmessages = named(new QListWidget(column), "lstmessages");
    layout->addWidget(labelFor(QStringLiteral("Messages:"), m_w.lstmessages, column));
    layout->addWidget(m_w.lstmessages, 2);

    auto* prefix = new QHBoxLayout;
    m_w.txtprefix = named(new QLineEdit(QStringLiteral("RemoteUser"), column), "txtprefix");
    // The settings file gives back at most 49 characters of it.
    m_w.txtprefix->setMaxLength(49);
    m_w.cmdmessage = named(new QPushButton(QStringLiteral("Send Message"), column), "cmdmessage");
    prefix->addWidget(m_w.txtprefix, 1);
    prefix->addWidget(m_w.cmdmessage);
    layout->addWidget(labelFor(QStringLiteral("User Prefix for message"), m_w.txtprefix, column));
    layout->addLayout(prefix);

    m_w.cmdexit = named(new QPushButton(QStringLiteral("Exit"), column), "cmdexit");
    layout->addWidget(m_w.cmdexit, 0, Qt::AlignRight);
    return column;
}

void Main::buildPages() {
    m_pages.server = new ServerPage(m_session, m_w.SSTab);
    m_pages.codModes = new CodModesPage(m_session, m_w.SSTab);
    m_pages.maps = new MapsPage(m_session, m_w.SSTab);
    m_pages.weapons = new WeaponsPage(m_session, m_w.SSTab);
    m_pages.players = new PlayersPage(m_session, m_w.SSTab);
    m_pages.mods = new ModsPage(m_session, m_w.SSTab);
    m_pages.messages = new MessagesPage(m_session, m_settings, m_w.SSTab);
    m_pages.misc = new MiscPage(m_session, m_w.SSTab);
    m_pages.uoModes = new UoModesPage(m_session, m_w.SSTab);
    m_pages.uoMisc = new UoMiscPage(m_session, m_w.SSTab);
    const std::pair<QWidget*, const char*> tabs[] = {
        {m_pages.server, "Server"},     {m_pages.codModes, "COD Modes"},
        {m_pages.maps, "Maps"},         {m_pages.weapons, "Weapons"},
        {m_pages.players, "Players"},   {m_pages.mods, "Mods"},
        {m_pages.messages, "Messages"}, {m_pages.misc, "Misc"},
        {m_pages.uoModes, "UO: Modes"}, {m_pages.uoMisc, "UO: Misc"}};
    for (const auto& [page, caption] : tabs) {
        makeScrollable(page);
        m_w.SSTab->addTab(page, QLatin1String(caption));
    }
    connect(m_pages.mods, &ModsPage::hobWindowRequested, this, &Main::openHob);
    connect(m_pages.mods, &ModsPage::hobSiteRequested, this, [] { openurl(links::hobModSite()); });
}

void Main::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mfile"));
    connect(action(file, "Saveserver", QStringLiteral("Save current server Info")),
            &QAction::triggered, m_saved, &SavedServersController::Saveserver_Click);
    connect(action(file, "removeserver", QStringLiteral("Remove current server Info")),
            &QAction::triggered, m_saved, &SavedServersController::removeserver_Click);
    file->addSeparator();
    connect(action(file, "savemessages", QStringLiteral("Save message log...")),
            &QAction::triggered, m_logs, &LogActions::saveMessages);
    connect(action(file, "clearmessage", QStringLiteral("Clear Message log")), &QAction::triggered,
            m_logs, &LogActions::clearMessages);
    connect(action(file, "savercon", QStringLiteral("Save RCON log...")), &QAction::triggered,
            m_logs, &LogActions::saveRcon);
    connect(action(file, "clearrcon", QStringLiteral("Clear RCON log")), &QAction::triggered,
            m_logs, &LogActions::clearRcon);
    file->addSeparator();
    connect(action(file, "mpref", QStringLiteral("Preferences...")), &QAction::triggered, this,
            &Main::openPreferences);
    file->addSeparator();
    connect(action(file, "Exit", QStringLiteral("Exit")), &QAction::triggered, this,
            &QWidget::close);

    QMenu* comm = menuBar()->addMenu(QStringLiteral("Common Tasks"));
    comm->setObjectName(QStringLiteral("comm"));
    connect(action(comm, "commmap_restart", QStringLiteral("Restart Map")), &QAction::triggered,
            m_pages.maps, &MapsPage::restartClicked);
    connect(action(comm, "commmap_rotate", QStringLiteral("Next Map in Cycle")),
            &QAction::triggered, m_pages.maps, &MapsPage::rotateClicked);
    comm->addSeparator()->setObjectName(QStringLiteral("dash"));
    const std::pair<const char*, const char*> ffItems[] = {
        {"COMMFFON", "Friendly Fire On"},
        {"commFFOFF", "Friendly Fire Off"},
        {"commFFREFL", "Friendly Fire Reflective damage"},
        {"commFFSHARE", "Friendly Fire Shared"}};
    const int ffValues[] = {1, 0, 2, 3};
    for (int i = 0; i < 4; ++i) {
        const int value = ffValues[i];
        connect(action(comm, ffItems[i].first, QLatin1String(ffItems[i].second)),
                &QAction::triggered, this,
                [this, value] { m_pages.server->friendlyFire()->change(value); });
    }
    QMenu* gm = comm->addMenu(QStringLiteral("Game mode switch"));
    gm->setObjectName(QStringLiteral("gm"));
    const std::pair<const char*, const char*> gmItems[] = {
        {"gmsd", "Search && Destroy"},   {"gmrd", "Retrieval"},
        {"gmbel", "Behind Enemy Lines"}, {"gmdm", "Death Match"},
        {"gmtdm", "Team Death Match"},   {"gmhq", "Headquarters"}};
    const int gmIndexes[] = {0, 3, 1, 4, 2, 5};
    for (int i = 0; i < 6; ++i) {
        const int index = gmIndexes[i];
        connect(action(gm, gmItems[i].first, QLatin1String(gmItems[i].second)), &QAction::triggered,
                this, [this, index] { m_pages.codModes->cmdcod_Click(index); });
    }
    gm->addSeparator()->setObjectName(QStringLiteral("uodash"));
    QMenu* gmUO = gm->addMenu(QStringLiteral("United Offensive Modes"));
    gmUO->setObjectName(QStringLiteral("gmUO"));
    const std::pair<const char*, const char*> uoItems[] = {
        {"gmUOdom", "Domination"}, {"gmUOctf", "Capture the flag"}, {"gmUObase", "Base assault"}};
    for (int i = 0; i < 3; ++i)
        connect(action(gmUO, uoItems[i].first, QLatin1String(uoItems[i].second)),
                &QAction::triggered, this, [this, i] { m_pages.uoModes->cmdUOmode_Click(i); });

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mhelp"));
    connect(action(help, "mhelpsite", QStringLiteral("Visit Web Site")), &QAction::triggered, this,
            [] { openurl(links::productSite()); });
    connect(action(help, "mhelpforum", QStringLiteral("Visit forum")), &QAction::triggered, this,
            [] { openurl(links::forum()); });
    connect(action(help, "helpabout", QStringLiteral("About")), &QAction::triggered, this,
            &Main::openAbout);
    action(help, "helpinfo",
           QStringLiteral("Version ") + QLatin1String(kVostrelVersion) +
               QStringLiteral(" - 10/Mar/2005"));
}

void Main::openurl(const QUrl& url) {
    QDesktopServices::openUrl(url);
}

template <typename W, typename Make> static void showOnce(QPointer<W>& window, Make make) {
    if (!window)
        window = make();
    window->show();
    window->raise();
    window->activateWindow();
}

void Main::openPreferences() {
    const bool fresh = !m_prefs;
    showOnce(m_prefs, [this] {
        auto* prefs = new PreferencesDialog(m_session, m_settings, this);
        prefs->setAttribute(Qt::WA_DeleteOnClose);
        return prefs;
    });
    if (fresh)
        m_prefs->fill();
}

void Main::openHob() {
    showOnce(m_hob, [this] {
        auto* hob = new HobWindow(m_session, this);
        hob->setAttribute(Qt::WA_DeleteOnClose);
        return hob;
    });
}

void Main::openAbout() {
    showOnce(m_about, [this] {
        auto* about = new AboutDialog(this);
        about->setAttribute(Qt::WA_DeleteOnClose);
        return about;
    });
}

// --- Output ---------------------------------------------------------------------------

void Main::appendRcon(const QString& text) {
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QTextCharFormat format;
    format.setForeground(QColor(255, 255, 0));
    format.setFontPointSize(10);
    appendToCappedPane(*m_w.txtoutput, plain, format);
    m_w.txtoutput->ensureCursorVisible();
    // The newest lines in view from their start: a long line does not pull the pane sideways.
    m_w.txtoutput->horizontalScrollBar()->setValue(0);
}

void Main::addMessage(const QString& text) {
    m_w.lstmessages->insertItem(0, QLatin1String("Time: ") +
                                       QTime::currentTime().toString(QStringLiteral("hh:mm:ss")) +
                                       QLatin1Char(' ') + text);
}

void Main::showProgress(const QString& text, ProgressMode mode) {
    if (text.isEmpty()) {
        m_progress->setText({});
        return;
    }
    if (activeWindowMinimised())
        return;
    m_progress->setText(
        mode == ProgressMode::Add ? m_progress->text() + QLatin1String("\r\n") + text : text);
}

void Main::showRefusal(const QString& text) {
    m_refusal->setText(text);
    m_refusal->setToolTip(text);
    m_refusal->setVisible(!text.isEmpty());
}

bool Main::activeWindowMinimised() const {
    const QWidget* active = QApplication::activeWindow();
    return (active ? active : this)->isMinimized();
}

// --- Start-up and shutdown --------------------------------------------------------------

void Main::loadSavedServers() {
    const QList<SavedServer> servers = readSavedServers(m_settings);
    for (const SavedServer& server : servers) {
        m_w.lstservers->addItem(server.entry());
        m_w.lstrcon->addItem(server.password);
    }
    m_session.state().servercount = qint32(servers.size());
}

void Main::startup() {
    restoreWindowState();
    SharedState& state = m_session.state();
    state.loading = true;
    m_settings.setPath(state.files.settingsFile);
    m_settings.removeStaleTemporary();
    loadSavedServers();
    m_pages.messages->loadSets();

    const QString user = readRemoteUser(m_settings);
    m_w.txtprefix->setText(user.isEmpty() ? QStringLiteral("RemoteUser") : user);

    state.options = loadOptions(m_settings);
    m_pages.players->applyStartupOptions(state.options);

    const Options& o = state.options;
    if (o.autoconnect) {
        m_w.comserver->setEditText(o.autoconnectserv);
        m_w.comport->setEditText(o.autoconnectport);
        m_w.txtPWD->setText(o.autoconnectrcon);
        if (!o.autoconnectserv.isEmpty() && !o.autoconnectport.isEmpty() &&
            !o.autoconnectrcon.isEmpty())
            m_connect->connectClicked();
    }
    state.loading = false;
    // The cycler starts once the automatic connect has ended, connected or not.
    if (m_session.connection() == ConnectionState::Connecting)
        connect(m_connect, &ConnectController::connectEnded, this, &Main::startCyclerIfAsked,
                Qt::SingleShotConnection);
    else
        startCyclerIfAsked();
}

void Main::startCyclerIfAsked() {
    const Options& o = m_session.state().options;
    if (!o.automessage)
        return;
    m_session.state().automode = true;
    m_pages.messages->autoStart(o.messagetime, o.messageset);
    m_session.state().automode = false;
}

bool Main::shutdown() {
    SharedState& state = m_session.state();
    if (m_pages.messages->hasUnsavedChanges() &&
        m_session.dialogs().message(
            QStringLiteral(
                "Message changes not saved\rClick OK if you wish to go back to save them"),
            QStringLiteral("Unsaved Messages Sets"), Dialogs::Icon::Exclamation,
            Dialogs::Buttons::OkCancel) == Dialogs::Answer::Ok)
        return false;

    m_session.client().close();
    showProgress(QStringLiteral("Saving server list to INI"));
    QStringList entries, passwords;
    for (int i = 0; i < m_w.lstservers->count(); ++i) {
        entries << m_w.lstservers->item(i)->text();
        passwords << (m_w.lstrcon->item(i) ? m_w.lstrcon->item(i)->text() : QString());
    }
    const ServerListWriteResult written =
        writeSavedServers(m_settings, entries, passwords, state.servercount);
    if (!written.ok) {
        m_session.dialogs().message(
            QStringLiteral("Failed to write new server list to INI file (") + written.failedPart +
                QLatin1String(")\rError code ") + QString::number(written.errorCode) +
                QLatin1String(" Descr: ") + written.errorDescription,
            QStringLiteral("INI Write Fail"), Dialogs::Icon::Exclamation);
        hideProgress();
        return true;
    }
    state.automode = true;
    if (state.options.savercon)
        m_logs->saveRcon();
    if (state.options.savemessages)
        m_logs->saveMessages();
    state.automode = false;
    hideProgress();
    return true;
}

void Main::closeEvent(QCloseEvent* event) {
    if (!m_closing && !shutdown()) {
        event->ignore();
        return;
    }
    if (!m_closing)
        saveWindowState();
    m_closing = true;
    // The secondary windows go with the main window, so the program ends.
    for (QWidget* window :
         {static_cast<QWidget*>(m_prefs.data()), static_cast<QWidget*>(m_hob.data()),
          static_cast<QWidget*>(m_about.data())})
        if (window)
            window->close();
    event->accept();
}

void Main::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The address is where typing starts; later activations leave the focus where it was.
    if (!m_shownBefore)
        m_w.comserver->setFocus();
    m_shownBefore = true;
}

bool Main::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_w.txtprefix || event->type() != QEvent::FocusOut || !m_prefixChanged)
        return QMainWindow::eventFilter(watched, event);
    // The prefix goes into every broadcast as well as into the file.
    const QString refusal =
        unsupportedTextRefusal({{QStringLiteral("user prefix"), m_w.txtprefix->text()}});
    if (!refusal.isEmpty()) {
        m_session.dialogs().message(refusal, kUnsupportedTitle, Dialogs::Icon::Exclamation);
    } else if (!writeRemoteUser(m_settings, m_w.txtprefix->text())) {
        m_session.dialogs().message(QStringLiteral("Failed to write the user prefix to INI file") +
                                        QLatin1String("\rError code ") +
                                        QString::number(m_settings.errorCode()) +
                                        QLatin1String(" Descr: ") + m_settings.errorDescription(),
                                    QStringLiteral("INI Write Fail"), Dialogs::Icon::Exclamation);
    }
    return QMainWindow::eventFilter(watched, event);
}

// --- Status bar and window state ----------------------------------------------------------

void Main::buildStatusBar() {
    QStatusBar* bar = statusBar();
    m_connectionText = named(new QLabel(bar), "lblconnection");
    m_refusal = named(new QLabel(bar), "lbllastrefusal");
    m_refusal->setAccessibleName(QStringLiteral("Last refusal"));
    m_refusal->setStyleSheet(QStringLiteral("color: #b00000"));
    m_refusal->hide();
    m_busy = named(new QProgressBar(bar), "busyindicator");
    m_busy->setRange(0, 0); // no end known: it only says that something is under way
    m_busy->setTextVisible(false);
    m_busy->setMaximumSize(80, m_connectionText->fontMetrics().height());
    m_busy->setAccessibleName(QStringLiteral("Busy"));
    m_cancel = named(new QPushButton(QStringLiteral("Cancel"), bar), "cmdcancel");
    m_cancel->setToolTip(
        QStringLiteral("Withdraw the commands waiting to go and the one under way"));
    m_cancel->setFocusPolicy(Qt::TabFocus);
    bar->addWidget(m_connectionText);
    bar->addWidget(m_refusal);
    bar->addWidget(m_progress, 1);
    bar->addPermanentWidget(m_busy);
    bar->addPermanentWidget(m_cancel);

    RconClient& client = m_session.client();
    connect(&client, &RconClient::busyChanged, this, &Main::showBusy);
    connect(&client, &RconClient::idleNow, this, &Main::showBusy);
    connect(m_cancel, &QPushButton::clicked, this, &Main::cancelClicked);
    connect(&m_session, &Session::connectionChanged, this, [this] {
        m_gameStatus.clear();
        showConnection();
    });
    connect(m_connect, &ConnectController::gameStatusRead, this,
            [this](const QString& gametype, const QString& map) {
                QStringList parts;
                if (!gametype.isEmpty())
                    parts << QLatin1String("game type ") + gametype;
                if (!map.isEmpty())
                    parts << QLatin1String("map ") + map;
                m_gameStatus = parts.join(QLatin1String(", "));
                showConnection();
            });
    showConnection();
    showBusy();
}

void Main::showConnection() {
    const QString address =
        addressText(m_w.comserver->currentText().trimmed(), m_w.comport->currentText().trimmed());
    switch (m_session.connection()) {
    case ConnectionState::Disconnected:
        m_connectionText->setText(QStringLiteral("Not connected"));
        break;
    case ConnectionState::Connecting:
        m_connectionText->setText(QLatin1String("Connecting to ") + address);
        break;
    case ConnectionState::Connected:
        m_connectionText->setText(
            QLatin1String("Connected to ") + address +
            (m_gameStatus.isEmpty() ? QString() : QLatin1String(", ") + m_gameStatus));
        break;
    }
}

void Main::showBusy() {
    const bool busy = !m_session.client().idle();
    const bool wasBusy = !m_busy->isHidden();
    m_busy->setVisible(busy);
    m_cancel->setEnabled(busy);
    // A progress text stays only while its exchange runs (a text shown before the exchange's
    // first request stays up until it ends).
    if (wasBusy && !busy)
        hideProgress();
}

void Main::cancelClicked() {
    // A connect whose password the server has not taken yet ends unconnected.
    m_session.client().cancelAll();
}

void Main::fitToScreen() {
    // The desktop adds a frame and a title bar around the window.
    const QSize room = screen()->availableGeometry().size() - QSize(24, 64);
    resize(QSize(1400, 820).boundedTo(room).expandedTo(minimumSizeHint()));
}

QString Main::windowStateFile() {
    return QFileInfo(m_session.state().files.settingsFile)
        .dir()
        .filePath(QStringLiteral("vostrel-window.ini"));
}

void Main::restoreWindowState() {
    // A lock left by a run that was killed while it saved would hold up every later save.
    privatefiles::removeStaleLock(windowStateFile());
    if (!QFileInfo::exists(windowStateFile()))
        return;
    const QSettings state(windowStateFile(), QSettings::IniFormat);
    restoreGeometry(state.value(QStringLiteral("geometry")).toByteArray());
    m_body->restoreState(state.value(QStringLiteral("splitter")).toByteArray());
}

void Main::saveWindowState() {
    // The settings class replaces the file keeping its mode, so the mode is set first.
    if (!privatefiles::makeFolderFor(windowStateFile()) ||
        !privatefiles::makeOwnerOnly(windowStateFile()))
        return;
    QSettings state(windowStateFile(), QSettings::IniFormat);
    state.setValue(QStringLiteral("geometry"), saveGeometry());
    state.setValue(QStringLiteral("splitter"), m_body->saveState());
}
