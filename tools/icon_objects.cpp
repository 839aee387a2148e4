#include "icon_objects.h"

#include "glyph_shapes.h"

#include <algorithm>
#include <cmath>

namespace {

const Rgb kPaper{0.99, 0.99, 0.98};
const Rgb kInk{0.45, 0.49, 0.56};

}  // namespace

void paintPage(Rgba& s, V2 p, double left, double top, double right, double bottom, bool text) {
    const double fold = std::min(4.0, (right - left) * 0.4);
    const V2 outline[] = {{left, top}, {right - fold, top}, {right, top + fold}, {right, bottom}, {left, bottom}};
    double page = sdPolygon(p, outline);
    paintShadow(s, page - 0.4, 0.18);
    paintShape(s, p, page, {kPaper, Rgb{0.88, 0.89, 0.91}, top, bottom, 0.0});
    // The folded corner, a little darker, with its own edge.
    const V2 flap[] = {{right - fold, top}, {right, top + fold}, {right - fold, top + fold}};
    double corner = sdPolygon(p, flap);
    paintShape(s, p, corner, {Rgb{0.86, 0.87, 0.9}, Rgb{0.76, 0.78, 0.82}, top, top + fold, 0.0});
    if (!text) return;
    // Text lines sit on whole pixel rows, or each would smear into a grey haze over two.
    for (double y = std::floor(top + 3) + 0.5; y < bottom - 1.5; y += 2) {
        double end = y < top + fold + 1 ? right - fold - 0.5 : right - 2;
        paintFlat(s, sdRect(p, left + 2, y - 0.5, end, y + 0.5), kInk, 0.85);
    }
}

void paintFolder(Rgba& s, V2 p, bool open, const IconPainter& contents) {
    const Fill back{{0.93, 0.74, 0.30}, {0.80, 0.55, 0.14}, 2, 14, 0.2};
    const Fill front{{1.0, 0.88, 0.48}, {0.94, 0.70, 0.22}, 5, 15, 0.45};
    double tab = sdRect(p, 1, 2, 7, 5, 1);
    double body = sdRect(p, 1, 3.5, 15, 14, 1);
    paintShadow(s, unite(tab, body) - 0.5, 0.2);
    paintShape(s, p, unite(tab, body), back);
    if (contents) contents(s, p);
    if (open) {
        const V2 flap[] = {{3.2, 6.5}, {16, 6.5}, {13.6, 14}, {0.8, 14}};
        paintShape(s, p, sdPolygon(p, flap) - 0.01, front);
    } else {
        paintShape(s, p, sdRect(p, 1, 6, 15, 14, 1), front);
    }
}

void paintPhoto(Rgba& s, V2 p, double left, double top, double right, double bottom) {
    double frame = sdRect(p, left, top, right, bottom, 0.8);
    paintShadow(s, frame - 0.5, 0.22);
    paintShape(s, p, frame, {kPaper, Rgb{0.86, 0.87, 0.9}, top, bottom, 0.0});
    double inner = sdRect(p, left + 1.5, top + 1.5, right - 1.5, bottom - 1.5);
    if (inner >= 0) return;
    double w = right - left, h = bottom - top;
    Rgb c = mix(Rgb{0.36, 0.62, 0.95}, Rgb{0.70, 0.86, 1.0}, clamp01((p.y - top) / h));
    V2 sun{left + w * 0.68, top + h * 0.36};
    if (length(p - sun) < h * 0.16) c = {1.0, 0.85, 0.25};
    double hill = top + h * 0.62 + h * 0.16 * std::cos((p.x - left) / w * 5.0 + 0.6);
    if (p.y > hill) c = mix(Rgb{0.42, 0.76, 0.30}, Rgb{0.22, 0.52, 0.18}, clamp01((p.y - hill) / (h * 0.3)));
    over(s, c, 1);
}

void paintArrow(Rgba& s, V2 p, V2 tail, V2 tip, Rgb colour) {
    double arrow = sdArrow(p, tail, tip, 1.4, 4.2, 3.9);
    paintShadow(s, arrow - 0.3, 0.25);
    double y0 = std::min(tail.y, tip.y) - 3, y1 = std::max(tail.y, tip.y) + 3;
    paintShape(s, p, arrow - 0.45, {mix(colour, kWhite, 0.35), colour * 0.85, y0, y1, 0.2});
}

void paintBadge(Rgba& s, V2 p, V2 centre, double radius, Rgb colour, const std::function<double(V2)>& symbol) {
    double disc = length(p - centre) - radius;
    paintShadow(s, disc - 0.3, 0.2);
    Fill fill{mix(colour, kWhite, 0.35), colour * 0.78, centre.y - radius, centre.y + radius, 0.25};
    paintShape(s, p, disc, fill);
    if (disc < -1) {
        // A glossy cap over the upper half.
        V2 q = (p - centre - V2{0, -radius * 0.45}) * (1 / radius);
        double lens = (q.x / 0.75) * (q.x / 0.75) + (q.y / 0.45) * (q.y / 0.45);
        over(s, kWhite, 0.3 * (1 - smoothstep(0.6, 1.0, lens)));
        paintFlat(s, symbol(p), kWhite);
    }
}

