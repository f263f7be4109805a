#include "PrivateFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStringList>

namespace privatefiles {

namespace {

constexpr QFileDevice::Permissions kOwnerOnlyFolder = kOwnerOnly | QFileDevice::ExeOwner;

} // namespace

bool makeFolderFor(const QString& filePath) {
    const QString folder = QFileInfo(filePath).absolutePath();
    QStringList missing; // from the outermost
    for (QString path = folder; !QFileInfo::exists(path);) {
        missing.prepend(path);
        const QString parent = QFileInfo(path).absolutePath();
        if (parent == path)
            break;
        path = parent;
    }
    for (const QString& path : missing)
        QDir().mkdir(path, kOwnerOnlyFolder);
    return QFileInfo(folder).isDir();
}

bool makePrivateFolderFor(const QString& filePath) {
    if (!makeFolderFor(filePath))
        return false;
    QFile::setPermissions(QFileInfo(filePath).absolutePath(), kOwnerOnlyFolder);
    return true;
}

bool openForAppend(QFile& file) {
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append, kOwnerOnly))
        return false;
    // The mode given above only applies to a file the open creates.
    file.setPermissions(kOwnerOnly);
    return true;
}

bool makeOwnerOnly(const QString& path) {
    QFile file(path);
    if (!file.exists() && !file.open(QIODevice::WriteOnly, kOwnerOnly))
        return false;
    file.close();
    return file.setPermissions(kOwnerOnly);
}

void removeStaleLock(const QString& path) {
    QLockFile lock(path + QLatin1String(".lock"));
    // Taking a lock whose holder is gone removes it first; letting go of it removes the file.
    if (lock.tryLock(0))
        lock.unlock();
}

} // namespace privatefiles
