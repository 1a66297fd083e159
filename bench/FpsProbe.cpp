// Preloaded into the program by scripts/measure-fps: watches its buffer swaps and, after a
// warm-up, measures frames per second, the longest gap between frames and the CPU of the program
// (all its threads) and of the X server, prints one line and ends the program.
// FPS_WARMUP and FPS_SECONDS give the two periods in seconds; FPS_XSERVER_PID names the server.
#include <GL/glx.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <sys/resource.h>
#include <unistd.h>

using Clock = std::chrono::steady_clock;

static double seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

static double setting(const char *name, double fallback) {
    const char *value = std::getenv(name);
    return value ? std::atof(value) : fallback;
}

static double programCpu() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_utime.tv_usec * 1e-6 + usage.ru_stime.tv_sec +
           usage.ru_stime.tv_usec * 1e-6;
}

// utime + stime of another process, seconds; 0 when it cannot be read.
static double processCpu(long pid) {
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%ld/stat", pid);
    FILE *file = std::fopen(path, "r");
    if (!file)
        return 0;
    unsigned long user = 0, system = 0;
    // Fields 14 and 15; the name in field 2 has no spaces for the X server.
    const int read = std::fscanf(
        file, "%*d %*s %*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %lu %lu", &user, &system);
    std::fclose(file);
    return read == 2 ? double(user + system) / sysconf(_SC_CLK_TCK) : 0;
}

static void record() {
    static const double warmup = setting("FPS_WARMUP", 2), span = setting("FPS_SECONDS", 10);
    static const long server = long(setting("FPS_XSERVER_PID", 0));
    static Clock::time_point first, start, last;
    static double cpuStart, serverStart, longest;
    static long frames = -1; // -1: warming up
    const Clock::time_point now = Clock::now();
    if (first == Clock::time_point())
        first = now;
    if (frames < 0) {
        if (seconds(now - first) >= warmup) {
            frames = 0;
            start = last = now;
            cpuStart = programCpu();
            serverStart = processCpu(server);
        }
        return;
    }
    ++frames;
    if (seconds(now - last) > longest)
        longest = seconds(now - last);
    last = now;
    const double elapsed = seconds(now - start);
    if (elapsed < span)
        return;
    const double program = (programCpu() - cpuStart) / elapsed;
    const double xserver = server ? (processCpu(server) - serverStart) / elapsed : 0;
    std::printf("%.1f frames per second over %.1f s, longest gap %.1f ms, CPU: program %.2f core, "
                "X server %.2f core, together %.2f core\n",
                frames / elapsed, elapsed, longest * 1000, program, xserver, program + xserver);
    std::fflush(stdout);
    _exit(0);
}

extern "C" void glXSwapBuffers(Display *display, GLXDrawable drawable) {
    using Swap = void (*)(Display *, GLXDrawable);
    static const auto real = reinterpret_cast<Swap>(dlsym(RTLD_NEXT, "glXSwapBuffers"));
    real(display, drawable);
    record();
}
