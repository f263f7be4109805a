#include "Main.h"
#include "AboutDialog.h"
#include "ConnectController.h"
#include "FleetSendBar.h"
#include "HistoryController.h"
#include "HobWindow.h"
#include "LogActions.h"
#include "PreferencesDialog.h"
#include "ProgressNotice.h"
#include "SavedServersController.h"
#include "ServerListPanel.h"
#include "WidgetNaming.h"
#include "app/ConnectChecks.h"
#include "app/Links.h"
#include "base/Dialogs.h"
#include "base/PrivateFiles.h"
#include "messages/MessagePlans.h"
#include "pages/CodModesPage.h"
#include "pages/FriendlyFireFrame.h"
#include "pages/MapsPage.h"
#include "pages/MessagesPage.h"
#include "pages/PlayersPage.h"
#include "pages/ServerPage.h"
#include "pages/UoModesPage.h"
#include "settings/HistorySettings.h"
#include "settings/OptionsStore.h"
#include "settings/ServerRecords.h"
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QAction* action(QMenu* menu, const char* name, const QString& caption) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QLatin1String(name));
    return a;
}

} // namespace

Main::Main(Dialogs& dialogs, const FileLocations& files, QWidget* parent)
    : QMainWindow(parent), m_dialogs(dialogs) {
    m_shared.files = files;
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QStringLiteral("Vostrel"));

    m_split = named(new QSplitter(Qt::Horizontal, this), "split");
    m_split->addWidget(buildSideColumn());
    m_tabs = named(new QTabWidget(m_split), "workspaces");
    m_tabs->setAccessibleName(tr("Servers open"));
    m_tabs->setTabsClosable(true);
    m_tabs->setMovable(true);
    m_tabs->setDocumentMode(true);
    auto* newTab = named(new QToolButton(m_tabs), "cmdnewtab");
    newTab->setText(QStringLiteral("+"));
    newTab->setToolTip(tr("Open a workspace for another server (Ctrl+T)"));
    newTab->setAccessibleName(tr("New server tab"));
    m_tabs->setCornerWidget(newTab, Qt::TopRightCorner);
    m_split->addWidget(m_tabs);
    m_split->setStretchFactor(0, 0);
    m_split->setStretchFactor(1, 1);
    m_split->setCollapsible(1, false);
    setCentralWidget(m_split);

    m_strips = named(new QStackedWidget(statusBar()), "statusstrips");
    statusBar()->addWidget(m_strips, 1);
    m_history = new HistoryController(m_dialogs, this);
    statusBar()->addPermanentWidget(m_history->stateLabel());
    m_shared.history = m_history->store();

    m_saved = new SavedServersController(
        m_dialogs, *m_serverList, [this] { return &current(); }, this);
    connect(m_saved, &SavedServersController::listChanged, this, &Main::saveServerList);
    connect(m_serverList, &ServerListPanel::recordsChanged, this, [this] {
        saveServerList();
        for (int i = 0; i < workspaceCount(); ++i)
            showTitle(workspace(i));
    });
    connect(m_serverList, &ServerListPanel::openRequested, this, &Main::openServer);
    connect(m_serverList, &ServerListPanel::tickedChanged, this,
            [this] { m_fleetSend->setTicked(int(m_serverList->tickedRecords().size())); });
    connect(m_fleetSend, &FleetSendBar::sendRequested, this, &Main::sendToTicked);
    openWorkspace();
    buildMenus();
    buildShortcuts();

    connect(newTab, &QToolButton::clicked, this, [this] { openWorkspace(); });
    connect(m_tabs, &QTabWidget::tabCloseRequested, this, &Main::closeWorkspace);
    connect(m_tabs, &QTabWidget::currentChanged, this, &Main::currentChanged);
    connect(m_exit, &QPushButton::clicked, this, &QWidget::close);
    connect(m_sendMessage, &QPushButton::clicked, this, [this] {
        Session& session = current().session();
        // The proposed text goes to the players as it is: it stays in the server's language.
        const QString text =
            session.dialogs().input(tr("Type message to send to server"), tr("Server Message"),
                                    QStringLiteral("Welcome to our server, enjoy your stay"));
        if (!text.isEmpty())
            session.run(messageplans::oneOffMessage(m_prefix->text(), text), &current());
    });
    connect(m_prefix, &QLineEdit::textEdited, this, [this] { m_prefixChanged = true; });
    connect(m_prefix, &QLineEdit::textChanged, this,
            [this](const QString& prefix) { m_shared.userPrefix = prefix; });
    m_prefix->installEventFilter(this);

    fitToScreen();
}

