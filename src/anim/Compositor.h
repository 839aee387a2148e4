#pragma once

namespace velmora {

// Whether the program runs as a client of a Wayland compositor. The compositor keeps to itself
// what X11 leaves to a program: a window's shape is only where it takes input, the program
// cannot place its windows or read the screen, and nothing may be drawn outside its windows.
bool onWaylandCompositor();

}  // namespace velmora
