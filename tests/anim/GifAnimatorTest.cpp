// The GIF animator: hold times, plays with and without Loop, the stop handler, loads while
// playing and still, frame composition by disposal method, the see-through backdrop, AutoSize
// and load failures. Ticks are run by hand; every frame is held for ten seconds, so the
// animator's own timer never ticks while a test runs.
#include "anim/GifAnimator.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <ostream>
#include <optional>
#include <string>
#include <vector>

#include "engine/EngineError.h"
#include "support/Expect.h"
#include "support/GifBuilder.h"

namespace velmora {
namespace {

using test::GifFrameRecipe;
using test::GifRecipe;
using test::graphicControl;
using Art = std::vector<std::string>;  // one character per pixel, a string per row

// The colours of the test pictures, by the character that draws them. The global colour table
// holds them in this order, so a character's index is its colour index.
const std::string kTableChars = "RGBWgM";
const std::map<char, QRgb> kColours{
    {'R', 0xFFFF0000}, {'G', 0xFF00FF00}, {'B', 0xFF0000FF},
    {'W', 0xFFFFFFFF}, {'g', 0xFF808080}, {'M', 0xFFFF00FF},
    {'c', 0xFF00FFFF},  // the window colour the tests give the animator
    {'y', 0xFFFFFF00},  // the skin
    {'p', 0xFFC0C0C0},  // the skin's own colour
};
constexpr int kGrey = 4;     // the background index
constexpr int kMagenta = 5;  // the transparent index where a frame has one
constexpr int kTenSeconds = 1000;  // a delay in hundredths that the hold time caps at 10 s

std::vector<std::uint32_t> globalTable() {
    std::vector<std::uint32_t> table;
    for (char c : kTableChars) table.push_back(kColours.at(c) & 0xFFFFFF);
    return table;
}

char charOf(QRgb pixel) {
    if (qAlpha(pixel) == 0) return '.';
    for (const auto& [c, colour] : kColours) {
        if (colour == pixel) return c;
    }
    return '?';
}

Art artOf(const QImage& image) {
    Art art;
    for (int y = 0; y < image.height(); ++y) {
        std::string row;
        for (int x = 0; x < image.width(); ++x) row += charOf(image.pixel(x, y));
        art.push_back(row);
    }
    return art;
}

// A frame drawn as art at (left, top); `controls` go before it.
GifFrameRecipe frameArt(int left, int top, const Art& art, std::vector<test::GifExtension> controls) {
    GifFrameRecipe frame{.left = left, .top = top, .width = static_cast<int>(art.front().size()),
                         .height = static_cast<int>(art.size())};
    for (const std::string& row : art) {
        for (char c : row) frame.indices.push_back(static_cast<std::uint8_t>(kTableChars.find(c)));
    }
    frame.extensions = std::move(controls);
    return frame;
}

GifRecipe pictureOf(int width, int height, std::vector<GifFrameRecipe> frames) {
    return GifRecipe{.width = width, .height = height, .globalColors = globalTable(), .backgroundIndex = kGrey,
                     .frames = std::move(frames)};
}

// Frame i of a solid picture, in one of four colours.
Art solidArt(int frame, int width = 2, int height = 2) {
    const char colour = kTableChars[static_cast<std::size_t>(frame % 4)];
    return Art(static_cast<std::size_t>(height), std::string(static_cast<std::size_t>(width), colour));
}

// `count` full-screen frames, in four colours by turns, each held ten seconds.
GifRecipe solidFrames(int count, int width = 2, int height = 2) {
    std::vector<GifFrameRecipe> frames;
    for (int i = 0; i < count; ++i) {
        frames.push_back(frameArt(0, 0, solidArt(i, width, height), {graphicControl(1, kTenSeconds)}));
    }
    return pictureOf(width, height, std::move(frames));
}

// The main window stand-in: a yellow skin under the animator.
class Skin : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), QColor::fromRgb(kColours.at('y'))); }
};

class GifAnimatorFixture {
protected:
    GifAnimatorFixture() {
        skin_.resize(300, 300);
        animator_->setGeometry(41, 120, 111, 111);
        QPalette palette = animator_->palette();
        palette.setColor(QPalette::Base, QColor::fromRgb(kColours.at('c')));
        animator_->setPalette(palette);
        animator_->setOnStop([this] {
            ++stops_;
            if (stopFrame_) animator_->setFrameIndex(*stopFrame_);
        });
        skin_.show();
    }

    void load(const GifRecipe& recipe, const std::string& name = "drum.gif") {
        const std::string path = dir_.path(name);
        test::writeFile(path, test::buildGif(recipe));
        animator_->load(QString::fromStdString(path));
    }

