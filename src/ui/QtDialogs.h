#pragma once

#include "app/Dialogs.h"

class QWidget;

// The dialogs of the running program: Qt's modal boxes over the main window.
class QtDialogs : public Dialogs {
public:
    void setParentWidget(QWidget* parent) { m_parent = parent; }

    Answer message(const QString& text, const QString& title, Icon icon,
                   Buttons buttons = Buttons::Ok) override;
    QString input(const QString& prompt, const QString& title, const QString& defaultText) override;
    QString saveFileName(const QString& title, const QString& proposedName,
                         const QString& defaultSuffix) override;
    void beep() override;

private:
    QWidget* m_parent = nullptr;
};
