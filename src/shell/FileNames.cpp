#include "shell/FileNames.h"

#include "engine/AsciiCase.h"
#include "engine/FileName.h"
#include "text/Utf16View.h"

namespace velmora {

bool hasBmpExtension(const QString& fileName) {
    const auto dot = extensionDot(utf16View(fileName));
    return dot != std::u16string_view::npos && equalIgnoringAsciiCase(utf16View(fileName).substr(dot), std::u16string_view(u".bmp"));
}

QString numberedOutputName(const QString& source, const QString& infix,
                           const std::function<bool(const QString&)>& exists) {
    const auto dot = extensionDot(utf16View(source));
    const qsizetype stemLength = dot == std::u16string_view::npos ? source.size() : static_cast<qsizetype>(dot);
    const QString stem = source.left(stemLength);
    const QString extension = source.mid(stemLength);
    for (qint64 n = 1;; ++n) {
        const QString name = stem + infix + QString::number(n) + extension;
        if (!exists(name)) return name;
    }
}

}  // namespace velmora
