#include "MessagesPage.h"
#include "ui/WidgetNaming.h"

#include "app/SayPrefix.h"
#include "app/Session.h"
#include "base/Dialogs.h"
#include "base/NumberRules.h"
#include "base/WaitClock.h"
#include "messages/CyclerLogic.h"
#include "messages/MessagePlans.h"
#include "messages/MessageSetStore.h"
#include "rcon/OutputSink.h"
#include "rcon/ReplyText.h"
#include "settings/ProfileFile.h"
#include "ui/Mnemonics.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <functional>

namespace {

QPushButton* button(const char* caption, const char* name, const char* tip, QWidget* parent) {
    auto* b = named(new QPushButton(QLatin1String(caption), parent), name);
    b->setToolTip(QLatin1String(tip));
    return b;
}

QToolButton* imageButton(const char* name, const char* tip, QWidget* parent) {
    auto* b = named(new QToolButton(parent), name);
    b->setToolTip(QLatin1String(tip));
    b->setAccessibleName(QLatin1String(tip));
    b->setAutoRaise(true);
    b->setIconSize(QSize(20, 20));
    return b;
}

// The move and delete images: two arrows and a red cross.
QIcon drawnIcon(const std::function<void(QPainter&)>& draw) {
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return QIcon(pixmap);
}

QIcon arrowIcon(bool up) {
    return drawnIcon([up](QPainter& painter) {
        const QPolygonF triangle =
            up ? QPolygonF{{10, 3}, {18, 15}, {2, 15}} : QPolygonF{{2, 5}, {18, 5}, {10, 17}};
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(30, 70, 160));
        painter.drawPolygon(triangle);
    });
}

