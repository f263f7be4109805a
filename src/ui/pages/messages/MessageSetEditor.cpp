#include "MessageSetEditor.h"

#include "FrameHelpers.h"
#include "app/Session.h"
#include "base/Dialogs.h"
#include "messages/MessageSetStore.h"
#include "messages/MessageSets.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QScopedValueRollback>
#include <QToolButton>
#include <QVBoxLayout>

#include <functional>

namespace {

QToolButton* imageButton(const char* name, const QString& tip, QWidget* parent) {
    auto* b = named(new QToolButton(parent), name);
    b->setToolTip(tip);
    b->setAccessibleName(tip);
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

// The game's colour codes, each in its own colour, on a grey that shows black and white.
QWidget* colourCodes(QWidget* parent) {
    auto* colours = named(new QWidget(parent), "frmcolours");
    colours->setAutoFillBackground(true);
    QPalette grey = colours->palette();
    grey.setColor(QPalette::Window, QColor(128, 128, 128));
    colours->setPalette(grey);
    auto* colourRow = new QHBoxLayout(colours);
    colourRow->setContentsMargins(6, 3, 6, 3);
    auto* colourHeading =
        named(new QLabel(MessageSetEditor::tr("Colour Codes>"), colours), "lblcolours");
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
    return colours;
}

} // namespace

MessageSetEditor::MessageSetEditor(Session& session, ProfileFile& settings, MessageSets& sets,
                                   QWidget* parent)
    : QGroupBox(tr("Message Sets"), parent), m_session(session), m_settings(settings),
      m_sets(sets) {
    setObjectName(QStringLiteral("frmmesssets"));

    m_setChooser = named(new QComboBox(this), "commessset");
    m_setChooser->setEditable(true);
    // New names become sets only through the question on leaving the box.
    m_setChooser->setInsertPolicy(QComboBox::NoInsert);
    m_setChooser->lineEdit()->setMaxLength(MessageSetStore::kMaxText);
    m_setChooser->setToolTip(tr("Lists messages sets"));
    m_setChooser->setMinimumWidth(220);
    auto* setLabel = new QLabel(tr("Message set"), this);
    setLabel->setToolTip(
        tr("Message Sets allow more than one group of messages (e.g. 1 per server)"));
    setLabel->setBuddy(m_setChooser);

    m_freeSets = named(new QLineEdit(this), "txtfreesets");
    m_freeSets->setReadOnly(true);
    m_freeSets->setToolTip(tr("Number of Free Set slots"));
    m_freeSets->setMaximumWidth(40);
    auto* freeLabel = new QLabel(tr("Sets free"), this);
    freeLabel->setBuddy(m_freeSets);

    auto* setRow = new QHBoxLayout;
    setRow->addWidget(setLabel);
    setRow->addWidget(m_setChooser, 1);
    setRow->addSpacing(12);
    setRow->addWidget(freeLabel);
    setRow->addWidget(m_freeSets);

    m_setMessages = named(new QListWidget(this), "lstmess");
    m_setMessages->setToolTip(
        tr("Click entry to select for Move or Delete. Double Click to edit entry"));
    m_setMessages->setAccessibleName(tr("Messages in set"));
    m_setMessages->setSelectionMode(QAbstractItemView::SingleSelection);

    m_moveUp = imageButton("imgup", tr("Move up in list"), this);
    m_moveUp->setIcon(arrowIcon(true));
    m_moveDown = imageButton("imgdown", tr("Move down in list"), this);
    m_moveDown->setIcon(arrowIcon(false));
    m_deleteMessage = imageButton("imgdel", tr("Removes selected item"), this);
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

    m_messageEditor = named(new QLineEdit(this), "txtmess");
    m_messageEditor->setMaxLength(MessageSetStore::kMaxText);
    auto* messLabel = new QLabel(tr("Message"), this);
    messLabel->setBuddy(m_messageEditor);
    auto* messRow = new QHBoxLayout;
    messRow->addWidget(messLabel);
    messRow->addWidget(m_messageEditor, 1);

    auto* help = named(new QLabel(this), "lblplaceholders");
    help->setTextFormat(Qt::PlainText);
    help->setText(tr("%IP% for IP number & port, %SN% for server name, %FF% Friendlyfire status"));
    help->setWordWrap(true);

    using messageframes::tippedButton;
    m_saveSets = tippedButton(tr("Save Sets"), "cmdsetsave", tr("Save new list to INI file"), this);
    m_deleteSet = tippedButton(tr("Delete Set"), "cmdsetdel", tr("Deletes current Set"), this);
    m_discardSets =
        tippedButton(tr("Discard change"), "cmdsetdis", tr("Save new list to INI file"), this);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(m_saveSets);
    buttonRow->addWidget(m_deleteSet);
    buttonRow->addWidget(m_discardSets);
    buttonRow->addStretch();

    auto* column = new QVBoxLayout(this);
    column->addLayout(setRow);
    column->addLayout(listRow, 1);
    column->addLayout(messRow);
    column->addWidget(help);
    column->addWidget(colourCodes(this));
    column->addLayout(buttonRow);

    m_setChooser->installEventFilter(this);
    m_messageEditor->installEventFilter(this);
    connect(m_setChooser, &QComboBox::activated, this, [this] { setChosen(); });
    connect(m_setMessages, &QListWidget::itemDoubleClicked, this,
            [this] { messageDoubleClicked(); });
    connect(m_messageEditor, &QLineEdit::textChanged, this, [this] { m_messageChanged = true; });
    connect(m_moveUp, &QToolButton::clicked, this, &MessageSetEditor::moveMessageUp);
    connect(m_moveDown, &QToolButton::clicked, this, &MessageSetEditor::moveMessageDown);
    connect(m_deleteMessage, &QToolButton::clicked, this, &MessageSetEditor::deleteMessage);
    connect(m_saveSets, &QPushButton::clicked, this, &MessageSetEditor::saveSetsClicked);
    connect(m_deleteSet, &QPushButton::clicked, this, &MessageSetEditor::deleteSetClicked);
    connect(m_discardSets, &QPushButton::clicked, this, &MessageSetEditor::discardSetsClicked);
    connect(&m_sets, &MessageSets::changed, this, &MessageSetEditor::setsChanged);
    showSets();
}

bool MessageSetEditor::eventFilter(QObject* watched, QEvent* event) {
    if (messageframes::operatorLeft(event)) {
        if (watched == m_setChooser) {
            setChosen();
        } else if (watched == m_messageEditor) {
            const int before = m_setMessages->count();
            const bool editing = m_sets.editing();
            messageEdited();
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            // Tabbing out of a new message adds it and comes back for the next one.
            if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) && !editing &&
                m_setMessages->count() > before)
                messageframes::refocusLater(m_messageEditor);
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

void MessageSetEditor::sayNoSetChosen() {
    m_session.dialogs().message(tr("No message set selected in Message Set field"),
                                tr("No set selected"), Dialogs::Icon::Information);
}

void MessageSetEditor::setsChanged() {
    m_freeSets->setText(QString::number(m_sets.freeSlots()));
    m_saveSets->setEnabled(m_sets.pending());
    m_discardSets->setEnabled(m_sets.pending());
    if (!m_changing)
        showSets();
}

void MessageSetEditor::showSets() {
    // Another server's frame may have changed the sets: show them as they are now, with the
    // set it showed, so an edit here acts on what is shown.
    const QScopedValueRollback selecting(m_inSetSelection, true);
    listSetNames();
    const QString shown = m_sets.names().value(m_sets.shown());
    m_setChooser->setCurrentIndex(shown.isEmpty() ? -1 : m_setChooser->findText(shown));
    m_setMessages->clear();
    m_setMessages->addItems(m_sets.messages(m_sets.shown()));
    m_freeSets->setText(QString::number(m_sets.freeSlots()));
    m_saveSets->setEnabled(m_sets.pending());
    m_discardSets->setEnabled(m_sets.pending());
}

void MessageSetEditor::listSetNames() {
    m_setChooser->clear();
    for (const QString& name : m_sets.names())
        if (!name.isEmpty())
            m_setChooser->addItem(name);
}

void MessageSetEditor::showSet(int slot) {
    m_sets.show(slot);
    m_setMessages->clear();
    m_setMessages->addItems(m_sets.messages(slot));
}

QString MessageSetEditor::chosenName() const {
    return m_setChooser->currentText();
}

bool MessageSetEditor::chooseEntry(int entry) {
    if (entry < 0 || entry >= m_setChooser->count())
        return false;
    m_setChooser->setCurrentIndex(entry);
    setChosen();
    return true;
}

void MessageSetEditor::loadSets() {
    const QScopedValueRollback changing(m_changing, true);
    MessageSetStore(m_settings).load(m_sets);
    listSetNames();
    m_setMessages->clear();
    if (!chooseEntry(0))
        m_setChooser->setEditText({});
}

void MessageSetEditor::setChosen() {
    if (m_inSetSelection)
        return;
    const QScopedValueRollback selecting(m_inSetSelection, true);
    const QScopedValueRollback changing(m_changing, true);
    Dialogs& dialogs = m_session.dialogs();
    // The name as the settings file will give it back.
    const QString name = messagesets::storable(m_setChooser->currentText());
    const int entry = name.isEmpty()
                          ? -1
                          : m_setChooser->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    const int slot = m_sets.slotNamed(name);
    if (name.isEmpty()) {
        // Nothing typed.
    } else if (entry >= 0 && slot >= 0) {
        m_setChooser->setCurrentIndex(entry);
        showSet(slot);
    } else if (m_sets.freeSlots() <= 0) {
        dialogs.message(tr("No free sets left, %1 in use\rTo add new you must remove an old one")
                            .arg(m_sets.count()),
                        tr("No Free Slots"), Dialogs::Icon::Information);
    } else if (dialogs.message(tr("Add new Set to list"), tr("New Message Set"),
                               Dialogs::Icon::Question,
                               Dialogs::Buttons::OkCancel) == Dialogs::Answer::Ok) {
        const int added = m_sets.addSet(name);
        m_setChooser->addItem(name);
        m_setChooser->setCurrentIndex(m_setChooser->count() - 1);
        showSet(added);
    }
}

void MessageSetEditor::messageDoubleClicked() {
    const int row = selectedMessageRow();
    if (row < 0)
        return;
    m_messageEditor->setText(m_setMessages->item(row)->text());
    m_sets.setEditing(true);
    m_messageChanged = false;
    m_messageEditor->setFocus(Qt::OtherFocusReason);
}

void MessageSetEditor::messageEdited() {
    if (m_messageEditor->text().isEmpty())
        return;
    if (!m_messageChanged) {
        m_messageEditor->clear();
        m_sets.setEditing(false);
        return;
    }
    const QString text = messagesets::storable(m_messageEditor->text());
    if (text.isEmpty())
        return;
    const int slot = m_sets.shown();
    if (!m_sets.holdsSet(slot)) {
        // A message outside any set would be lost at the next save; the text stays.
        sayNoSetChosen();
        return;
    }
    const QScopedValueRollback changing(m_changing, true);
    const int row = selectedMessageRow();
    if (m_sets.editing() && row >= 0 && row < m_sets.messages(slot).size()) {
        if (text != m_setMessages->item(row)->text() && m_sets.replaceMessage(slot, row, text))
            m_setMessages->item(row)->setText(text);
    } else {
        m_sets.appendMessage(slot, text);
        m_setMessages->addItem(text);
    }
    m_messageEditor->clear();
    m_sets.setEditing(false);
}

int MessageSetEditor::selectedMessageRow() const {
    const QList<QListWidgetItem*> selected = m_setMessages->selectedItems();
    return selected.isEmpty() ? -1 : m_setMessages->row(selected.first());
}

void MessageSetEditor::moveSelectedMessage(int step) {
    const QScopedValueRollback changing(m_changing, true);
    const int row = selectedMessageRow();
    const int target = row + step;
    if (row < 0 || target < 0 || target >= m_setMessages->count())
        return;
    if (!m_sets.swapMessages(m_sets.shown(), row, target))
        return;
    QListWidgetItem* item = m_setMessages->takeItem(row);
    m_setMessages->insertItem(target, item);
    m_setMessages->setCurrentRow(target);
}

void MessageSetEditor::moveMessageUp() {
    moveSelectedMessage(-1);
}

void MessageSetEditor::moveMessageDown() {
    moveSelectedMessage(+1);
}

void MessageSetEditor::deleteMessage() {
    const QScopedValueRollback changing(m_changing, true);
    const int row = selectedMessageRow();
    if (!m_sets.removeMessage(m_sets.shown(), row))
        return;
    delete m_setMessages->takeItem(row);
    // A second click must not take the next message with it.
    m_setMessages->clearSelection();
}

void MessageSetEditor::deleteSetClicked() {
    const QScopedValueRollback changing(m_changing, true);
    Dialogs& dialogs = m_session.dialogs();
    int entry = m_setChooser->findText(m_setChooser->currentText(),
                                       Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (entry < 0 && m_setChooser->count() > 0) {
        entry = m_setChooser->count() - 1;
        m_setChooser->setCurrentIndex(entry);
    }
    const QString name = m_setChooser->currentText();
    const int slot = m_sets.slotNamed(name);
    if (name.isEmpty() || entry < 0 || slot < 0) {
        sayNoSetChosen();
        return;
    }
    if (dialogs.message(tr("Are you sure you want to delete the set named:\r%1").arg(name),
                        tr("Confirm Delete"), Dialogs::Icon::Question,
                        Dialogs::Buttons::OkCancel) != Dialogs::Answer::Ok)
        return;

    m_sets.removeSet(slot);
    m_setChooser->removeItem(entry);
    m_setMessages->clear();
    m_session.addMessage(tr("Set named %1 removed.").arg(name));
    m_messageEditor->clear();
    m_sets.setEditing(false);
    if (!chooseEntry(qMax(0, entry - 1))) {
        m_sets.show(0);
        m_setChooser->setEditText({});
    }
}

void MessageSetEditor::discardSetsClicked() {
    const QScopedValueRollback changing(m_changing, true);
    if (m_session.dialogs().message(tr("Discard changes and reset to existing"),
                                    tr("Discard changes"), Dialogs::Icon::Question,
                                    Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes)
        return;
    m_setMessages->clear();
    m_sets.revertToSaved();
    listSetNames();
    m_messageEditor->clear();
    m_sets.setEditing(false);
    // Show a set that exists again, so new messages cannot land in a slot that went away.
    if (!chooseEntry(0)) {
        m_sets.show(0);
        m_setChooser->setEditText({});
    }
    m_session.dialogs().message(tr("Reverted back to existing messages"), tr("Discarded changes"),
                                Dialogs::Icon::Information);
}

void MessageSetEditor::saveSetsClicked() {
    const QScopedValueRollback changing(m_changing, true);
    Dialogs& dialogs = m_session.dialogs();
    if (dialogs.message(tr("Save message sets to INI"), tr("Save Changes"), Dialogs::Icon::Question,
                        Dialogs::Buttons::OkCancel) != Dialogs::Answer::Ok) {
        discardSetsClicked();
        return;
    }
    emit saving();
    m_session.showProgress(tr("Writing changes to INI file"), ProgressMode::Add);
    if (MessageSetStore(m_settings).save(m_sets).ok) {
        // Keep editing the set on show; its slot did not move.
        m_sets.show(qMax(0, m_sets.slotNamed(m_setChooser->currentText())));
    } else {
        // The changes are not in the file: they stay pending so they can be saved again
        // and the exit still warns about them.
        dialogs.message(tr("Failed to write to INI file, Please report bug and messages attempted"),
                        tr("Failed to write INI"), Dialogs::Icon::Exclamation);
    }
    m_session.hideProgress();
}
