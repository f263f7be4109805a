#include "MapsPage.h"

#include "app/Dialogs.h"
#include "app/Session.h"
#include "maps/DefaultMaps.h"
#include "maps/MapListParser.h"
#include "rcon/WaitClock.h"

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

    auto* frame = new QGroupBox(QStringLiteral("Select Map to load (Cod and UO)"), this);
    frame->setObjectName(QStringLiteral("frmmap"));
    m_lstmaps = new QListWidget(frame);
    m_lstmaps->setObjectName(QStringLiteral("lstmaps"));
    m_lstmaps->setAccessibleName(QStringLiteral("Select Map to load (Cod and UO)"));
    m_lstmaps->setSelectionMode(QAbstractItemView::SingleSelection);

    m_cmdmapload = button(QStringLiteral("Load selected map"), "cmdmapload", frame);
    m_cmddefmaps = button(QStringLiteral("Load Default maps"), "cmddefmaps", frame);
    m_cmdpopmaps = button(QStringLiteral("Populate from server"), "cmdpopmaps", frame);
    m_cmdrestartmap = button(QStringLiteral("Restart current map"), "cmdrestartmap", frame);
    m_cmdrotatemap = button(QStringLiteral("Next map in rotation"), "cmdrotatemap", frame);

    auto* note =
        new QLabel(QStringLiteral("Note: Default maps load both standard COD and the addon "
                                  "UO maps.  Use Populate to see ALL maps server has "
                                  "available."),
                   frame);
    note->setObjectName(QStringLiteral("lblgeneric"));
    note->setWordWrap(true);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {m_cmdmapload, m_cmddefmaps, m_cmdpopmaps})
        buttons->addWidget(b);
    buttons->addSpacing(16);
    for (QPushButton* b : {m_cmdrestartmap, m_cmdrotatemap})
        buttons->addWidget(b);
    buttons->addSpacing(16);
    buttons->addWidget(note);
    buttons->addStretch();

    auto* grid = new QGridLayout(frame);
    grid->addWidget(m_lstmaps, 0, 0);
    grid->addLayout(buttons, 0, 1);
    grid->setColumnStretch(0, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);

    connect(m_cmdmapload, &QPushButton::clicked, this, &MapsPage::cmdmapload_Click);
    connect(m_cmddefmaps, &QPushButton::clicked, this, &MapsPage::cmddefmaps_Click);
    connect(m_cmdpopmaps, &QPushButton::clicked, this, &MapsPage::cmdpopmaps_Click);
    connect(m_cmdrestartmap, &QPushButton::clicked, this, &MapsPage::commmap_restart_Click);
    connect(m_cmdrotatemap, &QPushButton::clicked, this, &MapsPage::commmap_rotate_Click);
}

void MapsPage::cmddefmaps_Click() {
    m_lstmaps->clear();
    m_lstmaps->addItems(defaultMaps());
}

void MapsPage::cmdpopmaps_Click() {
    // A second click while the reply is awaited would read the same buffer twice.
    if (m_populating)
        return;
    m_populating = true;
    SharedState& state = m_session.state();
    m_lstmaps->clear();
    state.collectquiet = true;
    m_session.showprogress(QStringLiteral("Asking server for map list..."), QStringLiteral("REP"));
    for (int tries = 0;;) {
        state.busy = true;
        m_session.sendinfo(QStringLiteral("dir maps/mp bsp"));
        // A listing spread over several datagrams keeps arriving for a while.
        pausesecs(2);
        if (!state.gotreply)
            break;
        const MapListReading reading = readMapList(state.response);
        if (!reading.incomplete) {
            m_lstmaps->addItems(reading.names);
            break;
        }
        if (++tries == 3) {
            m_session.dialogs().message(
                QStringLiteral("Asked server 3 times for list and none returned"),
                QStringLiteral("No response"), Dialogs::Icon::Information);
            break;
        }
    }
    state.collectquiet = false;
    state.busy = false;
    m_session.showprogress({}, QStringLiteral("REP"));
    m_populating = false;
}

void MapsPage::cmdmapload_Click() {
    const QList<QListWidgetItem*> selected = m_lstmaps->selectedItems();
    if (selected.isEmpty()) {
        m_session.dialogs().message(QStringLiteral("Select a map in the table to load first"),
                                    QStringLiteral("Select Map"), Dialogs::Icon::Information);
        return;
    }
    // The server is busy loading and answers late or not at all.
    m_session.state().nowait = true;
    m_session.sendinfo(QStringLiteral("map ") + selected.first()->text(), true);
}

void MapsPage::commmap_restart_Click() {
    m_session.state().nowait = true;
    m_session.sendinfo(QStringLiteral("map_restart"), true);
    if (!m_session.sendRefused())
        m_session.addmessage(QStringLiteral("Map Restart"));
}

void MapsPage::commmap_rotate_Click() {
    m_session.state().nowait = true;
    m_session.sendinfo(QStringLiteral("map_rotate"), true);
    if (!m_session.sendRefused())
        m_session.addmessage(QStringLiteral("Map Rotate"));
}
