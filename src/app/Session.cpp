#include "Session.h"

#include "rcon/OutputSink.h"

Session::Session(Dialogs& dialogs, OutputSink& out, QObject* parent)
    : QObject(parent), m_dialogs(dialogs), m_out(out), m_client(dialogs, out, this) {}

void Session::setConnection(ConnectionState state) {
    if (state == m_connection)
        return;
    m_connection = state;
    emit connectionChanged(state);
}

void Session::addMessage(const QString& text) {
    m_out.addMessage(text);
}

void Session::appendRcon(const QString& text) {
    m_out.appendRcon(text);
}

void Session::showProgress(const QString& text, ProgressMode mode) {
    m_out.showProgress(text, mode);
}

void Session::hideProgress() {
    m_out.hideProgress();
}
