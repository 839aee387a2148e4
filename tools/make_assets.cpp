// Draws every picture the program reads by a fixed name and writes them into the assets
// folder named on the command line: the drum animations and the About emblem at its top, the
// skin, buttons, icons and dialog pictures in look/, the language packs' flags in Language/.
// Every picture is computed from geometry, sample by sample, so the artwork can be
// regenerated and tweaked without any image editor, and a rebuild gives the same bytes.
#include "bmp_write.h"
#include "dialog_tile.h"
#include "drum_animations.h"
#include "flag_pictures.h"
#include "gif_encode.h"
#include "machine_emblems.h"
#include "png_write.h"
#include "skin_buttons.h"
#include "skin_outline.h"
#include "skin_picture.h"
#include "small_pictures.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace {

void writeDrum(const std::filesystem::path& folder) {
    // The drum's own loops repeat; the "loaded" and "done" stories play once and then rest.
    writeGif((folder / "1.gif").string(), idleFrames(), true);
    writeGif((folder / "2.gif").string(), loadedFrames(), false);
    writeGif((folder / "3.gif").string(), workingFrames(), true);
    writeGif((folder / "4.gif").string(), doneFrames(), false);
    writeGif((folder / "about.gif").string(), {{drawEmblem(), 10}}, false);
}

void writeLook(const std::filesystem::path& look) {
    std::filesystem::create_directories(look);
    // The window's shape is cut from the skin; a changed outline would no longer be the one
    // the program's description fixes.
    if (skinRectangleCount() != 51) throw std::logic_error("the skin's outline no longer has 51 rectangles");
    // Each picture also comes drawn for a screen of twice the density, named as Qt looks for it.
    for (int scale : {1, 2}) {
        const std::string suffix = scale == 1 ? "" : "@2x";
        Raster skin = drawSkin(scale);
        writeBmp((look / ("skin" + suffix + ".bmp")).string(), skin);
        for (const NamedRaster& face : drawSkinButtons(skin, scale))
            writeBmp((look / (face.name + suffix + ".bmp")).string(), face.raster);
        for (const auto& set : {drawMenuPictures(scale), drawButtonPictures(scale)})
            for (const NamedIcon& icon : set)
                writePng((look / (icon.name + suffix + ".png")).string(), withAlpha(icon.picture));
    }
    for (int size : {32, 48, 64, 128})
        writePng((look / ("velmora" + std::to_string(size) + ".png")).string(), withAlpha(drawProgramIcon(size)));
    writeBmp((look / "tile.bmp").string(), drawDialogTile());
}

void writeLanguageFlags(const std::filesystem::path& language) {
    std::filesystem::create_directories(language);
    writeBmp((language / "English.bmp").string(), drawEnglishFlag());
    writeBmp((language / "Russian.bmp").string(), drawRussianFlag());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s ASSETS_FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    try {
        std::filesystem::create_directories(folder);
        writeDrum(folder);
        writeLook(folder / "look");
        writeLanguageFlags(folder / "Language");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_assets: %s\n", e.what());
        return 1;
    }
    return 0;
}
