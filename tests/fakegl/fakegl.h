#pragma once

// A recording stand-in for the OpenGL, GLU and GLUT entry points the game calls. Test programs
// link it in place of the real libraries, so drawing and start-up can be checked call by call
// without a display.

#include <string>
#include <vector>

namespace fakegl {

struct Call {
    std::string name;
    std::vector<double> args; // numeric arguments, in order
    std::string text;         // the string argument, if any (window title, argv)
};

struct Callbacks {
    void (*display)() = nullptr;
    void (*idle)() = nullptr;
    void (*reshape)(int, int) = nullptr;
    void (*keyboard)(unsigned char, int, int) = nullptr;
    void (*special)(int, int, int) = nullptr;
    void (*keyboardUp)(unsigned char, int, int) = nullptr;
    void (*specialUp)(int, int, int) = nullptr;
    void (*timer)(int) = nullptr;
    void (*windowStatus)(int) = nullptr;
    void (*mouse)(int, int, int, int) = nullptr;
    void (*close)() = nullptr;
    unsigned int timerMs = 0;
    int timerValue = 0;
};

struct Upload {
    unsigned int texture; // name bound when the picture was sent
    int width;
    int height;
    int alignment;                     // GL_UNPACK_ALIGNMENT in force
    std::vector<unsigned char> pixels; // the bytes OpenGL would have read
};

// Forgets every call and puts all state back as a fresh context: alignment 4, no texture names
// given, clock at 0, no callbacks.
void reset();

const std::vector<Call> &calls();
std::vector<Call> callsNamed(const std::string &name);
std::vector<std::string> names();
std::size_t count(const std::string &name);

const Callbacks &callbacks();
const std::vector<Upload> &uploads();
int unpackAlignment();

// glutMainLoopEvent hands the queued keys, one a call, to the keyboard callback; with none left it
// closes the current window as a window manager would (the close callback). With neither, the
// program would wait for ever: it stops.
void queueKeys(const std::string &keys);

// glutGet(GLUT_ELAPSED_TIME) returns the queued readings one by one, then keeps returning the
// last one.
void setElapsedTime(int ms);
void queueElapsedTimes(const std::vector<int> &ms);

} // namespace fakegl
