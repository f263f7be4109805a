#include "CodModesPage.h"

#include "app/Session.h"
#include "base/Dialogs.h"
#include "serverconfig/ClassicModes.h"
#include "serverconfig/ModeSettings.h"
#include "ui/BoundControls.h"
#include "ui/Mnemonics.h"
#include "ui/pages/ModeFrames.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using modeframes::indexed;

CodModesPage::CodModesPage(Session& session, QWidget* parent)
    : QWidget(parent), m_session(session) {
    setObjectName(QStringLiteral("pageCodModes"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(modeframes::switchFrame(this, tr("COD Instant game mode switch"), 0,
                                              QStringLiteral("cmdcod"), gametypes::codTypes(),
                                              [this](int i) { switchGameType(i); }));

    auto* grid = new QGridLayout;
    int labelIndex = 0;
    const int columns = 3;
    for (int page = 0; page < classicmodes::pages().size(); ++page)
        grid->addWidget(buildSettingsFrame(page, labelIndex), page / columns, page % columns);
    for (int column = 0; column < columns; ++column)
        grid->setColumnStretch(column, 1);
    layout->addLayout(grid);
    layout->addStretch();
    bound::disableWhileBusy(m_session, this, {m_setButtons.begin(), m_setButtons.end()});
    mnemonics::complete(this, mnemonics::mainWindowLetters());
}

QWidget* CodModesPage::buildSettingsFrame(int page, int& labelIndex) {
    const classicmodes::Page& table = classicmodes::pages().at(page);
    auto* frame = indexed(new QGroupBox(classicmodes::shown(table.caption), this),
                          QStringLiteral("frmgm"), table.frameIndex);
    auto* grid = new QGridLayout(frame);
    QList<QLineEdit*> fields;
    for (int row = 0; row < table.fields.size(); ++row) {
        const classicmodes::Field& f = table.fields.at(row);
        QLineEdit* edit =
            modeframes::addSetting(grid, row, labelIndex++,
                                   {classicmodes::shown(f.caption), classicmodes::shown(f.labelTip),
                                    f.initial, f.variable, classicmodes::shown(f.fieldTip)});
        edit->setObjectName(f.name);
        fields << edit;
    }

    auto* set = new QPushButton(tr("Set"), frame);
    set->setObjectName(table.setButton);
    auto* defaults = new QPushButton(tr("Defaults"), frame);
    defaults->setObjectName(table.defaultsButton);
    QPushButton* populate = indexed(bound::populateButton({}), QStringLiteral("cmdcodpop"), page);
    QLabel* source = modeframes::sourceLabel(QStringLiteral("lblcodsource"), page);
    modeframes::addButtonRow(grid, int(table.fields.size()), source, populate, defaults, set);
    connect(set, &QPushButton::clicked, this, [this, page] { setClicked(page); });
    connect(defaults, &QPushButton::clicked, this, [this, page] { defaultsClicked(page); });
    connect(populate, &QPushButton::clicked, this, [this, page] { populateClicked(page); });

    m_fields << fields;
    m_sources << source;
    m_setButtons << set << populate;
    return frame;
}

void CodModesPage::switchGameType(int index) {
    if (index >= 0 && index < gametypes::codTypes().size())
        m_session.run(gametypes::switchPlan(gametypes::codTypes().at(index)), this);
}

void CodModesPage::defaultsClicked(int page) {
    if (page < 0 || page >= m_fields.size())
        return;
    const classicmodes::Page& table = classicmodes::pages().at(page);
    for (int i = 0; i < table.fields.size(); ++i)
        m_fields.at(page).at(i)->setText(table.fields.at(i).initial);
    m_sources.at(page)->setText(modesettings::defaultsText());
}

void CodModesPage::populateClicked(int page) {
    if (page < 0 || page >= m_fields.size())
        return;
    const classicmodes::Page& table = classicmodes::pages().at(page);
    QStringList variables, captions;
    for (const classicmodes::Field& field : table.fields) {
        variables << field.variable;
        captions << classicmodes::shown(field.caption);
    }
    const QList<QLineEdit*> fields = m_fields.at(page);
    modeframes::populate(m_session, this, classicmodes::shown(table.caption), variables, captions,
                         m_sources.at(page), [fields](int i, const QString& value) {
                             if (value.isEmpty())
                                 return false;
                             fields.at(i)->setText(value);
                             return true;
                         });
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
    if (table.confirm && !modeframes::confirmSetServer(m_session))
        return;
    m_session.run(classicmodes::plan(table, texts), this);
}
