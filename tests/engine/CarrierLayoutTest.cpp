// The slot sequence, value encoding and message-text packing.
#include <gtest/gtest.h>

#include "engine/CarrierLayout.h"

namespace velmora {
namespace {

const std::string kSep(1, static_cast<char>(kLineSeparator));

TEST(SlotTable, WorkedExampleOfA32By32PictureAtStep10) {
    const SlotTable slots = collectSlots(32, 32, 10);
    EXPECT_EQ(slots.count(), 102);
    EXPECT_EQ(slots[1], (SlotPosition{9, 0}));
    EXPECT_EQ(slots[4], (SlotPosition{7, 1}));
    EXPECT_EQ(slots[102], (SlotPosition{27, 31}));
}

TEST(SlotTable, MatchesAPixelByPixelWalk) {
    for (auto [w, h, step] : {std::tuple{32, 32, 2}, {33, 40, 7}, {45, 32, 500}, {32, 37, 1}}) {
        const SlotTable slots = collectSlots(w, h, step);
        std::int32_t n = 0, k = 0;
        for (std::int32_t y = 0; y < h; ++y)
            for (std::int32_t x = 0; x < w; ++x) {
                if (++n % step == 0) {
                    ASSERT_EQ(slots[++k], (SlotPosition{x, y})) << w << "x" << h << " step " << step;
                }
            }
        EXPECT_EQ(slots.count(), k);
    }
}

TEST(SlotTable, EverySmallestPictureHasTwoSlotsAndLargeOnesStopAt32000) {
    for (std::int32_t step = 2; step <= 500; ++step) EXPECT_GE(collectSlots(32, 32, step).count(), 2) << step;
    const SlotTable big = collectSlots(1024, 768, 20);
    EXPECT_EQ(big.count(), kMaxSlots);
    // Slot 32000 stays where the full sequence puts it: pixel number 640000.
    EXPECT_EQ(big[32000], (SlotPosition{639999 % 1024, 639999 / 1024}));
    EXPECT_THROW(collectSlots(32, 32, 0), std::invalid_argument);
}

TEST(ValueEncoding, AddsAndSubtractsTheBaseColour) {
    EXPECT_EQ(encodeValue(65, 0), 65);
    EXPECT_EQ(encodeValue(300, 0), rgb(44, 1, 0));
    EXPECT_EQ(encodeValue(255, 0x00FF00), 0x00FFFF);
    EXPECT_EQ(decodeValue(0x00FFFF, 0x00FF00), 255);
    EXPECT_EQ(decodeValue(5, 10), -5);
    // Wrapping, never undefined: the extremes decode back to what was encoded.
    EXPECT_EQ(decodeValue(encodeValue(3000, INT32_MAX), INT32_MAX), 3000);
}

TEST(MessageText, PacksAndUnpacksLines) {
    struct Case {
        const char* name;
        std::vector<std::string> lines;
        std::string stored;
        std::vector<std::string> unpacked;
    };
    const std::vector<Case> cases = {
        {"empty line in the middle", {"a", "", "b"}, "a" + kSep + kSep + "b" + kSep, {"a", "b"}},
        {"a single empty line", {""}, kSep, {}},
        {"no lines", {}, "", {}},
        {"separator inside a line", {"No" + kSep + "5"}, "No" + kSep + "5" + kSep, {"No", "5"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(packMessageText(c.lines), c.stored);
        EXPECT_EQ(unpackMessageText(c.stored), c.unpacked);
    }
    EXPECT_EQ(unpackMessageText(kSep + "first" + kSep), (std::vector<std::string>{"first"}));
    EXPECT_EQ(unpackMessageText("ab" + kSep + "cd"), (std::vector<std::string>{"ab"}));
}

TEST(MessageText, RewrapTurnsEachPieceIntoItsRows) {
    const RewrapPiece halves = [](const std::string& piece) {
        return std::vector<std::string>{piece.substr(0, 2), piece.substr(2)};
    };
    EXPECT_EQ(unpackMessageText("abcd" + kSep + "efgh" + kSep, halves),
              (std::vector<std::string>{"ab", "cd", "ef", "gh"}));
}

}  // namespace
}  // namespace velmora
