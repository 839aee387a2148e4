#pragma once

#include <QPoint>
#include <QRect>

#include <array>
#include <vector>

namespace velmora {

// The window effects, numbered as a dialog's settings name them; Random picks one of the others
// for every play.
enum class EffectKind { Random = 0, Spin, Vortex, ScatterGather, Spike, Fireworks };
inline constexpr int kChoosableEffects = 5;  // Spin … Fireworks

// A closed polygon in whole screen pixels: a line from every vertex to the next, and from the
// last back to the first.
using Polygon = std::vector<QPoint>;
// Everything one step of an effect draws.
using Outline = std::vector<Polygon>;

// The outlines of one effect for one window. Outline 0 is empty; outline `steps` lies on the
// window's outer rectangle; the ones between move from the window's centre towards it. The
// arithmetic is single precision, and every vertex is cut toward zero to a whole pixel, so the
// same window always gives the same pixels.
class EffectGeometry {
public:
    // `window` is the window's outer rectangle in screen coordinates; `kind` must not be Random.
    EffectGeometry(EffectKind kind, const QRect& window, int steps, int fireworkBlasts);

    // Outline `step`, from 0 to steps; nothing at all when there are no steps.
    Outline outline(int step) const;

    struct Point {
        float x = 0;
        float y = 0;
    };

private:
    struct Triangle {
        std::array<Point, 3> vertices;  // the centre, then two neighbouring border points
        Point centroid;
        Point scatter;  // from the centroid to where the triangle starts out
    };

    Outline spin(int step) const;
    Outline vortex(int step) const;
    Outline scatterGather(int step) const;
    Outline spike(int step) const;
    Outline fireworks(int step) const;
    void prepareSpikes();
    void prepareLaunchPoints(int blasts);

    EffectKind kind_;
    Point centre_;
    float halfWidth_;
    float halfHeight_;
    int steps_;
    std::vector<Triangle> triangles_;   // Spike only
    std::vector<Point> launchPoints_;   // Fireworks only
};

// The smallest rectangle holding every pixel the outlines draw (empty when they draw nothing).
QRect outlineExtent(const std::vector<Outline>& outlines);

}  // namespace velmora
