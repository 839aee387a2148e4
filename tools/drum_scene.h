// The drum window, 111 x 111: chrome bezel, rubber seal, door glass and whatever the drum
// holds, drawn around its centre. The animations and the small machine pictures share it.
#pragma once

#include "colour.h"
#include "geometry.h"

#include <optional>
#include <vector>

constexpr int kDrumSize = 111;
constexpr double kGlass = 41.5;  // inside of the door's rim

enum class Cut { PictureShirt, StripedShirt, Sock, Towel };

struct Garment {
    Cut cut;
    V2 position;  // from the drum's centre
    double angle = 0;
    V2 scale{1, 1};  // below 1 where a piece is squashed or further away
};

struct Water {
    double level = 20;  // surface height below the centre
    double phase = 0;   // of the ripples and rising bubbles, one turn per cycle
    double tilt = 0;    // sloshing, in pixels per pixel
};

struct Sparkle {
    V2 position;
    double size;
};

struct DrumScene {
    double drumTurn = 0;             // radians; only the lifters show it
    std::vector<Garment> laundry{};  // back to front
    std::optional<Water> water{};
    double doorOpen = 0;            // 0 shut, 1 swung wide on its left hinge
    std::optional<double> glint{};  // a band of light crossing the glass, along its diagonal
    std::vector<Sparkle> sparkles{};
};

// What stays in the drum between washes, heaped on its floor.
std::vector<Garment> oldLaundry();
// The same heap with the picture-printed shirt resting on top.
std::vector<Garment> loadedLaundry();
extern const Garment kPictureAtRest;

// The whole window at q from its centre; nothing outside the bezel.
std::optional<Rgb> shadeDrum(const DrumScene& s, V2 q);
// The drum's inside and the glass in front of it, for pictures too small for the rims.
Rgb drumInside(const DrumScene& s, V2 q);
Rgb throughGlass(Rgb c, V2 l, std::optional<double> glint);