    // Ticks until the play stops (at most `limit` ticks) and returns the frames shown.
    std::vector<int> play(int limit) {
        std::vector<int> shown;
        for (int i = 0; i < limit && animator_->animate(); ++i) {
            animator_->tick();
            shown.push_back(animator_->frameIndex());
        }
        return shown;
    }

    test::TempDir dir_;
    Skin skin_;
    GifAnimator* animator_ = new GifAnimator(&skin_);
    int stops_ = 0;
    std::optional<int> stopFrame_;  // what the stop handler shows, as the main window's does
};

class GifAnimatorTest : public GifAnimatorFixture, public testing::Test {};

TEST_F(GifAnimatorTest, HoldsEachFrameForItsDelayWithinFiftyMsAndTenSeconds) {
    const std::vector<int> delays{0, 3, 7, 2000};
    const std::vector<int> holds{50, 50, 70, 10000};
    GifRecipe recipe = solidFrames(4);
    for (std::size_t i = 0; i < delays.size(); ++i) recipe.frames[i].extensions = {graphicControl(1, delays[i])};
    load(recipe);
    for (std::size_t i = 0; i < holds.size(); ++i) {
        animator_->setFrameIndex(static_cast<int>(i));
        EXPECT_EQ(animator_->holdTime(), holds[i]) << "delay " << delays[i];
    }
}

struct PlayCase {
    std::string name;
    int frames;
    bool loop;
    std::optional<int> stopFrame;
    std::vector<int> shown;  // after each tick
    int finalFrame;
    int stops;
};

void PrintTo(const PlayCase& c, std::ostream* os) { *os << c.name; }

class GifAnimatorPlay : public GifAnimatorFixture, public testing::TestWithParam<PlayCase> {};

TEST_P(GifAnimatorPlay, ShowsEveryFrameAndEndsAsLoopSays) {
    const PlayCase& c = GetParam();
    stopFrame_ = c.stopFrame;
    load(solidFrames(c.frames));
    animator_->setLoop(c.loop);
    animator_->setAnimate(true);
    EXPECT_TRUE(animator_->ticking());

    EXPECT_EQ(play(static_cast<int>(c.shown.size())), c.shown);
    EXPECT_EQ(animator_->frameIndex(), c.finalFrame);
    EXPECT_EQ(artOf(animator_->currentFrame()), solidArt(c.finalFrame));
    EXPECT_EQ(animator_->animate(), c.loop);
    EXPECT_EQ(animator_->ticking(), c.loop);
    EXPECT_EQ(stops_, c.stops);
}

INSTANTIATE_TEST_SUITE_P(
    Plays, GifAnimatorPlay,
    testing::Values(PlayCase{"five_frames_once", 5, false, std::nullopt, {1, 2, 3, 4, 0}, 0, 1},
                    PlayCase{"five_frames_once_then_frame_3", 5, false, 3, {1, 2, 3, 4, 3}, 3, 1},
                    PlayCase{"three_frames_once_ignore_frame_3", 3, false, 3, {1, 2, 0}, 0, 1},
                    PlayCase{"three_frames_looping", 3, true, 3, {1, 2, 0, 1, 2, 0, 1}, 1, 0}),
    [](const testing::TestParamInfo<PlayCase>& cell) { return cell.param.name; });

// A drum animation is a file beside the program: one that is not a regular file, is larger
// than any animation, or would take more memory than the decode limits allow is refused like a
// bad one, and the drum keeps what it showed.
TEST_F(GifAnimatorTest, AHostileAnimationIsRefusedAndTheDrumStaysAsItWas) {
    load(solidFrames(3));
    const auto bigScreen = [](int side) {
        GifRecipe recipe = solidFrames(1);
        recipe.width = recipe.height = side;
        return test::buildGif(recipe);
    };
    const std::string fifo = dir_.path("fifo.gif"), huge = dir_.path("huge.gif"), large = dir_.path("large.gif");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    test::writeFile(huge, bigScreen(20000));
    test::writeFile(large, test::buildGif(solidFrames(1)));
    std::filesystem::resize_file(large, GifAnimator::kLongestGifFile + 1);
    for (const std::string& path : {fifo, huge, large}) {
        SCOPED_TRACE(path);
        EXPECT_THROW(animator_->load(QString::fromStdString(path)), EngineError);
        EXPECT_EQ(animator_->frameCount(), 3);
    }
}

TEST_F(GifAnimatorTest, StoppingByACallerCallsTheStopHandlerOnce) {
    load(solidFrames(3));
    animator_->setAnimate(false);
    EXPECT_EQ(stops_, 0);
    animator_->setAnimate(true);
    animator_->tick();
    animator_->setAnimate(false);
    animator_->setAnimate(false);
    EXPECT_EQ(stops_, 1);
    EXPECT_FALSE(animator_->ticking());
    EXPECT_EQ(animator_->frameIndex(), 1);
}

