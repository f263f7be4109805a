#include "PrivateFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace privatefiles {

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
        QDir().mkdir(path, kOwnerOnly | QFileDevice::ExeOwner);
    return QFileInfo(folder).isDir();
}

bool openForAppend(QFile& file) {
    return file.open(QIODevice::WriteOnly | QIODevice::Append, kOwnerOnly);
}

} // namespace privatefiles
