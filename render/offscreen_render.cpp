#include "render/offscreen_render.h"

#include <QOpenGLFramebufferObject>

#include "render/sky_renderer.h"
#include "render/sky_view.h"

COffscreenCanvas::COffscreenCanvas(CSkyView& view) : view_(view) {
  surface_.setFormat(CSkyView::SurfaceFormat());
  surface_.create();
  context_.setFormat(CSkyView::SurfaceFormat());
  valid_ = surface_.isValid() && context_.create();
}

COffscreenCanvas::~COffscreenCanvas() = default;

bool COffscreenCanvas::MakeCurrent() { return valid_ && context_.makeCurrent(&surface_); }

void COffscreenCanvas::DoneCurrent() { context_.doneCurrent(); }

QImage COffscreenCanvas::Render(int width, int height) {
  if (!MakeCurrent()) return {};
  QImage image;
  {
    QOpenGLFramebufferObject fbo(width, height, QOpenGLFramebufferObject::CombinedDepthStencil);
    if (fbo.isValid() && fbo.bind()) {
      if (!sceneReady_) {
        view_.InitialiseContext();
        sceneReady_ = true;
      }
      view_.SetWindowSize(width, height);
      view_.DrawFrame();
      // The frame is opaque: ignore the alpha that blending left in the
      // framebuffer (a conversion would un-premultiply and brighten it).
      image = fbo.toImage();
      image.reinterpretAsFormat(QImage::Format_RGB32);
      fbo.release();
    }
  }
  DoneCurrent();
  return image;
}

std::vector<unsigned> COffscreenCanvas::Pick(int x, int y) {
  if (!MakeCurrent()) return {};
  std::vector<unsigned> names = view_.Renderer().SelectionPass(x, y);
  DoneCurrent();
  return names;
}
