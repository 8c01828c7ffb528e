#include "fakegl.h"

#include <GL/freeglut.h>
#include <GL/gl.h>
#include <GL/glu.h>
#include <GL/glx.h>

#include <GL/glx.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <deque>

namespace fakegl {
namespace {

struct State {
    std::vector<Call> calls;
    Callbacks callbacks;
    std::vector<Upload> uploads;
    int alignment = 4;
    GLuint nextName = 1;
    GLuint bound = 0;
    std::deque<int> clock;
    std::deque<unsigned char> keys;
    int currentWindow = 0;
    int windows = 0;
    int lastTime = 0;
};

State &state() {
    static State s;
    return s;
}

void record(const char *name, std::vector<double> args, std::string text = {}) {
    state().calls.push_back(Call{name, std::move(args), std::move(text)});
}

} // namespace

void reset() {
    state() = State{};
}

const std::vector<Call> &calls() {
    return state().calls;
}

std::vector<Call> callsNamed(const std::string &name) {
    std::vector<Call> found;
    for (const Call &c : state().calls) {
        if (c.name == name) {
            found.push_back(c);
        }
    }
    return found;
}

std::vector<std::string> names() {
    std::vector<std::string> all;
    for (const Call &c : state().calls) {
        all.push_back(c.name);
    }
    return all;
}

std::size_t count(const std::string &name) {
    return static_cast<std::size_t>(std::count_if(state().calls.begin(), state().calls.end(),
                                                  [&](const Call &c) { return c.name == name; }));
}

const Callbacks &callbacks() {
    return state().callbacks;
}
const std::vector<Upload> &uploads() {
    return state().uploads;
}
int unpackAlignment() {
    return state().alignment;
}

void queueKeys(const std::string &keys) {
    state().keys.insert(state().keys.end(), keys.begin(), keys.end());
}

void setElapsedTime(int ms) {
    state().clock.clear();
    state().lastTime = ms;
}

void queueElapsedTimes(const std::vector<int> &ms) {
    state().clock.assign(ms.begin(), ms.end());
}

} // namespace fakegl

using fakegl::record;
using fakegl::state;

extern "C" {

void glBegin(GLenum mode) {
    record("glBegin", {double(mode)});
}
void glEnd() {
    record("glEnd", {});
}
void glVertex3f(GLfloat x, GLfloat y, GLfloat z) {
    record("glVertex3f", {x, y, z});
}
void glTexCoord2f(GLfloat s, GLfloat t) {
    record("glTexCoord2f", {s, t});
}
void glColor3f(GLfloat r, GLfloat g, GLfloat b) {
    record("glColor3f", {r, g, b});
}
void glMatrixMode(GLenum mode) {
    record("glMatrixMode", {double(mode)});
}
void glLoadIdentity() {
    record("glLoadIdentity", {});
}
void glTranslatef(GLfloat x, GLfloat y, GLfloat z) {
    record("glTranslatef", {x, y, z});
}
void glRotatef(GLfloat a, GLfloat x, GLfloat y, GLfloat z) {
    record("glRotatef", {a, x, y, z});
}
void glOrtho(GLdouble l, GLdouble r, GLdouble b, GLdouble t, GLdouble n, GLdouble f) {
    record("glOrtho", {l, r, b, t, n, f});
}
void glPushMatrix() {
    record("glPushMatrix", {});
}
void glPopMatrix() {
    record("glPopMatrix", {});
}
void glRasterPos2i(GLint x, GLint y) {
    record("glRasterPos2i", {double(x), double(y)});
}
void glViewport(GLint x, GLint y, GLsizei w, GLsizei h) {
    record("glViewport", {double(x), double(y), double(w), double(h)});
}
void glEnable(GLenum cap) {
    record("glEnable", {double(cap)});
}
void glDisable(GLenum cap) {
    record("glDisable", {double(cap)});
}
void glPolygonMode(GLenum face, GLenum mode) {
    record("glPolygonMode", {double(face), double(mode)});
}
void glClear(GLbitfield mask) {
    record("glClear", {double(mask)});
}
void glClearColor(GLclampf r, GLclampf g, GLclampf b, GLclampf a) {
    record("glClearColor", {r, g, b, a});
}
void glGenTextures(GLsizei n, GLuint *textures) {
    record("glGenTextures", {double(n)});
    for (GLsizei i = 0; i < n; ++i) {
        textures[i] = state().nextName++;
    }
}
void glDeleteTextures(GLsizei n, const GLuint *textures) {
    std::vector<double> names;
    for (GLsizei i = 0; i < n; ++i) {
        names.push_back(textures[i]);
    }
    record("glDeleteTextures", names);
}
void glBindTexture(GLenum target, GLuint texture) {
    record("glBindTexture", {double(target), double(texture)});
    state().bound = texture;
}
void glTexParameteri(GLenum target, GLenum name, GLint value) {
    record("glTexParameteri", {double(target), double(name), double(value)});
}
void glPixelStorei(GLenum name, GLint value) {
    record("glPixelStorei", {double(name), double(value)});
    if (name == GL_UNPACK_ALIGNMENT) {
        state().alignment = value;
    }
}
void glGetIntegerv(GLenum name, GLint *value) {
    record("glGetIntegerv", {double(name)});
    *value = name == GL_UNPACK_ALIGNMENT ? state().alignment : 0;
}
void glTexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height,
                  GLint border, GLenum format, GLenum type, const void *pixels) {
    record("glTexImage2D", {double(target), double(level), double(internalFormat), double(width),
                            double(height), double(border), double(format), double(type)});
    fakegl::Upload upload{state().bound, width, height, state().alignment, {}};
    if (pixels != nullptr && width > 0 && height > 0 && format == GL_RGB &&
        type == GL_UNSIGNED_BYTE) {
        // Read exactly what OpenGL reads: rows stepped by the aligned row length, the last row
        // only as far as its pixels go. Reading past the caller's block shows up under ASan.
        const std::size_t row = std::size_t(width) * 3;
        const std::size_t a = std::size_t(state().alignment);
        const std::size_t stride = (row + a - 1) / a * a;
        const auto *bytes = static_cast<const unsigned char *>(pixels);
        upload.pixels.reserve(std::size_t(width) * std::size_t(height) * 3);
        for (GLsizei r = 0; r < height; ++r) {
            const unsigned char *start = bytes + stride * std::size_t(r);
            upload.pixels.insert(upload.pixels.end(), start, start + row);
        }
    }
    state().uploads.push_back(std::move(upload));
}

