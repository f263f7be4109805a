#pragma once

#include "fleet/ServerStatus.h"
#include "settings/ServerRecord.h"

#include <QHash>
#include <QPointer>
#include <QStringList>
#include <QWidget>

class Dialogs;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItemModel;
class QListView;
class ServerEditDialog;

namespace fleet {
class StatusPoller;
}

// The saved servers beside the window's pages, one two-line row each: a tick (for a command
// sent to several at once) and the name the server shows (colours drawn, after the operator's
// own name for it), then its map, game type, players and round trip from the public status
// query, refreshed while polling is on. The operator finds a server by name or address (Return
// in the find field opens the only match), adds, edits and removes servers, and opens one with
// a double-click or Return. The panel keeps the list; whoever owns it saves it on
// recordsChanged().
class ServerListPanel : public QWidget {
    Q_OBJECT
public:
    explicit ServerListPanel(Dialogs& dialogs, QWidget* parent = nullptr);
    ~ServerListPanel() override;

    // Shows the records; ticks and the last status of a server still listed are kept.
    void setRecords(const ServerRecords& records);
    ServerRecords records() const { return m_records; }
    ServerRecords tickedRecords() const;

    // Asks every server for its status now and every 15 clock seconds until stopPolling().
    void startPolling();
    void stopPolling();

    void focusFind();

    // The buttons' work: Add..., Edit... (the selected server) and Remove (asks first).
    void addServer();
    void editServer();
    void removeServer();
    // The add or edit window while it is open; null otherwise.
    ServerEditDialog* openEditor() const;

signals:
    void openRequested(const ServerRecord& record);
    // After an add, edit or remove: the list to save is records().
    void recordsChanged();
    // A tick set or cleared, or a ticked server gone from the list or changed.
    void tickedChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillRow(int row);
    void showStatus(int index, const fleet::ServerStatus& status);
    void openEditorFor(int row);
    void editorFinished(int result);
    void openRow(const QModelIndex& viewIndex);
    void openSingleMatch();
    int selectedRow() const; // a row of m_records, -1 when none is selected
    void selectRow(int row);
    void updateButtons();

    Dialogs& m_dialogs;
    ServerRecords m_records;
    QStringList m_keys; // serverKey of each record
    // The last status of each listed server, by its key: a rewrite of the list keeps it.
    QHash<QString, fleet::ServerStatus> m_status;
    bool m_filling = false;

    QLineEdit* m_find = nullptr;
    QListView* m_view = nullptr;
    QStandardItemModel* m_model = nullptr;
    QSortFilterProxyModel* m_filter = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_edit = nullptr;
    QPushButton* m_remove = nullptr;
    fleet::StatusPoller* m_poller = nullptr;

    QPointer<ServerEditDialog> m_editor;
    ServerRecord m_edited;  // the record the editor started from
    bool m_editing = false; // false: the editor adds a record
};
