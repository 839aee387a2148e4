#include "dialogs/TextFiles.h"

#include <QFile>
#include <QStringDecoder>

#include "engine/FileIo.h"
#include "text/CodePageText.h"

namespace velmora {

QString readTextFile(const QString& fileName) {
    const ByteBuffer bytes = readWholeFile(QFile::encodeName(fileName).toStdString(), kLongestTextFile);
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(view);
    if (utf8.hasError()) text = fromCodePage(std::string(view.begin(), view.end()));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

void writeTextFile(const QString& fileName, const QStringList& lines) {
    QByteArray contents;
    for (const QString& line : lines) contents += line.toUtf8() + "\r\n";
    writeFileAtomically(QFile::encodeName(fileName).toStdString(), [&](OutputFile& file) {
        file.write(std::span(reinterpret_cast<const std::uint8_t*>(contents.constData()),
                             static_cast<std::size_t>(contents.size())));
    });
}

}  // namespace velmora
