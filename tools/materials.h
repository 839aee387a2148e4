// The few materials the machine is made of, lit by one lamp up and to the left in front of it.
#pragma once

#include "colour.h"
#include "geometry.h"

const V3 kLamp = normalized({-0.45, -0.65, 0.62});

// Where radius r lies across a ring: -1 at its inner edge, 1 at its outer edge.
double acrossRing(double r, double inner, double outer);

// The normal of a round tube running round a centre, at t from acrossRing; a bulge below 1
// flattens the tube's face.
V3 tubeNormal(V2 outward, double t, double bulge);

// Polished metal shows the room rather than a colour of its own: a bright ceiling above the
// horizon, a dark floor below it, and a hot spot where the lamp is mirrored.
Rgb chrome(V3 n);

// Matte rubber only has the lamp's light and a few folds.
Rgb rubber(V2 outward, double t);

// Glossy enamel or plastic of the given colour: a face turned straight at the viewer shows
// exactly that colour, faces turned towards the lamp are lighter, and a tight highlight sits
// where the lamp is mirrored. `shine` scales the highlight.
Rgb glossy(Rgb base, V3 n, double shine = 1);
