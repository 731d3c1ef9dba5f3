#include "render/offscreen_render.h"

#include <QOpenGLFramebufferObject>

#include "render/sky_renderer.h"
#include "render/sky_view.h"
#include "render/surfaceless_gl.h"
#include "sky/sky_doc.h"

COffscreenCanvas::COffscreenCanvas(CSkyView& view) : view_(view) {
  surface_.setFormat(CSkyView::SurfaceFormat());
  surface_.create();
  context_.setFormat(CSkyView::SurfaceFormat());
  valid_ = surface_.isValid() && context_.create();
  if (valid_) return;
  // No display for Qt to make a context on (its offscreen platform).
  surfaceless_ = std::make_unique<CSurfacelessGl>();
  valid_ = surfaceless_->IsValid();
}

COffscreenCanvas::~COffscreenCanvas() {
  // What the view's renderer made in this context goes with it.
  if (sceneReady_ && MakeCurrent()) {
    view_.Renderer().ReleaseContext();
    DoneCurrent();
  }
}

bool COffscreenCanvas::MakeCurrent() {
  if (!valid_) return false;
  return surfaceless_ ? surfaceless_->MakeCurrent() : context_.makeCurrent(&surface_);
}

void COffscreenCanvas::DoneCurrent() {
  if (surfaceless_)
    surfaceless_->DoneCurrent();
  else
    context_.doneCurrent();
}

void COffscreenCanvas::Draw(int width, int height) {
  if (!sceneReady_) {
    view_.InitialiseContext();
    sceneReady_ = true;
  }
  view_.SetWindowSize(width, height);
  view_.DrawFrame();
}

QImage COffscreenCanvas::Render(int width, int height) {
  view_.Document->PrepareCatalogues();
  if (!MakeCurrent()) return {};
  QImage image;
  if (surfaceless_) {
    if (surfaceless_->BindFramebuffer(width, height)) {
      Draw(width, height);
      image = surfaceless_->ReadFramebuffer();
    }
  } else {
    QOpenGLFramebufferObject fbo(width, height, QOpenGLFramebufferObject::NoAttachment);
    if (fbo.isValid() && fbo.bind()) {
      Draw(width, height);
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

std::vector<sky::PickHit> COffscreenCanvas::Pick(int x, int y) {
  view_.Document->PrepareCatalogues();
  if (!MakeCurrent()) return {};
  std::vector<sky::PickHit> hits = view_.Renderer().SelectionPass(x, y, view_.Zoom);
  DoneCurrent();
  return hits;
}
