// The washing machine on the main window: each part at its place and above or below the
// others as it should be, captions and hints from the language texts, and the buttons, the
// product name and the drum panel running their commands.
#include <QAction>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QUrl>
#include <QWindow>

#include "DialogFixture.h"
#include "anim/GifAnimator.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/LanguageKeys.h"
#include "shell/MainSkin.h"
#include "skin/ImageBtn.h"
#include "skin/Look.h"
#include "skin/PictureOutline.h"
#include "skin/SkinForm.h"
#include "skin/SkinLabel.h"
#include "skin/SkinPanel.h"

namespace velmora::test {
namespace {

class MainSkinTest : public DialogFixture {
protected:
    MainSkinTest() { EXPECT_TRUE(QTest::qWaitForWindowExposed(&window)); }
    const MainSkin& skin() const { return window.skin(); }
    void click(QWidget* control) {
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, control->geometry().center());
        QCoreApplication::processEvents();
    }
    // Whether clicking the control brings up the dialog (which is then cancelled).
    bool opens(QWidget* control, OperationDialog& dialog) {
        bool shown = false;
        QTimer::singleShot(0, &dialog, [&] {
            shown = dialog.isVisible();
            press(dialog.button("CancelButton"));
        });
        click(control);
        return shown;
    }
    QString text(QLatin1String key) const { return controller->texts().text(key); }
};

TEST_F(MainSkinTest, EveryPartLiesAtItsPlace) {
    const std::vector<std::pair<QWidget*, QRect>> places = {
        {skin().skin, {0, 0, 223, 299}},           {skin().minimizeBtn, {16, 56, 45, 16}},
        {skin().hideBtn, {78, 46, 29, 29}},        {skin().extractBtn, {121, 47, 29, 29}},
        {skin().exitBtn, {162, 50, 22, 22}},       {skin().drumPanel, {41, 120, 111, 111}},
    };
    for (const auto& [part, place] : places) EXPECT_EQ(part->geometry(), place) << part->objectName().toStdString();
    const std::vector<std::pair<SkinLabel*, QPoint>> labels = {
        {skin().productLabel, {15, 42}}, {skin().hideCaption, {75, 36}},
        {skin().extractCaption, {122, 36}}, {skin().exitCaption, {160, 37}},
    };
    for (const auto& [label, place] : labels) {
        EXPECT_EQ(label->pos(), place) << label->objectName().toStdString();
        EXPECT_EQ(label->font().family(), QStringLiteral("Liberation Sans"));
        EXPECT_EQ(label->font().pixelSize(), 9);
    }
}

TEST_F(MainSkinTest, TheDrumPanelLiesOverTheDrumAndTheButtonsOverTheirCaptions) {
    auto* animator = new GifAnimator;
    MainWindow withDrum(*controller, desktop, animator);
    EXPECT_EQ(animator->objectName(), QStringLiteral("GIFImage"));
    EXPECT_EQ(animator->geometry(), MainSkin::kDrumArea);
    EXPECT_EQ(withDrum.childAt(MainSkin::kDrumArea.center()), withDrum.skin().drumPanel);
    // Children stack in the order of the list, the last on top.
    const auto height = [&withDrum](QWidget* part) { return withDrum.children().indexOf(part); };
    const MainSkin& parts = withDrum.skin();
    for (QWidget* part : withDrum.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (part->isWindow()) continue;
        EXPECT_LE(height(parts.skin), height(part)) << "the skin lies under everything";
    }
    for (QWidget* below : std::initializer_list<QWidget*>{parts.skin, parts.productLabel, parts.hideCaption,
                                                           parts.extractCaption, parts.exitCaption, animator})
        for (QWidget* above : std::initializer_list<QWidget*>{parts.minimizeBtn, parts.hideBtn, parts.extractBtn,
                                                            parts.exitBtn, parts.drumPanel})
            EXPECT_LT(height(below), height(above)) << below->objectName().toStdString() << " under "
                                                    << above->objectName().toStdString();
}

TEST_F(MainSkinTest, TheWindowMovesByItsBareSkinOnly) {
    window.move(300, 200);
    QWindow* handle = window.windowHandle();
    // Pressed on a caption, a button or the drum, a drag moves nothing.
    for (QWidget* control : {static_cast<QWidget*>(skin().extractCaption), static_cast<QWidget*>(skin().minimizeBtn),
                             static_cast<QWidget*>(skin().drumPanel)}) {
        const QPoint press = control->geometry().center();
        QTest::mousePress(handle, Qt::LeftButton, {}, press);
        QTest::mouseMove(handle, press + QPoint(30, 20));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, press + QPoint(30, 20));
        EXPECT_EQ(window.pos(), QPoint(300, 200)) << control->objectName().toStdString();
    }
    QTest::mousePress(handle, Qt::LeftButton, {}, {200, 100});
    QTest::mouseMove(handle, {230, 120});
    QTest::mouseRelease(handle, Qt::LeftButton, {}, {230, 120});
    EXPECT_EQ(window.pos(), QPoint(330, 220));
}

TEST_F(MainSkinTest, TheWindowTakesTheSkinsShapeAndTheMenuItsPictures) {
    EXPECT_EQ(window.mask(), skin().skin->outline());
    EXPECT_EQ(window.mask().boundingRect(), QRect(6, 4, 211, 286));
    for (const QAction* item : {window.openAction(), window.hideAction(), window.extractAction(), window.closeAction(),
                                window.languageAction(), window.minimizeAction(), window.optionsAction(),
                                window.helpAction(), window.aboutAction(), window.exitAction()})
        EXPECT_EQ(item->icon().availableSizes(), (QList<QSize>{{16, 16}, {32, 32}}))
            << item->objectName().toStdString();
}

