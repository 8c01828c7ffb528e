#include "x_display.h"

#include "wait.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <cstdlib>
#include <stdexcept>

namespace harness {

namespace {

int lastError = 0;

int recordError(Display *, XErrorEvent *event) {
    lastError = event->error_code;
    return 0;
}

// Runs requests and tells whether the server refused any of them.
template <typename Requests> bool withoutErrors(Display *display, Requests requests) {
    XSync(display, False);
    lastError = 0;
    requests();
    XSync(display, False);
    return lastError == 0;
}

std::optional<std::string> textProperty(Display *display, Window window, Atom property) {
    XTextProperty text{};
    if (XGetTextProperty(display, window, &text, property) == 0 || text.value == nullptr) {
        return std::nullopt;
    }
    std::string value(reinterpret_cast<const char *>(text.value), text.nitems);
    XFree(text.value);
    return value;
}

void collectTitled(Display *display, Window window, const std::string &title, Atom netWmName,
                   std::vector<WindowId> &found) {
    if (textProperty(display, window, XA_WM_NAME) == title ||
        textProperty(display, window, netWmName) == title) {
        found.push_back(window);
    }
    Window root = 0;
    Window parent = 0;
    Window *children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, window, &root, &parent, &children, &count) == 0) {
        return;
    }
    for (unsigned int i = 0; i < count; ++i) {
        collectTitled(display, children[i], title, netWmName, found);
    }
    if (children != nullptr) {
        XFree(children);
    }
}

// Spreads the bits of one colour mask over 0 to 255.
std::uint8_t channel(unsigned long pixel, unsigned long mask) {
    if (mask == 0) {
        return 0;
    }
    int shift = 0;
    while (((mask >> shift) & 1u) == 0) {
        ++shift;
    }
    const unsigned long max = mask >> shift;
    const unsigned long value = (pixel & mask) >> shift;
    return static_cast<std::uint8_t>(value * 255 / max);
}

} // namespace

XConnection::XConnection() {
    // An X server resets when its last client leaves and refuses connections meanwhile, as
    // happens between two tests: keep trying for a while.
    waitUntil(
        [this] {
            display_ = XOpenDisplay(nullptr);
            return display_ != nullptr;
        },
        std::chrono::seconds(10), std::chrono::milliseconds(50));
    if (display_ == nullptr) {
        const char *name = std::getenv("DISPLAY");
        throw std::runtime_error(std::string("cannot open the X display \"") +
                                 (name != nullptr ? name : "") +
                                 "\": run under xvfb-run -a -s \"-screen 0 1280x1024x24\"");
    }
    XSetErrorHandler(recordError);
    int event = 0;
    int error = 0;
    int major = 0;
    int minor = 0;
    if (!XTestQueryExtension(display_, &event, &error, &major, &minor)) {
        XCloseDisplay(display_);
        throw std::runtime_error("the X server has no XTest extension");
    }
}

XConnection::~XConnection() {
    XCloseDisplay(display_);
}

std::vector<WindowId> XConnection::windowsTitled(const std::string &title) const {
    std::vector<WindowId> found;
    const Atom netWmName = XInternAtom(display_, "_NET_WM_NAME", False);
    withoutErrors(display_, [&] {
        collectTitled(display_, DefaultRootWindow(display_), title, netWmName, found);
    });
    return found;
}

std::optional<WindowGeometry> XConnection::geometry(WindowId window) const {
    XWindowAttributes attributes{};
    Window child = 0;
    WindowGeometry g;
    const bool ok = withoutErrors(display_, [&] {
        if (XGetWindowAttributes(display_, window, &attributes) != 0) {
            XTranslateCoordinates(display_, window, DefaultRootWindow(display_), 0, 0, &g.x, &g.y,
                                  &child);
        }
    });
    if (!ok) {
        return std::nullopt;
    }
    g.width = attributes.width;
    g.height = attributes.height;
    g.viewable = attributes.map_state == IsViewable;
    return g;
}

int XConnection::screenWidth() const {
    return DisplayWidth(display_, DefaultScreen(display_));
}

int XConnection::screenHeight() const {
    return DisplayHeight(display_, DefaultScreen(display_));
}

void XConnection::moveOnScreen(WindowId window) const {
    const auto g = geometry(window);
    if (!g || (g->x >= 0 && g->y >= 0 && g->x + g->width <= screenWidth() &&
               g->y + g->height <= screenHeight())) {
        return;
    }
    withoutErrors(display_, [&] { XMoveWindow(display_, window, 0, 0); });
}

bool XConnection::resize(WindowId window, int width, int height) const {
    return withoutErrors(display_, [&] {
        XResizeWindow(display_, window, static_cast<unsigned>(width),
                      static_cast<unsigned>(height));
    });
}

std::optional<Image> XConnection::capture(WindowId window) const {
    const auto g = geometry(window);
    if (!g || !g->viewable || g->width <= 0 || g->height <= 0) {
        return std::nullopt;
    }
    XImage *pixels = nullptr;
    const bool ok = withoutErrors(display_, [&] {
        pixels = XGetImage(display_, window, 0, 0, static_cast<unsigned>(g->width),
                           static_cast<unsigned>(g->height), AllPlanes, ZPixmap);
    });
    if (!ok || pixels == nullptr) {
        if (pixels != nullptr) {
            XDestroyImage(pixels);
        }
        return std::nullopt;
    }
    Image image(pixels->width, pixels->height);
    for (int y = 0; y < pixels->height; ++y) {
        for (int x = 0; x < pixels->width; ++x) {
            const unsigned long p = XGetPixel(pixels, x, y);
            image.set(x, y,
                      {channel(p, pixels->red_mask), channel(p, pixels->green_mask),
                       channel(p, pixels->blue_mask)});
        }
    }
    XDestroyImage(pixels);
    return image;
}

bool XConnection::sendKey(WindowId window, const std::string &keyName, bool press) const {
    const KeySym symbol = XStringToKeysym(keyName.c_str());
    if (symbol == NoSymbol) {
        throw std::invalid_argument("unknown key name: " + keyName);
    }
    const KeyCode code = XKeysymToKeycode(display_, symbol);
    if (code == 0) {
        throw std::invalid_argument("no key of the keyboard gives " + keyName);
    }
    return withoutErrors(display_, [&] {
        // Without a window manager nothing gives the game the focus; a user would click on it.
        XSetInputFocus(display_, window, RevertToPointerRoot, CurrentTime);
        XTestFakeKeyEvent(display_, code, press ? True : False, CurrentTime);
    });
}

std::optional<WindowId> XConnection::focus() const {
    Window window = 0;
    int revert = 0;
    XGetInputFocus(display_, &window, &revert);
    if (window == None || window == PointerRoot) {
        return std::nullopt;
    }
    return window;
}

bool XConnection::click(WindowId window, int x, int y) const {
    const auto g = geometry(window);
    if (!g || !g->viewable) {
        return false;
    }
    return withoutErrors(display_, [&] {
        XTestFakeMotionEvent(display_, DefaultScreen(display_), g->x + x, g->y + y, CurrentTime);
        XTestFakeButtonEvent(display_, 1, True, CurrentTime);
        XTestFakeButtonEvent(display_, 1, False, CurrentTime);
    });
}

bool XConnection::requestClose(WindowId window) const {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    return withoutErrors(display_,
                         [&] { XSendEvent(display_, window, False, NoEventMask, &event); });
}

} // namespace harness
