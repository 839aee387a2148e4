// The first-run tips and the About box grow out of their centre before they appear and shrink
// back after they have gone; the tips are centred on the screen before their outline plays.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QTimer>

#include <functional>
#include <memory>

#include "anim/EffectOverlay.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/FirstOpenDialog.h"
#include "DialogDriving.h"
#include "RecordingDialogDesktop.h"

namespace velmora {
namespace {

const EffectOverlay* visibleOverlay() {
    for (const QWidget* widget : QApplication::topLevelWidgets())
        if (const auto* overlay = qobject_cast<const EffectOverlay*>(widget); overlay && overlay->isVisible())
            return overlay;
    return nullptr;
}

// What a watcher saw while the dialog ran modally and was closed by OK.
struct Sightings {
    bool overlayBeforeModal = false;
    bool overlayWhileModal = false;
    bool overlayAfterClosing = false;
    bool overlayCoveredTheDialog = true;  // every overlay seen before the dialog was up
    QRect dialogWhenModal;
};

Sightings watchRun(QDialog& dialog) {
    Sightings seen;
    bool closing = false;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        const EffectOverlay* overlay = visibleOverlay();
        if (!overlay) return;
        if (closing) {
            seen.overlayAfterClosing |= !dialog.isVisible();
        } else if (QApplication::activeModalWidget() == &dialog) {
            seen.overlayWhileModal = true;
        } else {
            seen.overlayBeforeModal = true;
            seen.overlayCoveredTheDialog &= overlay->geometry().contains(dialog.frameGeometry());
        }
    });
    watcher.start(0);
    test::whileOpen([&] { EXPECT_EQ(dialog.exec(), QDialog::Accepted); },
                    [&] {
                        seen.dialogWhenModal = dialog.frameGeometry();
                        closing = true;
                        dialog.accept();
                    });
    return seen;
}

TEST(WindowEffects, TheTipsAndTheAboutBoxAppearAndVanishWithTheirEffect) {
    test::RecordingDialogDesktop<> desktop;
    struct Case {
        const char* dialog;
        std::function<std::unique_ptr<QDialog>()> make;
        bool centred;
    };
    const std::vector<Case> cases = {
        {"first-run tips", [&] { return std::make_unique<FirstOpenDialog>(desktop); }, true},
        {"About", [&] { return std::make_unique<AboutDialog>(desktop); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dialog);
        const std::unique_ptr<QDialog> dialog = c.make();
        const QPoint placed = dialog->pos();
        const Sightings seen = watchRun(*dialog);
        EXPECT_TRUE(seen.overlayBeforeModal) << "the growing outline plays before the dialog is up";
        EXPECT_TRUE(seen.overlayCoveredTheDialog) << "it ends on the dialog where it appears";
        EXPECT_FALSE(seen.overlayWhileModal) << "nothing is drawn over the open dialog";
        EXPECT_TRUE(seen.overlayAfterClosing) << "the shrinking outline plays once the dialog has gone";
        EXPECT_EQ(visibleOverlay(), nullptr) << "no outline is left on the screen";

        const QRect screen = dialog->screen()->geometry();
        const QPoint centre(screen.left() + (screen.width() - seen.dialogWhenModal.width()) / 2,
                            screen.top() + (screen.height() - seen.dialogWhenModal.height()) / 2);
        EXPECT_EQ(seen.dialogWhenModal.topLeft(), c.centred ? centre : placed);
    }
}

}  // namespace
}  // namespace velmora
