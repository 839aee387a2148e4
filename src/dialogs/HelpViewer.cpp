#include "dialogs/HelpViewer.h"

#include <QFile>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>

#include "engine/EngineError.h"
#include "engine/FileIo.h"

namespace velmora {

namespace {

QString notice(const QString& text) {
    return QStringLiteral("<p style=\"color:#a00000\"><b>%1</b></p>").arg(text.toHtmlEscaped());
}

}  // namespace

HelpViewer::HelpViewer(QWidget* parent) : QTextBrowser(parent) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("Velmora Help"));
    setOpenExternalLinks(true);
    resize(640, 560);
}

bool HelpViewer::hasAnchor(const QTextDocument& document, const QString& name) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
            if (fragment.fragment().charFormat().anchorNames().contains(name)) return true;
    return false;
}

// The help file is read through the file layer: a regular file only, never a FIFO or device
// that could block, and no larger than any real help file.
std::optional<QByteArray> HelpViewer::readHelpFile(const QString& helpFile) {
    try {
        const ByteBuffer bytes = readWholeFile(QFile::encodeName(helpFile).toStdString(), kLongestHelpFile);
        return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    } catch (const EngineError&) {
        return std::nullopt;
    }
}

// Pictures, style sheets and pages that the help file names would be read by Qt without any
// of those checks (an <img> of /dev/zero never ends): the help shows its own file only. The
// answer is empty but not null, since the document reads a file itself on a null one.
QVariant HelpViewer::loadResource(int, const QUrl&) { return QVariant::fromValue(QByteArray()); }

void HelpViewer::showTopic(const QString& helpFile, const QString& topic) {
    const std::optional<QByteArray> read = readHelpFile(helpFile);
    if (!read) {
        setHtml(notice(QStringLiteral("The help file %1 cannot be opened.").arg(helpFile)));
    } else {
        const QByteArray& bytes = *read;
        QStringDecoder decoder = QStringDecoder::decoderForHtml(bytes);
        setHtml(decoder.isValid() ? decoder.decode(bytes) : QString::fromUtf8(bytes));
        if (hasAnchor(*document(), topic)) {
            scrollToAnchor(topic);
        } else {
            QTextCursor(document()).insertHtml(
                notice(QStringLiteral("The help file has no topic \"%1\"; its contents follow.").arg(topic)));
        }
    }
    show();
    raise();
    activateWindow();
}

}  // namespace velmora
