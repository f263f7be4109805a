#include "UoMiscPage.h"

#include "app/Session.h"
#include "rcon/ReplyText.h"
#include "serverconfig/WeaponTable.h"
#include "ui/BoundControls.h"
#include "ui/Mnemonics.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

UoMiscPage::UoMiscPage(Session& session, QWidget* parent) : QWidget(parent), m_session(session) {
    setObjectName(QStringLiteral("pageUoMisc"));

    QGridLayout* grids[2] = {};
    auto* frames = new QHBoxLayout;
    for (int f = 0; f < 2; ++f) {
        const int index = f == 0 ? weapons::kUoWeaponsFrame : weapons::kUoVehiclesFrame;
        auto* frame = new QGroupBox(weapons::uoFrameCaption(index));
        frame->setObjectName(QStringLiteral("frmwep_%1").arg(index));
        frame->setProperty("index", index);
        grids[f] = new QGridLayout(frame);
        grids[f]->setColumnStretch(1, 1);
        frames->addWidget(frame, 0, Qt::AlignTop);
    }

    const QList<weapons::UoWeapon>& table = weapons::uoWeapons();
    for (int i = 0; i < table.size(); ++i) {
        auto* box = new SettingCheckBox;
        box->setObjectName(QStringLiteral("chkUOwep_%1").arg(i));
        box->setProperty("index", i);
        m_boxes << new BoundControl(box, table.at(i).tag);
        QLabel* label = bound::captionFor(box, weapons::shown(table.at(i).label), table.at(i).tag,
                                          QStringLiteral("lblUOwep_%1").arg(i));
        label->setProperty("index", i);
        QGridLayout* grid = grids[i < weapons::kUoFirstVehicle ? 0 : 1];
        const int row = grid->rowCount();
        grid->addWidget(box, row, 0);
        grid->addWidget(label, row, 1);
    }

    auto* buttons = new QHBoxLayout;
    QPushButton* populate = bound::populateButton(QStringLiteral("cmdUOwep_1"));
    QPushButton* send = bound::sendButton(QStringLiteral("cmdUOwep_0"));
    for (const int index : {1, 0}) {
        QPushButton* button = index == 1 ? populate : send;
        button->setProperty("index", index);
        connect(button, &QPushButton::clicked, this,
                index == 1 ? &UoMiscPage::populateClicked : &UoMiscPage::sendClicked);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    bound::disableWhileBusy(m_session, this, {populate, send});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(frames);
    layout->addLayout(buttons);
    layout->addStretch();
    mnemonics::complete(this, mnemonics::mainWindowLetters());
}

void UoMiscPage::populateClicked() {
    const QList<weapons::UoWeapon>& table = weapons::uoWeapons();
    // A listing is asked for again whenever the table moves on to another one.
    QStringList listings;
    QList<qsizetype> readBy;
    for (const weapons::UoWeapon& weapon : table) {
        if (listings.isEmpty() || listings.last() != weapon.listing)
            listings << weapon.listing;
        readBy << listings.size() - 1;
    }
    const QString progress = tr("Reading variables from the server...\r\nUnited Offensive...");
    bound::readOut(
        m_session, this, progress, listings, [this, readBy](qsizetype index, const QString& reply) {
            for (int i = 0; i < m_boxes.size(); ++i) {
                if (readBy.at(i) != index)
                    continue;
                QString value = getquoted(reply, m_boxes[i]->tag());
                // Older add-on versions lack some of these variables: they count
                // as off.
                if (value.isEmpty())
                    value = QStringLiteral("0");
                if (!bound::applyState(m_session, *m_boxes[i], value, weapons::slowServerMessage()))
                    return false;
            }
            return true;
        });
}

void UoMiscPage::sendClicked() {
    bound::sendChanged(
        m_session, this, tr("Send United Offensive weapon settings to server?"), m_boxes,
        [](qsizetype i, BoundControl& box) {
            return Plan{bound::controlStep(
                box.command(varcommand::Form::Quoted),
                tr("United Offensive %1 updated.")
                    .arg(weapons::uoLogNameShown(weapons::uoWeapons().at(i).label)))};
        });
}
