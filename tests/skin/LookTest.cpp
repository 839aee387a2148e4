// The pictures built into the program: each one the skin components load is there, at its size.
#include <gtest/gtest.h>

#include "skin/Look.h"

namespace velmora {
namespace {

TEST(Look, TheBuiltInPicturesAreThereAtTheirSizes) {
    const std::vector<std::pair<const char*, QSize>> pictures = {
        {"skin.bmp", {223, 299}},        {"hide_up.bmp", {29, 29}},    {"hide_down.bmp", {29, 29}},
        {"extract_up.bmp", {29, 29}},    {"extract_down.bmp", {29, 29}}, {"exit_up.bmp", {22, 22}},
        {"exit_down.bmp", {22, 22}},     {"minimize_up.bmp", {45, 16}}, {"minimize_glyph.bmp", {45, 16}},
    };
    for (const auto& [name, size] : pictures) EXPECT_EQ(lookPicture(QLatin1String(name)).size(), size) << name;
    EXPECT_TRUE(lookPicture(QStringLiteral("no_such.bmp")).isNull());
    EXPECT_EQ(menuPicture(QStringLiteral("open")).availableSizes(), (QList<QSize>{{16, 16}, {32, 32}}));
    EXPECT_TRUE(menuPicture(QStringLiteral("no_such")).isNull());
    EXPECT_EQ(programIcon().availableSizes(), (QList<QSize>{{32, 32}, {48, 48}, {64, 64}, {128, 128}}));
}

}  // namespace
}  // namespace velmora