QIcon crossIcon() {
    return drawnIcon([](QPainter& painter) {
        painter.setPen(QPen(QColor(200, 0, 0), 3, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(4, 4, 16, 16);
        painter.drawLine(16, 4, 4, 16);
    });
}

// Focus that leaves because another window came up, or a popup opened, is not the operator
// leaving the box.
bool operatorLeft(const QEvent* event) {
    if (event->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

const QString kNoSetText = QStringLiteral("No message set selected in Message Set field");
const QString kNoSetTitle = QStringLiteral("No set selected");

} // namespace

MessagesPage::MessagesPage(Session& session, ProfileFile& settings, QWidget* parent)
    : QWidget(parent), m_session(session), m_settings(settings) {
    connect(&session, &Session::disconnected, this, [this] {
        if (cyclerRunning())
            stopCycler();
    });
    setObjectName(QStringLiteral("pageMessages"));

    m_cyclerTimer = named(new QTimer(this), "tmrmessage");
    m_cyclerWork = new QObject(this);
    m_cyclerTimer->setInterval(60 * WaitClock::instance().secondMs());
    connect(m_cyclerTimer, &QTimer::timeout, this, &MessagesPage::cyclerTick);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildSetsFrame(), 1);
    layout->addWidget(buildCyclerFrame());
    showFreeSets();
    setPending(false);
    mnemonics::complete(this, mnemonics::mainWindowLetters());
}

QWidget* MessagesPage::buildSetsFrame() {
    auto* frame = named(new QGroupBox(QStringLiteral("Message Sets"), this), "frmmesssets");

    m_setChooser = named(new QComboBox(frame), "commessset");
    m_setChooser->setEditable(true);
    // New names become sets only through the question on leaving the box.
    m_setChooser->setInsertPolicy(QComboBox::NoInsert);
    m_setChooser->lineEdit()->setMaxLength(MessageSetStore::kMaxText);
    m_setChooser->setToolTip(QStringLiteral("Lists messages sets"));
    m_setChooser->setMinimumWidth(220);
    auto* setLabel = new QLabel(QStringLiteral("Message set"), frame);
    setLabel->setToolTip(
        QStringLiteral("Message Sets allow more than one group of messages (e.g. 1 per server)"));
    setLabel->setBuddy(m_setChooser);

    m_freeSets = named(new QLineEdit(frame), "txtfreesets");
    m_freeSets->setReadOnly(true);
    m_freeSets->setToolTip(QStringLiteral("Number of Free Set slots"));
    m_freeSets->setMaximumWidth(40);
    auto* freeLabel = new QLabel(QStringLiteral("Sets free"), frame);
    freeLabel->setBuddy(m_freeSets);

    auto* setRow = new QHBoxLayout;
    setRow->addWidget(setLabel);
    setRow->addWidget(m_setChooser, 1);
    setRow->addSpacing(12);
    setRow->addWidget(freeLabel);
    setRow->addWidget(m_freeSets);

    m_setMessages = named(new QListWidget(frame), "lstmess");
    m_setMessages->setToolTip(
        QStringLiteral("Click entry to select for Move or Delete. Double Click to edit entry"));
    m_setMessages->setAccessibleName(QStringLiteral("Messages in set"));
    m_setMessages->setSelectionMode(QAbstractItemView::SingleSelection);

    m_moveUp = imageButton("imgup", "Move up in list", frame);
    m_moveUp->setIcon(arrowIcon(true));
    m_moveDown = imageButton("imgdown", "Move down in list", frame);
    m_moveDown->setIcon(arrowIcon(false));
    m_deleteMessage = imageButton("imgdel", "Removes selected item", frame);
    m_deleteMessage->setIcon(crossIcon());
    auto* moveColumn = new QVBoxLayout;
    moveColumn->addWidget(m_moveUp);
    moveColumn->addWidget(m_moveDown);
    moveColumn->addSpacing(12);
    moveColumn->addWidget(m_deleteMessage);
    moveColumn->addStretch();
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(m_setMessages, 1);
    listRow->addLayout(moveColumn);

    m_messageEditor = named(new QLineEdit(frame), "txtmess");
    m_messageEditor->setMaxLength(MessageSetStore::kMaxText);
    auto* messLabel = new QLabel(QStringLiteral("Message"), frame);
    messLabel->setBuddy(m_messageEditor);
    auto* messRow = new QHBoxLayout;
    messRow->addWidget(messLabel);
    messRow->addWidget(m_messageEditor, 1);

    auto* help = named(new QLabel(frame), "lblplaceholders");
    help->setTextFormat(Qt::PlainText);
    help->setText(QStringLiteral(
        "%IP% for IP number & port, %SN% for server name, %FF% Friendlyfire status"));
    help->setWordWrap(true);

    // The game's colour codes, each in its own colour, on a grey that shows black and white.
    auto* colours = named(new QWidget(frame), "frmcolours");
    colours->setAutoFillBackground(true);
    QPalette grey = colours->palette();
    grey.setColor(QPalette::Window, QColor(128, 128, 128));
    colours->setPalette(grey);
    auto* colourRow = new QHBoxLayout(colours);
    colourRow->setContentsMargins(6, 3, 6, 3);
    auto* colourHeading = named(new QLabel(QStringLiteral("Colour Codes>"), colours), "lblcolours");
    colourHeading->setStyleSheet(QStringLiteral("color: white;"));
    colourRow->addWidget(colourHeading);
    const QColor codeColours[8] = {Qt::black, Qt::red,  Qt::green,   Qt::yellow,
                                   Qt::blue,  Qt::cyan, Qt::magenta, Qt::white};
    for (int i = 0; i < 8; ++i) {
        auto* sample = new QLabel(QStringLiteral("^%1").arg(i), colours);
        sample->setObjectName(QStringLiteral("lblcolour_%1").arg(i));
        sample->setProperty("index", i);
        QFont bold = sample->font();
        bold.setBold(true);
        sample->setFont(bold);
        QPalette palette = sample->palette();
        palette.setColor(QPalette::WindowText, codeColours[i]);
        sample->setPalette(palette);
        colourRow->addWidget(sample);
    }
    colourRow->addStretch();

    m_saveSets = button("Save Sets", "cmdsetsave", "Save new list to INI file", frame);
    m_deleteSet = button("Delete Set", "cmdsetdel", "Deletes current Set", frame);
    m_discardSets = button("Discard change", "cmdsetdis", "Save new list to INI file", frame);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(m_saveSets);
    buttonRow->addWidget(m_deleteSet);
    buttonRow->addWidget(m_discardSets);
    buttonRow->addStretch();

    auto* column = new QVBoxLayout(frame);
    column->addLayout(setRow);
    column->addLayout(listRow, 1);
    column->addLayout(messRow);
    column->addWidget(help);
    column->addWidget(colours);
    column->addLayout(buttonRow);

    m_setChooser->installEventFilter(this);
    m_messageEditor->installEventFilter(this);
    connect(m_setChooser, &QComboBox::activated, this, [this] { setChosen(); });
    connect(m_setMessages, &QListWidget::itemDoubleClicked, this,
            [this] { messageDoubleClicked(); });
    connect(m_messageEditor, &QLineEdit::textChanged, this, [this] { m_messageChanged = true; });
    connect(m_moveUp, &QToolButton::clicked, this, &MessagesPage::moveMessageUp);
    connect(m_moveDown, &QToolButton::clicked, this, &MessagesPage::moveMessageDown);
    connect(m_deleteMessage, &QToolButton::clicked, this, &MessagesPage::deleteMessage);
    connect(m_saveSets, &QPushButton::clicked, this, &MessagesPage::saveSetsClicked);
    connect(m_deleteSet, &QPushButton::clicked, this, &MessagesPage::deleteSetClicked);
    connect(m_discardSets, &QPushButton::clicked, this, &MessagesPage::discardSetsClicked);
    return frame;
}

QWidget* MessagesPage::buildCyclerFrame() {
    auto* frame = named(new QGroupBox(QStringLiteral("Message Cycler"), this), "frmcycler");
    m_cyclerInterval = named(new QLineEdit(QStringLiteral("3"), frame), "txtinterval");
    m_cyclerInterval->setToolTip(QStringLiteral("Number of minutes between messages (1 -10)"));
    m_cyclerInterval->setMaximumWidth(50);
    auto* intervalLabel = new QLabel(QStringLiteral("Message Interval"), frame);
    intervalLabel->setBuddy(m_cyclerInterval);
    m_startCycler =
        button("Start", "cmdmessstart", "Start the message cycle on active server", frame);
    m_stopCycler = button("Stop", "cmdmessstop", "Stop the message cycle on server", frame);
    m_stopCycler->setEnabled(false);

    auto* row = new QHBoxLayout(frame);
    row->addWidget(intervalLabel);
    row->addWidget(m_cyclerInterval);
    row->addSpacing(12);
    row->addWidget(m_startCycler);
    row->addWidget(m_stopCycler);
    row->addStretch();

    m_cyclerInterval->installEventFilter(this);
    connect(m_cyclerInterval, &QLineEdit::textEdited, this, [this] { m_intervalChanged = true; });
    connect(m_startCycler, &QPushButton::clicked, this, [this] { startCycler(true); });
    connect(m_stopCycler, &QPushButton::clicked, this, &MessagesPage::stopCyclerClicked);
    return frame;
}

bool MessagesPage::eventFilter(QObject* watched, QEvent* event) {
    if (operatorLeft(event)) {
        if (watched == m_setChooser)
            setChosen();
        else if (watched == m_messageEditor) {
            const int before = m_setMessages->count();
            const bool editing = m_session.state().messageEditing;
            messageEdited();
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            // Tabbing out of a new message adds it and comes back for the next one.
            if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) && !editing &&
                m_setMessages->count() > before)
                refocusLater(m_messageEditor);
        } else if (watched == m_cyclerInterval)
            intervalEdited();
    }
    return QWidget::eventFilter(watched, event);
}

