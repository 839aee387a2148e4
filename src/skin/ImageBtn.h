#pragma once

#include <QAbstractButton>
#include <QImage>
#include <QRegion>

#include <array>
#include <optional>

#include "skin/ScaledPicture.h"

namespace velmora {

// A push button drawn from pictures: a face for the normal state, one for the pressed state
// and an optional glyph on top. The button takes the shape of the face it shows (the colour of
// the face's top-left pixel is outside), so a press beside the artwork reaches what lies
// beneath. Pressing shows the pressed face; moving out of the shape with the button held
// shows the normal face again, moving back in the pressed one; a click needs the press and
// the release inside the shape. It never takes the keyboard focus.
class ImageBtn : public QAbstractButton {
public:
    explicit ImageBtn(QWidget* parent = nullptr);

    // The faces are stretched to the button. Without a pressed face, the normal face shows
    // moved by kFaceDownOffset over black while pressed.
    void setFaces(const ScaledPicture& normal, const ScaledPicture& pressed = {});
    // Drawn centred over the face, moved by kGlyphDownOffset while pressed; the colour of its
    // bottom-left pixel is see-through.
    void setGlyph(const ScaledPicture& glyph);

    // The shape of a state: every pixel of its 1× face (stretched to the button) that differs
    // from the face's top-left colour; none without a face. Worked out once per state.
    const QRegion& outline(bool pressed) const;

    static constexpr QPoint kFaceDownOffset{2, 2};
    static constexpr QPoint kGlyphDownOffset{1, 1};

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The picture a state shows: the pressed face when there is one, else the normal face.
    const ScaledPicture& facePicture(bool pressed) const;
    // The face of a state for a device of this pixel ratio, stretched to the button, with its
    // see-through colour turned black.
    QImage stateFace(bool pressed, qreal ratio) const;
    void forgetLooks();
    // The window shape follows the state shown.
    void applyOutline();

    ScaledPicture normal_;
    ScaledPicture pressed_;
    ScaledPicture glyph_;  // its see-through colour already transparent
    mutable std::array<std::optional<QRegion>, 2> outlines_;
    std::optional<bool> appliedDown_;
};

}  // namespace velmora
