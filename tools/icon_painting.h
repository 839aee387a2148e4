// How the small pictures (menu items, dialog buttons, the program icon) are painted: shapes
// given by signed distances are laid on one another, each filled with a gentle top-to-bottom
// gradient, edged with a darker rim and lit by a fine inner highlight, as desktop icons are.
#pragma once

#include "colour.h"
#include "geometry.h"
#include "render.h"

#include <functional>

struct Fill {
    Rgb light;        // at the top of the shape
    Rgb dark;         // at the bottom
    double from = 0;  // where the gradient starts and ends, in pixels from the top
    double to = 16;
    double shine = 0.35;  // strength of the inner highlight line
};

// Lays a shape on the sample at p: its rim, one pixel wide, in a darker tone of the fill,
// then a highlight line, then the gradient.
void paintShape(Rgba& sample, V2 p, double distance, const Fill& fill);
// Lays a shape of one flat colour, for fine details such as text lines.
void paintFlat(Rgba& sample, double distance, Rgb colour, double opacity = 1);
// A soft shadow under a shape, so it lifts off what lies below.
void paintShadow(Rgba& sample, double distance, double opacity = 0.3);

using IconPainter = std::function<void(Rgba& sample, V2 p)>;

// A square icon of the given size, painted sample by sample on a clear background.
CoverPicture drawIcon(int size, const IconPainter& paint);
