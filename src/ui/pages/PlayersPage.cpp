#include "PlayersPage.h"

#include "ui/pages/players/AutoUpdate999.h"
#include "ui/pages/players/CaptionedBox.h"
#include "ui/pages/players/NamesExport.h"
#include "ui/pages/players/PlayerActionsPanel.h"
#include "ui/pages/players/PlayerGrid.h"
#include "ui/pages/players/PlayerHistoryPanel.h"
#include "ui/pages/players/PlayerListing.h"

#include "settings/Options.h"
#include "ui/Mnemonics.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

PlayersPage::PlayersPage(Session& session, QWidget* parent)
    : QWidget(parent), m_grid(new PlayerGrid) {
    setObjectName(QStringLiteral("pagePlayers"));

    auto* populate = new QPushButton(tr("Populate from server"));
    populate->setObjectName(QStringLiteral("cmdplypop"));
    populate->setToolTip(tr("Get current player list from server"));

    auto* options = new QHBoxLayout;
    m_removeColours = addCaptionedBox(
        {"chkremcol", tr("Remove colour id"),
         tr("This will remove the ^n from the player names to make them more readable"),
         "lblremcol", tr("Removes ^n from names on populate. If changed then call Populate again")},
        options);
    m_useQuery = new QCheckBox(tr("Query Mode"));
    m_useQuery->setObjectName(QStringLiteral("chkplyq"));
    m_useQuery->setToolTip(
        tr("If populate keeps timing out (usually when fairly full servers) then use Query mode to "
           "return basic player details. This is a UDP fragmented packets problem where routers do "
           "not allow the fragmented packets through in case a DOS attack"));
    options->addWidget(m_useQuery);
    m_autoUpdateBox = addCaptionedBox({"chkautoupdate", tr("Auto Update"),
                                       tr("Auto Update list, interval taken from Preferences..."),
                                       "lblautoupdate",
                                       tr("Auto update player list, see Preferences for interval")},
                                      options);

    m_sortChooser = new QComboBox;
    m_sortChooser->setObjectName(QStringLiteral("complayersort"));
    m_sortChooser->setToolTip(tr("Select Column to sort on"));
    m_sortChooser->addItems({tr("Num"), tr("Guid"), tr("Player"), tr("Ping"), tr("Score"),
                             tr("Address"), tr("Port"), tr("Rate"), tr("Message")});
    m_sortChooser->setCurrentIndex(-1);
    connect(m_sortChooser, &QComboBox::currentIndexChanged, m_grid, &PlayerGrid::sortOn);
    auto* sortLabel = new QLabel(tr("Sort on"));
    sortLabel->setObjectName(QStringLiteral("lblsort"));
    sortLabel->setBuddy(m_sortChooser);

    auto* top = new QHBoxLayout;
    top->addWidget(populate);
    top->addSpacing(12);
    top->addLayout(options);
    top->addStretch();
    top->addWidget(sortLabel);
    top->addWidget(m_sortChooser);

    // The history beside the grid shares its width: the operator may narrow it or close it.
    auto* history = new PlayerHistoryPanel(session, *m_grid);
    auto* beside = new QSplitter(Qt::Horizontal);
    beside->setObjectName(QStringLiteral("splplayerhistory"));
    beside->addWidget(m_grid);
    beside->addWidget(history);
    beside->setStretchFactor(0, 1);
    beside->setStretchFactor(1, 0);
    beside->setSizes({600, 180});

    auto* listFrame = new QGroupBox(tr("Players on the server"));
    listFrame->setObjectName(QStringLiteral("frmplayers"));
    auto* listLayout = new QVBoxLayout(listFrame);
    listLayout->addLayout(top);
    listLayout->addWidget(beside, 1);

    auto* listWork = new QObject(this);
    m_autoUpdate = new AutoUpdate999(session, m_autoUpdateBox, listWork, this);
    m_listing = new PlayerListing(session, *m_grid, *m_autoUpdate, {m_removeColours, m_useQuery},
                                  listWork, this);
    auto* actions = new PlayerActionsPanel(session, *m_grid, *m_listing, m_useQuery);
    auto* names = new NamesExport(session, *m_grid, m_useQuery);
    connect(populate, &QPushButton::clicked, this, &PlayersPage::populateClicked);
    connect(m_autoUpdate, &AutoUpdate999::populateDue, m_listing, &PlayerListing::populate);
    // The refresh has the list to itself: nothing the operator starts competes with it.
    connect(m_autoUpdate, &AutoUpdate999::runningChanged, this,
            [competing = actions->buttons() << populate << names->button()](bool running) {
                for (QPushButton* button : competing)
                    button->setEnabled(!running);
            });

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(actions);
    bottom->addWidget(names);
    bottom->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(listFrame, 1);
    layout->addLayout(bottom);
    mnemonics::complete(this, mnemonics::mainWindowLetters());
}

void PlayersPage::applyStartupOptions(const Options& options) {
    m_removeColours->setChecked(options.removeid);
    m_useQuery->setChecked(options.usequery);
    m_autoUpdateBox->setChecked(options.autoqplayer);
}

void PlayersPage::populateClicked() {
    m_listing->populate(false);
}

void PlayersPage::refreshTick() {
    m_autoUpdate->tick();
}
