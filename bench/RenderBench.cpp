// The render core's costly steps in a real context: compiling the fractal's lists, calling the
// base list, and the smoothing pass over a full view.
#include "GLWindow.h"
#include "LWTetra.h"
#include "LWdraw.h"

#include <benchmark/benchmark.h>

static void compileFractal(benchmark::State &state) {
    GLWindow window(64, 64);
    setCorners();
    const GLuint base = glGenLists(6);
    const auto low = GLuint(state.range(0)), high = GLuint(state.range(1));
    for (auto _ : state)
        drawTetra(base, 0, low, high, 0.9f, 3.0f, 0.48f);
    glFinish();
    glDeleteLists(base, 6);
}
BENCHMARK(compileFractal)->Args({1, 3})->Args({0, 4})->Unit(benchmark::kMicrosecond);

// One call of the base list, lit and flat-shaded as a frame draws it, in a 1440 x 900 view.
static void callBaseList(benchmark::State &state) {
    GLWindow window(1440, 900);
    setCorners();
    window.centredPixelProjection();
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_NORMALIZE);
    glShadeModel(GL_FLAT);
    glScalef(400, 400, 400);
    const GLuint base = glGenLists(6);
    drawTetra(base, 0, GLuint(state.range(0)), GLuint(state.range(1)), 0.9f, 3.0f, 0.48f);
    for (auto _ : state) {
        glCallList(base);
        glFinish();
    }
    glDeleteLists(base, 6);
}
BENCHMARK(callBaseList)->Args({1, 3})->Args({0, 4})->Unit(benchmark::kMicrosecond);

// The frame the pass smooths: the default fractal as a frame shows it, or stripes one pixel wide
// (every pixel changes, the worst case).
static void drawFrameToSmooth(GLWindow &window, bool stripes) {
    const int w = window.width(), h = window.height();
    glClearColor(0.8f, 0.8f, 0.8f, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (stripes) {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, w, 0, h, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glColor3f(0, 0, 0);
        for (int x = 0; x < w; x += 2)
            glRecti(x, 0, x + 1, h);
        return;
    }
    window.centredPixelProjection();
    glScalef(400, 400, 400);
    glRotatef(-54.7f, 0, 1, 0);
    glColor3f(0.2f, 0.2f, 0.2f);
    const GLuint base = glGenLists(6);
    drawTetra(base, 0, 1, 3, 0.9f, 3.0f, 0.48f);
    glCallList(base);
    glDeleteLists(base, 6);
}

static void smoothingPass(benchmark::State &state) {
    const int w = int(state.range(0)), h = int(state.range(1));
    const bool stripes = state.range(2) != 0;
    GLWindow window(w, h);
    setCorners();
    glEnable(GL_DEPTH_TEST);
    for (auto _ : state) {
        state.PauseTiming();
        drawFrameToSmooth(window, stripes);
        glFinish();
        state.ResumeTiming();
        goSmooth(w, h);
        glFinish();
    }
    state.SetLabel(stripes ? "every pixel changed" : "default fractal");
}
BENCHMARK(smoothingPass)
    ->Args({1440, 900, 0})
    ->Args({1440, 900, 1})
    ->Args({2560, 1440, 0})
    ->Args({2560, 1440, 1})
    ->Unit(benchmark::kMillisecond);
