#include "engine/gl/headless_context.hpp"

#include <epoxy/egl.h>

#include "engine/gl/gl_version.hpp"

namespace tess::gl {

namespace {

bool hasClientExtension(const char* name) {
  return epoxy_has_egl_extension(EGL_NO_DISPLAY, name);
}

}  // namespace

std::unique_ptr<HeadlessContext> HeadlessContext::create(std::string& error) {
  if (!hasClientExtension("EGL_MESA_platform_surfaceless") ||
      !hasClientExtension("EGL_EXT_platform_base")) {
    error = "no EGL surfaceless platform (EGL_MESA_platform_surfaceless) on this machine";
    return nullptr;
  }
  std::unique_ptr<HeadlessContext> context(new HeadlessContext);
  EGLDisplay display = eglGetPlatformDisplayEXT(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY,
                                                nullptr);
  EGLint major = 0, minor = 0;
  if (display == EGL_NO_DISPLAY || !eglInitialize(display, &major, &minor)) {
    error = "the EGL surfaceless display could not be initialised";
    return nullptr;
  }
  context->display_ = display;
  if (!eglBindAPI(EGL_OPENGL_API)) {
    error = "EGL offers no desktop OpenGL";
    return nullptr;
  }
  const EGLint configAttributes[] = {EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_RENDERABLE_TYPE,
                                     EGL_OPENGL_BIT, EGL_NONE};
  EGLConfig config = nullptr;
  EGLint configs = 0;
  // A surfaceless context needs no config where EGL_KHR_no_config_context is offered.
  const bool noConfig = epoxy_has_egl_extension(display, "EGL_KHR_no_config_context");
  if (!noConfig && (!eglChooseConfig(display, configAttributes, &config, 1, &configs) ||
                    configs == 0)) {
    error = "EGL has no configuration for desktop OpenGL";
    return nullptr;
  }
  const EGLint contextAttributes[] = {EGL_CONTEXT_MAJOR_VERSION, 3,
                                      EGL_CONTEXT_MINOR_VERSION, 3,
                                      EGL_CONTEXT_OPENGL_PROFILE_MASK,
                                      EGL_CONTEXT_OPENGL_CORE_PROFILE_BIT,
                                      EGL_NONE};
  EGLContext egl = eglCreateContext(display, noConfig ? EGL_NO_CONFIG_KHR : config, EGL_NO_CONTEXT,
                                    contextAttributes);
  if (egl == EGL_NO_CONTEXT) {
    error = "no OpenGL 3.3 core context could be created";
    return nullptr;
  }
  context->context_ = egl;
  if (!eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, egl)) {
    error = "the OpenGL context could not be made current without a surface";
    return nullptr;
  }
  if (!supportsCore33(error)) return nullptr;
  return context;
}

HeadlessContext::~HeadlessContext() {
  if (!display_) return;
  if (context_) {
    eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    eglDestroyContext(display_, context_);
  }
  eglTerminate(display_);
}

}  // namespace tess::gl