void glCopyTexSubImage2D(GLenum target, GLint level, GLint xoffset, GLint yoffset, GLint x, GLint y,
                         GLsizei width, GLsizei height) {
    record("glCopyTexSubImage2D", {double(target), double(level), double(xoffset), double(yoffset),
                                   double(x), double(y), double(width), double(height)});
}
void glTexEnvi(GLenum target, GLenum name, GLint value) {
    record("glTexEnvi", {double(target), double(name), double(value)});
}

void glRecti(GLint x1, GLint y1, GLint x2, GLint y2) {
    record("glRecti", {double(x1), double(y1), double(x2), double(y2)});
}

void gluPerspective(GLdouble fovy, GLdouble aspect, GLdouble zNear, GLdouble zFar) {
    record("gluPerspective", {fovy, aspect, zNear, zFar});
}
void gluLookAt(GLdouble ex, GLdouble ey, GLdouble ez, GLdouble cx, GLdouble cy, GLdouble cz,
               GLdouble ux, GLdouble uy, GLdouble uz) {
    record("gluLookAt", {ex, ey, ez, cx, cy, cz, ux, uy, uz});
}

void glutInit(int *argc, char **argv) {
    std::string line;
    for (int i = 0; i < *argc; ++i) {
        line += (i ? " " : "") + std::string(argv[i]);
    }
    record("glutInit", {double(*argc)}, line);
}
void glutInitDisplayMode(unsigned int mode) {
    record("glutInitDisplayMode", {double(mode)});
}
void glutInitWindowSize(int w, int h) {
    record("glutInitWindowSize", {double(w), double(h)});
}
void glutInitWindowPosition(int x, int y) {
    record("glutInitWindowPosition", {double(x), double(y)});
}
int glutCreateWindow(const char *title) {
    record("glutCreateWindow", {}, title);
    state().currentWindow = ++state().windows;
    return state().currentWindow;
}
int glutGetWindow() {
    record("glutGetWindow", {});
    return state().currentWindow;
}
void glutSetWindow(int window) {
    record("glutSetWindow", {double(window)});
    state().currentWindow = window;
}
void glutDestroyWindow(int window) {
    record("glutDestroyWindow", {double(window)});
}
void glutSetOption(GLenum what, int value) {
    record("glutSetOption", {double(what), double(value)});
}
void glutCloseFunc(void (*f)()) {
    record("glutCloseFunc", {});
    state().callbacks.close = f;
}
void glutMouseFunc(void (*f)(int, int, int, int)) {
    record("glutMouseFunc", {});
    state().callbacks.mouse = f;
}
void glutMainLoopEvent() {
    record("glutMainLoopEvent", {});
    auto &s = state();
    if (!s.keys.empty() && s.callbacks.keyboard) {
        const unsigned char key = s.keys.front();
        s.keys.pop_front();
        s.callbacks.keyboard(key, 0, 0);
    } else if (s.callbacks.close) {
        s.callbacks.close();
    } else {
        std::fputs("fakegl: glutMainLoopEvent with nothing left to happen\n", stderr);
        std::abort();
    }
}
void glutExit() {
    record("glutExit", {});
}
// Every character is 10 pixels wide.
int glutBitmapWidth(void *, int) {
    return 10;
}
void glutDisplayFunc(void (*f)()) {
    record("glutDisplayFunc", {});
    state().callbacks.display = f;
}
void glutIdleFunc(void (*f)()) {
    record("glutIdleFunc", {});
    state().callbacks.idle = f;
}
void glutReshapeFunc(void (*f)(int, int)) {
    record("glutReshapeFunc", {});
    state().callbacks.reshape = f;
}
void glutKeyboardFunc(void (*f)(unsigned char, int, int)) {
    record("glutKeyboardFunc", {});
    state().callbacks.keyboard = f;
}
void glutSpecialFunc(void (*f)(int, int, int)) {
    record("glutSpecialFunc", {});
    state().callbacks.special = f;
}
void glutKeyboardUpFunc(void (*f)(unsigned char, int, int)) {
    record("glutKeyboardUpFunc", {});
    state().callbacks.keyboardUp = f;
}
void glutSpecialUpFunc(void (*f)(int, int, int)) {
    record("glutSpecialUpFunc", {});
    state().callbacks.specialUp = f;
}
void glutIgnoreKeyRepeat(int ignore) {
    record("glutIgnoreKeyRepeat", {double(ignore)});
}
// No X display behind the fake: the game falls back on its own defaults.
Display *glXGetCurrentDisplay() {
    record("glXGetCurrentDisplay", {});
    return nullptr;
}
GLXDrawable glXGetCurrentDrawable() {
    record("glXGetCurrentDrawable", {});
    return 0;
}
void glutTimerFunc(unsigned int ms, void (*f)(int), int value) {
    record("glutTimerFunc", {double(ms), double(value)});
    state().callbacks.timer = f;
    state().callbacks.timerMs = ms;
    state().callbacks.timerValue = value;
}
// The real loop never returns; the fake one returns at once so start-up can be checked to the end.
void glutMainLoop() {
    record("glutMainLoop", {});
}
int glutGet(GLenum what) {
    record("glutGet", {double(what)});
    if (what != GLUT_ELAPSED_TIME) {
        return 0;
    }
    auto &s = state();
    if (!s.clock.empty()) {
        s.lastTime = s.clock.front();
        s.clock.pop_front();
    }
    return s.lastTime;
}
void glutSwapBuffers() {
    record("glutSwapBuffers", {});
}
void glutPostRedisplay() {
    record("glutPostRedisplay", {});
}
void glutFullScreen() {
    record("glutFullScreen", {});
}
void glutLeaveFullScreen() {
    record("glutLeaveFullScreen", {});
}
void glutPositionWindow(int x, int y) {
    record("glutPositionWindow", {double(x), double(y)});
}
void glutReshapeWindow(int w, int h) {
    record("glutReshapeWindow", {double(w), double(h)});
}
void glutWindowStatusFunc(void (*f)(int)) {
    record("glutWindowStatusFunc", {});
    state().callbacks.windowStatus = f;
}

