#include "engine/HideCore.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "engine/CarrierLayout.h"

namespace velmora {

namespace {

struct PlannedWrite {
    std::int32_t x;
    std::int32_t y;
    ColorValue value;
};

// Every pixel a hide writes, in the order it writes them.
std::vector<PlannedWrite> planWrites(const SlotTable& slots, const HideRequest& r) {
    const auto lenP = static_cast<std::int32_t>(r.password.size());
    const auto lenT = static_cast<std::int32_t>(r.storedText.size());
    std::vector<PlannedWrite> writes;
    writes.reserve(static_cast<std::size_t>(lenP) + static_cast<std::size_t>(lenT) + kMessageOverheadSlots);
    auto toSlot = [&](std::int32_t k, ColorValue value) {
        const SlotPosition p = slots[k];
        writes.push_back({p.x, p.y, value});
    };
    auto byteAt = [](const std::string& s, std::int32_t i) { return static_cast<std::uint8_t>(s[static_cast<std::size_t>(i)]); };

    writes.push_back({0, 0, r.step});
    toSlot(1, r.baseColor);
    toSlot(2, encodeValue(lenP, r.baseColor));
    for (std::int32_t i = 1; i <= lenP; ++i) toSlot(2 + i, encodeValue(byteAt(r.password, i - 1), r.baseColor));
    toSlot(3 + lenP, encodeValue(lenT, r.baseColor));
    for (std::int32_t i = 1; i <= lenT; ++i) toSlot(3 + lenP + i, encodeValue(byteAt(r.storedText, i - 1), r.baseColor));
    return writes;
}

}  // namespace

std::int32_t messageCapacity(std::int32_t width, std::int32_t height, std::int32_t step) {
    return std::max(collectSlots(width, height, step).count() - kMessageOverheadSlots, 0);
}

HideOutcome hideMessage(CarrierPicture& picture, const HideRequest& request) {
    if (request.step < kMinStep || request.step > kMaxStep)
        throw std::invalid_argument("step must lie in " + std::to_string(kMinStep) + " .. " + std::to_string(kMaxStep));
    if (request.password.empty() || request.password.size() > kMaxPasswordBytes)
        throw std::invalid_argument("password must have 1 .. " + std::to_string(kMaxPasswordBytes) + " bytes");
    const std::uint64_t messageBytes = std::uint64_t{request.password.size()} + request.storedText.size();
    if (messageBytes > static_cast<std::uint64_t>(messageCapacity(picture.width(), picture.height(), request.step)))
        return HideOutcome::TooLarge;
    const SlotTable slots = collectSlots(picture.width(), picture.height(), request.step);

    const auto writes = planWrites(slots, request);
    for (const auto& w : writes) picture.writePixel(w.x, w.y, w.value);
    // Reading every value back tells whether an extract would ever see this message.
    const bool preserved = std::all_of(writes.begin(), writes.end(),
                                       [&](const PlannedWrite& w) { return picture.readPixel(w.x, w.y) == w.value; });
    return preserved ? HideOutcome::Written : HideOutcome::NotPreserved;
}

}  // namespace velmora
