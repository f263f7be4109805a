#pragma once

#include "history/HistoryStore.h"
#include "settings/FileLocations.h"
#include "settings/HistorySettings.h"

#include <QObject>
#include <QPointer>

class ActionsDialog;
class Dialogs;
class PlayerSearchDialog;
class QLabel;
class QWidget;

// The window's part of the history: opens the store where the settings say, tells in the
// status bar while the database cannot be reached, says once why a history cannot be kept,
// and opens the "Players" and "Actions" views.
class HistoryController : public QObject {
    Q_OBJECT
public:
    HistoryController(Dialogs& dialogs, QWidget* window);
    ~HistoryController() override;

    HistoryStore* store() { return &m_store; }
    // The status bar's history label; hidden while all is well.
    QLabel* stateLabel() const { return m_label; }

    // Opens the store for these settings (closing the one open).
    void open(const HistorySettings& settings, const FileLocations& files);
    void close();

    void openPlayerSearch();
    void openActions();

private:
    void stateChanged(HistoryStore::State state, const QString& message);

    Dialogs& m_dialogs;
    QWidget* m_window;
    HistoryStore m_store;
    QLabel* m_label = nullptr;
    QPointer<PlayerSearchDialog> m_search;
    QPointer<ActionsDialog> m_actions;
};
