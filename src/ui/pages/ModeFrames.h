#pragma once

#include "serverconfig/GameTypeSwitch.h"

#include <QList>
#include <QString>

#include <functional>

class Session;
class QGridLayout;
class QLabel;
class QObject;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QWidget;

// The pieces both game-mode pages build their frames from, so that the two pages look and
// name their controls alike.
namespace modeframes {

// Makes widget one element of a control array: objectName name_index and the "index" property.
template <typename W> W* indexed(W* widget, const QString& name, int index) {
    widget->setObjectName(name + QLatin1Char('_') + QString::number(index));
    widget->setProperty("index", index);
    return widget;
}

// A game-type switch: frame frmgamemode_frameIndex with one button per type, three to a row,
// named buttonArray_i; a click calls onClick with the button's index.
QGroupBox* switchFrame(QWidget* parent, const QString& caption, int frameIndex,
                       const QString& buttonArray, const QList<gametypes::GameType>& types,
                       const std::function<void(int)>& onClick);

// One setting at row of grid: the caption label lblgrace_labelIndex, the text box's buddy,
// beside a narrow text box holding the initial text with the server variable as its tag.
struct Setting {
    QString caption;
    QString labelTip;
    QString initial;
    QString variable;
    QString fieldTip; // empty when the text box has none
};
QLineEdit* addSetting(QGridLayout* grid, int row, int labelIndex, const Setting& setting);

// With a server connected, asks "Set server with values in display?"; true when the operator
// chose OK. Without one the operator is told so and nothing is asked.
bool confirmSetServer(Session& session);

// Ends a settings frame: a stretch row at row, the line that says where the values come from,
// then "Populate from server" at the left and "Defaults" and "Set" at the right.
void addButtonRow(QGridLayout* grid, int row, QLabel* source, QPushButton* populate,
                  QPushButton* defaults, QPushButton* set);

// The line under a frame that says where its values come from; it starts with the defaults.
QLabel* sourceLabel(const QString& name, int index);

// Reads a frame's variables from the server with one listing, for context. `show` puts the
// value of the variable at i (empty when the listing gives none) into its control and says
// whether it could; the source line then says which values are the server's.
void populate(Session& session, QObject* context, const QString& frameCaption,
              const QStringList& variables, const QStringList& captions, QLabel* source,
              const std::function<bool(int i, const QString& value)>& show);

} // namespace modeframes
