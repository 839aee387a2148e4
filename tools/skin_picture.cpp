#include "skin_picture.h"

#include "materials.h"
#include "render.h"
#include "skin_layout.h"
#include "skin_outline.h"

#include <algorithm>
#include <cmath>

namespace {

// The machine as a box seen a little from above and from the right: its front is square to
// the viewer, its top and its right side recede towards the upper right.
constexpr double kFrontLeft = 8, kFrontRight = 193, kFrontTop = 28, kFloor = 290;
constexpr double kBackRight = 217, kBackTop = 4;
constexpr double kPlinthTop = 282.5;  // the body ends here; the recessed plinth and feet below
constexpr double kFasciaBottom = 86;  // the control panel's lower seam
constexpr double kKickTop = 258;      // the seam of the service panel at the bottom
const V2 kDoorCentre = kDrumWindow.centre();
constexpr double kBezel = 55.5;  // the drum picture's own chrome rim ends here
constexpr double kRingInner = 56.5, kRingOuter = 65.5;

const Rgb kEnamel{0.955, 0.96, 0.972};
const Rgb kEnamelLow{0.86, 0.875, 0.905};
const Rgb kFascia{0.925, 0.94, 0.965};
const Rgb kSide{0.72, 0.745, 0.80};
const Rgb kSideLow{0.56, 0.585, 0.645};
const Rgb kTop{0.985, 0.99, 1.0};
const Rgb kTopBack{0.89, 0.905, 0.935};
const Rgb kShadowTint{0.28, 0.31, 0.38};

// A groove cut into a flat face along the edge of a shape: dark on the side away from the
// lamp's light, a fine light line on the other.
Rgb groove(Rgb c, double distance, double across) {
    double dark = 1 - smoothstep(0.0, 0.9, std::abs(distance));
    double light = 1 - smoothstep(0.0, 0.7, std::abs(distance - across));
    return mix(mix(c, kShadowTint, 0.55 * dark), kWhite, 0.55 * light);
}

// A soft shadow of a shape lifted off the face, falling down and to the right.
double castShadow(double distanceToShape, double blur) { return 1 - smoothstep(-blur * 0.3, blur, distanceToShape); }

// ---------------------------------------------------------------------------------------------
// The control panel

Rgb fascia(V2 p) {
    double t = clamp01((p.y - kFrontTop) / (kFasciaBottom - kFrontTop));
    Rgb c = mix(kFascia, kFascia * 0.965, t);
    // A faint sheen across the panel, brightest to the left where the lamp is.
    c = mix(c, kWhite, 0.25 * (1 - smoothstep(kFrontLeft, kFrontRight, p.x)) * (1 - t));
    return c;
}

// A round well the knobs sit in: sunk into the panel, shadowed at the top left where the
// panel's edge hides the lamp, lit along its lower right rim.
Rgb knobWell(Rgb c, V2 p, V2 centre, double radius) {
    V2 d = p - centre;
    double r = length(d);
    double well = radius + 2.2;
    if (r < well) {
        double facing = dot(d * (1 / std::max(r, 1e-6)), V2{-0.58, -0.81});  // towards the lamp
        double depth = 0.10 + 0.12 * facing;
        c = c * (1 - depth);
        // The knob's own shadow on the well's floor.
        c = mix(c, kShadowTint, 0.35 * castShadow(length(d - V2{0.8, 1.4}) - radius, 2.0));
    }
    double rim = std::abs(r - well);
    if (rim < 1.1) {
        double facing = dot(d * (1 / std::max(r, 1e-6)), V2{0.58, 0.81});
        c = mix(c, facing > 0 ? kWhite : kShadowTint, (0.35 + 0.25 * std::abs(facing)) * (1 - rim / 1.1));
    }
    return c;
}

// The detergent drawer: a raised front with the product name on it and a recessed grip,
// which the minimise button sits in.
Rgb drawer(Rgb c, V2 p) {
    const V2 centre{39.5, 57}, half{27.5, 24};
    double face = sdRoundBox(p - centre, half, 3.5);
    c = mix(c, kShadowTint, 0.22 * castShadow(sdRoundBox(p - centre - V2{0.7, 1.0}, half, 3.5), 1.8));
    if (face < 0) {
        double t = clamp01((p.y - (centre.y - half.y)) / (2 * half.y));
        c = mix(kFascia * 1.01, kFascia * 0.95, t);
        // Its top and left edges catch the lamp.
        bool litEdge = p.y < centre.y - half.y + 3 || p.x < centre.x - half.x + 3;
        if (litEdge) c = mix(c, kWhite, 0.5 * (1 - smoothstep(0.2, 1.4, -face)));
    }
    c = groove(c, face, 1.2);

    const V2 gripCentre = kMinimizeButton.centre();
    double grip =
        sdRoundBox(p - gripCentre, {kMinimizeButton.width / 2.0 + 1.5, kMinimizeButton.height / 2.0 + 1.5}, 5);
    if (grip < 0) {
        double depth = clamp01((p.y - (gripCentre.y - 9.5)) / 19);
        c = mix(Rgb{0.62, 0.65, 0.72}, Rgb{0.80, 0.82, 0.87}, depth);
    }
    double lip = std::abs(grip);
    if (lip < 1.0) c = mix(c, p.y < gripCentre.y ? kShadowTint : kWhite, 0.45 * (1 - lip));
    return c;
}

Rgb controlPanel(V2 p) {
    Rgb c = fascia(p);
    c = drawer(c, p);
    for (const PixelBox& knob : {kHideButton, kExtractButton, kExitButton})
        c = knobWell(c, p, knob.centre(), knob.width / 2.0);
    // The lower seam, where the panel meets the door's face.
    c = groove(c, p.y - kFasciaBottom, 1.0);
    return c;
}

// ---------------------------------------------------------------------------------------------
// The door

// Two hinge knuckles behind the ring's left side, in brushed metal.
Rgb doorHinge(Rgb c, V2 p) {
    for (double y : {kDoorCentre.y - 26, kDoorCentre.y + 26}) {
        const V2 centre{kDoorCentre.x - kRingOuter + 0.5, y}, half{4, 5.5};
        c = mix(c, kShadowTint, 0.3 * castShadow(sdRoundBox(p - centre - V2{1, 1.5}, half, 2), 1.5));
        double d = sdRoundBox(p - centre, half, 2);
        if (d < 0) {
            double across = clamp01((p.y - (y - half.y)) / (2 * half.y));
            c = mix(Rgb{0.86, 0.88, 0.92}, Rgb{0.56, 0.59, 0.65}, across);
            if (d > -0.8) c = c * 0.82;
        }
    }
    return c;
}

Rgb doorHandle(Rgb c, V2 p) {
    const V2 centre{kDoorCentre.x + kRingOuter - 1, kDoorCentre.y};
    const V2 half{6.5, 17};
    c = mix(c, kShadowTint, 0.35 * castShadow(sdRoundBox(p - centre - V2{1.2, 2}, half, 6), 2.2));
    double d = sdRoundBox(p - centre, half, 6);
    if (d < 0) {
        // A pill bulging towards the viewer.
        V2 q = p - centre;
        double nx = std::clamp(q.x / (half.x + 0.5), -1.0, 1.0) * 0.8;
        double ny =
            std::clamp((std::abs(q.y) > half.y - 6 ? (q.y - std::copysign(half.y - 6, q.y)) / 6.5 : 0), -1.0, 1.0) *
            0.8;
        c = glossy({0.93, 0.94, 0.96}, normalized({nx, ny, 1}), 0.8);
        // The grip: a slot to pull the door open by.
        double slot = sdRoundBox(q - V2{1.2, 0}, {1.6, 10.5}, 1.6);
        if (slot < 0) c = mix(Rgb{0.45, 0.48, 0.55}, Rgb{0.70, 0.73, 0.79}, clamp01((q.x - 0.4) / 2.8));
        if (d > -0.9) c = c * 0.86;
    }
    return c;
}

Rgb door(Rgb c, V2 p) {
    V2 d = p - kDoorCentre;
    double r = length(d);
    V2 outward = d * (1 / std::max(r, 1e-6));
    // The ring stands off the front and throws a soft shadow down to the right.
    c = mix(c, kShadowTint, 0.32 * castShadow(length(d - V2{1.6, 2.6}) - kRingOuter, 3.0));
    c = doorHinge(c, p);
    if (r < kBezel) return {0.32, 0.34, 0.38};  // under the drum picture
    if (r < kRingInner) return mix(Rgb{0.30, 0.32, 0.37}, Rgb{0.55, 0.58, 0.64}, clamp01((outward.y + 1) / 2));
    if (r < kRingOuter) {
        double t = acrossRing(r, kRingInner, kRingOuter);
        Rgb ring = glossy({0.94, 0.95, 0.965}, tubeNormal(outward, t, 0.85), 1.1);
        if (r > kRingOuter - 0.8) ring = ring * 0.85;  // a fine dark line where it meets the front
        c = ring;
    }
    return doorHandle(c, p);
}

// ---------------------------------------------------------------------------------------------
// The faces of the box

Rgb serviceFlap(Rgb c, V2 p) {
    // The kick panel's seam and the small flap in front of the drain filter.
    c = groove(c, p.y - kKickTop, 1.0);
    const V2 centre{171, 270.5}, half{14, 8};
    double d = sdRoundBox(p - centre, half, 2.5);
    c = groove(c, d, 1.1);
    double notch = sdRoundBox(p - centre - V2{0, 3}, {4.5, 1.5}, 1.5);
    if (notch < 0) c = mix(Rgb{0.55, 0.58, 0.64}, Rgb{0.80, 0.82, 0.86}, clamp01((p.y - 272.5) / 3));
    return c;
}

Rgb front(V2 p) {
    if (p.y < kFasciaBottom + 1) return controlPanel(p);
    double t = clamp01((p.y - kFasciaBottom) / (kPlinthTop - kFasciaBottom));
    Rgb c = mix(kEnamel, kEnamelLow, t * t);
    c = mix(c, kWhite, 0.3 * (1 - smoothstep(kFrontLeft, 110, p.x)) * (1 - t));  // the lamp's sheen
    c = door(c, p);
    c = serviceFlap(c, p);
    // The body darkens just above the plinth, where the floor's shadow starts.
    c = mix(c, kShadowTint, 0.35 * smoothstep(kPlinthTop - 5, kPlinthTop, p.y));
    return c;
}

// The top recedes from the front edge to the back.
Rgb top(V2 p) {
    double t = clamp01((kFrontTop - p.y) / (kFrontTop - kBackTop));
    Rgb c = mix(kTop, kTopBack, t);
    // A broad soft reflection of the room's window across the lid.
    double streak = p.x + 1.6 * p.y;
    c = mix(c, kWhite, 0.45 * std::exp(-std::pow((streak - 110) / 22, 2)));
    return c;
}

Rgb side(V2 p) {
    double t = clamp01((p.y - kBackTop) / (kFloor - kBackTop));
    Rgb c = mix(kSide, kSideLow, t);
    // Nearer the front corner the side catches a little more light.
    c = mix(c, kSide * 1.12, 0.5 * (1 - smoothstep(kFrontRight, kBackRight, p.x)));
    return c;
}

// The plinth is recessed under the body and always in shadow; the feet stand on the floor.
Rgb plinthAndFeet(Rgb c, V2 p, bool onSide) {
    // Along the side the plinth rises with the bottom edge towards the back.
    double rise = std::max(0.0, p.x - kFrontRight) * (kFloor - 238) / (kBackRight - kFrontRight);
    double plinthTop = kPlinthTop - rise;
    if (p.y >= plinthTop) c = mix(Rgb{0.14, 0.15, 0.18}, Rgb{0.27, 0.29, 0.34}, clamp01((p.y - plinthTop) / 7));
    if (onSide) return c;
    for (double x : {16.0, 181.5}) {
        double foot = sdRoundBox(p - V2{x, 286.5}, {10, 4.5}, 2.5);
        if (foot < 0) {
            // Grey rubber, lit along the top, with a dark rim where it meets the shadow.
            double across = clamp01((p.y - 282) / 8);
            c = mix(Rgb{0.62, 0.64, 0.69}, Rgb{0.33, 0.35, 0.40}, across);
            if (foot > -0.9) c = p.y < 284 ? mix(c, kWhite, 0.35) : c * 0.7;
        }
    }
    return c;
}

Rgb machine(V2 p) {
    const bool onSide = p.x > kFrontRight && p.x + p.y > kFrontRight + kFrontTop;
    Rgb c = onSide ? side(p) : p.y < kFrontTop ? top(p) : front(p);

    // Rounded edges between the faces: a bright line where the top meets the front and the
    // side, and a softer, darker roll where the front turns into the side.
    if (!onSide) {
        double topEdge = std::abs(p.y - kFrontTop);
        c = mix(c, kWhite, 0.75 * (1 - smoothstep(0, 1.6, topEdge)));
        double corner = kFrontRight - p.x;
        if (corner >= 0 && corner < 3 && p.y > kFrontTop) c = mix(c, kSide * 1.05, 0.55 * (1 - corner / 3));
    } else {
        double ridge = std::abs((p.x + p.y) - (kFrontRight + kFrontTop)) / std::sqrt(2.0);
        if (p.y < kFrontTop + 1) c = mix(c, kWhite, 0.7 * (1 - smoothstep(0, 1.4, ridge)));
    }
    return plinthAndFeet(c, p, onSide);
}

// One pixel on the machine's edge is darkened, so the outline reads on light desktops too.
bool onOutline(int x, int y) {
    return !inSkin(x - 1, y) || !inSkin(x + 1, y) || !inSkin(x, y - 1) || !inSkin(x, y + 1);
}

}  // namespace

Raster drawSkin(int scale) {
    CoverPicture painted =
        renderCoverScaled(kSkinWidth, kSkinHeight, scale, 4, [](V2 p) { return Rgba{machine(p), 1}; });
    // Outline and edge line follow the 1× pixel each pixel lies in, so a sharper skin keeps
    // exactly the window's shape.
    const auto inShape = [scale](int x, int y) { return inSkin(x / scale, y / scale); };
    for (int y = 0; y < painted.height; ++y)
        for (int x = 0; x < painted.width; ++x)
            if (inShape(x, y) && onOutline(x / scale, y / scale)) {
                Rgba& px = painted.pixels[static_cast<std::size_t>(y * painted.width + x)];
                px.colour = mix(px.colour, kShadowTint, 0.45);
            }
    Raster skin = over(painted, [](int, int) { return kBlack; });
    keyOut(skin, inShape, kSkinKey);
    return skin;
}
