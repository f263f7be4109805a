#include "UoMiscPage.h"

#include "app/Session.h"
#include "serverconfig/WeaponTable.h"
#include "ui/BoundControls.h"

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
        QLabel* label = bound::captionFor(box, table.at(i).label, table.at(i).tag,
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
        connect(button, &QPushButton::clicked, this, [this, index] { cmdUOwep_Click(index); });
        buttons->addWidget(button);
    }
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(frames);
    layout->addLayout(buttons);
    layout->addStretch();
}

void UoMiscPage::cmdUOwep_Click(int index) {
    if (index == 1)
        populate();
    else if (index == 0)
        send();
}

void UoMiscPage::populate() {
    const ReadOutScope readOut(m_session, QStringLiteral("Reading variables from the server...\r\n"
                                                         "United Offensive..."));
    if (!readOut.started())
        return;
    const QList<weapons::UoWeapon>& table = weapons::uoWeapons();
    QString listingRead;
    for (int i = 0; i < m_boxes.size(); ++i) {
        // Each send empties the response, so a box is read from its own listing only.
        if (table.at(i).listing != listingRead) {
            listingRead = table.at(i).listing;
            if (!bound::readListing(m_session, listingRead, 1))
                return;
        }
        QString value = m_session.getquoted(m_boxes[i]->tag());
        // Older add-on versions lack some of these variables: they count as off.
        if (value.isEmpty())
            value = QStringLiteral("0");
        if (!bound::applyState(m_session, *m_boxes[i], value, weapons::slowServerMessage()))
            return;
    }
}

void UoMiscPage::send() {
    const QList<weapons::UoWeapon>& table = weapons::uoWeapons();
    bound::sendChanged(
        m_session, QStringLiteral("Send United Offensive weapon settings to server?"), m_boxes,
        [&](qsizetype i, BoundControl& box) {
            return bound::sendControl(m_session, box, box.command(varcommand::Form::Quoted),
                                      QStringLiteral("United Offensive ") +
                                          weapons::uoLogName(table.at(i).label) +
                                          QStringLiteral(" updated."));
        });
}
