#pragma once

#include <QImage>

namespace velmora {

// A picture drawn at 1× and, for screens of a higher pixel ratio, at 2×. Sizes, outlines and
// hit areas always come from the 1× picture; the 2× one only paints, and is kept only when it
// is exactly twice the size, so a wrong file can never change a window.
class ScaledPicture {
public:
    ScaledPicture() = default;
    // Not explicit: a lone picture is a picture at 1× only.
    ScaledPicture(QImage single, QImage doubled = {});

    const QImage& single() const { return single_; }
    const QImage& doubled() const { return doubled_; }
    bool isNull() const { return single_.isNull(); }

    // What a device of this pixel ratio shows: the 2× picture (its pixel ratio 2) above 1 when
    // there is one, else the 1× picture.
    const QImage& forRatio(qreal ratio) const { return ratio > 1 && !doubled_.isNull() ? doubled_ : single_; }

private:
    QImage single_;
    QImage doubled_;
};

}  // namespace velmora
