#include "UoModesPage.h"

#include "app/Session.h"
#include "base/Dialogs.h"
#include "serverconfig/ClassicModes.h"
#include "serverconfig/ListingValue.h"
#include "serverconfig/ModeSettings.h"
#include "serverconfig/UoModes.h"
#include "ui/BoundControls.h"
#include "ui/Mnemonics.h"
#include "ui/pages/ModeFrames.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using modeframes::indexed;

UoModesPage::UoModesPage(Session& session, QWidget* parent) : QWidget(parent), m_session(session) {
    setObjectName(QStringLiteral("pageUoModes"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(modeframes::switchFrame(this, tr("United Offensive instant game mode switch"),
                                              1, QStringLiteral("cmdUOmode"), gametypes::uoTypes(),
                                              [this](int i) { switchUoMode(i); }));

    auto* row = new QHBoxLayout;
    // The caption labels continue the label array of the base-game page.
    int labelIndex = classicmodes::fieldCount();
    for (int mode = 0; mode < uomodes::modes().size(); ++mode)
        row->addWidget(buildSettingsFrame(mode, labelIndex), 1);
    layout->addLayout(row);
    layout->addStretch();
    QList<QWidget*> setButtons;
    for (int mode = 0; mode < uomodes::modes().size(); ++mode)
        setButtons << m_buttons.value(2 * mode) << m_populate.value(mode);
    bound::disableWhileBusy(m_session, this, setButtons);
    mnemonics::complete(this, mnemonics::mainWindowLetters());
}

QWidget* UoModesPage::buildSettingsFrame(int mode, int& labelIndex) {
    const uomodes::Mode& table = uomodes::modes().at(mode);
    auto* frame = indexed(new QGroupBox(uomodes::shown(table.caption), this),
                          QStringLiteral("frmgamemode"), table.frameIndex);
    auto* grid = new QGridLayout(frame);
    QList<QLineEdit*> fields;
    for (int i = 0; i < table.fields.size(); ++i) {
        const uomodes::Field& f = table.fields.at(i);
        fields << indexed(
            modeframes::addSetting(grid, i, labelIndex++,
                                   {uomodes::shown(f.caption), uomodes::shown(f.labelTip),
                                    f.initial, f.variable, uomodes::fieldTip(i)}),
            table.fieldArray, i);
    }
    int row = int(table.fields.size());
    QList<QCheckBox*> boxes;
    for (int i = 0; i < table.boxes.size(); ++i) {
        const uomodes::Box& b = table.boxes.at(i);
        auto* box = new QCheckBox(uomodes::shown(b.caption), frame);
        if (table.boxArray)
            indexed(box, table.boxName, i);
        else
            box->setObjectName(table.boxName);
        box->setProperty("tag", b.variable);
        box->setToolTip(uomodes::shown(b.tip));
        box->setChecked(true);
        grid->addWidget(box, row++, 0, 1, 2);
        boxes << box;
    }
    const auto arrayButton = [&](int index) {
        auto* button = indexed(new QPushButton(uomodes::buttonCaption(index), frame),
                               QStringLiteral("cmdUOmodeset"), index);
        connect(button, &QPushButton::clicked, this, [this, index] { uoModeSetClicked(index); });
        if (m_buttons.size() <= index)
            m_buttons.resize(index + 1);
        m_buttons[index] = button;
        return button;
    };
    QPushButton* defaults = arrayButton(2 * mode + 1);
    QPushButton* set = arrayButton(2 * mode);
    QPushButton* populate = indexed(bound::populateButton({}), QStringLiteral("cmduopop"), mode);
    connect(populate, &QPushButton::clicked, this, [this, mode] { populateClicked(mode); });
    QLabel* source = modeframes::sourceLabel(QStringLiteral("lbluosource"), mode);
    modeframes::addButtonRow(grid, row, source, populate, defaults, set);

    m_fields << fields;
    m_boxes << boxes;
    m_sources << source;
    m_populate << populate;
    return frame;
}

void UoModesPage::switchUoMode(int index) {
    if (index >= 0 && index < gametypes::uoTypes().size())
        m_session.run(gametypes::switchPlan(gametypes::uoTypes().at(index)), this);
}

void UoModesPage::uoModeSetClicked(int index) {
    const uomodes::ButtonAction action = uomodes::buttonAction(index);
    switch (action.kind) {
    case uomodes::ButtonAction::Kind::Set:
        setMode(action.mode);
        break;
    case uomodes::ButtonAction::Kind::Defaults:
        restoreDefaults(action.mode);
        break;
    case uomodes::ButtonAction::Kind::None:
        break;
    }
}

void UoModesPage::restoreDefaults(int mode) {
    const uomodes::Mode& table = uomodes::modes().at(mode);
    for (int i = 0; i < table.fields.size(); ++i)
        m_fields.at(mode).at(i)->setText(table.fields.at(i).initial);
    for (QCheckBox* box : m_boxes.at(mode))
        box->setChecked(true);
    m_sources.at(mode)->setText(modesettings::defaultsText());
}

void UoModesPage::populateClicked(int mode) {
    if (mode < 0 || mode >= m_fields.size())
        return;
    const uomodes::Mode& table = uomodes::modes().at(mode);
    QStringList variables, captions;
    for (const uomodes::Field& field : table.fields) {
        variables << field.variable;
        captions << uomodes::shown(field.caption);
    }
    for (const uomodes::Box& box : table.boxes) {
        variables << box.variable;
        captions << uomodes::shown(box.caption);
    }
    const QList<QLineEdit*> fields = m_fields.at(mode);
    const QList<QCheckBox*> boxes = m_boxes.at(mode);
    modeframes::populate(m_session, this, uomodes::shown(table.caption), variables, captions,
                         m_sources.at(mode), [fields, boxes](int i, const QString& value) {
                             if (i < fields.size()) {
                                 if (value.isEmpty())
                                     return false;
                                 fields.at(i)->setText(value);
                                 return true;
                             }
                             // These boxes are on or off: the greyed state is none of theirs.
                             const std::optional<int> state = listing::checkState(value);
                             if (!state || *state == 2)
                                 return false;
                             boxes.at(i - fields.size())->setChecked(*state == 1);
                             return true;
                         });
}

void UoModesPage::setMode(int mode) {
    const uomodes::Mode& table = uomodes::modes().at(mode);
    QStringList texts;
    for (const QLineEdit* edit : m_fields.at(mode))
        texts << edit->text();

    if (const auto failure = uomodes::firstFailure(texts)) {
        if (failure->kind == uomodes::Failure::Kind::NotNumeric)
            m_session.dialogs().message(failure->message, modesettings::invalidValueTitle(),
                                        Dialogs::Icon::None, Dialogs::Buttons::Ok);
        else
            m_session.dialogs().beep();
        m_fields.at(mode).at(failure->field)->setFocus();
        return;
    }
    if (!modeframes::confirmSetServer(m_session))
        return;

    QList<int> states;
    for (const QCheckBox* box : m_boxes.at(mode))
        states << (box->isChecked() ? 1 : 0);
    m_session.run(uomodes::plan(table, texts, states), this);
}
