#pragma once

#include "rcon/Plan.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The limits of the three United Offensive game types as the "UO: Modes" page edits them:
// numeric fields sent as plain assignments and check boxes sent in the quoted form.
// A field's position fixes its meaning, check message and log text in every mode.
namespace uomodes {

// The texts of the tables are in English: shown() translates them.
struct Field {
    QString caption;
    QString variable; // kept in the text box's tag
    QString initial;  // the game's default, also the text at start
    QString labelTip;
    QString logLine; // %1 the value
};

// A check box; every box starts set and its default is set.
struct Box {
    QString caption;
    QString variable;
    QString tip;
    QString logLine; // %1 the value
};

struct Mode {
    int frameIndex = 0; // index in the frame array it shares with the switch frames
    QString caption;
    QString fieldArray; // name of the text-box array
    QString boxName;    // name of the check box, or of the check-box array
    bool boxArray = false;
    QList<Field> fields; // by index
    QList<Box> boxes;    // in send order
};

// A text of the tables in the operator's language.
QString shown(const QString& text);

// Domination, Capture the Flag and Base Assault, in frame order.
const QList<Mode>& modes();
int fieldCount(); // text boxes and check boxes over all modes

// The check message of the field at index when it is not a number, translated, as are the
// tooltip and the caption below.
QString numericMessage(int index);
// The text box's own tooltip at index; empty when it has none.
QString fieldTip(int index);

// What a button of the six-button array does: 0, 2, 4 set and 1, 3, 5 restore the
// defaults of modes 0, 1, 2; any other index does nothing.
struct ButtonAction {
    enum class Kind { None, Set, Defaults };
    Kind kind = Kind::None;
    int mode = -1;
};
ButtonAction buttonAction(int index);
QString buttonCaption(int index);

struct Failure {
    enum class Kind { NotNumeric, Negative };
    Kind kind = Kind::NotNumeric;
    int field = 0;
    QString message; // empty for a negative value: that one only beeps
};

// Every field must be a number, checked in index order; then every value, rounded to the
// nearest whole number (halves to even), must not be negative. There is no upper bound.
std::optional<Failure> firstFailure(const QStringList& texts);

// The quoted form: the variable directly followed by the state in double quotes.
QString boxCommand(const QString& variable, int state);

// The numeric fields, then the check boxes, each logged with its value.
Plan plan(const Mode& mode, const QStringList& texts, const QList<int>& boxStates);

} // namespace uomodes
