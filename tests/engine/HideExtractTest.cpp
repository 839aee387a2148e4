// The hide and extract cores over a carrier picture.
#include <gtest/gtest.h>

#include "engine/CarrierLayout.h"
#include "engine/EngineError.h"
#include "engine/ExtractCore.h"
#include "engine/HideCore.h"
#include "support/BmpBuilder.h"

namespace velmora {
namespace {

class HideExtract : public ::testing::Test {
protected:
    CarrierPicture picture(std::int32_t width = 32, std::int32_t height = 32) {
        test::BmpRecipe recipe;
        recipe.width = width;
        recipe.rows = height;
        test::writeFile(dir.path("p.bmp"), test::buildBmp(recipe));
        return reload();
    }
    // The picture as its file holds it, untouched by any hide.
    CarrierPicture reload() {
        CarrierPicture p;
        p.load(dir.path("p.bmp"));
        return p;
    }
    static std::string text(std::size_t bytes) { return std::string(bytes, 'x'); }
    test::TempDir dir;
};

TEST_F(HideExtract, WritesTheLayoutInPlace) {
    CarrierPicture p = picture();
    const CarrierPicture before = reload();
    ASSERT_EQ(hideMessage(p, {10, 0, "pw", "hi"}), HideOutcome::Written);
    const SlotTable slots = collectSlots(32, 32, 10);
    auto slot = [&](std::int32_t k) { return p.readPixel(slots[k].x, slots[k].y); };
    EXPECT_EQ(p.readPixel(0, 0), rgb(10, 0, 0));
    EXPECT_EQ(slot(1), 0);
    EXPECT_EQ(slot(2), 2);
    EXPECT_EQ(slot(3), 'p');
    EXPECT_EQ(slot(4), 'w');
    EXPECT_EQ(slot(5), 2);
    EXPECT_EQ(slot(6), 'h');
    EXPECT_EQ(slot(7), 'i');
    // Nothing else changed: not the slots beyond the message, not the pixels between slots.
    int changed = 0;
    for (std::int32_t y = 0; y < 32; ++y)
        for (std::int32_t x = 0; x < 32; ++x) changed += p.readPixel(x, y) != before.readPixel(x, y);
    EXPECT_LE(changed, 8);
    for (std::int32_t k = 8; k <= slots.count(); ++k)
        EXPECT_EQ(slot(k), before.readPixel(slots[k].x, slots[k].y));
}

TEST_F(HideExtract, CapacityAllowsExactlyTheSlotCountMinusFour) {
    // 32 x 32 at step 10: 102 slots, so password and text may have 98 bytes together.
    EXPECT_EQ(messageCapacity(32, 32, 10), 98);
    CarrierPicture p = picture();
    const CarrierPicture untouched = reload();
    EXPECT_EQ(hideMessage(p, {10, 0, "pw", text(97)}), HideOutcome::TooLarge);
    EXPECT_EQ(p.readPixel(0, 0), untouched.readPixel(0, 0));
    EXPECT_EQ(hideMessage(p, {10, 0, "pw", text(96)}), HideOutcome::Written);
    EXPECT_EQ(extractMessage(p, "pw").storedText, text(96));
    // At step 500 a 32 x 32 picture has two slots: nothing fits.
    EXPECT_EQ(hideMessage(p, {500, 0, "p", ""}), HideOutcome::TooLarge);
    EXPECT_THROW(hideMessage(p, {1, 0, "p", ""}), std::invalid_argument);
}

TEST_F(HideExtract, ReadsBackStepAndBaseColour) {
    CarrierPicture p = picture(64, 48);
    const std::string stored = packMessageText({"first", "", "second"});
    ASSERT_EQ(hideMessage(p, {37, 0x00FF00, "Secret", stored}), HideOutcome::Written);
    const ExtractResult ok = extractMessage(p, "Secret");
    EXPECT_TRUE(ok.succeeded());
    EXPECT_EQ(ok.step, 37);
    EXPECT_EQ(ok.baseColor, 0x00FF00);
    EXPECT_EQ(unpackMessageText(ok.storedText), (std::vector<std::string>{"first", "second"}));

    for (const char* wrong : {"secret", "Secre", "Secret!"}) {
        const ExtractResult bad = extractMessage(p, wrong);
        EXPECT_EQ(bad.status, ExtractStatus::WrongPassword) << wrong;
        EXPECT_FALSE(bad.closesCarrier());
        EXPECT_EQ(bad.step, 37);
        EXPECT_EQ(bad.baseColor, 0x00FF00);
        EXPECT_TRUE(bad.storedText.empty());
    }
}

TEST_F(HideExtract, HidingAgainOverwritesOnlyWhatTheNewMessageUses) {
    CarrierPicture p = picture();
    ASSERT_EQ(hideMessage(p, {10, 0, "pw", "long old text"}), HideOutcome::Written);
    ASSERT_EQ(hideMessage(p, {10, 0, "pw", "new"}), HideOutcome::Written);
    EXPECT_EQ(extractMessage(p, "pw").storedText, "new");
    const SlotTable slots = collectSlots(32, 32, 10);
    EXPECT_EQ(p.readPixel(slots[9].x, slots[9].y), 'g');  // "long old text": byte 4 in slot 5 + 4
}

TEST_F(HideExtract, ValuesThatCannotSurviveAreNotReportedAsWritten) {
    CarrierPicture p = picture();
    EXPECT_EQ(hideMessage(p, {10, 0xFFFFFF, "pw", "text"}), HideOutcome::NotPreserved);
    EXPECT_EQ(hideMessage(p, {10, static_cast<ColorValue>(0x80000005), "pw", "text"}), HideOutcome::NotPreserved);
    EXPECT_EQ(hideMessage(p, {10, 0xFFFF00, "pw", "text"}), HideOutcome::Written);  // 0xFFFF00 + 255 still fits
}

// Builds a carrier whose slots hold the given raw values (step 10 on 32 x 32, 102 slots).
class ExtractFailures : public HideExtract {
protected:
    CarrierPicture withSlots(ColorValue step, std::vector<ColorValue> values) {
        CarrierPicture p = picture();
        p.writePixel(0, 0, step);
        if (step >= 1 && step <= 500) {
            const SlotTable slots = collectSlots(32, 32, step);
            for (std::size_t i = 0; i < values.size(); ++i) {
                const SlotPosition pos = slots[static_cast<std::int32_t>(i + 1)];
                p.writePixel(pos.x, pos.y, values[i]);
            }
        }
        return p;
    }
};

TEST_F(ExtractFailures, EachFailureReportsWhatWasReadAndWhetherTheCarrierCloses) {
    struct Case {
        const char* name;
        ColorValue step;
        std::vector<ColorValue> slots;  // from slot 1: base, lenP, password..., lenT, text...
        ExtractStatus status;
        std::optional<ColorValue> base;
    };
    const ColorValue b = 100;
    const std::vector<Case> cases = {
        {"black corner", 0, {}, ExtractStatus::StepOutOfRange, std::nullopt},
        {"white corner", 0xFFFFFF, {}, ExtractStatus::StepOutOfRange, std::nullopt},
        {"step 501", 501, {}, ExtractStatus::StepOutOfRange, std::nullopt},
        {"password past the last slot", 10, {b, b + 100}, ExtractStatus::PasswordOutOfRange, b},
        {"password reaching the last slot", 10, {b, b + 99}, ExtractStatus::WrongPassword, b},
        {"negative password length", 10, {b, b - 1}, ExtractStatus::WrongPassword, b},
        {"zero password length", 10, {b, b}, ExtractStatus::WrongPassword, b},
        {"other password", 10, {b, b + 2, b + 'p', b + 'W', b + 0}, ExtractStatus::WrongPassword, b},
        {"text past the last slot", 10, {b, b + 2, b + 'p', b + 'w', b + 98}, ExtractStatus::TextOutOfRange, b},
        {"text reaching the last slot", 10, {b, b + 2, b + 'p', b + 'w', b + 97}, ExtractStatus::Extracted, b},
        {"negative text length", 10, {b, b + 2, b + 'p', b + 'w', b - 7}, ExtractStatus::Extracted, b},
        {"step 1: the corner is slot 1", 1, {1, 1 + 2, 1 + 'p', 1 + 'w', 1}, ExtractStatus::Extracted, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CarrierPicture p = withSlots(c.step, c.slots);
        const ExtractResult r = extractMessage(p, "pw");
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.step, c.step);
        EXPECT_EQ(r.baseColor, c.base);
        EXPECT_EQ(r.closesCarrier(), c.status == ExtractStatus::StepOutOfRange);
    }
}

TEST_F(ExtractFailures, APictureWithFewerThanTwoSlotsHoldsNoMessage) {
    CarrierPicture p = picture(3, 1);
    p.writePixel(0, 0, 2);  // step 2: one slot in three pixels
    const ExtractResult r = extractMessage(p, "pw");
    EXPECT_EQ(r.status, ExtractStatus::PasswordOutOfRange);
    EXPECT_EQ(r.step, 2);
    EXPECT_FALSE(r.baseColor.has_value());
}

TEST_F(ExtractFailures, ANonBitmapCannotBeReadOrWritten) {
    test::writeFile(dir.path("a.gif"), {'G', 'I', 'F', '8', '7', 'a', 40, 0, 40, 0, 0, 0, 0, ';'});
    CarrierPicture p;
    p.load(dir.path("a.gif"));
    const ExtractResult r = extractMessage(p, "pw");
    EXPECT_EQ(r.status, ExtractStatus::PixelUnreadable);
    EXPECT_TRUE(r.closesCarrier());
    EXPECT_FALSE(r.step.has_value());
    // The capacity test still comes first; then the first write fails.
    EXPECT_EQ(hideMessage(p, {10, 0, "pw", text(1000)}), HideOutcome::TooLarge);
    EXPECT_THROW(hideMessage(p, {10, 0, "pw", "x"}), EngineError);
}

}  // namespace
}  // namespace velmora
