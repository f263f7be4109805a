#include "RotationNotes.h"

QStringList rotationNotesLines() {
    return {
        QStringLiteral("Map Rotation;"),
        QStringLiteral("Top box is the Map rotation seen when Vostrel connected to server."),
        QString(),
        QStringLiteral("Bottom Box is the EDIT area for you to type a TEMPORARY Map rotation."),
        QStringLiteral("(This could be useful to setup for a match so next map is right one)"),
        QStringLiteral(
            "When the EDIT rotation has finished the server reverts to TOP box rotation"),
        QString(),
        QStringLiteral("Best way for matches is set the two maps you want in EDIT box and then do"),
        QStringLiteral(
            "a map restart command. That will end current map and start with first in EDIT."),
        QString(),
        QStringLiteral("Button \"Default -> EDIT\" pastes the default into the Edit box."),
        QStringLiteral("Button \"Clear EDIT\" empties the EDIT box"),
        QStringLiteral("Button \"Set Server to Default\" resets the server to the Default Map"),
        QStringLiteral("Rotation in top box."),
        QStringLiteral("Button \"Set server to EDIT\" sets the server to the map rotation in"),
        QStringLiteral("Bottom box."),
        QString(),
        QStringLiteral("Do not prefix text with rcon variable, I will do that."),
        QStringLiteral("Please ensure you format the line correctly !!!"),
        QStringLiteral("Format is;"),
        QStringLiteral("GAMETYPE xxx MAP xxxxxx  repeating"),
        QStringLiteral("Where xxx is the gametype prefix, DM, TDM, SD, RE, HQ, BEL or Modprefix"),
        QStringLiteral("xxxxxx is the map name, for example; mp_pavlov"),
    };
}

QString rotationNotes() {
    QString text;
    for (const QString& line : rotationNotesLines())
        text += line + QLatin1String("\r\n");
    return text;
}
