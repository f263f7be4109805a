#include "WeaponsPage.h"

#include "app/Session.h"
#include "serverconfig/WeaponTable.h"
#include "ui/BoundControls.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString progressOf(int frame) {
    for (const weapons::Group& group : weapons::groups()) {
        if (group.frame == frame)
            return group.progress;
    }
    return QString();
}

} // namespace

WeaponsPage::WeaponsPage(Session& session, QWidget* parent) : QWidget(parent), m_session(session) {
    setObjectName(QStringLiteral("pageWeapons"));

    auto* outer = new QGroupBox(weapons::baseFrameCaption());
    outer->setObjectName(QStringLiteral("frmweapons"));
    auto* outerGrid = new QGridLayout(outer);

    QList<QGridLayout*> frameGrids(weapons::groups().size(), nullptr);
    for (const weapons::Group& group : weapons::groups()) {
        auto* frame = new QGroupBox(group.caption);
        frame->setObjectName(QStringLiteral("frmwep_%1").arg(group.frame));
        frame->setProperty("index", group.frame);
        auto* grid = new QGridLayout(frame);
        grid->setColumnStretch(1, 1);
        frameGrids[group.frame] = grid;
        // Allies, British and Russian on top; German and Others below.
        outerGrid->addWidget(frame, group.frame / 3, group.frame % 3, Qt::AlignTop);
    }

    for (const weapons::BaseWeapon& weapon : weapons::baseWeapons()) {
        auto* box = new SettingCheckBox;
        box->setObjectName(weapon.control);
        auto* binding = new BoundControl(box, weapon.tag);
        m_boxes << binding;
        QLabel* label = bound::captionFor(box, weapon.label, weapon.tag,
                                          QStringLiteral("lbl") + weapon.control.mid(3));
        QGridLayout* grid = frameGrids[weapon.frame];
        const int row = grid->rowCount();
        grid->addWidget(box, row, 0);
        grid->addWidget(label, row, 1);
    }

    QPushButton* populate = bound::populateButton(QStringLiteral("cmdpopwep"));
    QPushButton* send = bound::sendButton(QStringLiteral("cmdwepsetserv"));
    QPushButton* rifles =
        bound::button(QStringLiteral("cmdriflesonly"), QStringLiteral("Rifles Only"));
    QPushButton* snipers =
        bound::button(QStringLiteral("cmdnosnipers"), QStringLiteral("No Snipers"));
    QPushButton* all = bound::button(QStringLiteral("cmdwepselall"), QStringLiteral("Select all"));
    QPushButton* none =
        bound::button(QStringLiteral("cmdwepunselall"), QStringLiteral("De-select all"));
    connect(populate, &QPushButton::clicked, this, &WeaponsPage::cmdpopwep_Click);
    connect(send, &QPushButton::clicked, this, &WeaponsPage::cmdwepsetserv_Click);
    connect(rifles, &QPushButton::clicked, this, &WeaponsPage::cmdriflesonly_Click);
    connect(snipers, &QPushButton::clicked, this, &WeaponsPage::cmdnosnipers_Click);
    connect(all, &QPushButton::clicked, this, &WeaponsPage::cmdwepselall_Click);
    connect(none, &QPushButton::clicked, this, &WeaponsPage::cmdwepunselall_Click);

    auto* buttons = new QGridLayout;
    buttons->addWidget(populate, 0, 0);
    buttons->addWidget(send, 0, 1);
    buttons->addWidget(rifles, 1, 0);
    buttons->addWidget(snipers, 1, 1);
    buttons->addWidget(all, 2, 0);
    buttons->addWidget(none, 2, 1);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addLayout(buttons);
    buttonRow->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(outer);
    layout->addLayout(buttonRow);
    layout->addStretch();
}

void WeaponsPage::cmdpopwep_Click() {
    const QList<weapons::BaseWeapon>& table = weapons::baseWeapons();
    const ReadOutScope readOut(m_session,
                               QStringLiteral("Reading variables from the server...\r\n") +
                                   progressOf(table.first().frame));
    // The stock server sends the whole listing at once, so no extra pause is needed here.
    if (!readOut.started() || !bound::readListing(m_session, weapons::baseListing(), 0))
        return;

    int frame = table.first().frame;
    for (int i = 0; i < m_boxes.size(); ++i) {
        if (table.at(i).frame != frame) {
            frame = table.at(i).frame;
            m_session.showprogress(progressOf(frame), QStringLiteral("ADD"));
        }
        if (!bound::applyState(m_session, *m_boxes[i], m_session.getquoted(m_boxes[i]->tag()),
                               weapons::slowServerMessage()))
            return;
    }
}

void WeaponsPage::cmdwepsetserv_Click() {
    const QList<weapons::BaseWeapon>& table = weapons::baseWeapons();
    bound::sendChanged(m_session, QStringLiteral("Send weapon settings to server?"), m_boxes,
                       [&](qsizetype i, BoundControl& box) {
                           return bound::sendControl(
                               m_session, box, box.command(varcommand::Form::Quoted),
                               table.at(i).logName + QStringLiteral(" updated."));
                       });
}

void WeaponsPage::cmdriflesonly_Click() {
    if (!bound::confirmed(m_session,
                          QStringLiteral("Set weapons to rifles only on server?\r"
                                         "Screen will reflect changes"),
                          QStringLiteral("Rifles only?"), Dialogs::Icon::Information))
        return;
    const QList<weapons::BaseWeapon>& table = weapons::baseWeapons();
    for (int i = 0; i < m_boxes.size(); ++i) {
        BoundControl& box = *m_boxes[i];
        box.setState(table.at(i).riflesOnly);
        // Every box goes out, changed or not, so the server ends up exactly as shown.
        m_session.sendinfo(box.command(varcommand::Form::Quoted), false);
        if (!bound::lastSendWent(m_session))
            return;
        box.clearChanged();
    }
    m_session.addmessage(QStringLiteral("Server set to rifles only"));
}

void WeaponsPage::cmdnosnipers_Click() {
    if (!bound::confirmed(m_session, QStringLiteral("Disable snipers on server"),
                          QStringLiteral("No Snipers"), Dialogs::Icon::Question))
        return;
    const QList<weapons::BaseWeapon>& table = weapons::baseWeapons();
    QList<BoundControl*> snipers;
    for (int i = 0; i < m_boxes.size(); ++i) {
        if (table.at(i).sniper)
            snipers << m_boxes[i];
    }
    for (BoundControl* box : std::as_const(snipers))
        box->setState(0);
    // A sniper that was already off and never changed is not sent again.
    for (BoundControl* box : std::as_const(snipers)) {
        if (!box->isChanged())
            continue;
        m_session.sendinfo(box->command(varcommand::Form::Quoted), false);
        if (!bound::lastSendWent(m_session))
            return;
        box->clearChanged();
    }
    m_session.addmessage(QStringLiteral("No snipers set on server."));
}

void WeaponsPage::cmdwepselall_Click() {
    setAll(1);
}

void WeaponsPage::cmdwepunselall_Click() {
    setAll(0);
}

void WeaponsPage::setAll(int state) {
    for (BoundControl* box : std::as_const(m_boxes))
        box->setState(state);
}