// This test runs once more with QT_SCALE_FACTOR=2 (see tests/CMakeLists.txt): on a screen of
// ratio 2 the skin and the knobs paint their @2x pictures pixel for pixel, while the window keeps
// the 1× shape; at ratio 1 they paint the 1× pictures.
TEST_F(MainSkinTest, SkinAndKnobsPaintThePicturesOfTheScreensPixelRatio) {
    const qreal ratio = window.devicePixelRatioF();
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        ASSERT_EQ(ratio, qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
    }
    const QImage skinAt1x = lookPicture(QStringLiteral("skin.bmp"));
    EXPECT_EQ(window.size(), skinAt1x.size());
    EXPECT_EQ(window.mask(), outlineRegion(skinAt1x, skinAt1x.pixel(0, skinAt1x.height() - 1)));

    const std::vector<std::pair<QWidget*, const char*>> parts = {{skin().skin, "skin"},
                                                                 {skin().hideBtn, "hide_up"},
                                                                 {skin().extractBtn, "extract_up"},
                                                                 {skin().exitBtn, "exit_up"}};
    for (const auto& [part, name] : parts) {
        SCOPED_TRACE(name);
        const QString file = QLatin1String(name) + (ratio > 1 ? QStringLiteral("@2x.bmp") : QStringLiteral(".bmp"));
        const QImage expected = lookPicture(file).convertToFormat(QImage::Format_RGB32);
        const QImage painted = part->grab().toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(painted.size(), expected.size());
        // Inside the part's 1× shape, in device pixels.
        const QRegion shape = part == skin().skin ? window.mask() : part->mask();
        int differing = 0;
        for (int y = 0; y < painted.height(); ++y)
            for (int x = 0; x < painted.width(); ++x)
                if (shape.contains(QPoint(int(x / ratio), int(y / ratio))))
                    differing += painted.pixel(x, y) != expected.pixel(x, y);
        EXPECT_EQ(differing, 0);
    }
}

TEST_F(MainSkinTest, CaptionsAndHintsComeFromTheLanguageTexts) {
    EXPECT_EQ(skin().productLabel->caption(), QStringLiteral("Velmora"));
    const std::vector<std::pair<SkinLabel*, QLatin1String>> captions = {{skin().hideCaption, keys::kHideCaption},
                                                                        {skin().extractCaption, keys::kExtractCaption},
                                                                        {skin().exitCaption, keys::kPowerCaption}};
    for (const auto& [label, key] : captions) EXPECT_EQ(label->caption(), text(key)) << key.data();
    const std::vector<std::pair<QWidget*, QLatin1String>> hints = {
        {skin().productLabel, keys::kAbout},           {skin().drumPanel, keys::kDropTip},
        {skin().minimizeBtn, keys::kMinimize},         {skin().hideBtn, keys::kHideInformation},
        {skin().extractBtn, keys::kExtractInformation}, {skin().exitBtn, keys::kExit}};
    for (const auto& [control, key] : hints) EXPECT_EQ(control->toolTip(), text(key)) << key.data();
}

TEST_F(MainSkinTest, HideAndExtractBeepWhenEmptyAndOpenTheirDialogsWhenLoaded) {
    EXPECT_FALSE(opens(skin().hideBtn, hide()));
    EXPECT_FALSE(opens(skin().extractBtn, extract()));
    EXPECT_EQ(desktop.beeps, 2);
    openCarrier("p.bmp");
    EXPECT_TRUE(opens(skin().hideBtn, hide()));
    EXPECT_TRUE(opens(skin().extractBtn, extract()));
    EXPECT_EQ(desktop.beeps, 2);
}

TEST_F(MainSkinTest, TheProductNameRunsAboutAndExitClosesTheWindowWritingTheSettings) {
    QSignalSpy about(window.aboutAction(), &QAction::triggered);
    bool aboutShown = false;
    whileOpen([&] { click(skin().productLabel); },
              [&] {
                  aboutShown = window.aboutDialog()->isVisible();
                  window.aboutDialog()->reject();
              });
    EXPECT_EQ(about.size(), 1);
    EXPECT_TRUE(aboutShown);
    click(skin().exitBtn);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(QFileInfo::exists(folder("velmora.ini")));
}

TEST_F(MainSkinTest, MinimizeTakesTheWindowOffTheScreen) {
    click(skin().minimizeBtn);
    EXPECT_TRUE(window.isMinimized() || !window.isVisible());
}

TEST_F(MainSkinTest, FilesDroppedOnTheDrumOpenInTurnAndTheLastBmpStays) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(picture("first.bmp")), QUrl::fromLocalFile(folder("notes.txt")),
                  QUrl::fromLocalFile(picture("second.BMP"))});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(skin().drumPanel, &enter);
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(skin().drumPanel, &drop);
    EXPECT_EQ(controller->sourceFileName(), folder("second.BMP"));
    EXPECT_EQ(desktop.messages, QStringList{"You can drop only *.bmp files!"});
}

TEST_F(MainSkinTest, WhileADialogWorksTheMachineTakesNoCommand) {
    emit hide().working(true);
    EXPECT_FALSE(skin().drumPanel->acceptDrops());
    desktop.openAnswers = {picture("p.bmp")};
    click(skin().drumPanel);
    EXPECT_EQ(desktop.openDialogs, 0);
    QSignalSpy exits(window.exitAction(), &QAction::triggered);
    click(skin().exitBtn);
    EXPECT_EQ(exits.size(), 0);
    emit hide().working(false);
    EXPECT_TRUE(skin().drumPanel->acceptDrops());
    click(skin().drumPanel);
    EXPECT_EQ(desktop.openDialogs, 1);
}

}  // namespace
}  // namespace velmora::test
