#include "dialogs/HelpViewer.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>

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

void HelpViewer::showTopic(const QString& helpFile, const QString& topic) {
    QFile file(helpFile);
    if (!QFileInfo(helpFile).isFile() || !file.open(QIODevice::ReadOnly)) {
        setHtml(notice(QStringLiteral("The help file %1 cannot be opened.").arg(helpFile)));
    } else {
        const QByteArray bytes = file.readAll();
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
