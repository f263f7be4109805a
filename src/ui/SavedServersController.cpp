#include "SavedServersController.h"

#include "MainWidgets.h"
#include "app/ConnectChecks.h"
#include "app/Dialogs.h"
#include "app/ServerListRules.h"
#include "app/Session.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

namespace {

QStringList itemTexts(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

QStringList itemTexts(const QComboBox* box) {
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

} // namespace

SavedServersController::SavedServersController(Session& session, MainWidgets& widgets,
                                               QObject* parent)
    : QObject(parent), m_session(session), m_widgets(widgets) {
    for (QComboBox* box : {m_widgets.comserver, m_widgets.comport}) {
        // The lists hold what the operator left in the box, nothing the box adds by itself.
        box->setInsertPolicy(QComboBox::NoInsert);
        box->installEventFilter(this);
    }
    connect(m_widgets.lstservers, &QListWidget::itemClicked, this,
            &SavedServersController::lstservers_Click);
    connect(m_widgets.lstservers, &QListWidget::currentRowChanged, this,
            &SavedServersController::lstservers_Click);
}

void SavedServersController::Saveserver_Click() {
    // Saved as a connect would use them: the settings file keeps no blanks around a value,
    // and a blank address would end the list at the next start.
    const QString address = m_widgets.comserver->currentText().trimmed();
    const QString port = m_widgets.comport->currentText().trimmed();
    const QString password = m_widgets.txtPWD->text().trimmed();
    if (address.isEmpty() || port.isEmpty() || password.isEmpty()) {
        m_session.dialogs().message(
            QStringLiteral("Need a Server, Port and password to be present to save"),
            QStringLiteral("In complete details"), Dialogs::Icon::Exclamation);
        return;
    }
    const QString refusal = connectionRowRefusal(address, port, password);
    if (!refusal.isEmpty()) {
        m_session.dialogs().message(refusal, kUnsupportedTitle, Dialogs::Icon::Exclamation);
        return;
    }
    if (serverlist::hasAddress(itemTexts(m_widgets.lstservers), address))
        return;
    m_widgets.lstservers->addItem(serverlist::makeEntry(address, port));
    m_widgets.lstrcon->addItem(password);
    ++m_session.state().servercount;
}

void SavedServersController::removeserver_Click() {
    const QString address = m_widgets.comserver->currentText();
    const QString port = m_widgets.comport->currentText();
    if (address.isEmpty() || port.isEmpty())
        return;
    const QList<int> positions = serverlist::entriesToRemove(itemTexts(m_widgets.lstservers),
                                                             serverlist::makeEntry(address, port));
    // Removing moves the current row; that is not the operator picking another server.
    const QSignalBlocker blocker(m_widgets.lstservers);
    for (const int i : positions) {
        delete m_widgets.lstservers->takeItem(i);
        delete m_widgets.lstrcon->takeItem(i);
    }
}

void SavedServersController::lstservers_Click() {
    const int row = m_widgets.lstservers->currentRow();
    const QListWidgetItem* item = m_widgets.lstservers->currentItem();
    if (row < 0 || !item || !item->isSelected())
        return;
    const serverlist::EntryParts parts = serverlist::splitEntry(item->text());
    m_widgets.comserver->setEditText(parts.address);
    m_widgets.comport->setEditText(parts.port);
    const QListWidgetItem* password = m_widgets.lstrcon->item(row);
    m_widgets.txtPWD->setText(password ? password->text() : QString());
}

void SavedServersController::remember(QComboBox* box) {
    const QString text = box->currentText();
    if (serverlist::shouldRemember(itemTexts(box), text)) {
        box->addItem(text);
        // Adding the first entry selects it; the box keeps showing what was typed.
        box->setEditText(text);
    }
}

bool SavedServersController::eventFilter(QObject* watched, QEvent* event) {
    // Opening the box's own list is not leaving the box.
    if (event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        if (watched == m_widgets.comserver)
            remember(m_widgets.comserver);
        else if (watched == m_widgets.comport)
            remember(m_widgets.comport);
    }
    return QObject::eventFilter(watched, event);
}