Main::~Main() = default;

QWidget* Main::buildSideColumn() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(2, 4, 0, 2);

    m_serverList = new ServerListPanel(m_dialogs, column);
    layout->addWidget(m_serverList, 3);
    m_fleetSend = new FleetSendBar(column);
    layout->addWidget(m_fleetSend);

    m_prefix = named(new QLineEdit(QStringLiteral("RemoteUser"), column), "txtprefix");
    // The settings file gives back at most 49 characters of it.
    m_prefix->setMaxLength(49);
    m_sendMessage = named(new QPushButton(tr("Send &Message"), column), "cmdmessage");
    layout->addWidget(labelFor(tr("User &Prefix for message"), m_prefix, column));
    auto* prefix = new QHBoxLayout;
    prefix->addWidget(m_prefix, 1);
    prefix->addWidget(m_sendMessage);
    layout->addLayout(prefix);

    m_exit = named(new QPushButton(tr("E&xit"), column), "cmdexit");
    layout->addWidget(m_exit, 0, Qt::AlignRight);
    return column;
}

// --- Workspaces -----------------------------------------------------------------------

int Main::workspaceCount() const {
    return m_tabs->count();
}

Workspace* Main::workspace(int index) const {
    return qobject_cast<Workspace*>(m_tabs->widget(index));
}

Workspace& Main::current() const {
    auto* shown = qobject_cast<Workspace*>(m_tabs->currentWidget());
    return shown ? *shown : *workspace(0);
}

Workspace& Main::openWorkspace() {
    auto* workspace = new Workspace(m_dialogs, m_shared, m_settings, m_tabs);
    m_strips->addWidget(workspace->statusStrip());
    // One opened after the start-up shows what the start-up read for all servers.
    if (m_started) {
        workspace->pages().players->applyStartupOptions(m_shared.options);
        workspace->pages().messages->showSets();
    }
    connect(workspace, &Workspace::titleChanged, this, [this, workspace] { showTitle(workspace); });
    connect(workspace, &Workspace::openHobRequested, this, &Main::openHob);
    connect(workspace, &Workspace::hobSiteRequested, this, [] { openurl(links::hobModSite()); });
    const int index = m_tabs->addTab(workspace, workspace->title());
    m_tabs->setCurrentIndex(index);
    currentChanged();
    return *workspace;
}

void Main::closeWorkspace(int index) {
    Workspace* closing = workspace(index);
    if (!closing)
        return;
    closing->closeDown();
    if (m_tabs->count() == 1) {
        // The window always shows one workspace: a new empty one takes the last one's place.
        openWorkspace();
    }
    m_tabs->removeTab(m_tabs->indexOf(closing));
    closing->deleteLater();
    currentChanged();
}

void Main::showTitle(Workspace* workspace) {
    const int index = m_tabs->indexOf(workspace);
    if (index < 0)
        return;
    // A listed server goes by the operator's own name for it, when it has one.
    QString caption = workspace->title();
    for (const ServerRecord& record : m_serverList->records())
        if (!record.name.isEmpty() && record.entry().compare(caption, Qt::CaseInsensitive) == 0)
            caption = record.name;
    m_tabs->setTabText(index, caption);
    m_tabs->setTabToolTip(index, workspace->title());
}

void Main::currentChanged() {
    if (m_tabs->count() == 0)
        return;
    m_strips->setCurrentWidget(current().statusStrip());
}

MainWidgets Main::widgets() const {
    MainWidgets w = current().widgets();
    w.txtprefix = m_prefix;
    w.cmdmessage = m_sendMessage;
    w.cmdexit = m_exit;
    return w;
}

// --- Menus and shortcuts ----------------------------------------------------------------

