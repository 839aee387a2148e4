#include "icon_painting.h"

void paintShape(Rgba& sample, V2 p, double distance, const Fill& fill) {
    if (distance >= 0) return;
    Rgb c = mix(fill.light, fill.dark, smoothstep(fill.from, fill.to, p.y));
    if (distance > -1.0)
        c = mix(fill.dark, kBlack, 0.35);
    else if (distance > -2.0)
        c = mix(c, kWhite, fill.shine);
    over(sample, c, 1);
}

void paintFlat(Rgba& sample, double distance, Rgb colour, double opacity) {
    if (distance < 0) over(sample, colour, opacity);
}

void paintShadow(Rgba& sample, double distance, double opacity) {
    over(sample, kBlack, opacity * (1 - smoothstep(-0.5, 1.2, distance)));
}

CoverPicture drawIcon(int size, const IconPainter& paint) {
    return renderCover(size, size, 8, [&](V2 p) {
        Rgba sample;
        paint(sample, p);
        return sample;
    });
}
