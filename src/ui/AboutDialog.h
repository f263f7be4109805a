#pragma once

#include <QDialog>

// The about box: the version, the licence and where its terms and the source stand, the Qt it
// runs on, and a button that shows the system's details.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};
