#pragma once

#include <QMargins>
#include <QRect>
#include <QString>
#include <QStringList>

#include <vector>

struct _XDisplay;

namespace velmora::desktop {

using WindowId = unsigned long;

// What the X server itself says about the program's windows, read over a connection of our
// own: which windows are on the screen, where, with what shape and title; and the bells and
// window-state requests it passes on.
class XDisplay {
public:
    XDisplay();  // the display of $DISPLAY
    ~XDisplay();
    XDisplay(const XDisplay&) = delete;
    XDisplay& operator=(const XDisplay&) = delete;

    // The top-level windows of a process that are on the screen (mapped and viewable). Under a
    // window manager these are the client windows it manages (in the order it took them on),
    // inside the frames it made for them, then any window of the process straight on the root
    // (menus, outlines); without one, the root's children in stacking order.
    std::vector<WindowId> shownWindowsOf(long long pid);
    // Whether a window manager runs on the screen (it names its check window on the root).
    bool hasWindowManager();
    // What the window manager lets the user do with a window (_NET_WM_ALLOWED_ACTIONS, such
    // as "_NET_WM_ACTION_RESIZE"), and the frame it put round it (_NET_FRAME_EXTENTS).
    QStringList allowedActions(WindowId window);
    QMargins frameExtents(WindowId window);
    // The screen's size.
    QSize screenSize();
    // Place on the screen and size.
    QRect geometry(WindowId window);
    // The rectangles of the window's bounding shape, as the server keeps them (banded).
    std::vector<QRect> boundingShape(WindowId window);
    QString title(WindowId window);

    // From now on, bells and requests to take windows off the screen are recorded.
    void watch();
    // Whether the bell rang since watch(), waiting up to `ms` for it.
    bool bellRang(int ms);
    // Whether the window asked to be iconified or was unmapped since watch(), waiting up to `ms`.
    bool leftTheScreen(WindowId window, int ms);

private:
    template <typename Seen>
    bool awaitEvent(int ms, Seen seen);

    _XDisplay* display_;
    int xkbEventBase_ = 0;
};

}  // namespace velmora::desktop