void MessagesPage::refocusLater(QWidget* widget) {
    // Not inside the focus change that is running.
    QTimer::singleShot(0, widget, [widget] { widget->setFocus(Qt::OtherFocusReason); });
}

// --- Message sets ---------------------------------------------------------------------

void MessagesPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    const SharedState& state = m_session.state();
    if (state.setsEditor == nullptr || state.setsEditor == this)
        return;
    // Another server's page changed the sets meanwhile: show them as they are now, with the
    // set it showed, so an edit here acts on what is shown.
    m_inSetSelection = true;
    m_setChooser->clear();
    for (const QString& name : std::as_const(state.workingSetNames))
        if (!name.isEmpty())
            m_setChooser->addItem(name);
    const QString shown = state.workingSetNames.value(state.shownSet);
    m_setChooser->setCurrentIndex(shown.isEmpty() ? -1 : m_setChooser->findText(shown));
    m_setMessages->clear();
    m_setMessages->addItems(state.workingSets.value(state.shownSet));
    m_inSetSelection = false;
    showFreeSets();
    m_saveSets->setEnabled(state.setsPending);
    m_discardSets->setEnabled(state.setsPending);
    m_session.state().setsEditor = this;
}

void MessagesPage::setPending(bool pending) {
    m_session.state().setsPending = pending;
    m_session.state().setsEditor = this;
    m_saveSets->setEnabled(pending);
    m_discardSets->setEnabled(pending);
}

