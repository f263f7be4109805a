#include "Session.h"

#include "rcon/OutputSink.h"

Session::Session(Dialogs& dialogs, OutputSink& out, QObject* parent)
    : QObject(parent), m_dialogs(dialogs), m_out(out), m_channel(m_state, dialogs, out, this) {}

void Session::setConnectTag(const QString& tag) {
    if (tag == m_connectTag)
        return;
    m_connectTag = tag;
    emit connectTagChanged(tag);
}

void Session::addmessage(const QString& text) {
    m_out.addmessage(text);
}
void Session::addrcon(const QString& text) {
    m_out.addrcon(text);
}
void Session::showprogress(const QString& text, const QString& mode) {
    m_out.showprogress(text, mode);
}
