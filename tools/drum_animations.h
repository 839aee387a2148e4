// The four stories the drum window tells, as GIF frames: idle, picture loaded, working, done.
#pragma once

#include "gif_encode.h"

#include <vector>

std::vector<GifFrame> idleFrames();
std::vector<GifFrame> loadedFrames();
std::vector<GifFrame> workingFrames();
std::vector<GifFrame> doneFrames();
