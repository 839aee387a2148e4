#include "skin/ScaledPicture.h"

#include <utility>

namespace velmora {

ScaledPicture::ScaledPicture(QImage single, QImage doubled) : single_(std::move(single)) {
    single_.setDevicePixelRatio(1);
    if (single_.isNull() || doubled.size() != single_.size() * 2) return;
    doubled_ = std::move(doubled);
    doubled_.setDevicePixelRatio(2);
}

}  // namespace velmora
