// The shell's tests share one application object on Qt's offscreen platform, so they run headless.
#include <gtest/gtest.h>

#include "shell/VelmoraApplication.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    velmora::VelmoraApplication app(argc, argv);  // its error box is under test too
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
