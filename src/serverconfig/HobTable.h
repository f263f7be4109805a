#pragma once

#include <QList>
#include <QString>

// The settings of the Heat of Battle mod (version 3) that its window reads and sends.
namespace hob {

enum class Kind {
    Check,     // a check box
    Wave,      // the wave-respawn time, checked when the field is left
    Percentage // a spin box from 0 to 100
};

// The texts of the table are in English: shown() translates them.
struct Setting {
    QString control;
    Kind kind;
    QString label;
    QString tag;
    QString initial; // the field's text or the box's state
    QString help;    // shown when the box is clicked or the field gets the focus
    QString logLine; // for the wave field, %1 the value
};

// A text of the table in the operator's language.
QString shown(const QString& text);

// The fourteen settings in the order they are sent.
const QList<Setting>& settings();
// Positions in settings() in the order they are read.
const QList<int>& readOrder();

QString listing();
QString frameCaption();
QString windowTitle();

} // namespace hob