void Main::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mfile"));
    QAction* newTab = action(file, "mnewtab", tr("New Server &Tab"));
    newTab->setShortcut(QKeySequence::AddTab);
    connect(newTab, &QAction::triggered, this, [this] { openWorkspace(); });
    QAction* closeTab = action(file, "mclosetab", tr("Close Server T&ab"));
    closeTab->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    connect(closeTab, &QAction::triggered, this,
            [this] { closeWorkspace(m_tabs->currentIndex()); });
    file->addSeparator();
    connect(action(file, "Saveserver", tr("&Save current server Info")), &QAction::triggered,
            m_saved, &SavedServersController::saveCurrentServer);
    connect(action(file, "removeserver", tr("&Remove current server Info")), &QAction::triggered,
            m_saved, &SavedServersController::removeCurrentServer);
    file->addSeparator();
    connect(action(file, "savemessages", tr("Save &message log...")), &QAction::triggered, this,
            [this] { logs().saveMessages(); });
    connect(action(file, "clearmessage", tr("Clear M&essage log")), &QAction::triggered, this,
            [this] { logs().clearMessages(); });
    connect(action(file, "savercon", tr("Save RCON &log...")), &QAction::triggered, this,
            [this] { logs().saveRcon(); });
    connect(action(file, "clearrcon", tr("Clear RCON l&og")), &QAction::triggered, this,
            [this] { logs().clearRcon(); });
    file->addSeparator();
    QAction* prefs = action(file, "mpref", tr("&Preferences..."));
    prefs->setShortcut(QKeySequence(QStringLiteral("Ctrl+,")));
    prefs->setMenuRole(QAction::PreferencesRole);
    connect(prefs, &QAction::triggered, this, &Main::openPreferences);
    file->addSeparator();
    QAction* quit = action(file, "Exit", tr("E&xit"));
    quit->setShortcut(QKeySequence::Quit);
    connect(quit, &QAction::triggered, this, &QWidget::close);

    QMenu* comm = menuBar()->addMenu(tr("&Common Tasks"));
    comm->setObjectName(QStringLiteral("comm"));
    connect(action(comm, "commmap_restart", tr("&Restart Map")), &QAction::triggered, this,
            [this] { pages().maps->restartClicked(); });
    connect(action(comm, "commmap_rotate", tr("&Next Map in Cycle")), &QAction::triggered, this,
            [this] { pages().maps->rotateClicked(); });
    comm->addSeparator()->setObjectName(QStringLiteral("dash"));
    const std::pair<const char*, const char*> ffItems[] = {
        {"COMMFFON", QT_TR_NOOP("Friendly Fire &On")},
        {"commFFOFF", QT_TR_NOOP("Friendly Fire O&ff")},
        {"commFFREFL", QT_TR_NOOP("Friendly Fire R&eflective damage")},
        {"commFFSHARE", QT_TR_NOOP("Friendly Fire S&hared")}};
    const int ffValues[] = {1, 0, 2, 3};
    for (int i = 0; i < 4; ++i) {
        const int value = ffValues[i];
        connect(action(comm, ffItems[i].first, tr(ffItems[i].second)), &QAction::triggered, this,
                [this, value] { pages().server->friendlyFire()->change(value); });
    }
    QMenu* gm = comm->addMenu(tr("&Game mode switch"));
    gm->setObjectName(QStringLiteral("gm"));
    const std::pair<const char*, const char*> gmItems[] = {
        {"gmsd", QT_TR_NOOP("&Search && Destroy")},   {"gmrd", QT_TR_NOOP("&Retrieval")},
        {"gmbel", QT_TR_NOOP("&Behind Enemy Lines")}, {"gmdm", QT_TR_NOOP("&Death Match")},
        {"gmtdm", QT_TR_NOOP("&Team Death Match")},   {"gmhq", QT_TR_NOOP("&Headquarters")}};
    const int gmIndexes[] = {0, 3, 1, 4, 2, 5};
    for (int i = 0; i < 6; ++i) {
        const int index = gmIndexes[i];
        connect(action(gm, gmItems[i].first, tr(gmItems[i].second)), &QAction::triggered, this,
                [this, index] { pages().codModes->switchGameType(index); });
    }
    gm->addSeparator()->setObjectName(QStringLiteral("uodash"));
    QMenu* gmUO = gm->addMenu(tr("&United Offensive Modes"));
    gmUO->setObjectName(QStringLiteral("gmUO"));
    const std::pair<const char*, const char*> uoItems[] = {
        {"gmUOdom", QT_TR_NOOP("&Domination")},
        {"gmUOctf", QT_TR_NOOP("&Capture the flag")},
        {"gmUObase", QT_TR_NOOP("&Base assault")}};
    for (int i = 0; i < 3; ++i)
        connect(action(gmUO, uoItems[i].first, tr(uoItems[i].second)), &QAction::triggered, this,
                [this, i] { pages().uoModes->switchUoMode(i); });

    // The project has no web site or forum to point at; About says where the licence and
    // the source stand.
    QMenu* history = menuBar()->addMenu(tr("Hi&story"));
    history->setObjectName(QStringLiteral("history"));
    QAction* players = action(history, "historyplayers", tr("&Players..."));
    players->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+P")));
    connect(players, &QAction::triggered, m_history, &HistoryController::openPlayerSearch);
    QAction* actions = action(history, "historyactions", tr("&Actions..."));
    actions->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+A")));
    connect(actions, &QAction::triggered, m_history, &HistoryController::openActions);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mhelp"));
    connect(action(help, "helpabout", tr("&About")), &QAction::triggered, this, &Main::openAbout);
}

