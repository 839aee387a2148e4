#include "small_pictures.h"

#include "glyph_shapes.h"
#include "icon_objects.h"

namespace {

constexpr int kSize = 16;
const Rgb kBlue{0.20, 0.48, 0.90};
const Rgb kGreen{0.16, 0.66, 0.34};
const Rgb kRed{0.86, 0.20, 0.18};

struct NamedPainter {
    const char* name;
    IconPainter paint;
};

NamedPainter icon(const char* name, const IconPainter& paint) { return {name, paint}; }

// At scale 2 a picture is painted anew on 32 x 32 pixels in its own 16 x 16 coordinates.
std::vector<NamedIcon> drawAll(const std::vector<NamedPainter>& painters, int scale) {
    const double unit = 1.0 / scale;
    std::vector<NamedIcon> icons;
    for (const NamedPainter& painter : painters)
        icons.push_back({painter.name, drawIcon(kSize * scale, [&](Rgba& s, V2 p) { painter.paint(s, p * unit); })});
    return icons;
}

// The picture a message goes into or comes out of, with a badge saying which.
void paintPhotoBehindBadge(Rgba& s, V2 p) { paintPhoto(s, p, 0.5, 4.5, 13, 15); }

void paintHelp(Rgba& s, V2 p) {
    paintBadge(s, p, {8, 8}, 7.2, kBlue, [](V2 q) { return sdQuestionMark(q, {8, 8.2}, 10.5); });
}

std::vector<NamedPainter> menuPainters() {
    return {
        icon("menu_open", [](Rgba& s, V2 p) { paintFolder(s, p, true); }),
        icon("menu_hide",
             [](Rgba& s, V2 p) {
                 paintPhotoBehindBadge(s, p);
                 paintArrow(s, p, {11.5, 0.5}, {11.5, 11}, kBlue);
             }),
        icon("menu_extract",
             [](Rgba& s, V2 p) {
                 paintPhotoBehindBadge(s, p);
                 paintArrow(s, p, {11.5, 11.5}, {11.5, 0.5}, kGreen);
             }),
        icon("menu_close",
             [](Rgba& s, V2 p) {
                 paintPhoto(s, p, 0.5, 1.5, 13, 12);
                 paintBadge(s, p, {11.2, 11.2}, 4.6, kRed, [](V2 q) { return sdCross(q, {11.2, 11.2}, 7.4); });
             }),
        icon("menu_language", paintGlobe),
        icon("menu_minimize",
             [](Rgba& s, V2 p) {
                 paintWindow(s, p, 0.5, 0.5, 13, 10.5);
                 paintArrow(s, p, {10.5, 5}, {10.5, 15.5}, kBlue);
             }),
        icon("menu_options", paintGear),
        icon("menu_help", paintHelp),
        icon("menu_about", [](Rgba& s, V2 p) { paintLittleMachine(s, p, 2, 0.5, 14, 15.5); }),
        icon("menu_exit",
             [](Rgba& s, V2 p) {
                 paintBadge(s, p, {8, 8}, 7.2, kRed, [](V2 q) { return sdPowerSign(q, {8, 8.3}, 11); });
             }),
    };
}

std::vector<NamedPainter> buttonPainters() {
    return {
        icon("button_ok",
             [](Rgba& s, V2 p) {
                 double tick = sdTick(p, {8, 8.5}, 15) - 0.6;
                 paintShadow(s, tick - 0.3, 0.25);
                 paintShape(s, p, tick, {{0.45, 0.88, 0.45}, kGreen * 0.85, 1, 15, 0.3});
             }),
        icon("button_cancel",
             [](Rgba& s, V2 p) {
                 double cross = sdCross(p, {8, 8}, 16) - 0.5;
                 paintShadow(s, cross - 0.3, 0.25);
                 paintShape(s, p, cross, {{1.0, 0.48, 0.42}, kRed * 0.85, 1, 15, 0.3});
             }),
        icon("button_help", paintHelp),
        icon("button_open_text",
             [](Rgba& s, V2 p) {
                 paintFolder(s, p, true, [](Rgba& in, V2 q) { paintPage(in, q, 4, 0.5, 13, 11, true); });
             }),
        icon("button_paste", paintClipboard),
        icon("button_save_text", paintFloppy),
        icon("button_copy",
             [](Rgba& s, V2 p) {
                 paintPage(s, p, 1, 0.5, 10.5, 11.5, true);
                 paintPage(s, p, 5.5, 4.5, 15, 15.5, true);
             }),
    };
}

}  // namespace

std::vector<NamedIcon> drawMenuPictures(int scale) { return drawAll(menuPainters(), scale); }

std::vector<NamedIcon> drawButtonPictures(int scale) { return drawAll(buttonPainters(), scale); }
