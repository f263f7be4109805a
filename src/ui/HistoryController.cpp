#include "HistoryController.h"

#include "ActionsDialog.h"
#include "PlayerSearchDialog.h"
#include "app/HistorySetup.h"
#include "base/Dialogs.h"

#include <QDir>
#include <QLabel>

HistoryController::HistoryController(Dialogs& dialogs, QWidget* window)
    : QObject(window), m_dialogs(dialogs), m_window(window) {
    m_label = new QLabel(window);
    m_label->setObjectName(QStringLiteral("lblhistory"));
    m_label->hide();
    connect(&m_store, &HistoryStore::stateChanged, this, &HistoryController::stateChanged);
}

HistoryController::~HistoryController() {
    // The label may already be gone with the window's other children.
    disconnect(&m_store, nullptr, this, nullptr);
    m_store.close();
}

void HistoryController::open(const HistorySettings& settings, const FileLocations& files) {
    const HistoryConfig config = historyConfigFor(settings, files);
    if (config.kind == HistoryConfig::Kind::Sqlite)
        QDir().mkpath(files.dataFolder);
    m_store.close();
    m_label->hide();
    if (config.kind != HistoryConfig::Kind::Off)
        m_store.open(config);
}

void HistoryController::close() {
    m_store.close();
}

void HistoryController::stateChanged(HistoryStore::State state, const QString& message) {
    switch (state) {
    case HistoryStore::State::Waiting:
        m_label->setText(tr("History: waiting for the database"));
        m_label->setToolTip(message);
        m_label->show();
        return;
    case HistoryStore::State::Failed:
        m_label->setText(tr("History: off"));
        m_label->setToolTip(message);
        m_label->show();
        // The tool goes on without history; the operator learns why once.
        m_dialogs.message(message, tr("History"), Dialogs::Icon::Exclamation);
        return;
    case HistoryStore::State::Off:
    case HistoryStore::State::Opening:
    case HistoryStore::State::Ready:
        m_label->hide();
        return;
    }
}

void HistoryController::openPlayerSearch() {
    if (!m_search) {
        m_search = new PlayerSearchDialog(&m_store, m_window);
        m_search->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_search->show();
    m_search->raise();
    m_search->activateWindow();
}

void HistoryController::openActions() {
    if (!m_actions) {
        m_actions = new ActionsDialog(&m_store, m_dialogs, m_window);
        m_actions->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_actions->show();
    m_actions->raise();
    m_actions->activateWindow();
    m_actions->refresh();
}
