#include "ConsoleController.h"

#include "MainWidgets.h"
#include "app/Session.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>

ConsoleController::ConsoleController(Session& session, MainWidgets& widgets, QObject* parent)
    : QObject(parent), m_session(session), m_widgets(widgets) {
    // "Send" is the main window's default button. The shortcut leaves Enter to the controls
    // that use it themselves (multi-line text), and the other windows, though children of the
    // main window, are windows of their own and keep their Enter key.
    QWidget* window = m_widgets.cmdsend->window();
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* shortcut = new QShortcut(QKeySequence(key), window, nullptr, nullptr,
                                       Qt::WidgetWithChildrenShortcut);
        shortcut->setObjectName(key == Qt::Key_Return ? QStringLiteral("enterSends")
                                                      : QStringLiteral("keypadEnterSends"));
        connect(shortcut, &QShortcut::activated, this, &ConsoleController::enterPressed);
    }
}

bool ConsoleController::focusActsAsTab(const QWidget* focus) const {
    if (!focus)
        return false;
    if (focus == m_widgets.txtPWD)
        return true;
    for (const char* name : {"txtmess", "commessset"}) {
        const QWidget* box = m_widgets.SSTab->findChild<QWidget*>(QLatin1String(name));
        if (box && (focus == box || box->isAncestorOf(focus)))
            return true;
    }
    return false;
}

void ConsoleController::enterPressed() {
    if (auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget())) {
        if (button->isEnabled())
            button->click();
        return;
    }
    if (m_widgets.cmdsend->isEnabled())
        m_widgets.cmdsend->click();
}

void ConsoleController::cmdsend_Click() {
    QWidget* focus = QApplication::focusWidget();
    if (focusActsAsTab(focus)) {
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(focus, &tab);
        return;
    }
    QComboBox* direct = m_widgets.comdirect;
    const QString command = direct->currentText();
    if (command.isEmpty())
        return;
    bool known = false;
    for (int i = 0; i < direct->count() && !known; ++i)
        known = direct->itemText(i) == command;
    if (!known) {
        direct->addItem(command);
        direct->setEditText(command);
    }

    m_session.state().nowait = true;
    m_session.sendinfo(command, true);
    m_session.addmessage(command);

    direct->lineEdit()->selectAll();
    direct->setFocus();
}

void ConsoleController::cmdstatus_Click() {
    m_session.sendinfo(QStringLiteral("Status"), true);
    m_session.addmessage(QStringLiteral("Server Status requested"));
}

void ConsoleController::cmsserverinfo_Click() {
    m_session.sendinfo(QStringLiteral("serverinfo"), true);
    m_session.addmessage(QStringLiteral("Server Info requested"));
}
