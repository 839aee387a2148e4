#include "XDisplay.h"

#include <QElapsedTimer>
#include <QThread>

#include <algorithm>
#include <stdexcept>

// Xlib's macros (Bool, Status, None…) clash with Qt's names, so it comes after every Qt header.
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/shape.h>

namespace velmora::desktop {

namespace {

// One property of a window as bytes, or nothing.
std::vector<unsigned char> property(Display* display, Window window, const char* name, Atom type) {
    Atom actualType = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const Atom atom = XInternAtom(display, name, False);
    std::vector<unsigned char> bytes;
    if (XGetWindowProperty(display, window, atom, 0, 1024, False, type, &actualType, &format, &count, &after, &data) ==
            Success &&
        data) {
        const unsigned long unit = format == 32 ? sizeof(long) : format / 8;
        bytes.assign(data, data + count * unit);
        XFree(data);
    }
    return bytes;
}

XErrorHandler defaultErrorHandler = nullptr;

// The program's windows come and go while they are being listed (menus, outlines, dialogs), so
// a question about a window that has just gone finds nothing instead of ending the test, as
// Xlib's own handler would.
int ignoreVanishedWindows(Display* display, XErrorEvent* error) {
    if (error->error_code == BadWindow || error->error_code == BadDrawable) return 0;
    return defaultErrorHandler(display, error);
}

}  // namespace

XDisplay::XDisplay() : display_(XOpenDisplay(nullptr)) {
    if (!display_) throw std::runtime_error("no X display");
    const XErrorHandler previous = XSetErrorHandler(ignoreVanishedWindows);
    if (previous != ignoreVanishedWindows) defaultErrorHandler = previous;
    int opcode = 0, errorBase = 0, major = XkbMajorVersion, minor = XkbMinorVersion;
    if (!XkbQueryExtension(display_, &opcode, &xkbEventBase_, &errorBase, &major, &minor))
        throw std::runtime_error("the X server has no XKEYBOARD extension");
}

XDisplay::~XDisplay() { XCloseDisplay(display_); }

namespace {

std::vector<Window> windowList(const std::vector<unsigned char>& bytes) {
    std::vector<Window> windows(bytes.size() / sizeof(long));
    for (std::size_t i = 0; i < windows.size(); ++i)
        windows[i] = static_cast<Window>(reinterpret_cast<const long*>(bytes.data())[i]);
    return windows;
}

}  // namespace

std::vector<WindowId> XDisplay::shownWindowsOf(long long pid) {
    std::vector<Window> candidates = windowList(
        property(display_, DefaultRootWindow(display_), "_NET_CLIENT_LIST", XA_WINDOW));
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count))
        candidates.insert(candidates.end(), children, children + count);
    if (children) XFree(children);
    std::vector<WindowId> shown;
    for (const Window candidate : candidates) {
        if (std::find(shown.begin(), shown.end(), candidate) != shown.end()) continue;
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display_, candidate, &attributes) || attributes.map_state != IsViewable) continue;
        const auto owner = property(display_, candidate, "_NET_WM_PID", XA_CARDINAL);
        if (owner.size() == sizeof(long) && *reinterpret_cast<const long*>(owner.data()) == pid) shown.push_back(candidate);
    }
    return shown;
}

bool XDisplay::hasWindowManager() {
    return !property(display_, DefaultRootWindow(display_), "_NET_SUPPORTING_WM_CHECK", XA_WINDOW).empty();
}

QStringList XDisplay::allowedActions(WindowId window) {
    QStringList names;
    for (const Window atom : windowList(property(display_, window, "_NET_WM_ALLOWED_ACTIONS", XA_ATOM))) {
        char* name = XGetAtomName(display_, atom);
        if (!name) continue;
        names << QString::fromLatin1(name);
        XFree(name);
    }
    return names;
}

QMargins XDisplay::frameExtents(WindowId window) {
    const auto bytes = property(display_, window, "_NET_FRAME_EXTENTS", XA_CARDINAL);
    if (bytes.size() != 4 * sizeof(long)) return {};
    const auto* v = reinterpret_cast<const long*>(bytes.data());
    return {static_cast<int>(v[0]), static_cast<int>(v[2]), static_cast<int>(v[1]), static_cast<int>(v[3])};
}

QSize XDisplay::screenSize() {
    return {DisplayWidth(display_, DefaultScreen(display_)), DisplayHeight(display_, DefaultScreen(display_))};
}

QRect XDisplay::geometry(WindowId window) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display_, window, &attributes)) return {};
    int x = 0, y = 0;
    Window child = 0;
    XTranslateCoordinates(display_, window, DefaultRootWindow(display_), 0, 0, &x, &y, &child);
    return {x, y, attributes.width, attributes.height};
}

std::vector<QRect> XDisplay::boundingShape(WindowId window) {
    int count = 0, ordering = 0;
    XRectangle* rects = XShapeGetRectangles(display_, window, ShapeBounding, &count, &ordering);
    std::vector<QRect> shape;
    for (int i = 0; i < count; ++i) shape.emplace_back(rects[i].x, rects[i].y, rects[i].width, rects[i].height);
    if (rects) XFree(rects);
    return shape;
}

QString XDisplay::title(WindowId window) {
    const auto bytes = property(display_, window, "_NET_WM_NAME", XInternAtom(display_, "UTF8_STRING", False));
    return QString::fromUtf8(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

void XDisplay::watch() {
    XkbSelectEvents(display_, XkbUseCoreKbd, XkbBellNotifyMask, XkbBellNotifyMask);
    // Requests to the window manager, such as iconifying, are sent to the root window for
    // whoever watches its structure; unmap notices of top-level windows come with its
    // substructure.
    XSelectInput(display_, DefaultRootWindow(display_), StructureNotifyMask | SubstructureNotifyMask);
    XSync(display_, False);
}

template <typename Seen>
bool XDisplay::awaitEvent(int ms, Seen seen) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        while (XPending(display_)) {
            XEvent event;
            XNextEvent(display_, &event);
            if (seen(event)) return true;
        }
        QThread::msleep(20);
    }
    return false;
}

bool XDisplay::bellRang(int ms) {
    return awaitEvent(ms, [this](const XEvent& event) {
        return event.type == xkbEventBase_ && reinterpret_cast<const XkbAnyEvent&>(event).xkb_type == XkbBellNotify;
    });
}

bool XDisplay::leftTheScreen(WindowId window, int ms) {
    const Atom changeState = XInternAtom(display_, "WM_CHANGE_STATE", False);
    return awaitEvent(ms, [&](const XEvent& event) {
        if (event.type == UnmapNotify) return event.xunmap.window == window;
        return event.type == ClientMessage && event.xclient.window == window &&
               event.xclient.message_type == changeState && event.xclient.data.l[0] == IconicState;
    });
}

}  // namespace velmora::desktop
