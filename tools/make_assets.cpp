// Draws every picture the program reads by a fixed name and writes them into the folder named
// on the command line. Every picture is computed from geometry, sample by sample, so the
// artwork can be regenerated and tweaked without any image editor.
#include "drum_animations.h"
#include "gif_encode.h"
#include "machine_emblems.h"

#include <cstdio>
#include <exception>
#include <filesystem>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    try {
        std::filesystem::create_directories(folder);
        // The drum's own loops repeat; the "loaded" and "done" stories play once and then rest.
        writeGif((folder / "1.gif").string(), idleFrames(), true);
        writeGif((folder / "2.gif").string(), loadedFrames(), false);
        writeGif((folder / "3.gif").string(), workingFrames(), true);
        writeGif((folder / "4.gif").string(), doneFrames(), false);
        writeGif((folder / "about.gif").string(), {{drawEmblem(), 10}}, false);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_assets: %s\n", e.what());
        return 1;
    }
    return 0;
}
