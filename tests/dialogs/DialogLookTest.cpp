// Every dialog's look: the tiled background beneath all, etched frames where the layouts put
// them, flat buttons with their 16 x 16 pictures that never take the focus.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <map>
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
#include "widgets/ScreenPlacement.h"
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

// The sizes the layouts give for these dialogs are outer sizes, title bar and frame included; the
// client area is what the controls need, with as much room below and right of them as above
// and left of them, whatever frame a desktop adds. The About box's client area is given as such.
TEST(DialogLook, EveryDialogHasOneSizeWithNoEmptyBandBelowOrBesideItsControls) {
    test::RecordingDialogDesktop<> desktop;
    const std::map<std::string, QSize> clients = {{"hide", {409, 401}},
                                                  {"extract", {409, 401}},
                                                  {"options", {313, 129}},
                                                  {"first-run tips", {433, 129}},
                                                  {"About", {307, 256}}};
    for (const Look& look : looks()) {
        SCOPED_TRACE(look.dialog);
        const std::unique_ptr<QDialog> dialog = look.make(desktop);
        EXPECT_EQ(dialog->size(), clients.at(look.dialog));
        EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize()) << "no resizing";
        EXPECT_FALSE(dialog->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        if (look.dialog == std::string("About")) continue;
        QRect controls;
        for (const QWidget* control : dialog->findChildren<FlatButton*>()) controls |= control->geometry();
        for (const QWidget* control : dialog->findChildren<EtchedBorder*>()) controls |= control->geometry();
        EXPECT_EQ(dialog->width() - 1 - controls.right(), controls.left()) << "room right of the controls";
        EXPECT_EQ(dialog->height() - 1 - controls.bottom(), controls.left()) << "room below the controls";
    }
}

// At scale 2 a 1024 x 768 screen has 384 rows for a dialog of 401: the text box gives them up,
// so that Go! and Cancel stay on the screen, and takes them back on a screen with room.
TEST(DialogLook, OnAScreenTooLowTheOperationDialogsTextBoxGivesUpHeight) {
    test::RecordingDialogDesktop<> desktop;
    for (const Look& look : looks()) {
        if (look.dialog != std::string("hide") && look.dialog != std::string("extract")) continue;
        SCOPED_TRACE(look.dialog);
        const std::unique_ptr<QDialog> dialog = look.make(desktop);
        const auto* textBox = dialog->findChild<QWidget*>(QStringLiteral("Memo"));
        const auto* ok = dialog->findChild<QWidget*>(QStringLiteral("OKButton"));
        const auto* paste = dialog->findChild<QWidget*>(QStringLiteral("PasteButton"));
        const QRect fullTextBox = textBox->geometry();
        const auto frameRound = [&] {
            QRect frame;
            for (const EtchedBorder* border : dialog->findChildren<EtchedBorder*>())
                if (border->shape() == EtchedBorder::Shape::Box) frame = border->geometry();
            return frame;
        };
        const auto placeIn = [&](QRect area) {
            ScreenPlacement::of(*dialog).placeAt([area](QSize) { return area.topLeft() + QPoint(40, 40); }, area);
        };

        placeIn({0, 0, 512, 384});
        EXPECT_EQ(dialog->size(), QSize(409, 384));
        EXPECT_EQ(dialog->pos(), QPoint(40, 0));
        EXPECT_EQ(textBox->geometry(), fullTextBox.adjusted(0, 0, 0, -17));
        EXPECT_EQ(ok->geometry(), QRect(16, 343, 121, 25));
        EXPECT_EQ(paste->geometry(), QRect(208, 303, 185, 25));
        EXPECT_EQ(frameRound(), QRect(8, 8, 393, 368));
        EXPECT_EQ(dialog->height() - 1 - frameRound().bottom(), 8) << "no band, none cut off";
        EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());

        placeIn({1920, 0, 1280, 1024});  // a screen with room
        EXPECT_EQ(dialog->size(), QSize(409, 401));
        EXPECT_EQ(dialog->pos(), QPoint(1960, 40));
        EXPECT_EQ(textBox->geometry(), fullTextBox);
        EXPECT_EQ(ok->geometry(), QRect(16, 360, 121, 25));
        EXPECT_EQ(frameRound(), QRect(8, 8, 393, 385));

        placeIn({0, 0, 640, 200});  // too low for any text box: a few rows stay, the top in the area
        EXPECT_EQ(textBox->height(), 60);
        EXPECT_EQ(dialog->pos(), QPoint(40, 0));
        EXPECT_EQ(dialog->height() - 1 - frameRound().bottom(), 8);
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
