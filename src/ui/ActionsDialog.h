#pragma once

#include "history/HistoryTypes.h"

#include <QDialog>
#include <QPointer>

class Dialogs;
class HistoryStore;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

// "Actions": what the operators did to the servers and what came of it, filtered by server,
// operator, kind and time, and exported as CSV.
class ActionsDialog : public QDialog {
    Q_OBJECT
public:
    ActionsDialog(HistoryStore* history, Dialogs& dialogs, QWidget* parent = nullptr);

    // Lists the actions the filter lets through, newest first.
    void refresh();
    void exportClicked();
    ActionFilter filter() const;

private:
    void list(const QList<ActionRecord>& actions);

    QPointer<HistoryStore> m_history;
    Dialogs& m_dialogs;
    QLineEdit* m_server = nullptr;
    QLineEdit* m_operator = nullptr;
    QComboBox* m_kind = nullptr;
    QComboBox* m_since = nullptr;
    QTableWidget* m_table = nullptr;
    QLabel* m_state = nullptr;
    QList<ActionRecord> m_shown;
};
