#pragma once

#include <QDialog>
#include <QPointer>

class HistoryStore;
class QLabel;
class QLineEdit;
class QTreeWidget;

// "Players": finds players across every server by part of a name or an address, each address
// or guid with the names it played under.
class PlayerSearchDialog : public QDialog {
    Q_OBJECT
public:
    PlayerSearchDialog(HistoryStore* history, QWidget* parent = nullptr);

    void search();

private:
    QPointer<HistoryStore> m_history;
    QLineEdit* m_text = nullptr;
    QTreeWidget* m_results = nullptr;
    QLabel* m_state = nullptr;
};
