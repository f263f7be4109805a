#pragma once

#include <QString>

#include <functional>

// Where the program keeps its files.
struct FileLocations {
    QString settingsFile; // vostrel.ini
    QString dataFolder;   // the two logs and playerlist.csv
};

// What the choice depends on: the folders of this run and a `--config FILE` given or not.
struct LocationInputs {
    QString configOption;  // empty when not given
    QString workingFolder; // where the program was started from
    QString programFolder; // where the program file is
    QString configFolder;  // the user's configuration folder for the program
    QString dataFolder;    // the user's data folder for the program
};

// `--config FILE` chooses the settings file. Otherwise a vostrel.ini in the working folder, or
// beside the program, keeps every file in that folder (a portable install, as before these
// folders existed). Otherwise the settings file goes in the user's configuration folder and the
// logs and the player list in the user's data folder.
FileLocations chooseLocations(const LocationInputs& inputs,
                              const std::function<bool(const QString& path)>& fileExists);

// The choice for this run, with the folders QStandardPaths names.
FileLocations locationsForThisRun(const QString& configOption);
