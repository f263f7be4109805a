#include "Workspace.h"

#include "CappedPane.h"
#include "ConnectController.h"
#include "ConsoleController.h"
#include "LogActions.h"
#include "ProgressNotice.h"
#include "WidgetNaming.h"
#include "app/ConnectChecks.h"
#include "app/ServerListRules.h"
#include "pages/CodModesPage.h"
#include "pages/MapsPage.h"
#include "pages/MessagesPage.h"
#include "pages/MiscPage.h"
#include "pages/ModsPage.h"
#include "pages/PlayersPage.h"
#include "pages/ServerPage.h"
#include "pages/UoMiscPage.h"
#include "pages/UoModesPage.h"
#include "pages/WeaponsPage.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QTextCharFormat>
#include <QTime>
#include <QVBoxLayout>

#include <limits>

namespace {

// A page that needs more room than the workspace gives scrolls instead of holding the window
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

Workspace::Workspace(Dialogs& dialogs, SharedState& shared, ProfileFile& settings, QWidget* parent)
    : QWidget(parent), m_session(dialogs, *this, shared) {
    setObjectName(QStringLiteral("workspace"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 4, 0, 0);
    layout->addWidget(buildConnectionRow());

    m_body = named(new QSplitter(Qt::Vertical, this), "body");
    m_w.SSTab = named(new QTabWidget(m_body), "SSTab");
    m_w.SSTab->setAccessibleName(tr("Pages"));
    m_body->addWidget(m_w.SSTab);
    m_body->addWidget(buildConsole());
    m_body->setStretchFactor(0, 3);
    m_body->setStretchFactor(1, 2);
    m_body->setChildrenCollapsible(false);
    layout->addWidget(m_body, 1);

    m_progress = new ProgressNotice(this);
    m_logs = new LogActions(m_session, m_w.txtoutput, m_w.lstmessages, this);
    buildPages(settings);
    m_connect = new ConnectController(m_session, m_w, *m_logs, this);
    m_console = new ConsoleController(m_session, m_w, this, this);
    buildStatusStrip();

    m_session.client().setPasswordSource([this] { return m_w.txtPWD->text(); });
    connect(m_w.cmdconnect, &QPushButton::clicked, m_connect, &ConnectController::connectClicked);
    connect(m_w.cmdsend, &QPushButton::clicked, m_console, &ConsoleController::sendClicked);
    connect(m_w.cmdstatus, &QPushButton::clicked, m_console, &ConsoleController::statusClicked);
    connect(m_w.cmsserverinfo, &QPushButton::clicked, m_console,
            &ConsoleController::serverInfoClicked);
    connect(&m_session, &Session::connectionChanged, this, &Workspace::titleChanged);
    for (QComboBox* box : {m_w.comserver, m_w.comport})
        connect(box, &QComboBox::editTextChanged, this, [this] {
            if (m_session.connection() == ConnectionState::Disconnected)
                emit titleChanged();
        });
}

Workspace::~Workspace() {
    // The strip sits in the window's status bar, outside this widget.
    delete m_strip;
}

QWidget* Workspace::buildConnectionRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_w.comserver = named(new QComboBox(row), "comserver");
    m_w.comserver->setEditable(true);
    m_w.comserver->setEditText(QStringLiteral("127.0.0.1"));
    m_w.comserver->setMinimumWidth(90);
    m_w.comserver->setMaximumWidth(360);
    m_w.comport = named(new QComboBox(row), "comport");
    m_w.comport->setEditable(true);
    m_w.comport->setEditText(QStringLiteral("28960"));
    m_w.comport->setMaximumWidth(110);
    m_w.txtPWD = named(new QLineEdit(row), "txtPWD");
    m_w.txtPWD->setEchoMode(QLineEdit::Password);
    m_w.txtPWD->setMaximumWidth(220);
    m_w.cmdconnect = named(new QPushButton(tr("Connect"), row), "cmdconnect");
    // The lists hold what the operator left in the box, nothing the box adds by itself.
    for (QComboBox* box : {m_w.comserver, m_w.comport}) {
        box->setInsertPolicy(QComboBox::NoInsert);
        box->installEventFilter(this);
    }
    layout->addWidget(labelFor(tr("server &address"), m_w.comserver, row));
    layout->addWidget(m_w.comserver, 2);
    layout->addWidget(labelFor(tr("p&ort"), m_w.comport, row));
    layout->addWidget(m_w.comport);
    layout->addWidget(labelFor(tr("rcon pass&word"), m_w.txtPWD, row));
    layout->addWidget(m_w.txtPWD, 1);
    layout->addWidget(m_w.cmdconnect);
    layout->addStretch();
    return row;
}

QWidget* Workspace::buildConsole() {
    auto* console = new QWidget(this);
    auto* layout = new QVBoxLayout(console);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* logs = named(new QSplitter(Qt::Horizontal, console), "logs");
    auto* paneColumn = new QWidget(logs);
    auto* paneLayout = new QVBoxLayout(paneColumn);
    paneLayout->setContentsMargins(0, 0, 0, 0);
    m_w.txtoutput = named(new QPlainTextEdit(paneColumn), "txtoutput");
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
    m_w.txtoutput->setMinimumHeight(60);
    paneLayout->addWidget(labelFor(tr("&Responses from server"), m_w.txtoutput, paneColumn));
    paneLayout->addWidget(m_w.txtoutput, 1);

    auto* messageColumn = new QWidget(logs);
    auto* messageLayout = new QVBoxLayout(messageColumn);
    messageLayout->setContentsMargins(0, 0, 0, 0);
    m_w.lstmessages = named(new QListWidget(messageColumn), "lstmessages");
    m_w.lstmessages->setMinimumHeight(60);
    messageLayout->addWidget(labelFor(tr("Messa&ges:"), m_w.lstmessages, messageColumn));
    messageLayout->addWidget(m_w.lstmessages, 1);
    logs->addWidget(paneColumn);
    logs->addWidget(messageColumn);
    logs->setStretchFactor(0, 3);
    logs->setStretchFactor(1, 1);
    logs->setChildrenCollapsible(false);
    layout->addWidget(logs, 1);

    auto* direct = new QHBoxLayout;
    m_w.comdirect = named(new QComboBox(console), "comdirect");
    m_w.comdirect->setEditable(true);
    m_w.comdirect->setInsertPolicy(QComboBox::NoInsert);
    // A line too long for one request is refused with its length, never cut where it is typed.
    m_w.comdirect->lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    m_w.cmdsend = named(new QPushButton(tr("&Send"), console), "cmdsend");
    m_w.cmdstatus = named(new QPushButton(tr("Get Stat&us"), console), "cmdstatus");
    m_w.cmsserverinfo = named(new QPushButton(tr("Get Server &Info"), console), "cmsserverinfo");
    direct->addWidget(labelFor(tr("Rcon &Direct"), m_w.comdirect, console));
    direct->addWidget(m_w.comdirect, 1);
    direct->addWidget(m_w.cmdsend);
    direct->addWidget(m_w.cmdstatus);
    direct->addWidget(m_w.cmsserverinfo);
    layout->addLayout(direct);
    return console;
}

void Workspace::buildPages(ProfileFile& settings) {
    m_pages.server = new ServerPage(m_session, m_w.SSTab);
    m_pages.codModes = new CodModesPage(m_session, m_w.SSTab);
    m_pages.maps = new MapsPage(m_session, m_w.SSTab);
    m_pages.weapons = new WeaponsPage(m_session, m_w.SSTab);
    m_pages.players = new PlayersPage(m_session, m_w.SSTab);
    m_pages.mods = new ModsPage(m_session, m_w.SSTab);
    m_pages.messages = new MessagesPage(m_session, settings, m_w.SSTab);
    m_pages.misc = new MiscPage(m_session, m_w.SSTab);
    m_pages.uoModes = new UoModesPage(m_session, m_w.SSTab);
    m_pages.uoMisc = new UoMiscPage(m_session, m_w.SSTab);
    const std::pair<QWidget*, const char*> tabs[] = {
        {m_pages.server, QT_TR_NOOP("Server")},     {m_pages.codModes, QT_TR_NOOP("COD Modes")},
        {m_pages.maps, QT_TR_NOOP("Maps")},         {m_pages.weapons, QT_TR_NOOP("Weapons")},
        {m_pages.players, QT_TR_NOOP("Players")},   {m_pages.mods, QT_TR_NOOP("Mods")},
        {m_pages.messages, QT_TR_NOOP("Messages")}, {m_pages.misc, QT_TR_NOOP("Misc")},
        {m_pages.uoModes, QT_TR_NOOP("UO: Modes")}, {m_pages.uoMisc, QT_TR_NOOP("UO: Misc")}};
    for (const auto& [page, caption] : tabs) {
        makeScrollable(page);
        m_w.SSTab->addTab(page, tr(caption));
    }
    connect(m_pages.mods, &ModsPage::hobWindowRequested, this, &Workspace::openHobRequested);
    connect(m_pages.mods, &ModsPage::hobSiteRequested, this, &Workspace::hobSiteRequested);
}

void Workspace::buildStatusStrip() {
    m_strip = new QWidget;
    m_strip->setObjectName(QStringLiteral("statusstrip"));
    auto* layout = new QHBoxLayout(m_strip);
    layout->setContentsMargins(0, 0, 0, 0);
    m_connectionText = named(new QLabel(m_strip), "lblconnection");
    m_refusal = named(new QLabel(m_strip), "lbllastrefusal");
    m_refusal->setAccessibleName(tr("Last refusal"));
    m_refusal->setStyleSheet(QStringLiteral("color: #b00000"));
    m_refusal->hide();
    m_progress->setParent(m_strip);
    m_busy = named(new QProgressBar(m_strip), "busyindicator");
    m_busy->setRange(0, 0); // no end known: it only says that something is under way
    m_busy->setTextVisible(false);
    m_busy->setMaximumSize(80, m_connectionText->fontMetrics().height());
    m_busy->setAccessibleName(tr("Busy"));
    m_cancel = named(new QPushButton(tr("Ca&ncel"), m_strip), "cmdcancel");
    m_cancel->setToolTip(tr("Withdraw the commands waiting to go and the one under way"));
    m_cancel->setFocusPolicy(Qt::TabFocus);
    layout->addWidget(m_connectionText);
    layout->addWidget(m_refusal);
    layout->addWidget(m_progress, 1);
    layout->addStretch();
    layout->addWidget(m_busy);
    layout->addWidget(m_cancel);

    RconClient& client = m_session.client();
    connect(&client, &RconClient::busyChanged, this, &Workspace::showBusy);
    connect(&client, &RconClient::idleNow, this, &Workspace::showBusy);
    // A connect whose password the server has not taken yet ends unconnected.
    connect(m_cancel, &QPushButton::clicked, &client, &RconClient::cancelAll);
    connect(&m_session, &Session::connectionChanged, this, [this] {
        m_gameStatus.clear();
        showConnection();
    });
    connect(m_connect, &ConnectController::gameStatusRead, this,
            [this](const QString& gametype, const QString& map) {
                QStringList parts;
                if (!gametype.isEmpty())
                    parts << tr("game type %1").arg(gametype);
                if (!map.isEmpty())
                    parts << tr("map %1").arg(map);
                m_gameStatus = parts.join(QLatin1String(", "));
                showConnection();
            });
    showConnection();
    showBusy();
}

QString Workspace::title() const {
    if (m_session.connection() != ConnectionState::Disconnected &&
        !m_session.serverName().isEmpty())
        return m_session.serverName();
    const QString address = m_w.comserver->currentText().trimmed();
    return address.isEmpty() ? tr("New server")
                             : addressText(address, m_w.comport->currentText().trimmed());
}

void Workspace::setServer(const QString& address, const QString& port, const QString& password) {
    if (m_connect->fieldsLocked())
        return;
    m_w.comserver->setEditText(address);
    m_w.comport->setEditText(port);
    m_w.txtPWD->setText(password);
}

bool Workspace::isBlank() const {
    return m_session.connection() == ConnectionState::Disconnected &&
           m_session.serverName().isEmpty() && m_w.txtPWD->text().isEmpty();
}

void Workspace::closeDown() {
    // The pages stop their cycler and auto update when they hear of the disconnect.
    m_session.client().close();
    m_session.setConnection(ConnectionState::Disconnected);
    const Options& options = m_session.state().options;
    if (options.savercon)
        m_logs->saveRcon(false);
    if (options.savemessages)
        m_logs->saveMessages(false);
    hideProgress();
}

void Workspace::remember(QComboBox* box) {
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    const QString text = box->currentText();
    if (serverlist::shouldRemember(texts, text)) {
        box->addItem(text);
        // Adding the first entry selects it; the box keeps showing what was typed.
        box->setEditText(text);
    }
}

bool Workspace::eventFilter(QObject* watched, QEvent* event) {
    // Opening the box's own list is not leaving the box.
    if (event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason &&
        (watched == m_w.comserver || watched == m_w.comport))
        remember(static_cast<QComboBox*>(watched));
    return QWidget::eventFilter(watched, event);
}

void Workspace::showConnection() {
    const QString address =
        addressText(m_w.comserver->currentText().trimmed(), m_w.comport->currentText().trimmed());
    switch (m_session.connection()) {
    case ConnectionState::Disconnected:
        m_connectionText->setText(tr("Not connected"));
        break;
    case ConnectionState::Connecting:
        m_connectionText->setText(tr("Connecting to %1").arg(address));
        break;
    case ConnectionState::Connected:
        m_connectionText->setText(m_gameStatus.isEmpty()
                                      ? tr("Connected to %1").arg(address)
                                      : tr("Connected to %1, %2").arg(address, m_gameStatus));
        break;
    }
}

void Workspace::showBusy() {
    const bool busy = !m_session.client().idle();
    const bool wasBusy = !m_busy->isHidden();
    m_busy->setVisible(busy);
    m_cancel->setEnabled(busy);
    // A progress text stays only while its exchange runs (a text shown before the exchange's
    // first request stays up until it ends).
    if (wasBusy && !busy)
        hideProgress();
}

// --- Output ---------------------------------------------------------------------------

void Workspace::appendRcon(const QString& text) {
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

void Workspace::addMessage(const QString& text) {
    m_w.lstmessages->insertItem(
        0, tr("Time: %1 %2").arg(QTime::currentTime().toString(QStringLiteral("hh:mm:ss")), text));
}

void Workspace::showProgress(const QString& text, ProgressMode mode) {
    if (text.isEmpty()) {
        m_progress->setText({});
        return;
    }
    if (activeWindowMinimised())
        return;
    m_progress->setText(
        mode == ProgressMode::Add ? m_progress->text() + QLatin1String("\r\n") + text : text);
}

void Workspace::showRefusal(const QString& text) {
    m_refusal->setText(text);
    m_refusal->setToolTip(text);
    m_refusal->setVisible(!text.isEmpty());
}

bool Workspace::activeWindowMinimised() const {
    const QWidget* active = QApplication::activeWindow();
    return (active ? active : window())->isMinimized();
}
