#pragma once

#include <QDialog>

// The about box: the version text and a button that opens the system information viewer.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};
