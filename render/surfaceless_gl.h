// An OpenGL context that needs no window system at all: Mesa's surfaceless
// EGL platform, drawing into a framebuffer object of its own. It serves
// frames drawn offscreen when Qt has no display to make a context on; on the
// same Mesa driver its frames match a window's pixel for pixel.
#pragma once

#include <QImage>

// The GL context current on this thread, Qt's or surfaceless EGL's (null
// when there is none): what tells one context's display lists and textures
// from another's.
namespace render {
const void* CurrentGlContext();
}

class CSurfacelessGl {
 public:
  CSurfacelessGl();
  ~CSurfacelessGl();
  CSurfacelessGl(const CSurfacelessGl&) = delete;
  CSurfacelessGl& operator=(const CSurfacelessGl&) = delete;

  bool IsValid() const { return context_ != nullptr; }
  // Makes the context current on this thread, with the framebuffer bound
  // when there is one.
  bool MakeCurrent();
  void DoneCurrent();
  // With the context current: a framebuffer of `width` x `height` pixels with
  // colour, depth and stencil, bound for drawing (the last one is kept while
  // the size stays). False when it cannot be made.
  bool BindFramebuffer(int width, int height);
  // The bound framebuffer's colour, top row first; the frame is opaque, so
  // alpha is ignored.
  QImage ReadFramebuffer() const;

 private:
  void DeleteFramebuffer();

  void* display_ = nullptr;                // EGLDisplay
  void* context_ = nullptr;                // EGLContext
  unsigned framebuffer_ = 0, colour_ = 0;  // colour only: nothing draws with depth
  int width_ = 0, height_ = 0;
};
