#include "MapsPage.h"

#include "app/Session.h"
#include "base/Dialogs.h"
#include "maps/DefaultMaps.h"
#include "maps/MapCommands.h"
#include "maps/MapListParser.h"
#include "maps/MapListPlan.h"
#include "rcon/Outcome.h"
#include "ui/BoundControls.h"
#include "ui/Mnemonics.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton* button(const QString& caption, const char* name, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

} // namespace

MapsPage::MapsPage(Session& session, QWidget* parent) : QWidget(parent), m_session(session) {
    setObjectName(QStringLiteral("pageMaps"));

    auto* frame = new QGroupBox(tr("Select Map to load (Cod and UO)"), this);
    frame->setObjectName(QStringLiteral("frmmap"));
    m_mapList = new QListWidget(frame);
    m_mapList->setObjectName(QStringLiteral("lstmaps"));
    m_mapList->setAccessibleName(tr("Select Map to load (Cod and UO)"));
    m_mapList->setSelectionMode(QAbstractItemView::SingleSelection);

    m_loadMap = button(tr("Load selected map"), "cmdmapload", frame);
    m_defaultMaps = button(tr("Load Default maps"), "cmddefmaps", frame);
    m_populateMaps = button(tr("Populate from server"), "cmdpopmaps", frame);
    m_restartMap = button(tr("Restart current map"), "cmdrestartmap", frame);
    m_rotateMap = button(tr("Next map in rotation"), "cmdrotatemap", frame);

    auto* note = new QLabel(tr("Note: Default maps load both standard COD and the addon "
                               "UO maps.  Use Populate to see ALL maps server has "
                               "available."),
                            frame);
    note->setObjectName(QStringLiteral("lblgeneric"));
    note->setWordWrap(true);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {m_loadMap, m_defaultMaps, m_populateMaps})
        buttons->addWidget(b);
    buttons->addSpacing(16);
    for (QPushButton* b : {m_restartMap, m_rotateMap})
        buttons->addWidget(b);
    buttons->addSpacing(16);
    buttons->addWidget(note);
    buttons->addStretch();

    auto* grid = new QGridLayout(frame);
    grid->addWidget(m_mapList, 0, 0);
    grid->addLayout(buttons, 0, 1);
    grid->setColumnStretch(0, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);

    connect(m_loadMap, &QPushButton::clicked, this, &MapsPage::loadClicked);
    connect(m_defaultMaps, &QPushButton::clicked, this, &MapsPage::defaultMapsClicked);
    connect(m_populateMaps, &QPushButton::clicked, this, &MapsPage::populateClicked);
    connect(m_restartMap, &QPushButton::clicked, this, &MapsPage::restartClicked);
    connect(m_rotateMap, &QPushButton::clicked, this, &MapsPage::rotateClicked);
    bound::disableWhileBusy(m_session, this, {m_populateMaps});
    mnemonics::complete(this, mnemonics::mainWindowLetters());
}

void MapsPage::defaultMapsClicked() {
    m_mapList->clear();
    m_mapList->addItems(defaultMaps());
}

void MapsPage::populateClicked() {
    if (m_session.client().isBusy(this))
        return;
    m_mapList->clear();
    m_session.showProgress(tr("Asking server for map list..."));
    m_session.run(mapcommands::listPlan([this](const MapListResult& result) { showList(result); }),
                  this, [this](const PlanOutcome&) { m_session.hideProgress(); });
}

void MapsPage::showList(const MapListResult& result) {
    switch (result.kind) {
    case MapListResult::Kind::Read:
        m_mapList->addItems(result.names);
        if (result.names.isEmpty())
            m_session.addMessage(
                tr("No maps found in %1").arg(mapcommands::kMapFolders.join(tr(" or "))));
        return;
    case MapListResult::Kind::Refused:
        m_session.addMessage(tr("Map list not read: %1").arg(result.detail));
        return;
    case MapListResult::Kind::Unreadable:
        m_session.dialogs().message(
            result.detail.isEmpty()
                ? tr("The server answered the map list %1 times, but with no list (an empty "
                     "reply)")
                      .arg(mapcommands::kListTries)
                : tr("The server answered the map list %1 times, but its reply could not be "
                     "read:\r%2")
                      .arg(QString::number(mapcommands::kListTries), result.detail),
            tr("Map list not read"), Dialogs::Icon::Information);
        return;
    case MapListResult::Kind::Unanswered:
        return;
    }
}

void MapsPage::loadClicked() {
    const QList<QListWidgetItem*> selected = m_mapList->selectedItems();
    if (selected.isEmpty()) {
        m_session.dialogs().message(tr("Select a map in the table to load first"), tr("Select Map"),
                                    Dialogs::Icon::Information);
        return;
    }
    m_session.run(mapcommands::loadPlan(selected.first()->text()), this);
}

void MapsPage::restartClicked() {
    m_session.run(mapcommands::restartPlan(), this);
}

void MapsPage::rotateClicked() {
    m_session.run(mapcommands::rotatePlan(), this);
}
