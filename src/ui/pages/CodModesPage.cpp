#include "CodModesPage.h"

#include "app/Dialogs.h"
#include "app/Session.h"
#include "serverconfig/ClassicModes.h"
#include "serverconfig/ModeSettings.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

template <typename W> W* indexed(W* widget, const QString& name, int index) {
    widget->setObjectName(name + QLatin1Char('_') + QString::number(index));
    widget->setProperty("index", index);
    return widget;
}

} // namespace

CodModesPage::CodModesPage(Session& session, QWidget* parent)
    : QWidget(parent), m_session(session), m_switch(session) {
    setObjectName(QStringLiteral("pageCodModes"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildSwitchFrame());

    auto* grid = new QGridLayout;
    int labelIndex = 0;
    const int columns = 3;
    for (int page = 0; page < classicmodes::pages().size(); ++page)
        grid->addWidget(buildSettingsFrame(page, labelIndex), page / columns, page % columns);
    for (int column = 0; column < columns; ++column)
        grid->setColumnStretch(column, 1);
    layout->addLayout(grid);
    layout->addStretch();
}

QWidget* CodModesPage::buildSwitchFrame() {
    auto* frame = indexed(new QGroupBox(QStringLiteral("COD Instant game mode switch"), this),
                          QStringLiteral("frmgamemode"), 0);
    auto* grid = new QGridLayout(frame);
    const QList<GameTypeSwitch::GameType>& types = GameTypeSwitch::codTypes();
    for (int i = 0; i < types.size(); ++i) {
        auto* button =
            indexed(new QPushButton(types.at(i).caption, frame), QStringLiteral("cmdcod"), i);
        grid->addWidget(button, i / 3, i % 3);
        connect(button, &QPushButton::clicked, this, [this, i] { cmdcod_Click(i); });
    }
    return frame;
}

QWidget* CodModesPage::buildSettingsFrame(int page, int& labelIndex) {
    const classicmodes::Page& table = classicmodes::pages().at(page);
    auto* frame =
        indexed(new QGroupBox(table.caption, this), QStringLiteral("frmgm"), table.frameIndex);
    auto* grid = new QGridLayout(frame);
    QList<QLineEdit*> fields;
    for (int row = 0; row < table.fields.size(); ++row) {
        const classicmodes::Field& f = table.fields.at(row);
        auto* edit = new QLineEdit(f.initial, frame);
        edit->setObjectName(f.name);
        edit->setProperty("tag", f.variable);
        edit->setToolTip(f.fieldTip);
        edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 8 + 12);
        auto* label =
            indexed(new QLabel(f.caption, frame), QStringLiteral("lblgrace"), labelIndex++);
        label->setToolTip(f.labelTip);
        label->setBuddy(edit);
        label->setWordWrap(true);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        fields << edit;
    }
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(int(table.fields.size()), 1);

    auto* buttons = new QHBoxLayout;
    auto* set = new QPushButton(QStringLiteral("Set"), frame);
    set->setObjectName(table.setButton);
    auto* defaults = new QPushButton(QStringLiteral("Defaults"), frame);
    defaults->setObjectName(table.defaultsButton);
    buttons->addStretch();
    buttons->addWidget(defaults);
    buttons->addWidget(set);
    grid->addLayout(buttons, int(table.fields.size()) + 1, 0, 1, 2);
    connect(set, &QPushButton::clicked, this, [this, page] { setClicked(page); });
    connect(defaults, &QPushButton::clicked, this, [this, page] { defaultsClicked(page); });

    m_fields << fields;
    m_setButtons << set;
    return frame;
}

void CodModesPage::cmdcod_Click(int index) {
    m_switch.cmdcod_Click(index);
}

void CodModesPage::defaultsClicked(int page) {
    if (page < 0 || page >= m_fields.size())
        return;
    const classicmodes::Page& table = classicmodes::pages().at(page);
    for (int i = 0; i < table.fields.size(); ++i)
        m_fields.at(page).at(i)->setText(table.fields.at(i).initial);
}

void CodModesPage::setClicked(int page) {
    if (page < 0 || page >= m_fields.size())
        return;
    const classicmodes::Page& table = classicmodes::pages().at(page);
    QStringList texts;
    for (const QLineEdit* edit : m_fields.at(page))
        texts << edit->text();

    if (const auto failure = classicmodes::firstFailure(table, texts)) {
        m_session.dialogs().message(failure->message, modesettings::invalidValueTitle(),
                                    Dialogs::Icon::None, Dialogs::Buttons::Ok);
        m_fields.at(page).at(failure->field)->setFocus();
        return;
    }
    if (table.confirm && !modesettings::confirmSetServer(m_session.dialogs()))
        return;

    // The sends take seconds and let clicks through; a second start would interleave.
    QPushButton* set = m_setButtons.at(page);
    set->setEnabled(false);
    classicmodes::send(m_session, table, texts);
    set->setEnabled(true);
}