bool MessagesPage::hasUnsavedChanges() const {
    return m_session.state().setsPending;
}

void MessagesPage::showFreeSets() {
    m_freeSets->setText(QString::number(kMessageSetSlots - m_session.state().setCount));
}

void MessagesPage::showSet(int slot) {
    SharedState& state = m_session.state();
    state.shownSet = qint16(slot);
    state.setsEditor = this;
    m_setMessages->clear();
    m_setMessages->addItems(state.workingSets.value(slot));
}

void MessagesPage::loadSets() {
    MessageSetStore(m_settings).load(m_session.state());
    showSets();
}

void MessagesPage::showSets() {
    const SharedState& state = m_session.state();
    m_setChooser->clear();
    for (const QString& name : std::as_const(state.workingSetNames))
        if (!name.isEmpty())
            m_setChooser->addItem(name);
    showFreeSets();
    m_setMessages->clear();
    if (m_setChooser->count() > 0) {
        m_setChooser->setCurrentIndex(0);
        setChosen();
    } else {
        m_setChooser->setEditText({});
    }
    setPending(false);
}

void MessagesPage::setChosen() {
    if (m_inSetSelection)
        return;
    m_inSetSelection = true;
    SharedState& state = m_session.state();
    Dialogs& dialogs = m_session.dialogs();
    // The name as the settings file will give it back.
    const QString name = messagesets::storable(m_setChooser->currentText());
    const int entry = name.isEmpty()
                          ? -1
                          : m_setChooser->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    const int slot = messagesets::firstSlotNamed(state.workingSetNames, name);
    if (name.isEmpty()) {
        // Nothing typed.
    } else if (entry >= 0 && slot >= 0) {
        m_setChooser->setCurrentIndex(entry);
        showSet(slot);
    } else if (state.setCount >= kMessageSetSlots ||
               messagesets::lowestFreeSlot(state.workingSetNames) < 0) {
        dialogs.message(QStringLiteral("No free sets left, ") + QString::number(state.setCount) +
                            QLatin1String(" in use\rTo add new you must remove an old one"),
                        QStringLiteral("No Free Slots"), Dialogs::Icon::Information);
    } else if (dialogs.message(QStringLiteral("Add new Set to list"),
                               QStringLiteral("New Message Set"), Dialogs::Icon::Question,
                               Dialogs::Buttons::OkCancel) == Dialogs::Answer::Ok) {
        const int free = messagesets::lowestFreeSlot(state.workingSetNames);
        m_setChooser->addItem(name);
        m_setChooser->setCurrentIndex(m_setChooser->count() - 1);
        state.workingSetNames[free] = name;
        state.workingSets[free].clear();
        ++state.setCount;
        showFreeSets();
        showSet(free);
        setPending(true);
    }
    m_inSetSelection = false;
}

void MessagesPage::messageDoubleClicked() {
    const int row = selectedMessageRow();
    if (row < 0)
        return;
    m_messageEditor->setText(m_setMessages->item(row)->text());
    m_session.state().messageEditing = true;
    m_messageChanged = false;
    m_messageEditor->setFocus(Qt::OtherFocusReason);
}

