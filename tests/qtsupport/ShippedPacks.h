#pragma once

#include <QDir>
#include <QFile>

#include "support/BuildPaths.h"

namespace velmora::test {

// The Language folder as it ships (the packs, their pictures, the guide), copied into the
// program folder programFolder (which ends with "/").
inline void copyShippedLanguageFolder(const QString& programFolder) {
    const QDir shipped(QString::fromStdString(besideTestProgram(VELMORA_ASSETS_DIR "/Language")));
    const QString copy = programFolder + QStringLiteral("Language/");
    QDir().mkpath(copy);
    for (const QString& name : shipped.entryList(QDir::Files)) QFile::copy(shipped.filePath(name), copy + name);
}

}  // namespace velmora::test
