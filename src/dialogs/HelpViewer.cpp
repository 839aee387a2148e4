#include "dialogs/HelpViewer.h"

#include <QFile>
#include <QKeyEvent>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>

#include <cstdint>
#include <optional>

#include "engine/EngineError.h"
#include "engine/FileIo.h"
#include "widgets/ScreenPlacement.h"

namespace velmora {

namespace {

// The viewer's size where the screen has room for it.
constexpr QSize kSize{640, 560};

// A help file is a few pages of HTML; anything far bigger is not one.
constexpr std::uint64_t kMaxHelpFileBytes = 16 << 20;

QString notice(const QString& text) {
    return QStringLiteral("<p style=\"color:#a00000\"><b>%1</b></p>").arg(text.toHtmlEscaped());
}

// The help file's bytes: a regular file within its cap, or nothing.
std::optional<QByteArray> readHelpFile(const QString& fileName) {
    try {
        const ByteBuffer bytes = readWholeFile(QFile::encodeName(fileName).toStdString(), kMaxHelpFileBytes);
        return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    } catch (const EngineError&) {
        return std::nullopt;
    }
}

}  // namespace

HelpViewer::HelpViewer(QWidget* parent) : QTextBrowser(parent) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("Velmora Help"));
    setOpenExternalLinks(true);
    resize(kSize);
    ScreenPlacement::of(*this).setFit([this](QSize room) { resize(kSize.boundedTo(room)); });
}

// Centred on the screen of the window that asked for help; smaller on a screen too small.
void HelpViewer::placeOnOwnersScreen() {
    const QWidget* owner = parentWidget();
    const QRect area = availableAreaAt(owner ? owner->frameGeometry().center() : QPoint());
    ScreenPlacement::of(*this).placeAt(
        [area](QSize outer) {
            return area.topLeft() + QPoint((area.width() - outer.width()) / 2, (area.height() - outer.height()) / 2);
        },
        area);
}

// Escape closes it, as it closes the program's dialogs.
void HelpViewer::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) close();
    else QTextBrowser::keyPressEvent(event);
}

bool HelpViewer::hasAnchor(const QTextDocument& document, const QString& name) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
            if (fragment.fragment().charFormat().anchorNames().contains(name)) return true;
    return false;
}

// Pictures, style sheets and pages that the help file names would be read by Qt without any
// of those checks (an <img> of /dev/zero never ends): the help shows its own file only. The
// answer is empty but not null, since the document reads a file itself on a null one.
QVariant HelpViewer::loadResource(int, const QUrl&) { return QVariant::fromValue(QByteArray()); }

void HelpViewer::showTopic(const QString& helpFile, const QString& topic) {
    const std::optional<QByteArray> bytes = readHelpFile(helpFile);
    if (!bytes) {
        setHtml(notice(QStringLiteral("The help file %1 cannot be opened.").arg(helpFile)));
    } else {
        QStringDecoder decoder = QStringDecoder::decoderForHtml(*bytes);
        setHtml(decoder.isValid() ? decoder.decode(*bytes) : QString::fromUtf8(*bytes));
        if (hasAnchor(*document(), topic)) {
            scrollToAnchor(topic);
        } else {
            // A paragraph of its own before the contents, not run into their first line.
            QTextCursor cursor(document());
            cursor.insertBlock();
            cursor.movePosition(QTextCursor::Start);
            cursor.insertHtml(
                notice(QStringLiteral("The help file has no topic \"%1\"; its contents follow.").arg(topic)));
        }
    }
    if (!isVisible()) placeOnOwnersScreen();
    show();
    raise();
    activateWindow();
}

}  // namespace velmora
