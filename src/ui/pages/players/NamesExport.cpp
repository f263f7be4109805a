#include "NamesExport.h"

#include "PlayerGrid.h"

#include "app/Session.h"
#include "base/Dialogs.h"
#include "players/PlayerExport.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QHBoxLayout>
#include <QPushButton>

NamesExport::NamesExport(Session& session, const PlayerGrid& grid, const QCheckBox* queryMode,
                         QWidget* parent)
    : QGroupBox(tr("Player log"), parent), m_session(session), m_grid(grid), m_queryMode(queryMode),
      m_save(new QPushButton(tr("Save Names"))) {
    setObjectName(QStringLiteral("frmplayerexport"));
    m_save->setObjectName(QStringLiteral("cmdsavenames"));
    connect(m_save, &QPushButton::clicked, this, &NamesExport::save);
    auto* row = new QHBoxLayout(this);
    row->addWidget(m_save);
}

void NamesExport::save() {
    using Icon = Dialogs::Icon;
    Dialogs& dialogs = m_session.dialogs();
    if (dialogs.message(tr("Append current list of players and GUIDs to playerlist.csv"),
                        tr("Save list"), Icon::Question,
                        Dialogs::Buttons::OkCancel) != Dialogs::Answer::Ok)
        return;
    const QString path =
        QDir(m_session.state().files.dataFolder).filePath(QLatin1String(playerexport::kFileName));
    QString error;
    if (!playerexport::append(path, m_grid.exportRows(), m_session.serverName(),
                              QDateTime::currentDateTime(), m_queryMode->isChecked(), &error)) {
        dialogs.message(tr("Could not append to playerlist.csv\r%1").arg(error), tr("Save list"),
                        Icon::Exclamation);
        return;
    }
    dialogs.message(tr("Players appended"), tr("Players saved"), Icon::Information);
}
