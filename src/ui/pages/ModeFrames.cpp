#include "ModeFrames.h"

#include "app/Dialogs.h"
#include "serverconfig/ModeSettings.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace modeframes {

bool confirmSetServer(Dialogs& dialogs) {
    return dialogs.message(modesettings::setServerQuestion(), modesettings::setServerTitle(),
                           Dialogs::Icon::Information,
                           Dialogs::Buttons::OkCancel) == Dialogs::Answer::Ok;
}

QGroupBox* switchFrame(QWidget* parent, const QString& caption, int frameIndex,
                       const QString& buttonArray, const QList<gametypes::GameType>& types,
                       const std::function<void(int)>& onClick) {
    auto* frame =
        indexed(new QGroupBox(caption, parent), QStringLiteral("frmgamemode"), frameIndex);
    auto* grid = new QGridLayout(frame);
    const int columns = 3;
    for (int i = 0; i < types.size(); ++i) {
        auto* button = indexed(new QPushButton(types.at(i).caption, frame), buttonArray, i);
        grid->addWidget(button, i / columns, i % columns);
        QObject::connect(button, &QPushButton::clicked, frame, [onClick, i] { onClick(i); });
    }
    return frame;
}

QLineEdit* addSetting(QGridLayout* grid, int row, int labelIndex, const Setting& setting) {
    QWidget* frame = grid->parentWidget();
    auto* edit = new QLineEdit(setting.initial, frame);
    edit->setProperty("tag", setting.variable);
    edit->setToolTip(setting.fieldTip);
    // Room for eight digits: the values are short numbers.
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 8 + 12);
    auto* label =
        indexed(new QLabel(setting.caption, frame), QStringLiteral("lblgrace"), labelIndex);
    label->setToolTip(setting.labelTip);
    label->setBuddy(edit);
    label->setWordWrap(true);
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
    return edit;
}

void addButtonRow(QGridLayout* grid, int row, QPushButton* defaults, QPushButton* set) {
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(row, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(defaults);
    buttons->addWidget(set);
    grid->addLayout(buttons, row + 1, 0, 1, 2);
}

} // namespace modeframes
