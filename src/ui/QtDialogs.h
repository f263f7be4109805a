#pragma once

#include "base/Dialogs.h"

#include <QCoreApplication>
#include <QList>
#include <QPointer>

class QMessageBox;
class QWidget;

// The dialogs of the running program, over the main window. A box with only an OK button
// reports something and asks nothing: it opens and the program goes on (the exchanges keep
// their pace), and an identical box already open is not opened again. Questions, input boxes
// and the save dialog are modal: they come before a sequence starts, never during one.
class QtDialogs : public Dialogs {
    Q_DECLARE_TR_FUNCTIONS(QtDialogs)

public:
    void setParentWidget(QWidget* parent) { m_parent = parent; }

    Answer message(const QString& text, const QString& title, Icon icon,
                   Buttons buttons = Buttons::Ok) override;
    Answer askOnce(const QString& text, const QString& title, bool& dontAskAgain) override;
    Answer askWithReason(const QString& text, const QString& title,
                         const QStringList& recentReasons, QString& reason,
                         bool& dontAskAgain) override;
    QString input(const QString& prompt, const QString& title, const QString& defaultText) override;
    QString saveFileName(const QString& title, const QString& proposedName,
                         const QString& defaultSuffix) override;
    void beep() override;

private:
    QWidget* m_parent = nullptr;
    QList<QPointer<QMessageBox>> m_open;
};
