// The order of the drawing calls: hand-listed short sequences, the counts of a full animation,
// and every outline drawn an even number of times.
#include "anim/EffectSequence.h"

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <tuple>

namespace velmora {

// Found by the test framework through the type's namespace; this file's own.
static void PrintTo(const OutlineDraw& d, std::ostream* out) { *out << d.step << (d.pause ? "p" : "u"); }

namespace {

constexpr bool P = true;   // paused
constexpr bool U = false;  // unpaused

// Three steps, a trail of two. Show: i = 0 … 5; i < 3 draws i, i >= 2 draws i - 2; then 3 again.
TEST(EffectSequence, ShowByHand) {
    const std::vector<OutlineDraw> expected{{0, P}, {1, P}, {2, P}, {0, P}, {1, P}, {2, P}, {3, P}, {3, U}};
    EXPECT_EQ(showSequence(3, 2), expected);
}

// Hide: i = 4 … 0; i >= 2 draws i - 2, then i < 3 draws i; then 0 again.
TEST(EffectSequence, HideByHand) {
    const std::vector<OutlineDraw> expected{{2, P}, {1, P}, {0, P}, {2, P}, {1, P}, {0, P}, {0, U}};
    EXPECT_EQ(hideSequence(3, 2), expected);
}

int pausedCount(const std::vector<OutlineDraw>& draws) {
    int paused = 0;
    for (const OutlineDraw& d : draws) paused += d.pause ? 1 : 0;
    return paused;
}

// 50 steps, 6 frames: a show makes 2 × 50 + 1 = 101 paused calls and one unpaused, ending on the
// full outline; a hide makes 100 paused calls and ends on the empty outline 0.
TEST(EffectSequence, FullAnimationCounts) {
    const auto show = showSequence(50, 6);
    EXPECT_EQ(pausedCount(show), 101);
    EXPECT_EQ(show.size(), 102u);
    EXPECT_EQ(show.back(), (OutlineDraw{50, U}));
    EXPECT_EQ(show[show.size() - 2], (OutlineDraw{50, P}));

    const auto hide = hideSequence(50, 6);
    EXPECT_EQ(pausedCount(hide), 100);
    EXPECT_EQ(hide.size(), 101u);
    EXPECT_EQ(hide.front(), (OutlineDraw{49, P}));
    EXPECT_EQ(hide.back(), (OutlineDraw{0, U}));
}

class EvenDraws : public testing::TestWithParam<std::tuple<int, int>> {};

// Every outline but the empty outline 0 is drawn an even number of times, so nothing stays.
TEST_P(EvenDraws, EveryOutlineIsRemovedAgain) {
    const auto [steps, frames] = GetParam();
    for (const auto& draws : {showSequence(steps, frames), hideSequence(steps, frames)}) {
        std::map<int, int> counts;
        for (const OutlineDraw& d : draws) {
            EXPECT_GE(d.step, 0);
            EXPECT_LE(d.step, steps);
            ++counts[d.step];
        }
        for (const auto& [step, count] : counts) {
            if (step != 0) {
                EXPECT_EQ(count % 2, 0) << "outline " << step;
            }
        }
    }
}

// The trail: while the show runs, outline i - frames goes as soon as outline i has come.
TEST_P(EvenDraws, ShowTrailFollowsTheNewest) {
    const auto [steps, frames] = GetParam();
    std::map<int, int> counts;
    std::size_t longest = 0;
    for (const OutlineDraw& d : showSequence(steps, frames)) {
        if (++counts[d.step] % 2 == 0) counts.erase(d.step);
        std::size_t visible = counts.size() - (counts.count(0) ? 1 : 0);  // outline 0 shows nothing
        longest = std::max(longest, visible);
    }
    EXPECT_LE(longest, static_cast<std::size_t>(frames) + 1);
    EXPECT_TRUE(counts.empty());
}

INSTANTIATE_TEST_SUITE_P(Settings, EvenDraws,
                         testing::Values(std::tuple{50, 6}, std::tuple{3, 2}, std::tuple{1, 0}, std::tuple{0, 6},
                                         std::tuple{5, 9}, std::tuple{255, 255}));

}  // namespace
}  // namespace velmora
