#include "shell/LanguagePacks.h"

#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImageReader>
#include <QMenu>
#include <QPixmap>

#include <algorithm>
#include <cstdint>

#include "engine/EngineError.h"
#include "engine/FileIo.h"

#include "shell/LanguagePackFile.h"
#include "shell/MainController.h"

namespace velmora {

namespace {
const QString kMarker = QStringLiteral("&");
const QString kPackExtension = QStringLiteral(".lng");

// A pack's menu picture (16 x 16) comes through the file layer, a regular file of at most
// 1 MiB, never a FIFO that would block the start; and it is decoded only when its header
// gives a picture of menu size, so no file makes the decoder allocate much.
QImage readMenuPicture(const QString& fileName) {
    constexpr std::uint64_t kLongestPicture = std::uint64_t{1} << 20;
    constexpr int kLargestSide = 256;
    QByteArray bytes;
    try {
        const ByteBuffer file = readWholeFile(QFile::encodeName(fileName).toStdString(), kLongestPicture);
        bytes = QByteArray(reinterpret_cast<const char*>(file.data()), static_cast<qsizetype>(file.size()));
    } catch (const EngineError&) {
        return {};
    }
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "bmp");
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > kLargestSide || size.height() > kLargestSide) return {};
    return reader.read();
}
}  // namespace

LanguagePacks::LanguagePacks(MainController& controller, QMenu& submenu)
    : QObject(&submenu), controller_(controller) {
    for (int i = 0; i < kItemCount; ++i) {
        QAction* action = submenu.addAction(QString());
        action->setObjectName(QStringLiteral("Lang%1").arg(i + 1));
        action->setCheckable(true);
        action->setVisible(false);
        connect(action, &QAction::triggered, this, [this, action] { itemClicked(action); });
        items_[static_cast<std::size_t>(i)] = action;
    }
}

QString LanguagePacks::languageFolder() const { return controller_.programFolder() + QStringLiteral("Language/"); }

QStringList LanguagePacks::scanLanguages(const QString& programFolder) {
    // Letter case counts in the pattern, as it does when the pack file is opened by name.
    const QDir folder(programFolder + QStringLiteral("Language"), QLatin1Char('*') + kPackExtension, QDir::Unsorted,
                      QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot | QDir::CaseSensitive);
    QStringList names;
    for (const QString& entry : folder.entryList()) names << entry.chopped(kPackExtension.size());
    return names;
}

void LanguagePacks::buildLanguageMenu() {
    for (QAction* action : items_) {
        action->setVisible(false);
        action->setChecked(false);
        action->setText(QString());
        action->setIcon(QIcon());
        action->setData(QString());
    }
    const QStringList names = scanLanguages(controller_.programFolder());
    const auto offered = std::min<qsizetype>(names.size(), kItemCount);
    for (qsizetype i = 0; i < offered; ++i) {
        QAction* action = items_[static_cast<std::size_t>(i)];
        const QString& name = names[i];
        action->setText(name);
        action->setData(name);  // the name itself: the menu may read an access letter into the caption
        action->setChecked(kMarker + name == controller_.settings().lang);
        action->setVisible(true);
        // A picture that cannot be read leaves the item with its caption only.
        const QImage picture = readMenuPicture(languageFolder() + name + QStringLiteral(".bmp"));
        if (!picture.isNull()) action->setIcon(QIcon(QPixmap::fromImage(picture)));
    }
}

void LanguagePacks::itemClicked(QAction* clicked) {
    for (QAction* action : items_) action->setChecked(false);
    controller_.setLang(kMarker + clicked->data().toString());
    clicked->setChecked(true);
    loadLanguage();
}

void LanguagePacks::loadLanguage() {
    controller_.applyLanguage(readLanguagePack(languageFolder() + controller_.settings().lang.mid(1) + kPackExtension));
}

}  // namespace velmora
