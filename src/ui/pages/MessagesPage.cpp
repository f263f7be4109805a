#include "MessagesPage.h"

#include "app/Session.h"
#include "messages/MessageSets.h"
#include "ui/Mnemonics.h"
#include "ui/pages/messages/MessageCycler.h"
#include "ui/pages/messages/MessageSetEditor.h"

#include <QVBoxLayout>

MessagesPage::MessagesPage(Session& session, ProfileFile& settings, QWidget* parent)
    : QWidget(parent), m_session(session) {
    setObjectName(QStringLiteral("pageMessages"));
    MessageSets& sets = MessageSets::of(session.state());
    m_setEditor = new MessageSetEditor(session, settings, sets, this);
    m_cycler = new MessageCycler(
        session, sets, [editor = m_setEditor] { return editor->chosenName(); }, this);
    connect(m_setEditor, &MessageSetEditor::saving, m_cycler, &MessageCycler::stopBeforeSave);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_setEditor, 1);
    layout->addWidget(m_cycler);
    mnemonics::complete(this, mnemonics::mainWindowLetters());
}

void MessagesPage::loadSets() {
    m_setEditor->loadSets();
}

void MessagesPage::showSets() {
    m_setEditor->showSets();
}

bool MessagesPage::hasUnsavedChanges() const {
    return MessageSets::of(m_session.state()).pending();
}

void MessagesPage::autoStart(qint16 messagetime, qint16 messageset) {
    m_cycler->useInterval(messagetime);
    m_setEditor->chooseEntry(messageset - 1);
    m_cycler->start(false);
}

void MessagesPage::setChosen() {
    m_setEditor->setChosen();
}

void MessagesPage::messageEdited() {
    m_setEditor->messageEdited();
}

void MessagesPage::cyclerTick() {
    m_cycler->tick();
}

void MessagesPage::intervalEdited() {
    m_cycler->intervalEdited();
}
