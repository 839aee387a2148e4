// The things the small pictures show, each painted into a box given in pixels of a 16 x 16
// icon: pages, folders, a photo, a globe, a cogwheel, round badges with a symbol, a little
// washing machine. The menu pictures and the dialog buttons' pictures are put together
// from these.
#pragma once

#include "icon_painting.h"

#include <functional>

// A sheet of paper with a folded corner, optionally with lines of text.
void paintPage(Rgba& s, V2 p, double left, double top, double right, double bottom, bool text);
// A manila folder, shown open (its front flap tilted) or closed, with whatever `contents`
// paints standing between its back and its front.
void paintFolder(Rgba& s, V2 p, bool open, const IconPainter& contents = {});
// A framed photo: sky, sun and a green hill, the kind of picture the program hides text in.
void paintPhoto(Rgba& s, V2 p, double left, double top, double right, double bottom);
// A bold arrow with a rim, for badges over other objects.
void paintArrow(Rgba& s, V2 p, V2 tail, V2 tip, Rgb colour);
// A glossy disc carrying a white symbol.
void paintBadge(Rgba& s, V2 p, V2 centre, double radius, Rgb colour, const std::function<double(V2)>& symbol);
void paintGlobe(Rgba& s, V2 p);
void paintGear(Rgba& s, V2 p);
// A small program window with a title bar.
void paintWindow(Rgba& s, V2 p, double left, double top, double right, double bottom);
void paintClipboard(Rgba& s, V2 p);
void paintFloppy(Rgba& s, V2 p);
// The program's own washing machine, front on, in a box of the icon.
void paintLittleMachine(Rgba& s, V2 p, double left, double top, double right, double bottom);