void paintGlobe(Rgba& s, V2 p) {
    const V2 c{8, 8};
    const double r = 7;
    double ball = length(p - c) - r;
    paintShadow(s, ball - 0.3, 0.2);
    paintShape(s, p, ball, {{0.45, 0.72, 1.0}, {0.10, 0.36, 0.78}, 1, 15, 0.25});
    if (ball >= -1) return;
    // Land: two rounded masses, lit like the sea.
    V2 q = p - c;
    double land = unite(sdRoundBox(rotate(q - V2{-2.4, -1.6}, 0.5), {2.6, 3.6}, 1.6),
                        sdRoundBox(rotate(q - V2{3.0, 2.6}, -0.3), {2.0, 2.8}, 1.4));
    over(s, mix(Rgb{0.55, 0.85, 0.40}, Rgb{0.25, 0.60, 0.22}, clamp01((p.y - 2) / 12)), inside(land));
    // Meridians and the equator.
    double lines =
        std::min({std::abs(q.y) - 0.3, std::abs(length({q.x / 0.45, q.y}) - r + 0.5) - 0.3, std::abs(q.x) - 0.3});
    over(s, kWhite, 0.45 * inside(lines));
    V2 gloss = (q - V2{-2.5, -3}) * (1 / 3.0);
    over(s, kWhite, 0.5 * (1 - smoothstep(0.3, 1.0, length(gloss))));
}

void paintGear(Rgba& s, V2 p) {
    double gear = sdGear(p, {8, 8}, 14.5, 8);
    paintShadow(s, gear - 0.3, 0.2);
    paintShape(s, p, gear, {{0.90, 0.92, 0.95}, {0.52, 0.56, 0.63}, 1, 15, 0.3});
    double hub = std::abs(length(p - V2{8, 8}) - 3.3) - 0.45;
    over(s, Rgb{0.45, 0.48, 0.55}, 0.6 * inside(hub) * (gear < -1 ? 1 : 0));
}

void paintWindow(Rgba& s, V2 p, double left, double top, double right, double bottom) {
    double win = sdRect(p, left, top, right, bottom, 0.8);
    paintShadow(s, win - 0.4, 0.2);
    paintShape(s, p, win, {kPaper, Rgb{0.88, 0.90, 0.93}, top, bottom, 0.0});
    double title = sdRect(p, left + 1, top + 1, right - 1, top + 4);
    paintFlat(s, title, mix(Rgb{0.40, 0.62, 0.95}, Rgb{0.18, 0.40, 0.80}, clamp01((p.y - top) / 4)));
}

void paintClipboard(Rgba& s, V2 p) {
    double board = sdRect(p, 2, 2, 14, 15.5, 1.2);
    paintShadow(s, board - 0.4, 0.22);
    paintShape(s, p, board, {{0.86, 0.64, 0.38}, {0.62, 0.40, 0.20}, 2, 15, 0.25});
    paintPage(s, p, 4, 4.5, 12, 14, true);
    double clip = sdRect(p, 5, 1, 11, 5, 1.2);
    paintShape(s, p, clip, {{0.95, 0.96, 0.98}, {0.60, 0.63, 0.70}, 1, 5, 0.2});
}

void paintFloppy(Rgba& s, V2 p) {
    const V2 outline[] = {{1, 1}, {13, 1}, {15, 3}, {15, 15}, {1, 15}};
    double disk = sdPolygon(p, outline);
    paintShadow(s, disk - 0.4, 0.2);
    paintShape(s, p, disk, {{0.36, 0.55, 0.92}, {0.14, 0.28, 0.64}, 1, 15, 0.25});
    double label = sdRect(p, 3.5, 1.5, 12.5, 7.5, 0.5);
    paintShape(s, p, label, {kPaper, Rgb{0.86, 0.88, 0.92}, 1, 8, 0.0});
    for (double y : {3.5, 5.5}) paintFlat(s, sdRect(p, 5, y - 0.5, 11, y + 0.5), kInk, 0.8);
    double shutter = sdRect(p, 4.5, 10, 11.5, 15, 0.4);
    paintShape(s, p, shutter, {{0.90, 0.92, 0.95}, {0.62, 0.66, 0.72}, 10, 15, 0.2});
    paintFlat(s, sdRect(p, 6, 11, 7.6, 14), Rgb{0.30, 0.33, 0.40});
}

void paintLittleMachine(Rgba& s, V2 p, double left, double top, double right, double bottom) {
    double w = right - left, h = bottom - top;
    double body = sdRect(p, left, top, right, bottom, w * 0.12);
    paintShadow(s, body - 0.4, 0.22);
    paintShape(s, p, body, {{1.0, 1.0, 1.0}, {0.80, 0.83, 0.88}, top, bottom, 0.0});
    if (body >= -1) return;
    double panelBottom = top + h * 0.27;
    if (p.y < panelBottom) over(s, Rgb{0.88, 0.90, 0.94}, 0.7);
    paintFlat(s, std::abs(p.y - panelBottom) - 0.35, Rgb{0.62, 0.66, 0.74});
    // Three knobs: hide, extract and power.
    const Rgb knobs[] = {{0.20, 0.48, 0.90}, {0.16, 0.66, 0.34}, {0.86, 0.20, 0.18}};
    for (int i = 0; i < 3; ++i)
        paintFlat(s, length(p - V2{left + w * (0.5 + 0.16 * i), top + h * 0.14}) - h * 0.065, knobs[i]);
    V2 door{left + w / 2, top + h * 0.62};
    double radius = std::min(w, h) * 0.3;
    double ring = length(p - door) - radius;
    paintShape(s, p, ring, {{0.92, 0.94, 0.97}, {0.55, 0.59, 0.66}, door.y - radius, door.y + radius, 0.0});
    double glass = length(p - door) - (radius - 1.4);
    if (glass < 0) {
        Rgb c = mix(Rgb{0.52, 0.70, 0.92}, Rgb{0.14, 0.30, 0.58}, clamp01((p.y - (door.y - radius)) / (2 * radius)));
        over(s, c, 1);
        V2 g = (p - door - V2{-radius * 0.3, -radius * 0.35}) * (1 / radius);
        over(s, kWhite, 0.55 * (1 - smoothstep(0.15, 0.45, length(g))));
    }
}
