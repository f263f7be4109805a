#pragma once

#include <QList>
#include <QString>

// The weapon, vehicle and battle-option switches of the two weapon pages. Each switch is a
// server variable that the page reads from a listing and sends back in the quoted form.
namespace weapons {

// The texts of the tables are in English: shown() translates them.

// A frame of the "Weapons" page (frame index and caption) with the line the progress
// notice adds before the frame's boxes are read.
struct Group {
    int frame;
    QString caption;
    QString progress;
};

// One base-game weapon: its check box, variable, label, the name its log line starts with,
// the state the "Rifles Only" preset gives it, and whether "No Snipers" unticks it.
struct BaseWeapon {
    QString control;
    QString tag;
    QString label;
    int frame;
    QString logName;
    int riflesOnly;
    bool sniper;
};

// One United Offensive switch (index in the chkUOwep array = position in the list).
struct UoWeapon {
    QString tag;
    QString label;
    QString listing; // the cvarlist command whose reply holds the variable
};

// The five frames in the order they are read: Allies, Russian, British, German, Others.
const QList<Group>& groups();
// The 17 base-game weapons in the order they are read and sent; the boxes of one frame
// stand together, the frames in the order of groups().
const QList<BaseWeapon>& baseWeapons();
// The listing that holds every base-game weapon.
QString baseListing();

// The caption of the frame that holds all five base-game frames.
QString baseFrameCaption();

// The 24 United Offensive switches in index order: weapons 0 to 11, vehicles and options
// 12 to 23.
const QList<UoWeapon>& uoWeapons();
inline constexpr int kUoWeaponsFrame = 5;
inline constexpr int kUoVehiclesFrame = 6;
inline constexpr int kUoFirstVehicle = 12;
QString uoFrameCaption(int frame);
// The name an add-on switch goes by in the message log: its label without the leading
// verb ("Allow Panzer IV" -> "Panzer IV", "Enable Battlerank" -> "Battlerank").
QString uoLogName(const QString& label);

// The same name in the operator's language, for the translated log line.
QString uoLogNameShown(const QString& label);

// A text of the tables in the operator's language.
QString shown(const QString& text);

// The text of the box that stops a read-out of either weapon page on a value it cannot use.
QString slowServerMessage();

} // namespace weapons