// The fonts are told apart by address, as in freeglut.
void *glutBitmapTimesRoman24 = nullptr;
void *glutBitmapHelvetica10 = nullptr;
void *glutBitmapHelvetica12 = nullptr;
void *glutBitmapHelvetica18 = nullptr;

// Each character is recorded with itself as the text, so a test can read what was written.
void glutBitmapCharacter(void *, int c) {
    record("glutBitmapCharacter", {double(c)}, std::string(1, static_cast<char>(c)));
}
void *glutStrokeRoman = nullptr;

// Each character is recorded with itself as the text, as the bitmap fonts' are; every one is 50 of
// the font's units wide.
void glutStrokeCharacter(void *, int c) {
    record("glutStrokeCharacter", {double(c)}, std::string(1, static_cast<char>(c)));
}
int glutStrokeWidth(void *, int) {
    return 50;
}
void glLineWidth(GLfloat width) {
    record("glLineWidth", {width});
}
void glBlendFunc(GLenum source, GLenum destination) {
    record("glBlendFunc", {double(source), double(destination)});
}
void glScalef(GLfloat x, GLfloat y, GLfloat z) {
    record("glScalef", {x, y, z});
}

// Every character is 10 pixels wide in the fake.
int glutBitmapLength(void *, const unsigned char *text) {
    int length = 0;
    while (text[length] != 0) {
        ++length;
    }
    return 10 * length;
}

} // extern "C"
