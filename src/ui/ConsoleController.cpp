#include "ConsoleController.h"

#include "MainWidgets.h"
#include "app/Session.h"
#include "rcon/Outcome.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

ConsoleController::ConsoleController(Session& session, MainWidgets& widgets, QWidget* scope,
                                     QObject* parent)
    : QObject(parent), m_session(session), m_widgets(widgets), m_scope(scope) {
    // "Send" is the workspace's default button: an Enter that no control of the workspace
    // used for itself (a multi-line box, an open list) comes up to the workspace and sends.
    // The other windows, though children of the main window, keep their own Enter key.
    m_scope->installEventFilter(this);
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

bool ConsoleController::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched == m_scope) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            enterPressed();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
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

void ConsoleController::sendClicked() {
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

    // A typed line's answer comes as it comes; the pane shows it. The log keeps what went. The
    // audit log files it as typed.
    const Request request = Request::noWait(command).typedAtConsole();
    m_session.send(request, this, [this, request](const Reply& reply) {
        if (reply.went()) {
            m_session.addMessage(request.command);
            m_session.record(request, judge(request, reply));
        }
    });

    direct->lineEdit()->selectAll();
    direct->setFocus();
}

void ConsoleController::statusClicked() {
    m_session.send(Request::unechoed(QStringLiteral("Status")), this);
    m_session.addMessage(tr("Server Status requested"));
}

void ConsoleController::serverInfoClicked() {
    m_session.send(Request::unechoed(QStringLiteral("serverinfo")), this);
    m_session.addMessage(tr("Server Info requested"));
}
