// The desktop tests drive the real program on the X server of $DISPLAY (xvfb-run starts one),
// whatever platform the caller's environment names. Each run gets a runtime folder of its own,
// as a desktop session would give it.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "xcb");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
