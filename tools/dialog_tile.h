// The dialogs' background: a 100 x 100 tile that repeats without a seam. Pale and quiet, a
// few soap bubbles drift over a faintly grained ground, so black labels read well on it.
#pragma once

#include "raster.h"

Raster drawDialogTile();
