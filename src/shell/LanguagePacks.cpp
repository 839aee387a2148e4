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
#include "skin/SeeThrough.h"

namespace velmora {

namespace {
const QString kMarker = QStringLiteral("&");
const QString kPackExtension = QStringLiteral(".lng");

// A pack picture is a small menu picture; anything far bigger is not one.
constexpr std::uint64_t kMaxPictureBytes = 1 << 20;
constexpr int kMaxPictureMegabytes = 4;  // decoded

// The picture beside a pack, drawn with its see-through colour transparent. It is read like
// any file beside the program: a regular file only (a FIFO would block the start), within its
// cap, as a BMP. Anything else leaves the item with its caption only.
QIcon packPicture(const QString& fileName) {
    try {
        const ByteBuffer bytes = readWholeFile(QFile::encodeName(fileName).toStdString(), kMaxPictureBytes);
        QByteArray data =
            QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
        QBuffer buffer(&data);
        QImageReader reader(&buffer, "bmp");
        reader.setAllocationLimit(kMaxPictureMegabytes);
        const QImage picture = reader.read();
        return picture.isNull() ? QIcon() : QIcon(QPixmap::fromImage(withSeeThroughCorner(picture)));
    } catch (const EngineError&) {
        return {};
    }
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
        action->setIcon(packPicture(languageFolder() + name + QStringLiteral(".bmp")));
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
