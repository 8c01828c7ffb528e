// The least a GLUT program drawing 20 frames a second can cost: an empty window of the game's
// size, cleared and swapped every 50 ms. The CPU benchmark measures the game beside it.
#include <GL/freeglut.h>

namespace {

void display() {
    // Grey rather than black, so that the harness sees the window has drawn.
    glClearColor(0.25f, 0.25f, 0.25f, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glutSwapBuffers();
}

void tick(int) {
    glutTimerFunc(50, tick, 0);
    glutPostRedisplay();
}

} // namespace

int main(int argc, char **argv) {
    glutInitWindowSize(500, 500);
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_DEPTH);
    glutCreateWindow("Cubefall");
    glutDisplayFunc(display);
    glutTimerFunc(50, tick, 0);
    glutMainLoop();
    return 0;
}
