// Every dialog's look: the tiled background beneath all, etched frames where the layouts put
// them, flat buttons with their 16 x 16 pictures that never take the focus.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <memory>

#include "anim/EtchedBorder.h"
#include "anim/TiledBackground.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/ExtractDialog.h"
#include "dialogs/FirstOpenDialog.h"
#include "dialogs/FlatButton.h"
#include "dialogs/HideDialog.h"
#include "dialogs/LanguageKeys.h"
#include "dialogs/OptionsDialog.h"
#include "skin/Look.h"
#include "skin/SkinLabel.h"
#include "RecordingDialogDesktop.h"

namespace velmora {
namespace {

struct Look {
    const char* dialog;
    std::function<std::unique_ptr<QDialog>(DialogDesktop&)> make;
    std::vector<std::pair<QRect, EtchedBorder::Shape>> borders;
    std::vector<std::pair<const char*, const char*>> buttons;  // name, picture
};

std::vector<Look> looks() {
    const TextLookup keys = [](const QString& key) { return key; };
    using Shape = EtchedBorder::Shape;
    return {
        {"hide", [keys](DialogDesktop& d) { return std::make_unique<HideDialog>(d, keys, HideDialog::Operation{}); },
         {{{8, 8, 393, 385}, Shape::Box}, {{8, 112, 393, 2}, Shape::Separator}, {{8, 352, 393, 2}, Shape::Separator}},
         {{"OpentextButton", "button_open_text.png"}, {"PasteButton", "button_paste.png"}, {"OKButton", "button_ok.png"},
          {"HelpButton", "button_help.png"}, {"CancelButton", "button_cancel.png"}}},
        {"extract",
         [keys](DialogDesktop& d) { return std::make_unique<ExtractDialog>(d, keys, ExtractDialog::Operation{}); },
         {{{8, 8, 393, 385}, Shape::Box}, {{8, 64, 393, 2}, Shape::Separator}, {{8, 352, 393, 2}, Shape::Separator}},
         {{"OpentextButton", "button_save_text.png"}, {"PasteButton", "button_copy.png"}, {"OKButton", "button_ok.png"},
          {"HelpButton", "button_help.png"}, {"CancelButton", "button_cancel.png"}}},
        {"options", [keys](DialogDesktop&) { return std::make_unique<OptionsDialog>(keys, OutputPolicy::OverSource); },
         {{{8, 16, 297, 73}, Shape::Box}},
         {{"OKButton", "button_ok.png"}, {"CancelButton", "button_cancel.png"}}},
        {"first-run tips", [](DialogDesktop& d) { return std::make_unique<FirstOpenDialog>(d); },
         {{{8, 8, 417, 81}, Shape::Box}},
         {{"OKButton", "button_ok.png"}, {"HelpButton", "button_help.png"}}},
        {"About", [](DialogDesktop& d) { return std::make_unique<AboutDialog>(d); },
         {{{8, 3, 289, 214}, Shape::Box}},
         {{"OKButton", "button_ok.png"}, {"HelpButton", "button_help.png"}}},
    };
}

TEST(DialogLook, EveryDialogWearsTheTiledBackgroundItsFramesAndFlatPictureButtons) {
    test::RecordingDialogDesktop<> desktop;
    const QImage tile = lookPicture(QStringLiteral("tile.bmp"));
    ASSERT_EQ(tile.size(), QSize(100, 100));
    for (const Look& look : looks()) {
        SCOPED_TRACE(look.dialog);
        const std::unique_ptr<QDialog> dialog = look.make(desktop);

        const auto* background = qobject_cast<TiledBackground*>(dialog->children().value(0));
        ASSERT_NE(background, nullptr) << "the background lies beneath every other control";
        EXPECT_EQ(background->geometry(), dialog->rect());
        EXPECT_EQ(background->tile().toImage(), tile);

        std::vector<std::pair<QRect, EtchedBorder::Shape>> borders;
        for (const EtchedBorder* border : dialog->findChildren<EtchedBorder*>())
            borders.emplace_back(border->geometry(), border->shape());
        std::vector<std::pair<QRect, EtchedBorder::Shape>> placed = look.borders;
        const auto byPlace = [](const auto& a, const auto& b) {
            return std::pair(a.first.top(), a.first.left()) < std::pair(b.first.top(), b.first.left());
        };
        std::sort(borders.begin(), borders.end(), byPlace);
        std::sort(placed.begin(), placed.end(), byPlace);
        EXPECT_EQ(borders, placed);

        const QList<QPushButton*> all = dialog->findChildren<QPushButton*>();
        EXPECT_EQ(static_cast<std::size_t>(all.size()), look.buttons.size());
        for (const auto& [name, picture] : look.buttons) {
            const auto* button = dialog->findChild<FlatButton*>(QLatin1String(name));
            ASSERT_NE(button, nullptr) << name;
            EXPECT_TRUE(button->isFlat()) << name;
            EXPECT_EQ(button->focusPolicy(), Qt::NoFocus) << name;
            EXPECT_EQ(button->iconSize(), QSize(16, 16)) << name;
            constexpr auto format = QImage::Format_ARGB32_Premultiplied;  // as a pixmap holds it
            const QImage expected = lookPicture(QLatin1String(picture)).convertToFormat(format);
            EXPECT_EQ(expected.size(), QSize(16, 16)) << picture;
            EXPECT_EQ(button->icon().pixmap(16, 16).toImage().convertToFormat(format), expected) << name;
        }
    }
}

TEST(DialogLook, TheOptionsHeadingIsASeeThroughLabelAboveTheFrame) {
    const TextLookup texts = [](const QString& key) {
        return key == keys::kOutputHeading ? QStringLiteral("Saving the initial file") : key;
    };
    OptionsDialog options(texts, OutputPolicy::OverSource);
    const auto* heading = options.findChild<SkinLabel*>(QStringLiteral("SkinLabel1"));
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->pos(), QPoint(88, 2));
    EXPECT_EQ(heading->caption(), QStringLiteral("Saving the initial file"));
    EXPECT_FALSE(heading->autoFillBackground());
}

TEST(DialogLook, PressingAFlatButtonLeavesTheFocusWhereItWas) {
    test::RecordingDialogDesktop<> desktop;
    HideDialog hide(desktop, [](const QString& key) { return key; }, {{}, {}, [](std::int32_t) { return 100; }});
    hide.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&hide));
    hide.confirmBox()->setFocus();
    QTest::mouseClick(hide.button("PasteButton"), Qt::LeftButton);
    EXPECT_EQ(hide.focusWidget(), hide.confirmBox());
}

}  // namespace
}  // namespace velmora
