#pragma once

#include "image.h"

#include <optional>
#include <string>
#include <vector>

// Xlib's own header defines macros (None, Bool, Status) that clash with other code: it stays
// inside x_display.cpp.
struct _XDisplay;

namespace harness {

using WindowId = unsigned long;

struct WindowGeometry {
    int x = 0; // on the root window
    int y = 0;
    int width = 0;
    int height = 0;
    bool viewable = false;
};

// One connection to the X server named by DISPLAY. X errors (a window that vanished under us)
// are recorded instead of ending the program, and turn into empty answers.
class XConnection {
public:
    XConnection();
    ~XConnection();
    XConnection(const XConnection &) = delete;
    XConnection &operator=(const XConnection &) = delete;

    // Every window whose WM_NAME or _NET_WM_NAME is exactly the title, at any depth (a window
    // manager would put the game's window inside a frame).
    std::vector<WindowId> windowsTitled(const std::string &title) const;

    std::optional<WindowGeometry> geometry(WindowId window) const;
    int screenWidth() const;
    int screenHeight() const;

    // X returns the pixels of a window only when all of it lies on the screen: moves it there,
    // as a user would drag it, when it is partly off.
    void moveOnScreen(WindowId window) const;

    // Resizes the window as a user dragging its corner would.
    bool resize(WindowId window, int width, int height) const;

    // The window's pixels, or nullopt when it is gone, unmapped or not wholly on screen.
    std::optional<Image> capture(WindowId window) const;

    // Key events through XTest, to the window given the input focus first. Names are X keysym
    // names: "a", "l", "Left", "Up", "Right", "Down", ...
    bool sendKey(WindowId window, const std::string &keyName, bool press) const;

    // The window that has the keyboard focus, if any.
    std::optional<WindowId> focus() const;

    // A click of the left mouse button at a point of the window, through XTest.
    bool click(WindowId window, int x, int y) const;

    // Asks the window to close as a window manager's close button does: a WM_DELETE_WINDOW
    // client message.
    bool requestClose(WindowId window) const;

private:
    _XDisplay *display_ = nullptr;
};

} // namespace harness
