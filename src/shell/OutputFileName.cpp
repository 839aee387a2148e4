#include "shell/OutputFileName.h"

namespace velmora {

QString numberedOutputName(const QString& source, const QString& infix,
                           const std::function<bool(const QString&)>& exists) {
    const qsizetype slash = source.lastIndexOf(u'/');
    const qsizetype dot = source.lastIndexOf(u'.');
    const bool hasExtension = dot > slash;
    const QString stem = hasExtension ? source.left(dot) : source;
    const QString extension = hasExtension ? source.mid(dot) : QString();
    for (qint64 n = 1;; ++n) {
        const QString name = stem + infix + QString::number(n) + extension;
        if (!exists(name)) return name;
    }
}

}  // namespace velmora