void MessagesPage::messageEdited() {
    SharedState& state = m_session.state();
    if (m_messageEditor->text().isEmpty())
        return;
    if (!m_messageChanged) {
        m_messageEditor->clear();
        state.messageEditing = false;
        return;
    }
    const QString text = messagesets::storable(m_messageEditor->text());
    if (text.isEmpty())
        return;
    const int slot = state.shownSet;
    if (slot < 0 || slot >= kMessageSetSlots || state.workingSetNames.at(slot).isEmpty()) {
        // A message outside any set would be lost at the next save; the text stays.
        m_session.dialogs().message(kNoSetText, kNoSetTitle, Dialogs::Icon::Information);
        return;
    }
    QStringList& messages = state.workingSets[slot];
    const int row = selectedMessageRow();
    if (state.messageEditing && row >= 0 && row < messages.size()) {
        if (text != m_setMessages->item(row)->text()) {
            messages[row] = text;
            m_setMessages->item(row)->setText(text);
            setPending(true);
        }
    } else {
        messages << text;
        m_setMessages->addItem(text);
        setPending(true);
    }
    m_messageEditor->clear();
    state.messageEditing = false;
}

int MessagesPage::selectedMessageRow() const {
    const QList<QListWidgetItem*> selected = m_setMessages->selectedItems();
    return selected.isEmpty() ? -1 : m_setMessages->row(selected.first());
}

void MessagesPage::moveSelectedMessage(int step) {
    SharedState& state = m_session.state();
    const int row = selectedMessageRow();
    const int target = row + step;
    if (row < 0 || target < 0 || target >= m_setMessages->count())
        return;
    if (!messagesets::swapMessages(state.workingSets[state.shownSet], row, target))
        return;
    QListWidgetItem* item = m_setMessages->takeItem(row);
    m_setMessages->insertItem(target, item);
    m_setMessages->setCurrentRow(target);
    setPending(true);
}

void MessagesPage::moveMessageUp() {
    moveSelectedMessage(-1);
}

void MessagesPage::moveMessageDown() {
    moveSelectedMessage(+1);
}

void MessagesPage::deleteMessage() {
    SharedState& state = m_session.state();
    const int row = selectedMessageRow();
    QStringList& messages = state.workingSets[state.shownSet];
    if (row < 0 || row >= messages.size())
        return;
    messages.removeAt(row);
    delete m_setMessages->takeItem(row);
    // A second click must not take the next message with it.
    m_setMessages->clearSelection();
    setPending(true);
}

