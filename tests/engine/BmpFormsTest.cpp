// Every header form, bit depth and row order: a picture loads, saves back as it was, and
// carries a message exactly when its pixels can hold every stored value.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "engine/BmpWriter.h"
#include "engine/CarrierLayout.h"
#include "engine/CarrierPicture.h"
#include "engine/ExtractCore.h"
#include "engine/HideCore.h"
#include "support/BmpBuilder.h"

namespace velmora {
namespace {

using test::BmpRecipe;
using test::HeaderForm;

// 256 shades of red: every value 0 .. 255 with green and blue 0 is in the table, so a
// message stored with base colour 0 survives an 8-bit picture.
std::vector<std::uint32_t> redRamp() {
    std::vector<std::uint32_t> table(256);
    for (std::uint32_t i = 0; i < 256; ++i) table[i] = i << 16;
    return table;
}

struct Form {
    const char* name;
    BmpRecipe recipe;
    bool carriesMessage;
};

std::vector<Form> allForms() {
    auto recipeFor = [](std::uint16_t bits, HeaderForm header, bool topDown) {
        BmpRecipe s;
        s.width = 37;  // odd, so every depth has row padding
        s.rows = 33;
        s.bitsPerPixel = bits;
        s.header = header;
        s.topDown = topDown;
        return s;
    };
    std::vector<Form> forms = {
        {"core 1 bit", recipeFor(1, HeaderForm::Core, false), false},
        {"core 4 bit", recipeFor(4, HeaderForm::Core, false), false},
        {"core 8 bit", recipeFor(8, HeaderForm::Core, false), false},
        {"core 24 bit", recipeFor(24, HeaderForm::Core, false), true},
        {"info 1 bit", recipeFor(1, HeaderForm::Info, false), false},
        {"info 4 bit top-down", recipeFor(4, HeaderForm::Info, true), false},
        {"info 8 bit", recipeFor(8, HeaderForm::Info, false), false},
        {"info 16 bit 5-5-5", recipeFor(16, HeaderForm::Info, false), false},
        {"info 24 bit", recipeFor(24, HeaderForm::Info, false), true},
        {"info 24 bit top-down", recipeFor(24, HeaderForm::Info, true), true},
        {"info 32 bit", recipeFor(32, HeaderForm::Info, false), true},
        {"info 32 bit top-down", recipeFor(32, HeaderForm::Info, true), true},
        {"v4 24 bit", recipeFor(24, HeaderForm::V4, false), true},
        {"v5 32 bit top-down", recipeFor(32, HeaderForm::V5, true), true},
    };
    Form redTable{"info 8 bit red ramp", recipeFor(8, HeaderForm::Info, false), true};
    redTable.recipe.colorTable = redRamp();
    forms.push_back(redTable);
    Form fields565{"info 16 bit fields 5-6-5", recipeFor(16, HeaderForm::Info, false), false};
    fields565.recipe.compression = 3;
    fields565.recipe.masks = ChannelMasks{0xF800, 0x07E0, 0x001F};
    forms.push_back(fields565);
    // Red and green in 8 bits each: every value up to 0xFFFF survives.
    Form fields88{"info 16 bit fields 8-8-0", recipeFor(16, HeaderForm::Info, true), true};
    fields88.recipe.compression = 3;
    fields88.recipe.masks = ChannelMasks{0x00FF, 0xFF00, 0};
    forms.push_back(fields88);
    Form fields32{"v4 32 bit fields RGBA", recipeFor(32, HeaderForm::V4, false), true};
    fields32.recipe.compression = 3;
    fields32.recipe.masks = ChannelMasks{0xFF000000, 0x00FF0000, 0x0000FF00};
    forms.push_back(fields32);
    return forms;
}

void PrintTo(const Form& form, std::ostream* os) { *os << form.name; }

class BmpForms : public ::testing::TestWithParam<Form> {
protected:
    test::TempDir dir;
};

TEST_P(BmpForms, SaveWritesBackWhatWasLoaded) {
    const Form& form = GetParam();
    const test::Bytes original = test::buildBmp(form.recipe);
    test::writeFile(dir.path("in.bmp"), original);

    CarrierPicture picture;
    picture.load(dir.path("in.bmp"));
    ASSERT_EQ(picture.kind(), PictureKind::Bitmap);
    EXPECT_EQ(picture.width(), form.recipe.width);
    EXPECT_EQ(picture.height(), form.recipe.rows);
    picture.save(dir.path("out.bmp"));

    CarrierPicture again;
    again.load(dir.path("out.bmp"));
    const BmpImage& a = *picture.bitmap();
    const BmpImage& b = *again.bitmap();
    EXPECT_EQ(b.coreHeader, form.recipe.header == HeaderForm::Core);
    EXPECT_EQ(b.bitsPerPixel, form.recipe.bitsPerPixel);
    EXPECT_EQ(b.topDown(), form.recipe.topDown && form.recipe.header != HeaderForm::Core);
    EXPECT_EQ(b.colorTable, a.colorTable);
    EXPECT_EQ(b.declaredMasks, a.declaredMasks);
    ASSERT_EQ(b.rows.stride(), a.rows.stride());
    ASSERT_EQ(b.rows.count(), a.rows.count());
    for (std::size_t i = 0; i < a.rows.count(); ++i)
        EXPECT_TRUE(std::equal(a.rows.row(i), a.rows.row(i) + a.rows.stride(), b.rows.row(i))) << "row " << i;
    // A 40-byte or core header comes back byte for byte, pixels and all.
    if (form.recipe.header == HeaderForm::Info || form.recipe.header == HeaderForm::Core) {
        EXPECT_EQ(test::readFile(dir.path("out.bmp")), original);
    }
}

TEST_P(BmpForms, HideAndExtractRoundTrip) {
    const Form& form = GetParam();
    test::writeFile(dir.path("in.bmp"), test::buildBmp(form.recipe));
    CarrierPicture picture;
    picture.load(dir.path("in.bmp"));

    const std::vector<std::string> lines = {"Meet at noon", "", "Bring the map"};
    const HideRequest request{3, 0, "pass", packMessageText(lines)};
    const HideOutcome outcome = hideMessage(picture, request);
    if (!form.carriesMessage) {
        EXPECT_EQ(outcome, HideOutcome::NotPreserved);
        return;
    }
    ASSERT_EQ(outcome, HideOutcome::Written);
    picture.save(dir.path("out.bmp"));

    CarrierPicture saved;
    saved.load(dir.path("out.bmp"));
    const ExtractResult result = extractMessage(saved, "pass");
    ASSERT_TRUE(result.succeeded());
    EXPECT_EQ(result.step, 3);
    EXPECT_EQ(result.baseColor, 0);
    EXPECT_EQ(unpackMessageText(result.storedText), (std::vector<std::string>{"Meet at noon", "Bring the map"}));
}

INSTANTIATE_TEST_SUITE_P(AllForms, BmpForms, ::testing::ValuesIn(allForms()), [](const auto& param) {
    std::string name = param.param.name;
    std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
});

}  // namespace
}  // namespace velmora
