#include "SavedServersController.h"

#include "ServerListPanel.h"
#include "Workspace.h"
#include "app/ConnectChecks.h"
#include "app/ServerListRules.h"
#include "base/Dialogs.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

QStringList entries(const ServerRecords& records) {
    QStringList texts;
    for (const ServerRecord& record : records)
        texts << record.entry();
    return texts;
}

} // namespace

SavedServersController::SavedServersController(Dialogs& dialogs, ServerListPanel& list,
                                               std::function<Workspace*()> current, QObject* parent)
    : QObject(parent), m_dialogs(dialogs), m_list(list), m_current(std::move(current)) {}

void SavedServersController::saveCurrentServer() {
    Workspace* workspace = m_current();
    if (!workspace)
        return;
    const MainWidgets& w = workspace->widgets();
    // Saved as a connect would use them: the settings file keeps no blanks around a value,
    // and a blank address would end the list at the next start.
    const QString address = w.comserver->currentText().trimmed();
    const QString port = w.comport->currentText().trimmed();
    const QString password = w.txtPWD->text().trimmed();
    if (address.isEmpty() || port.isEmpty() || password.isEmpty()) {
        m_dialogs.message(tr("Need a Server, Port and password to be present to save"),
                          tr("In complete details"), Dialogs::Icon::Exclamation);
        return;
    }
    const QString refusal = connectionRowRefusal(address, port, password);
    if (!refusal.isEmpty()) {
        m_dialogs.message(refusal, unsupportedTitle(), Dialogs::Icon::Exclamation);
        return;
    }
    ServerRecords records = m_list.records();
    if (serverlist::hasAddress(entries(records), address))
        return;
    records << ServerRecord{address, port, password, {}, false};
    m_list.setRecords(records);
    emit listChanged();
}

void SavedServersController::removeCurrentServer() {
    Workspace* workspace = m_current();
    if (!workspace)
        return;
    const QString address = workspace->widgets().comserver->currentText();
    const QString port = workspace->widgets().comport->currentText();
    if (address.isEmpty() || port.isEmpty())
        return;
    ServerRecords records = m_list.records();
    const QList<int> positions =
        serverlist::entriesToRemove(entries(records), serverlist::makeEntry(address, port));
    if (positions.isEmpty())
        return;
    for (const int i : positions) // highest first
        records.removeAt(i);
    m_list.setRecords(records);
    emit listChanged();
}
