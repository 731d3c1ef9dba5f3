// Frames drawn without a window: for --render, tests and benchmarks.
#pragma once

#include <QImage>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <memory>
#include <vector>

#include "sky/pick_walk.h"

class CSkyView;
class CSurfacelessGl;

// A GL context of the sky view's format on an offscreen surface: Qt's, when
// its platform can make one (a display is there), else Mesa's surfaceless
// EGL. The view's scene (display lists, textures, state) is made in it on
// first use.
class COffscreenCanvas {
 public:
  explicit COffscreenCanvas(CSkyView& view);
  ~COffscreenCanvas();
  COffscreenCanvas(const COffscreenCanvas&) = delete;
  COffscreenCanvas& operator=(const COffscreenCanvas&) = delete;

  bool IsValid() const { return valid_; }
  // Draws one frame of `width` x `height` pixels; a null image when the
  // context or the framebuffer could not be made.
  QImage Render(int width, int height);
  // The hits under client point x, y (y downwards) of the last frame's size.
  std::vector<sky::PickHit> Pick(int x, int y);
  bool MakeCurrent();
  void DoneCurrent();

 private:
  // With the context current and a framebuffer bound: one frame.
  void Draw(int width, int height);

  CSkyView& view_;
  QOffscreenSurface surface_;
  QOpenGLContext context_;
  std::unique_ptr<CSurfacelessGl> surfaceless_;
  bool valid_ = false;
  bool sceneReady_ = false;
};
