#include "RotationNotes.h"

#include <QCoreApplication>

namespace {

// An empty entry is an empty line, left untranslated.
constexpr const char* kLines[] = {
    QT_TRANSLATE_NOOP("RotationNotes", "Map Rotation;"),
    QT_TRANSLATE_NOOP("RotationNotes",
                      "Top box is the Map rotation seen when Vostrel connected to server."),
    "",
    QT_TRANSLATE_NOOP("RotationNotes",
                      "Bottom Box is the EDIT area for you to type a TEMPORARY Map rotation."),
    QT_TRANSLATE_NOOP("RotationNotes",
                      "(This could be useful to setup for a match so next map is right one)"),
    QT_TRANSLATE_NOOP("RotationNotes",
                      "When the EDIT rotation has finished the server reverts to TOP box rotation"),
    "",
    QT_TRANSLATE_NOOP("RotationNotes",
                      "Best way for matches is set the two maps you want in EDIT box and then do"),
    QT_TRANSLATE_NOOP(
        "RotationNotes",
        "a map restart command. That will end current map and start with first in EDIT."),
    "",
    QT_TRANSLATE_NOOP("RotationNotes",
                      "Button \"Default -> EDIT\" pastes the default into the Edit box."),
    QT_TRANSLATE_NOOP("RotationNotes", "Button \"Clear EDIT\" empties the EDIT box"),
    QT_TRANSLATE_NOOP("RotationNotes",
                      "Button \"Set Server to Default\" resets the server to the Default Map"),
    QT_TRANSLATE_NOOP("RotationNotes", "Rotation in top box."),
    QT_TRANSLATE_NOOP("RotationNotes",
                      "Button \"Set server to EDIT\" sets the server to the map rotation in"),
    QT_TRANSLATE_NOOP("RotationNotes", "Bottom box."),
    "",
    QT_TRANSLATE_NOOP("RotationNotes", "Do not prefix text with rcon variable, I will do that."),
    QT_TRANSLATE_NOOP("RotationNotes", "Please ensure you format the line correctly !!!"),
    QT_TRANSLATE_NOOP("RotationNotes", "Format is;"),
    QT_TRANSLATE_NOOP("RotationNotes", "GAMETYPE xxx MAP xxxxxx  repeating"),
    QT_TRANSLATE_NOOP("RotationNotes",
                      "Where xxx is the gametype prefix, DM, TDM, SD, RE, HQ, BEL or Modprefix"),
    QT_TRANSLATE_NOOP("RotationNotes", "xxxxxx is the map name, for example; mp_pavlov"),
};

} // namespace

QStringList rotationNotesLines() {
    QStringList lines;
    for (const char* line : kLines)
        lines << (*line ? QCoreApplication::translate("RotationNotes", line) : QString());
    return lines;
}

QString rotationNotes() {
    QString text;
    for (const QString& line : rotationNotesLines())
        text += line + QLatin1String("\r\n");
    return text;
}