TEST_F(GifAnimatorTest, ALoadRestartsAtTheFirstFrameAndKeepsPlayingOrStill) {
    for (const bool playing : {true, false}) {
        SCOPED_TRACE(playing ? "playing" : "still");
        load(solidFrames(3), "first.gif");
        animator_->setAnimate(playing);
        animator_->setFrameIndex(2);
        load(solidFrames(4, 2, 2), "second.gif");
        EXPECT_EQ(animator_->frameCount(), 4);
        EXPECT_EQ(animator_->frameIndex(), 0);
        EXPECT_EQ(artOf(animator_->currentFrame()), solidArt(0));
        EXPECT_EQ(animator_->animate(), playing);
        EXPECT_EQ(animator_->ticking(), playing);
    }
}

TEST_F(GifAnimatorTest, FrameOneSetJustBeforeALoadLeavesNoTrace) {
    GifRecipe first = solidFrames(2);
    first.frames[1] = frameArt(0, 0, {"BB", "BB"}, {graphicControl(1, kTenSeconds)});
    load(first, "first.gif");
    EXPECT_EQ(artOf(animator_->currentFrame()), solidArt(0));
    animator_->setFrameIndex(1);
    load(pictureOf(2, 2, {frameArt(0, 0, {"GM", "MG"}, {graphicControl(1, kTenSeconds, kMagenta)}),
                          frameArt(0, 0, {"WW", "WW"}, {})}));
    EXPECT_EQ(artOf(animator_->currentFrame()), (Art{"G.", ".G"}));
}

TEST_F(GifAnimatorTest, AOneFramePictureNeverTicksThoughAnimateReadsTrue) {
    load(solidFrames(1));
    animator_->setAnimate(true);
    EXPECT_TRUE(animator_->animate());
    EXPECT_EQ(animator_->holdTime(), 0);
    EXPECT_FALSE(animator_->ticking());
    animator_->tick();
    EXPECT_EQ(animator_->frameIndex(), 0);
    EXPECT_EQ(stops_, 0);
}

TEST_F(GifAnimatorTest, AHiddenControlOrOneWithoutParentDoesNotAdvance) {
    load(solidFrames(3));
    animator_->hide();
    animator_->tick();
    EXPECT_EQ(animator_->frameIndex(), 0);
    animator_->setParent(nullptr);
    animator_->show();
    animator_->tick();
    EXPECT_EQ(animator_->frameIndex(), 0);
    delete animator_;
}

struct CompositionCase {
    std::string name;
    GifRecipe picture;
    Art shown;  // the last frame as composed
};

void PrintTo(const CompositionCase& c, std::ostream* os) { *os << c.name; }

class GifAnimatorComposition : public GifAnimatorFixture, public testing::TestWithParam<CompositionCase> {};

// The last frame looks the same whether the animator stepped through every frame (drawing on
// the previous composition) or jumped straight to it (building it again).
TEST_P(GifAnimatorComposition, ComposesTheLastFrameTheSameStepByStepAndAtAJump) {
    const CompositionCase& c = GetParam();
    const int last = static_cast<int>(c.picture.frames.size()) - 1;
    load(c.picture, "stepped.gif");
    for (int i = 1; i <= last; ++i) {
        EXPECT_EQ(artOf(animator_->currentFrame()).size(), static_cast<std::size_t>(c.picture.height));
        animator_->setFrameIndex(i);
    }
    EXPECT_EQ(artOf(animator_->currentFrame()), c.shown) << "step by step";
    load(c.picture, "jumped.gif");
    animator_->setFrameIndex(last);
    EXPECT_EQ(artOf(animator_->currentFrame()), c.shown) << "at a jump";
}