void Main::buildShortcuts() {
    // Ctrl+Tab and Ctrl+Shift+Tab step through the servers; Ctrl+1 to Ctrl+9 pick one.
    const auto step = [this](int by) {
        const int count = m_tabs->count();
        m_tabs->setCurrentIndex((m_tabs->currentIndex() + by + count) % count);
    };
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this), &QShortcut::activated, this,
            [step] { step(1); });
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), this),
            &QShortcut::activated, this, [step] { step(-1); });
    for (int n = 1; n <= 9; ++n)
        connect(new QShortcut(QKeySequence(Qt::CTRL | (Qt::Key_0 + n)), this),
                &QShortcut::activated, this, [this, n] {
                    if (n <= m_tabs->count())
                        m_tabs->setCurrentIndex(n - 1);
                });
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, m_serverList,
            &ServerListPanel::focusFind);
    // F5 lists the current server's players; Ctrl+L goes to its console line.
    connect(new QShortcut(QKeySequence::Refresh, this), &QShortcut::activated, this,
            [this] { pages().players->populateClicked(); });
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this), &QShortcut::activated, this,
            [this] {
                QComboBox* line = current().widgets().comdirect;
                line->setFocus(Qt::ShortcutFocusReason);
                line->lineEdit()->selectAll();
            });
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
        auto* prefs = new PreferencesDialog(session(), m_settings, this);
        prefs->setAttribute(Qt::WA_DeleteOnClose);
        connect(prefs, &PreferencesDialog::saved, this, &Main::startupServerChosen);
        connect(
            prefs, &PreferencesDialog::historySaved, this,
            [this](const HistorySettings& settings) { m_history->open(settings, m_shared.files); });
        return prefs;
    });
    if (fresh)
        m_prefs->fill();
}

void Main::startupServerChosen(const QSet<QString>& keys) {
    static const QStringList startupKeys{
        QStringLiteral("autoconnect"), QStringLiteral("autoconnectserv"),
        QStringLiteral("autoconnectport"), QStringLiteral("autoconnectrcon")};
    if (std::none_of(startupKeys.begin(), startupKeys.end(),
                     [&keys](const QString& key) { return keys.contains(key); }))
        return;
    // The automatic connect of Preferences is the list's "connect at start" for that server.
    const Options& o = m_shared.options;
    const ServerRecords updated =
        withStartupServer(m_serverList->records(), o.autoconnect, o.autoconnectserv.trimmed(),
                          o.autoconnectport.trimmed(), o.autoconnectrcon.trimmed());
    if (updated == m_serverList->records())
        return;
    m_serverList->setRecords(updated);
    saveServerList();
}

