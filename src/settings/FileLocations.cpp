#include "FileLocations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString kSettingsName = QStringLiteral("vostrel.ini");

} // namespace

FileLocations chooseLocations(const LocationInputs& inputs,
                              const std::function<bool(const QString& path)>& fileExists) {
    if (!inputs.configOption.isEmpty())
        return {QDir(inputs.workingFolder).absoluteFilePath(inputs.configOption),
                inputs.dataFolder};
    for (const QString& folder : {inputs.workingFolder, inputs.programFolder}) {
        const QString portable = QDir(folder).filePath(kSettingsName);
        if (!folder.isEmpty() && fileExists(portable))
            return {portable, folder};
    }
    return {QDir(inputs.configFolder).filePath(kSettingsName), inputs.dataFolder};
}

FileLocations locationsForThisRun(const QString& configOption) {
    const LocationInputs inputs{configOption, QDir::currentPath(),
                                QCoreApplication::applicationDirPath(),
                                QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation),
                                QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)};
    return chooseLocations(inputs, [](const QString& path) { return QFileInfo::exists(path); });
}