void MessagesPage::deleteSetClicked() {
    SharedState& state = m_session.state();
    Dialogs& dialogs = m_session.dialogs();
    int entry = m_setChooser->findText(m_setChooser->currentText(),
                                       Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (entry < 0 && m_setChooser->count() > 0) {
        entry = m_setChooser->count() - 1;
        m_setChooser->setCurrentIndex(entry);
    }
    const QString name = m_setChooser->currentText();
    const int slot = messagesets::firstSlotNamed(state.workingSetNames, name);
    if (name.isEmpty() || entry < 0 || slot < 0) {
        dialogs.message(kNoSetText, kNoSetTitle, Dialogs::Icon::Information);
        return;
    }
    if (dialogs.message(QStringLiteral("Are you sure you want to delete the set named:\r") + name,
                        QStringLiteral("Confirm Delete"), Dialogs::Icon::Question,
                        Dialogs::Buttons::OkCancel) != Dialogs::Answer::Ok)
        return;

    state.workingSets[slot].clear();
    m_setChooser->removeItem(entry);
    m_setMessages->clear();
    --state.setCount;
    showFreeSets();
    m_session.addMessage(QStringLiteral("Set named ") + name + QLatin1String(" removed."));
    m_messageEditor->clear();
    state.messageEditing = false;
    state.workingSetNames[slot].clear();
    setPending(true);

    if (m_setChooser->count() > 0) {
        m_setChooser->setCurrentIndex(qMax(0, entry - 1));
        setChosen();
    } else {
        state.shownSet = 0;
        m_setChooser->setEditText({});
    }
}

void MessagesPage::discardSetsClicked() {
    SharedState& state = m_session.state();
    if (m_session.dialogs().message(QStringLiteral("Discard changes and reset to existing"),
                                    QStringLiteral("Discard changes"), Dialogs::Icon::Question,
                                    Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes)
        return;
    m_setMessages->clear();
    m_setChooser->clear();
    messagesets::revertToSaved(state);
    for (const QString& name : std::as_const(state.workingSetNames))
        if (!name.isEmpty())
            m_setChooser->addItem(name);
    showFreeSets();
    m_messageEditor->clear();
    state.messageEditing = false;
    // Show a set that exists again, so new messages cannot land in a slot that went away.
    if (m_setChooser->count() > 0) {
        m_setChooser->setCurrentIndex(0);
        setChosen();
    } else {
        state.shownSet = 0;
        m_setChooser->setEditText({});
    }
    m_session.dialogs().message(QStringLiteral("Reverted back to existing messages"),
                                QStringLiteral("Discarded changes"), Dialogs::Icon::Information);
    setPending(false);
}

void MessagesPage::saveSetsClicked() {
    SharedState& state = m_session.state();
    Dialogs& dialogs = m_session.dialogs();
    if (dialogs.message(QStringLiteral("Save message sets to INI"), QStringLiteral("Save Changes"),
                        Dialogs::Icon::Question,
                        Dialogs::Buttons::OkCancel) != Dialogs::Answer::Ok) {
        discardSetsClicked();
        return;
    }
    if (cyclerRunning()) {
        m_session.showProgress(QStringLiteral("Stopping the active message Cycle to sync changes"));
        stopCycler();
    }
    m_session.showProgress(QStringLiteral("Writing changes to INI file"), ProgressMode::Add);
    const MessageSetStore::SaveResult result = MessageSetStore(m_settings).save(state);
    if (result.ok) {
        // Keep editing the set on show; its slot did not move.
        state.shownSet = qint16(qMax(
            0, messagesets::firstSlotNamed(state.workingSetNames, m_setChooser->currentText())));
        showFreeSets();
        setPending(false);
    } else {
        // The changes are not in the file: they stay pending so they can be saved again
        // and the exit still warns about them.
        dialogs.message(
            QStringLiteral("Failed to write to INI file, Please report bug and messages attempted"),
            QStringLiteral("Failed to write INI"), Dialogs::Icon::Exclamation);
    }
    m_session.hideProgress();
}

// --- The cycler -----------------------------------------------------------------------

bool MessagesPage::cyclerRunning() const {
    return m_cyclerTimer->isActive();
}

void MessagesPage::stopCycler() {
    m_cyclerTimer->stop();
    m_startCycler->setEnabled(true);
    m_stopCycler->setEnabled(false);
}

void MessagesPage::stopCyclerClicked() {
    stopCycler();
}

void MessagesPage::startCycler(bool interactive) {
    SharedState& state = m_session.state();
    ServerState& server = m_session.server();
    Dialogs& dialogs = m_session.dialogs();
    if (!m_session.isConnected()) {
        if (interactive)
            dialogs.message(QStringLiteral("Please connect to server first"),
                            QStringLiteral("Not Connected"), Dialogs::Icon::Information);
        return;
    }
    if (hasUnsavedChanges()) {
        dialogs.message(QStringLiteral("Pending Save sets active\r"
                                       "Please either Save or Discard changes\r"
                                       "before starting message cycler"),
                        QStringLiteral("Pending Save Sets"), Dialogs::Icon::Exclamation);
        return;
    }
    const QString name = m_setChooser->currentText();
    if (interactive &&
        dialogs.message(QStringLiteral("Start message Cycle for set named:\r") + name,
                        QStringLiteral("Start Message Cycler"), Dialogs::Icon::Question,
                        Dialogs::Buttons::OkCancel) != Dialogs::Answer::Ok)
        return;
    const int slot = messagesets::firstSlotNamed(state.savedSetNames, name);
    if (slot >= 0)
        server.cycleSet = qint16(slot);
    if (!state.savedSets.value(server.cycleSet).isEmpty()) {
        m_cyclerTimer->setInterval(60 * WaitClock::instance().secondMs());
        m_cyclerTimer->start();
        m_startCycler->setEnabled(false);
        m_stopCycler->setEnabled(true);
    } else if (interactive) {
        dialogs.message(QStringLiteral("The message set does not contain any messages!\r"
                                       " Please make some messages first."),
                        QStringLiteral("No messages in set"), Dialogs::Icon::Exclamation);
    }
}

void MessagesPage::cyclerTick() {
    // Never a second broadcast of its own while one is queued or under way.
    if (m_session.client().isBusy(m_cyclerWork))
        return;
    SharedState& state = m_session.state();
    ServerState& server = m_session.server();
    if (!m_session.isConnected()) {
        if (!m_session.out().activeWindowMinimised())
            m_session.dialogs().message(QStringLiteral("Please connect to server first"),
                                        QStringLiteral("Not Connected"),
                                        Dialogs::Icon::Information);
        return;
    }
    const int typed = cycler::intervalMinutes(m_cyclerInterval->text());
    if (!cycler::tickDue(server.cycleMinutes, typed > 0 ? typed : m_lastValidInterval))
        return;
    const QStringList messages = state.savedSets.value(server.cycleSet);
    const int index = cycler::pickMessage(messages, server.cyclePosition);
    if (index < 0)
        return;
    const QString message = messages.at(index);
    const cycler::Placeholders needed = cycler::placeholdersIn(message);
    cycler::PlaceholderValues values;
    if (needed.ipPort)
        values.ipPort = m_session.serverName();
    // The live values first, each from its own listing, then the broadcast.
    QList<LiveValue> listings;
    if (needed.serverName)
        listings << LiveValue{cycler::serverNameListing(), cycler::serverNameVariable(),
                              &cycler::PlaceholderValues::serverName};
    if (needed.friendlyFire)
        listings << LiveValue{cycler::friendlyFireListing(), cycler::friendlyFireVariable(),
                              &cycler::PlaceholderValues::friendlyFire};
    m_session.client().hold(m_cyclerWork);
    broadcastWhenRead(message, values, listings);
}

void MessagesPage::broadcastWhenRead(const QString& message, cycler::PlaceholderValues values,
                                     QList<LiveValue> listings) {
    if (listings.isEmpty()) {
        m_session.send(Request::shown(sayCommand(cycler::fillPlaceholders(message, values)))
                           .from(QStringLiteral("cycled message (with the user prefix)")),
                       m_cyclerWork, [this](const Reply& reply) {
                           if (reply.status != Reply::Status::Cancelled)
                               ++m_session.server().cyclePosition;
                       });
        m_session.client().release(m_cyclerWork);
        return;
    }
    const LiveValue next = listings.takeFirst();
    m_session.send(Request::unechoed(next.listing), m_cyclerWork,
                   [this, message, values, listings, next](const Reply& reply) mutable {
                       if (reply.status == Reply::Status::Cancelled) {
                           m_session.client().release(m_cyclerWork);
                           return;
                       }
                       values.*next.field = getquoted(reply.text, next.variable);
                       broadcastWhenRead(message, values, listings);
                   });
}

void MessagesPage::intervalEdited() {
    if (!m_intervalChanged)
        return;
    const QString text = m_cyclerInterval->text();
    Dialogs& dialogs = m_session.dialogs();
    if (!numbers::isNumeric(text)) {
        dialogs.message(QStringLiteral("Value between 1 and 10 only please"),
                        QStringLiteral("Invalid Entry"), Dialogs::Icon::Information);
        refocusLater(m_cyclerInterval);
        return;
    }
    const int minutes = cycler::intervalMinutes(text);
    if (minutes == 0) {
        dialogs.message(QStringLiteral("Value between 1 and 10 minutes"),
                        QStringLiteral("Invalid Entry"), Dialogs::Icon::Information);
        refocusLater(m_cyclerInterval);
        return;
    }
    m_lastValidInterval = minutes;
    m_intervalChanged = false;
    m_session.server().cycleMinutes = 0;
}

void MessagesPage::autoStart(qint16 messagetime, qint16 messageset) {
    m_cyclerInterval->setText(QString::number(messagetime));
    if (const int minutes = cycler::intervalMinutes(m_cyclerInterval->text()))
        m_lastValidInterval = minutes;
    if (messageset >= 1 && messageset <= m_setChooser->count()) {
        m_setChooser->setCurrentIndex(messageset - 1);
        setChosen();
    }
    startCycler(false);
}

void MessagesPage::sendOneOffMessage(const QString& userPrefix) {
    const QString message = m_session.dialogs().input(
        QStringLiteral("Type message to send to server"), QStringLiteral("Server Message"),
        QStringLiteral("Welcome to our server, enjoy your stay"));
    if (message.isEmpty())
        return;
    m_session.run(messageplans::oneOffMessage(userPrefix, message), this);
}
