#include "render/surfaceless_gl.h"

// No X11 types from the EGL headers: they would clash with Qt's names.
#define EGL_NO_X11
#include <EGL/egl.h>
#include <EGL/eglext.h>

#include <QOpenGLContext>
#include <cstring>

#include "render/gl.h"
// The framebuffer-object entry points' types; after gl.h, which it builds on.
#include <GL/glext.h>

namespace {

// Framebuffer objects are OpenGL 3.0 (every Mesa driver has them); their
// entry points come from EGL.
struct FramebufferFunctions {
  PFNGLGENFRAMEBUFFERSPROC GenFramebuffers = nullptr;
  PFNGLDELETEFRAMEBUFFERSPROC DeleteFramebuffers = nullptr;
  PFNGLBINDFRAMEBUFFERPROC BindFramebuffer = nullptr;
  PFNGLGENRENDERBUFFERSPROC GenRenderbuffers = nullptr;
  PFNGLDELETERENDERBUFFERSPROC DeleteRenderbuffers = nullptr;
  PFNGLBINDRENDERBUFFERPROC BindRenderbuffer = nullptr;
  PFNGLRENDERBUFFERSTORAGEPROC RenderbufferStorage = nullptr;
  PFNGLFRAMEBUFFERRENDERBUFFERPROC FramebufferRenderbuffer = nullptr;
  PFNGLCHECKFRAMEBUFFERSTATUSPROC CheckFramebufferStatus = nullptr;

  FramebufferFunctions() {
    Resolve(GenFramebuffers, "glGenFramebuffers");
    Resolve(DeleteFramebuffers, "glDeleteFramebuffers");
    Resolve(BindFramebuffer, "glBindFramebuffer");
    Resolve(GenRenderbuffers, "glGenRenderbuffers");
    Resolve(DeleteRenderbuffers, "glDeleteRenderbuffers");
    Resolve(BindRenderbuffer, "glBindRenderbuffer");
    Resolve(RenderbufferStorage, "glRenderbufferStorage");
    Resolve(FramebufferRenderbuffer, "glFramebufferRenderbuffer");
    Resolve(CheckFramebufferStatus, "glCheckFramebufferStatus");
  }
  bool Complete() const {
    return GenFramebuffers && DeleteFramebuffers && BindFramebuffer && GenRenderbuffers &&
           DeleteRenderbuffers && BindRenderbuffer && RenderbufferStorage &&
           FramebufferRenderbuffer && CheckFramebufferStatus;
  }

 private:
  template <typename Function>
  static void Resolve(Function& function, const char* name) {
    function = reinterpret_cast<Function>(eglGetProcAddress(name));
  }
};

const FramebufferFunctions& Fbo();

}  // namespace

const void* render::CurrentGlContext() {
  if (const QOpenGLContext* qt = QOpenGLContext::currentContext()) return qt;
  const EGLContext egl = eglGetCurrentContext();
  return egl == EGL_NO_CONTEXT ? nullptr : egl;
}

namespace {

const FramebufferFunctions& Fbo() {
  static const FramebufferFunctions functions;
  return functions;
}

bool HasExtension(const char* extensions, const char* name) {
  if (!extensions) return false;
  const std::size_t length = std::strlen(name);
  for (const char* at = extensions; (at = std::strstr(at, name)) != nullptr; at += length)
    if ((at == extensions || at[-1] == ' ') && (at[length] == ' ' || at[length] == '\0'))
      return true;
  return false;
}

}  // namespace

CSurfacelessGl::CSurfacelessGl() {
  if (!HasExtension(eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS),
                    "EGL_MESA_platform_surfaceless"))
    return;
  const auto getPlatformDisplay = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
      eglGetProcAddress("eglGetPlatformDisplayEXT"));
  if (!getPlatformDisplay) return;
  EGLDisplay display =
      getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
  if (display == EGL_NO_DISPLAY || !eglInitialize(display, nullptr, nullptr)) return;
  display_ = display;
  // The context draws only into its own framebuffer object: any surface
  // type will do, and it needs no surface (EGL_KHR_surfaceless_context).
  const EGLint attributes[] = {EGL_SURFACE_TYPE, 0, EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT,
                               EGL_RED_SIZE,     8, EGL_GREEN_SIZE,      8,
                               EGL_BLUE_SIZE,    8, EGL_ALPHA_SIZE,      8,
                               EGL_NONE};
  EGLConfig config = nullptr;
  EGLint configs = 0;
  if (!HasExtension(eglQueryString(display, EGL_EXTENSIONS), "EGL_KHR_surfaceless_context") ||
      !eglBindAPI(EGL_OPENGL_API) || !eglChooseConfig(display, attributes, &config, 1, &configs) ||
      configs < 1)
    return;
  // No version asked: the driver's compatibility profile, as for the window.
  EGLContext context = eglCreateContext(display, config, EGL_NO_CONTEXT, nullptr);
  if (context == EGL_NO_CONTEXT) return;
  context_ = context;
  if (!MakeCurrent() || !Fbo().Complete()) {
    DoneCurrent();
    eglDestroyContext(display_, context_);
    context_ = nullptr;
    return;
  }
  DoneCurrent();
}

CSurfacelessGl::~CSurfacelessGl() {
  if (context_ && MakeCurrent()) {
    DeleteFramebuffer();
    DoneCurrent();
  }
  if (context_) eglDestroyContext(display_, context_);
  if (display_) eglTerminate(display_);
}

bool CSurfacelessGl::MakeCurrent() {
  if (!context_ || !eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, context_))
    return false;
  if (framebuffer_) Fbo().BindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
  return true;
}

void CSurfacelessGl::DoneCurrent() {
  if (display_) eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
}

bool CSurfacelessGl::BindFramebuffer(int width, int height) {
  if (framebuffer_ && width == width_ && height == height_) {
    Fbo().BindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    return true;
  }
  DeleteFramebuffer();
  const FramebufferFunctions& f = Fbo();
  f.GenFramebuffers(1, &framebuffer_);
  f.BindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
  f.GenRenderbuffers(1, &colour_);
  f.BindRenderbuffer(GL_RENDERBUFFER, colour_);
  f.RenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
  f.FramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour_);
  f.BindRenderbuffer(GL_RENDERBUFFER, 0);
  if (f.CheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
    DeleteFramebuffer();
    return false;
  }
  width_ = width;
  height_ = height;
  return true;
}

QImage CSurfacelessGl::ReadFramebuffer() const {
  if (!framebuffer_) return {};
  QImage image(width_, height_, QImage::Format_RGBX8888);
  GLint alignment = 4;
  glGetIntegerv(GL_PACK_ALIGNMENT, &alignment);
  glPixelStorei(GL_PACK_ALIGNMENT, 4);  // QImage rows are 4-byte aligned
  glReadPixels(0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, image.bits());
  glPixelStorei(GL_PACK_ALIGNMENT, alignment);
  // GL's rows run bottom-up.
  return image.mirrored().convertToFormat(QImage::Format_RGB32);
}

void CSurfacelessGl::DeleteFramebuffer() {
  const FramebufferFunctions& f = Fbo();
  if (framebuffer_) {
    f.BindFramebuffer(GL_FRAMEBUFFER, 0);
    f.DeleteFramebuffers(1, &framebuffer_);
  }
  if (colour_) f.DeleteRenderbuffers(1, &colour_);
  framebuffer_ = colour_ = 0;
  width_ = height_ = 0;
}
