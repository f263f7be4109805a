#pragma once

#include "settings/HistorySettings.h"

#include <QGroupBox>

class QComboBox;
class QLineEdit;
class QSpinBox;

// The "History" frame of the preferences: where the team's history is kept. The database
// fields count only for a PostgreSQL server.
class HistoryPreferences : public QGroupBox {
    Q_OBJECT
public:
    explicit HistoryPreferences(QWidget* parent = nullptr);

    void fill(const HistorySettings& settings);
    HistorySettings settings() const;
    // Something was changed since the last fill.
    bool isChanged() const { return m_changed; }
    void clearChanged() { m_changed = false; }
    // A database server was chosen without a host or a database: the text that says so.
    QString incompleteText() const;

private:
    void updateFields();

    QComboBox* m_store = nullptr;
    QLineEdit* m_host = nullptr;
    QSpinBox* m_port = nullptr;
    QLineEdit* m_database = nullptr;
    QLineEdit* m_user = nullptr;
    QLineEdit* m_password = nullptr;
    bool m_changed = false;
    bool m_filling = false;
};
