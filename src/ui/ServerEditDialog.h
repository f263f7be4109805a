#pragma once

#include "settings/ServerRecord.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;

// Adds or edits one saved server: address, port, RCON password, the operator's own name for
// it and whether it connects at start. OK keeps the window open, with everything typed, while
// a field is wrong, and says which one in a line above the buttons.
class ServerEditDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDefaultPort = 28960;

    explicit ServerEditDialog(QWidget* parent = nullptr);

    void setRecord(const ServerRecord& record);
    // The fields as typed, the address, port and name without surrounding blanks.
    ServerRecord record() const;
    // What is wrong with the fields; empty when they can be kept.
    QString problem() const { return findProblem().text; }

    void accept() override;

private:
    struct Problem {
        QString text;
        QLineEdit* field = nullptr; // null when nothing is wrong
    };
    Problem findProblem() const;

    QLineEdit* m_address = nullptr;
    QLineEdit* m_port = nullptr;
    QLineEdit* m_password = nullptr;
    QLineEdit* m_name = nullptr;
    QCheckBox* m_connectAtStart = nullptr;
    QLabel* m_problem = nullptr;
};