void Main::openHob() {
    // The window works with the server shown when it opens.
    showOnce(m_hob, [this] {
        auto* hob = new HobWindow(session(), this);
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

// --- Start-up and shutdown --------------------------------------------------------------

void Main::loadSavedServers() {
    const ServerRecords records = readServerRecords(m_settings);
    m_serverList->setRecords(records);
    m_recordsInFile = int(records.size());
}

bool Main::saveServerList() {
    const ServerListWriteResult written =
        writeServerRecords(m_settings, m_serverList->records(), m_recordsInFile);
    if (!written.ok) {
        m_dialogs.message(tr("Failed to write new server list to INI file (%1)\rError code %2 "
                             "Descr: %3")
                              .arg(written.failedPart, QString::number(written.errorCode),
                                   written.errorDescription),
                          tr("INI Write Fail"), Dialogs::Icon::Exclamation);
        return false;
    }
    m_recordsInFile = qMax(m_recordsInFile, int(m_serverList->records().size()));
    return true;
}

Workspace* Main::workspaceFor(const QString& entry) const {
    for (int i = 0; i < workspaceCount(); ++i) {
        Workspace* open = workspace(i);
        if (open->session().connection() != ConnectionState::Disconnected &&
            open->session().serverName().compare(entry, Qt::CaseInsensitive) == 0)
            return open;
    }
    return nullptr;
}

void Main::openServer(const ServerRecord& record) {
    Workspace* target = workspaceFor(record.entry());
    if (!target) {
        target = current().isBlank() ? &current() : &openWorkspace();
        target->setServer(record.address, record.port, record.password);
        // A start-up server saved without its password is shown, not connected.
        if (!record.password.isEmpty())
            target->connection().connectClicked();
    }
    m_tabs->setCurrentWidget(target);
}

void Main::sendToTicked(fleetplans::Kind kind, const QString& text) {
    const QString command = fleetplans::commandName(kind, text);
    const Plan plan = fleetplans::plan(kind, text, m_prefix->text());
    for (const ServerRecord& record : m_serverList->tickedRecords()) {
        Workspace* target = workspaceFor(record.entry());
        if (!target || !target->session().isConnected()) {
            m_fleetSend->addOutcome(fleetplans::notConnectedLine(record.title(), command));
            continue;
        }
        // Each server's own queue takes it: none waits behind another.
        const QString server = record.title();
        target->session().run(plan, target, [this, server, command](const PlanOutcome& outcome) {
            m_fleetSend->addOutcome(fleetplans::outcomeLine(server, command, outcome));
        });
    }
}

void Main::startup() {
    const OpenTabs reopen = restoreWindowState();
    m_shared.loading = true;
    m_settings.setPath(m_shared.files.settingsFile);
    m_settings.removeStaleTemporary();
    loadSavedServers();
    current().pages().messages->loadSets();
    for (int i = 0; i < workspaceCount(); ++i)
        if (workspace(i) != &current())
            workspace(i)->pages().messages->showSets();

    const QString user = readRemoteUser(m_settings);
    m_prefix->setText(user.isEmpty() ? QStringLiteral("RemoteUser") : user);

    m_shared.options = loadOptions(m_settings);
    m_history->open(readHistorySettings(m_settings), m_shared.files);
    for (int i = 0; i < workspaceCount(); ++i)
        workspace(i)->pages().players->applyStartupOptions(m_shared.options);

    // Every server marked to connect at start connects, each in its own tab (a settings file
    // of an older version marks the one its automatic connect named).
    // So do the servers that were open when the window last closed.
    Workspace& first = current();
    Workspace* shown = nullptr;
    for (const ServerRecord& record : m_serverList->records()) {
        const qsizetype openAt = reopen.servers.indexOf(record.entry());
        if (record.connectAtStart || openAt >= 0)
            openServer(record);
        if (openAt >= 0 && openAt == reopen.shown)
            shown = &current();
    }
    m_tabs->setCurrentWidget(shown ? shown : &first);
    m_shared.loading = false;
    m_started = true;
    // The cycler starts once the automatic connect has ended, connected or not.
    if (first.session().connection() == ConnectionState::Connecting)
        connect(&first.connection(), &ConnectController::connectEnded, this,
                &Main::startCyclerIfAsked, Qt::SingleShotConnection);
    else
        startCyclerIfAsked();
}

void Main::startCyclerIfAsked() {
    const Options& o = m_shared.options;
    if (!o.automessage)
        return;
    Workspace& first = *workspace(0);
    first.pages().messages->autoStart(o.messagetime, o.messageset);
}

bool Main::shutdown() {
    if (current().pages().messages->hasUnsavedChanges() &&
        m_dialogs.message(
            tr("Message changes not saved\rClick OK if you wish to go back to save them"),
            tr("Unsaved Messages Sets"), Dialogs::Icon::Exclamation,
            Dialogs::Buttons::OkCancel) == Dialogs::Answer::Ok)
        return false;

    for (int i = 0; i < workspaceCount(); ++i)
        workspace(i)->session().client().close();
    current().showProgress(tr("Saving server list to INI"));
    if (!saveServerList()) {
        current().hideProgress();
        return true;
    }
    for (int i = 0; i < workspaceCount(); ++i)
        workspace(i)->closeDown();
    return true;
}

void Main::closeEvent(QCloseEvent* event) {
    // Written before the shutdown disconnects the servers it names as open; staying after the
    // question leaves a file the real close writes again.
    if (!m_closing)
        saveWindowState();
    if (!m_closing && !shutdown()) {
        event->ignore();
        return;
    }
    m_closing = true;
    m_serverList->stopPolling();
    // What waits to be written gets its short time now, not when the window is destroyed.
    m_history->close();
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
        current().widgets().comserver->setFocus();
    m_shownBefore = true;
    // The list's live status is asked for while the window is open.
    m_serverList->startPolling();
}

bool Main::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_prefix || event->type() != QEvent::FocusOut || !m_prefixChanged)
        return QMainWindow::eventFilter(watched, event);
    // The prefix goes into every broadcast as well as into the file.
    const QString refusal = unsupportedTextRefusal({{tr("user prefix"), m_prefix->text()}});
    if (!refusal.isEmpty()) {
        m_dialogs.message(refusal, unsupportedTitle(), Dialogs::Icon::Exclamation);
    } else if (!writeRemoteUser(m_settings, m_prefix->text())) {
        m_dialogs.message(
            tr("Failed to write the user prefix to INI file\rError code %1 Descr: %2")
                .arg(QString::number(m_settings.errorCode()), m_settings.errorDescription()),
            tr("INI Write Fail"), Dialogs::Icon::Exclamation);
    }
    return QMainWindow::eventFilter(watched, event);
}

// --- Window state -----------------------------------------------------------------------

void Main::fitToScreen() {
    // The desktop adds a frame and a title bar around the window.
    const QSize room = screen()->availableGeometry().size() - QSize(24, 64);
    resize(QSize(1400, 820).boundedTo(room).expandedTo(minimumSizeHint()));
}

QString Main::windowStateFile() {
    return QFileInfo(m_shared.files.settingsFile)
        .dir()
        .filePath(QStringLiteral("vostrel-window.ini"));
}

Main::OpenTabs Main::restoreWindowState() {
    // A lock left by a run that was killed while it saved would hold up every later save.
    privatefiles::removeStaleLock(windowStateFile());
    if (!QFileInfo::exists(windowStateFile()))
        return {};
    const QSettings state(windowStateFile(), QSettings::IniFormat);
    restoreGeometry(state.value(QStringLiteral("geometry")).toByteArray());
    m_split->restoreState(state.value(QStringLiteral("splitter")).toByteArray());
    current().body()->restoreState(state.value(QStringLiteral("workspace")).toByteArray());
    return {state.value(QStringLiteral("open")).toStringList(),
            state.value(QStringLiteral("shown"), -1).toInt()};
}

void Main::saveWindowState() {
    // The settings class replaces the file keeping its mode, so the mode is set first.
    if (!privatefiles::makeFolderFor(windowStateFile()) ||
        !privatefiles::makeOwnerOnly(windowStateFile()))
        return;
    QSettings state(windowStateFile(), QSettings::IniFormat);
    state.setValue(QStringLiteral("geometry"), saveGeometry());
    state.setValue(QStringLiteral("splitter"), m_split->saveState());
    state.setValue(QStringLiteral("workspace"), current().body()->saveState());
    // The servers open at the end, and the one shown, open again at the next start.
    QStringList open;
    int shown = -1;
    for (int i = 0; i < workspaceCount(); ++i) {
        const QString entry = workspace(i)->session().serverName();
        if (workspace(i)->session().connection() == ConnectionState::Disconnected ||
            entry.isEmpty())
            continue;
        if (workspace(i) == &current())
            shown = int(open.size());
        open << entry;
    }
    state.setValue(QStringLiteral("open"), open);
    state.setValue(QStringLiteral("shown"), shown);
}
