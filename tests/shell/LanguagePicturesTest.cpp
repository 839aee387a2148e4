// The pictures beside the language packs: drawn with their see-through colour transparent, as
// every picture of the program is, and read like any file beside the program (hostile).
#include <QFile>
#include <QImage>
#include <QMenu>

#include <sys/stat.h>

#include "ProgramFixture.h"
#include "ShippedPacks.h"

namespace velmora::test {
namespace {

constexpr QRgb kMagenta = 0xFF00FF;

bool hasMagenta(const QImage& picture) {
    const QImage pixels = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x) {
            const QRgb pixel = pixels.pixel(x, y);
            if (qAlpha(pixel) != 0 && (pixel & 0xFFFFFF) == kMagenta) return true;
        }
    return false;
}

class LanguagePicturesTest : public ProgramFixture {};

TEST_F(LanguagePicturesTest, TheShippedFlagsShowWithoutTheirMagenta) {
    copyShippedLanguageFolder(folder(""));
    startProgram();
    for (const char* pack : {"English", "Russian"}) {
        SCOPED_TRACE(pack);
        const QImage shipped(folder(QStringLiteral("Language/%1.bmp").arg(QLatin1String(pack))));
        ASSERT_TRUE(hasMagenta(shipped)) << "the shipped flag has its see-through colour";
        QAction* item = languageItem(QString::fromLatin1(pack));
        ASSERT_NE(item, nullptr);
        const QImage shown = item->icon().pixmap(QSize(16, 16)).toImage();
        ASSERT_EQ(shown.size(), QSize(16, 16));
        EXPECT_FALSE(hasMagenta(shown));
        EXPECT_EQ(qAlpha(shown.pixel(0, 0)), 0) << "the bars above and below the flag are see-through";
        EXPECT_EQ(qAlpha(shown.pixel(15, 15)), 0);
        EXPECT_EQ(qAlpha(shown.pixel(8, 8)), 255) << "the flag itself is not";
    }

    // The submenu as it is drawn.
    QMenu& languages = *window->languageAction()->menu();
    languages.adjustSize();
    EXPECT_FALSE(hasMagenta(languages.grab().toImage()));
}

TEST_F(LanguagePicturesTest, APictureThatIsNoSmallBmpLeavesTheItemWithItsCaptionOnly) {
    const std::vector<std::string> packs = {"Fifo", "Folder", "Huge", "Giant", "Good"};
    for (const std::string& pack : packs) writePack(QString::fromStdString(pack), "[Velmora]\n");
    const auto pictureOf = [&](const char* pack) { return folder(QStringLiteral("Language/%1.bmp").arg(QLatin1String(pack))); };
    // Opening a FIFO for reading would wait for a writer, and the program would never start.
    ASSERT_EQ(::mkfifo(pictureOf("Fifo").toLocal8Bit().constData(), 0600), 0);
    QDir().mkpath(pictureOf("Folder"));
    writeFile(pictureOf("Huge"), buildBmp({.width = 16, .rows = 16}));
    ASSERT_TRUE(QFile::resize(pictureOf("Huge"), qint64(1) << 30));  // sparse
    // A header that asks for 30000 x 30000 pixels of 32 bits.
    writeFile(pictureOf("Giant"), buildBmp({.width = 30000, .rows = 30000, .bitsPerPixel = 32, .pixelData = Bytes(64)}));
    writeFile(pictureOf("Good"), buildBmp({.width = 16, .rows = 16}));

    startProgram();
    for (const std::string& pack : packs) {
        QAction* item = languageItem(QString::fromStdString(pack));
        ASSERT_NE(item, nullptr) << pack;
        EXPECT_EQ(item->icon().isNull(), pack != "Good") << pack;
    }
}

}  // namespace
}  // namespace velmora::test
