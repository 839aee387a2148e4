// The washing machine as a small picture of its own: the About box's emblem and the program's
// icon in its several sizes.
#pragma once

#include "render.h"

// 49 x 48, the drum seen through a single chrome ring, on a transparent background.
Picture drawEmblem();

// The program's icon, square, on a transparent background: the machine front on, with its
// knobs and the laundry behind the glass. Details thin out at small sizes.
CoverPicture drawProgramIcon(int size);
