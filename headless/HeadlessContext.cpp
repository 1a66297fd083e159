// EGL_PLATFORM_SURFACELESS_MESA with EGL_KHR_surfaceless_context and no config
// (EGL_KHR_no_config_context): nothing is asked of X, Wayland or a GPU device.
#include "HeadlessContext.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>

static QString stopped(const char *step) {
    return QString("no OpenGL without a display: EGL's surfaceless platform "
                   "(EGL_PLATFORM_SURFACELESS_MESA) stopped at %1 (EGL error 0x%2)")
        .arg(QString::fromLatin1(step))
        .arg(eglGetError(), 0, 16);
}

QString makeHeadlessContextCurrent() {
    const auto platformDisplay = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
        eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (!platformDisplay)
        return stopped("eglGetPlatformDisplayEXT");
    const EGLDisplay display =
        platformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    EGLint major = 0, minor = 0;
    if (display == EGL_NO_DISPLAY || !eglInitialize(display, &major, &minor))
        return stopped("eglInitialize");
    const char *extensions = eglQueryString(display, EGL_EXTENSIONS);
    if (!extensions || !QByteArray(extensions).contains("EGL_KHR_surfaceless_context"))
        return stopped("EGL_KHR_surfaceless_context");
    if (!eglBindAPI(EGL_OPENGL_API))
        return stopped("eglBindAPI(EGL_OPENGL_API)");
    const EGLint attributes[] = {EGL_CONTEXT_MAJOR_VERSION,
                                 2,
                                 EGL_CONTEXT_MINOR_VERSION,
                                 1,
                                 EGL_CONTEXT_OPENGL_PROFILE_MASK,
                                 EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT,
                                 EGL_NONE};
    const EGLContext context =
        eglCreateContext(display, EGL_NO_CONFIG_KHR, EGL_NO_CONTEXT, attributes);
    if (context == EGL_NO_CONTEXT)
        return stopped("eglCreateContext (OpenGL 2.1 compatibility)");
    if (!eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, context))
        return stopped("eglMakeCurrent");
    return {};
}
