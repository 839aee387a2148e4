// Signed distances of the small symbols drawn on buttons and menu pictures: arrows, ticks,
// crosses, the power sign, question mark and the like. All are negative inside the symbol
// and are placed by their centre and an overall size, so one symbol serves every picture.
#pragma once

#include "geometry.h"

#include <algorithm>

// A stroke of the given half width along a segment, with round ends.
double sdStroke(V2 p, V2 a, V2 b, double halfWidth);
// A triangle given by its corners in either order.
double sdTriangle(V2 p, V2 a, V2 b, V2 c);
// A ring of the given radius and half width, open on an arc around `gapAngle` (radians, 0 is
// to the right, growing clockwise on screen) of `gapHalfAngle` either side.
double sdOpenRing(V2 p, V2 centre, double radius, double halfWidth, double gapAngle, double gapHalfAngle);

// An arrow from `tail` to the tip, with a shaft of the given half width and a head of
// `headLength` whose base is `headHalfWidth` either side of the shaft's line.
double sdArrow(V2 p, V2 tail, V2 tip, double halfWidth, double headLength, double headHalfWidth);

// Symbols fitted into a square of side `size` around `centre`.
double sdPowerSign(V2 p, V2 centre, double size);
double sdTick(V2 p, V2 centre, double size);
double sdCross(V2 p, V2 centre, double size);
double sdQuestionMark(V2 p, V2 centre, double size);
// A cogwheel with `teeth` teeth, its outer radius size / 2.
double sdGear(V2 p, V2 centre, double size, int teeth);

inline double unite(double a, double b) { return std::min(a, b); }
