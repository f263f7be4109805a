#include "WeaponsPage.h"

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

namespace {

QString progressOf(int frame) {
    for (const weapons::Group& group : weapons::groups()) {
        if (group.frame == frame)
            return weapons::shown(group.progress);
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
        auto* frame = new QGroupBox(weapons::shown(group.caption));
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
        QLabel* label = bound::captionFor(box, weapons::shown(weapon.label), weapon.tag,
                                          QStringLiteral("lbl") + weapon.control.mid(3));
        QGridLayout* grid = frameGrids[weapon.frame];
        const int row = grid->rowCount();
        grid->addWidget(box, row, 0);
        grid->addWidget(label, row, 1);
    }

    QPushButton* populate = bound::populateButton(QStringLiteral("cmdpopwep"));
    QPushButton* send = bound::sendButton(QStringLiteral("cmdwepsetserv"));
    QPushButton* rifles = bound::button(QStringLiteral("cmdriflesonly"), tr("Rifles Only"));
    QPushButton* snipers = bound::button(QStringLiteral("cmdnosnipers"), tr("No Snipers"));
    QPushButton* all = bound::button(QStringLiteral("cmdwepselall"), tr("Select all"));
    QPushButton* none = bound::button(QStringLiteral("cmdwepunselall"), tr("De-select all"));
    connect(populate, &QPushButton::clicked, this, &WeaponsPage::populateClicked);
    connect(send, &QPushButton::clicked, this, &WeaponsPage::sendClicked);
    connect(rifles, &QPushButton::clicked, this, &WeaponsPage::riflesOnlyClicked);
    connect(snipers, &QPushButton::clicked, this, &WeaponsPage::noSnipersClicked);
    connect(all, &QPushButton::clicked, this, [this] { setAll(1); });
    connect(none, &QPushButton::clicked, this, [this] { setAll(0); });
    bound::disableWhileBusy(m_session, this, {populate, send, rifles, snipers});

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
    mnemonics::complete(this, mnemonics::mainWindowLetters());
}

void WeaponsPage::populateClicked() {
    const QList<weapons::BaseWeapon>& table = weapons::baseWeapons();
    const QString progress =
        tr("Reading variables from the server...\r\n%1").arg(progressOf(table.first().frame));
    bound::readOut(m_session, this, progress, {weapons::baseListing()},
                   [this](qsizetype, const QString& reply) {
                       const QList<weapons::BaseWeapon>& table = weapons::baseWeapons();
                       int frame = table.first().frame;
                       for (int i = 0; i < m_boxes.size(); ++i) {
                           if (table.at(i).frame != frame) {
                               frame = table.at(i).frame;
                               m_session.showProgress(progressOf(frame), ProgressMode::Add);
                           }
                           if (!bound::applyState(m_session, *m_boxes[i],
                                                  getquoted(reply, m_boxes[i]->tag()),
                                                  weapons::slowServerMessage()))
                               return false;
                       }
                       return true;
                   });
}

void WeaponsPage::sendClicked() {
    bound::sendChanged(
        m_session, this, tr("Send weapon settings to server?"), m_boxes,
        [](qsizetype i, BoundControl& box) {
            return Plan{bound::controlStep(
                box.command(varcommand::Form::Quoted),
                tr("%1 updated.").arg(weapons::shown(weapons::baseWeapons().at(i).logName)))};
        });
}

void WeaponsPage::riflesOnlyClicked() {
    if (!bound::confirmed(m_session,
                          tr("Set weapons to rifles only on server?\r"
                             "Screen will reflect changes"),
                          tr("Rifles only?"), Dialogs::Icon::Information))
        return;
    // Every box goes out, changed or not, so the server ends up exactly as shown. A box takes
    // its preset state just before its command goes: when the first send is refused, the
    // rest of the page stays as the operator left it.
    const QList<weapons::BaseWeapon>& table = weapons::baseWeapons();
    Plan plan;
    for (int i = 0; i < m_boxes.size(); ++i) {
        Step step{Request::shown(varcommand::command(varcommand::Form::Quoted, m_boxes[i]->tag(),
                                                     QString::number(table.at(i).riflesOnly)))};
        step.subject = m_boxes[i]->tag();
        plan << step;
    }
    m_boxes.first()->setState(table.first().riflesOnly);
    m_session.run(
        plan, this,
        [this](const PlanOutcome& outcome) {
            if (outcome.allTaken)
                m_session.addMessage(tr("Server set to rifles only"));
        },
        [this](int index, const Step&, const Reply&, const Outcome& outcome) {
            if (!outcome.refused())
                m_boxes[index]->clearChanged();
            if (index + 1 < m_boxes.size())
                m_boxes[index + 1]->setState(weapons::baseWeapons().at(index + 1).riflesOnly);
        });
}

void WeaponsPage::noSnipersClicked() {
    if (!bound::confirmed(m_session, tr("Disable snipers on server"), tr("No Snipers"),
                          Dialogs::Icon::Question))
        return;
    const QList<weapons::BaseWeapon>& table = weapons::baseWeapons();
    QList<BoundControl*> changed;
    for (int i = 0; i < m_boxes.size(); ++i) {
        if (!table.at(i).sniper)
            continue;
        m_boxes[i]->setState(0);
        // A sniper that was already off and never changed is not sent again.
        if (m_boxes[i]->isChanged())
            changed << m_boxes[i];
    }
    Plan plan;
    for (BoundControl* box : std::as_const(changed)) {
        Step step{Request::shown(box->command(varcommand::Form::Quoted))};
        step.subject = box->tag();
        plan << step;
    }
    bound::sendPlanFor(m_session, this, plan, changed, [this](const PlanOutcome& outcome) {
        if (outcome.allTaken)
            m_session.addMessage(tr("No snipers set on server."));
    });
}

void WeaponsPage::setAll(int state) {
    for (BoundControl* box : std::as_const(m_boxes))
        box->setState(state);
}
