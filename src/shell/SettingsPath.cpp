#include "shell/SettingsPath.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>

#include "settings/SettingsLocation.h"

namespace velmora {

QString settingsFilePath(const QString& folder) {
    const QString userFolder =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/velmora/");
    return QFile::decodeName(QByteArray::fromStdString(
        chooseSettingsPath(QFile::encodeName(folder).toStdString(), QFile::encodeName(userFolder).toStdString())));
}

QString programFolder() { return QCoreApplication::applicationDirPath() + u'/'; }

}  // namespace velmora
