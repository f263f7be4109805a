#include "FriendlyFireFrame.h"

#include "app/Session.h"
#include "serverconfig/FriendlyFire.h"
#include "ui/BoundControls.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

FriendlyFireFrame::FriendlyFireFrame(Session& session, QWidget* parent)
    : QGroupBox(tr("Friendly Fire"), parent), m_session(session) {
    setObjectName(QStringLiteral("frmff"));
    auto* layout = new QHBoxLayout(this);
    auto* options = new QVBoxLayout;
    auto* group = new QButtonGroup(this);
    group->setExclusive(true);
    for (const friendlyfire::Mode& mode : friendlyfire::modes()) {
        auto* option = new QRadioButton(friendlyfire::shown(mode.option), this);
        option->setObjectName(QLatin1String("optff_") + QString::number(mode.value));
        option->setProperty("index", mode.value);
        option->setProperty("tag", friendlyfire::command(mode.value));
        group->addButton(option, mode.value);
        options->addWidget(option);
        m_options << option;
    }
    m_options.at(2)->setChecked(true);
    layout->addLayout(options);

    m_set = new QPushButton(tr("Set Friendly Fire >>"), this);
    m_set->setObjectName(QStringLiteral("cmdff"));
    m_set->setProperty("tag", friendlyfire::variable());
    layout->addWidget(m_set, 0, Qt::AlignVCenter);
    layout->addStretch();
    connect(m_set, &QPushButton::clicked, this, &FriendlyFireFrame::sendFriendlyFire);
    bound::disableWhileBusy(m_session, this, {m_set});
}

void FriendlyFireFrame::change(int value) {
    m_session.run(friendlyfire::changePlan(value), this);
}

bool FriendlyFireFrame::selectValue(int value) {
    if (value < 0 || value >= m_options.size())
        return false;
    m_options.at(value)->setChecked(true);
    return true;
}

void FriendlyFireFrame::sendFriendlyFire() {
    for (int value = 0; value < m_options.size(); ++value) {
        if (m_options.at(value)->isChecked()) {
            change(value);
            return;
        }
    }
}