INSTANTIATE_TEST_SUITE_P(
    Disposals, GifAnimatorComposition,
    testing::Values(
        // The first frame's transparent colour is the key: the fill, and every pixel of it.
        CompositionCase{"background_is_the_key_colour",
                        pictureOf(4, 3, {frameArt(0, 0, {"RRRR", "RMMR", "RRRR"}, {graphicControl(1, 0, kMagenta)}),
                                         frameArt(1, 0, {"BB", "BB"}, {graphicControl(2, 0)}),
                                         frameArt(0, 2, {"GM"}, {})}),
                        {"R..R", "R..R", "G.RR"}},
        CompositionCase{"background_is_the_background_colour",
                        pictureOf(4, 3, {frameArt(0, 0, {"RRRR", "RRRR", "RRRR"}, {}),
                                         frameArt(1, 0, {"BB", "BB"}, {graphicControl(2, 0)}),
                                         frameArt(0, 2, {"GM"}, {graphicControl(0, 0, kMagenta)})}),
                        {"RggR", "RggR", "GRRR"}},
        CompositionCase{"background_is_the_window_colour_without_transparency",
                        pictureOf(4, 3, {frameArt(0, 0, {"RRRR", "RRRR", "RRRR"}, {}),
                                         frameArt(1, 0, {"BB", "BB"}, {graphicControl(2, 0)}),
                                         frameArt(0, 2, {"GW"}, {})}),
                        {"RccR", "RccR", "GWRR"}},
        CompositionCase{"restore_previous_leaves_no_trace",
                        pictureOf(4, 3, {frameArt(0, 0, {"RRRR", "RRRR", "RRRR"}, {graphicControl(1, 0)}),
                                         frameArt(1, 1, {"BB", "BB"}, {graphicControl(3, 0)}),
                                         frameArt(0, 0, {"G"}, {graphicControl(1, 0)})}),
                        {"GRRR", "RRRR", "RRRR"}},
        CompositionCase{"opaque_full_screen_frame_hides_all_before",
                        pictureOf(4, 3, {frameArt(0, 0, {"RRRR", "RMMR", "RRRR"}, {graphicControl(1, 0, kMagenta)}),
                                         frameArt(0, 0, {"BB", "BB"}, {graphicControl(1, 0)}),
                                         frameArt(0, 0, {"GGGG", "GGGG", "GGGG"}, {graphicControl(1, 0)}),
                                         frameArt(3, 2, {"W"}, {})}),
                        {"GGGG", "GGGG", "GGGW"}},
        CompositionCase{"full_screen_frame_restored_to_background_clears_all_before",
                        pictureOf(4, 3, {frameArt(0, 0, {"RRRR", "RRRR", "RRRR"}, {graphicControl(1, 0)}),
                                         frameArt(0, 0, {"BMMB", "MMMM", "BMMB"}, {graphicControl(2, 0, kMagenta)}),
                                         frameArt(0, 0, {"W"}, {})}),
                        {"Wggg", "gggg", "gggg"}}),
    [](const testing::TestParamInfo<CompositionCase>& cell) { return cell.param.name; });

// As in the About box: a picture built into the program, on a control taller than the picture.
TEST_F(GifAnimatorTest, TheSkinShowsThroughTransparentPicturesAndOpaqueOnesSitOnTheParentsColour) {
    const struct {
        std::string name;
        GifRecipe picture;
        Art shown;
    } cases[]{{"transparent", pictureOf(3, 1, {frameArt(0, 0, {"RMB"}, {graphicControl(1, 0, kMagenta)})}), {"RyB", "yyy"}},
              {"opaque", pictureOf(3, 1, {frameArt(0, 0, {"RMB"}, {})}), {"RMB", "ppp"}}};
    QPalette parentColour = skin_.palette();
    parentColour.setColor(QPalette::Window, QColor::fromRgb(kColours.at('p')));
    skin_.setPalette(parentColour);
    animator_->setAutoSize(false);
    animator_->setGeometry(16, 20, 3, 2);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        animator_->loadFromData(test::buildGif(c.picture));
        EXPECT_EQ(artOf(skin_.grab(animator_->geometry()).toImage()), c.shown);
    }
}

TEST_F(GifAnimatorTest, AutoSizeTakesTheScreenSizeAndKeepsTheTopLeftCorner) {
    for (const bool autoSize : {true, false}) {
        SCOPED_TRACE(autoSize ? "AutoSize" : "fixed size");
        animator_->setGeometry(41, 120, 111, 111);
        animator_->setAutoSize(autoSize);
        load(solidFrames(1, 100, 80));
        EXPECT_EQ(animator_->geometry(), autoSize ? QRect(41, 120, 100, 80) : QRect(41, 120, 111, 111));
    }
}

TEST_F(GifAnimatorTest, AFailedLoadRaisesItsMessageAndKeepsThePicture) {
    load(solidFrames(3));
    animator_->setFrameIndex(2);
    GifRecipe otherVersion = solidFrames(2);
    otherVersion.signature = "GIF90a";
    GifRecipe unknownExtension = solidFrames(2);
    unknownExtension.frames[1].extensions.push_back({0x2C, {0}});
    const struct {
        GifRecipe recipe;
        std::string message;
    } cases[]{{otherVersion, messages::kUnknownGifVersion}, {unknownExtension, "Unrecognized extension block: 2c"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        EXPECT_THROW_MESSAGE(load(c.recipe, "bad.gif"), EngineError, c.message);
        EXPECT_EQ(animator_->frameCount(), 3);
        EXPECT_EQ(animator_->frameIndex(), 2);
        EXPECT_EQ(artOf(animator_->currentFrame()), solidArt(2));
    }
    const std::string missing = dir_.path("missing.gif");
    EXPECT_THROW_MESSAGE(animator_->load(QString::fromStdString(missing)), EngineError, messages::cannotOpenFile(missing));
}

}  // namespace
}  // namespace velmora
