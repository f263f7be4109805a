#pragma once

#include "rcon/Plan.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The limits of the six base-game types as the "COD Modes" page edits them: each page is a
// few text fields, each bound to one server variable, checked and then sent as plain
// assignments. Nothing is read back from the server.
namespace classicmodes {

// One rule a field's text must pass before anything is sent.
struct Check {
    enum class Rule { Numeric, WholeInRange };
    Rule rule = Rule::Numeric;
    int low = 0;
    int high = 0;
    QString message; // in English, as are all texts of the tables: shown() translates them
};

struct Field {
    QString name;     // the text box
    QString caption;  // the label beside it
    QString variable; // the server variable, kept in the text box's tag
    QString initial;  // the game's default, also the text at start
    QString labelTip; // the label's tooltip
    QString fieldTip; // the text box's tooltip; empty when it has none
    QString logLine;  // the message-log line after a send, %1 the value
    QList<Check> checks;
};

struct Page {
    int frameIndex = 0; // index in the frame array
    QString caption;
    QString setButton;
    QString defaultsButton;
    bool confirm = false; // ask before sending
    QList<Field> fields;  // in check and send order
};

// A text of the tables in the operator's language.
QString shown(const QString& text);

// Search and Destroy, Retrieval, Behind Enemy Lines, Deathmatch, Team Deathmatch and
// Headquarters, in frame order.
const QList<Page>& pages();
// The number of fields over all pages.
int fieldCount();

struct Failure {
    int field = 0;   // position in the page's field list
    QString message; // translated
};

// The first field, in page order, whose text fails one of its checks, with the message
// of that check; nothing when every field passes. Missing texts count as empty.
std::optional<Failure> firstFailure(const Page& page, const QStringList& texts);

// Every field in page order, each logged with its value. Missing texts count as empty.
Plan plan(const Page& page, const QStringList& texts);

} // namespace classicmodes
