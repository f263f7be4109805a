#include "ModeFrames.h"

#include "base/Dialogs.h"
#include "serverconfig/ModeSettings.h"
#include "ui/BoundControls.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace modeframes {

bool confirmSetServer(Session& session) {
    return bound::confirmed(session, modesettings::setServerQuestion(),
                            modesettings::setServerTitle(), Dialogs::Icon::Information);
}

QGroupBox* switchFrame(QWidget* parent, const QString& caption, int frameIndex,
                       const QString& buttonArray, const QList<gametypes::GameType>& types,
                       const std::function<void(int)>& onClick) {
    auto* frame =
        indexed(new QGroupBox(caption, parent), QStringLiteral("frmgamemode"), frameIndex);
    auto* grid = new QGridLayout(frame);
    const int columns = 3;
    for (int i = 0; i < types.size(); ++i) {
        auto* button =
            indexed(new QPushButton(gametypes::shown(types.at(i).caption), frame), buttonArray, i);
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

void addButtonRow(QGridLayout* grid, int row, QLabel* source, QPushButton* populate,
                  QPushButton* defaults, QPushButton* set) {
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(row, 1);
    grid->addWidget(source, row + 1, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(populate);
    buttons->addStretch();
    buttons->addWidget(defaults);
    buttons->addWidget(set);
    grid->addLayout(buttons, row + 2, 0, 1, 2);
}

QLabel* sourceLabel(const QString& name, int index) {
    auto* label = indexed(new QLabel(modesettings::defaultsText()), name, index);
    label->setWordWrap(true);
    return label;
}

void populate(Session& session, QObject* context, const QString& frameCaption,
              const QStringList& variables, const QStringList& captions, QLabel* source,
              const std::function<bool(int i, const QString& value)>& show) {
    const QString progress =
        QCoreApplication::translate("modeframes", "Reading variables from the server...\r\n%1")
            .arg(QString(frameCaption).replace(QLatin1String("&&"), QLatin1String("&")));
    QPointer<QLabel> label(source);
    bound::readOut(session, context, progress, {modesettings::listingFor(variables)},
                   [variables, captions, label, show](qsizetype, const QString& reply) {
                       const QStringList values = modesettings::valuesIn(reply, variables);
                       QStringList notRead;
                       for (int i = 0; i < values.size(); ++i)
                           if (!show(i, values.at(i)))
                               notRead << captions.value(i);
                       if (label)
                           label->setText(modesettings::readText(notRead, variables.size()));
                       return true;
                   });
}

} // namespace modeframes
