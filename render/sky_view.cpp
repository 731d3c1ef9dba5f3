#include "render/sky_view.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLWindow>
#include <QSurfaceFormat>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <cmath>
#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "astro/transforms.h"
#include "render/bitmap_fonts.h"
#include "render/gl.h"
#include "render/sky_renderer.h"
#include "res/qt_text.h"
#include "res/strings.h"
#include "sky/follow.h"
#include "sky/messages.h"
#include "sky/pane_text.h"
#include "sky/search.h"
#include "sky/sky_doc.h"
#include "sky/zoom_range.h"

// The native window the sky is drawn in. Its GL calls and input go to the
// view, so that the view alone knows the sky.
class CSkyView::Surface : public QOpenGLWindow {
 public:
  explicit Surface(CSkyView& view) : view_(view) { setFormat(SurfaceFormat()); }

 protected:
  void initializeGL() override { view_.InitialiseSurface(); }
  void resizeGL(int width, int height) override { view_.ResizeSurface(width, height); }
  void paintGL() override { view_.PaintSurface(); }
  // The window fills the view at its origin: the positions hold for both.
  bool event(QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseMove:
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::Wheel:
        return QCoreApplication::sendEvent(&view_, event);
      default:
        return QOpenGLWindow::event(event);
    }
  }

 private:
  CSkyView& view_;
};

CSkyView::CSkyView(CSkyDoc& doc, CMessenger& messages, QWidget* parent)
    : QWidget(parent),
      Document(&doc),
      Zoom(doc.Settings().Zoom == 0 ? 1.0 : doc.Settings().Zoom),
      messages_(messages),
      renderer_(std::make_unique<CSkyRenderer>(doc, Geometry, messages)),
      surface_(new Surface(*this)) {
  renderer_->ReadFirstPictures();
  QWidget* container = QWidget::createWindowContainer(surface_, this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(container);
  container->setFocusPolicy(Qt::StrongFocus);
  setFocusPolicy(Qt::StrongFocus);
  setFocusProxy(container);
  setMouseTracking(true);
  // The native window covers the view whole: Qt need not paint a background
  // under it into the window's backing store, whose pages (7 MiB at
  // 1920x1080, shared with the X server) are then never touched.
  setAttribute(Qt::WA_OpaquePaintEvent);
  // The first frame comes unasked, when the window is shown.
  doc.PrepareCatalogues();
}

CSkyView::~CSkyView() { Document->Settings().Zoom = Zoom; }

QSurfaceFormat CSkyView::SurfaceFormat() {
  QSurfaceFormat format;
  format.setRenderableType(QSurfaceFormat::OpenGL);
  format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
  format.setRedBufferSize(8);
  format.setGreenBufferSize(8);
  format.setBlueBufferSize(8);
  format.setAlphaBufferSize(8);
  format.setDepthBufferSize(0);
  format.setStencilBufferSize(0);
  return format;
}

bool CSkyView::CanCreateContext() {
  QOpenGLContext context;
  context.setFormat(SurfaceFormat());
  return context.create();
}

void CSkyView::InitialiseContext() {
  render::BuildLabelFonts(devicePixelRatioF());
  renderer_->SetDeviceRatio(devicePixelRatioF());
  glClearColor(0, 0, 0, 1);
  Document->PrepareScene(*renderer_);
}

void CSkyView::SetWindowSize(int width, int height) {
  Geometry.CentreX = width / 2;
  Geometry.CentreY = height / 2;
  glViewport(0, 0, width, height);
  glGetIntegerv(GL_VIEWPORT, Geometry.Viewport);
  renderer_->SetSkyProjection(width, height, Zoom);
}

void CSkyView::DrawFrame() {
  glClear(GL_COLOR_BUFFER_BIT);
  renderer_->ComposeFrame(Zoom);
  glFinish();
}

void CSkyView::Redraw() {
  sky::KeepFollowing(*Document);
  Document->PrepareCatalogues();
  surface_->update();
}

QImage CSkyView::grabFramebuffer() {
  // A frame drawn now into the back buffer and read from it, not shown:
  // what a paint would show, whether or not one has happened.
  if (!surface_->isValid()) return {};
  Document->PrepareCatalogues();
  surface_->makeCurrent();
  PaintSurface();
  return surface_->grabFramebuffer();
}

void CSkyView::makeCurrent() { surface_->makeCurrent(); }

void CSkyView::doneCurrent() { surface_->doneCurrent(); }

void CSkyView::InitialiseSurface() { InitialiseContext(); }

void CSkyView::ResizeSurface(int width, int height) {
  // Qt passes the size in device-independent pixels; GL works in device pixels.
  const qreal ratio = devicePixelRatioF();
  SetWindowSize(static_cast<int>(width * ratio), static_cast<int>(height * ratio));
}

void CSkyView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // The native window sizes its GL surface only when it next paints; a click
  // or a pointer's move before then must already meet the new projection.
  if (!surface_->isValid()) return;
  surface_->makeCurrent();
  ResizeSurface(width(), height());
  surface_->doneCurrent();
}

void CSkyView::PaintSurface() {
  if (Document->Run.Printing) return;
  DrawFrame();
  // A key, the animation or a centred point moves the sky under a pointer
  // that stays still, which then sends no move: the read-out follows the
  // sky under it now.
  if (const QPoint at = mapFromGlobal(QCursor::pos()); rect().contains(at))
    TrackPointer(static_cast<int>(at.x() * devicePixelRatioF()),
                 static_cast<int>(at.y() * devicePixelRatioF()));
  ReturnFreedMemory();
  emit FramePainted();
}

void CSkyView::ReturnFreedMemory() {
  // The software renderer allocates and frees some hundred megabytes in
  // every frame. The C library keeps freed pages resident, so an animation
  // would hold more and more of them (a creeping heap) although the memory
  // in use stays the same. Every 25th frame they go back to the system
  // (after every frame, the pages taken again would slow each frame down).
  // The first frame returns what the start-up freed, in the threads that
  // read the driver and the pictures too.
  constexpr int kFramesBetweenReturns = 25;
  if (returnedAfterStart_ && ++framesSinceMemoryReturned_ < kFramesBetweenReturns) return;
  returnedAfterStart_ = true;
  framesSinceMemoryReturned_ = 0;
#ifdef __GLIBC__
  ::malloc_trim(0);
#endif
}

void CSkyView::CameraChanged() { Redraw(); }

void CSkyView::UserTurned() {
  if (!Document->Run.Following) return;
  Document->Run.Following = 0;
  emit FollowingEnded();
}

void CSkyView::ToggleFollowing() {
  if (Document->Run.Following) {
    Document->Run.Following = 0;
  } else if (!Document->Selected) {
    messages_.Show(MessageIcon::Exclamation, TranslatedString(res::IDS_NOTHING_TO_FOLLOW));
    return;
  } else if (!sky::StartFollowing(*Document)) {
    messages_.Show(MessageIcon::Exclamation, TranslatedString(res::IDS_OBJECT_UNDER_HORIZON));
    return;
  }
  Redraw();
}

void CSkyView::Follow(sky::SkyObjectRef object) {
  const std::optional<sky::SkyObjectRef> selected = Document->Selected;
  const int following = Document->Run.Following;
  Document->Selected = object;
  Document->Run.Following = 0;
  if (!sky::StartFollowing(*Document)) {
    Document->Selected = selected;
    Document->Run.Following = following;
    messages_.Show(MessageIcon::Exclamation, TranslatedString(res::IDS_OBJECT_UNDER_HORIZON));
    return;
  }
  Redraw();
}

void CSkyView::StopFollowing() {
  Document->Run.Following = 0;
  Redraw();
}

void CSkyView::MoveLeft() {
  if (Zoom < 1) return;
  UserTurned();
  Document->Settings().YRotation += 15 / Zoom;
  if (Document->Settings().YRotation > 360) Document->Settings().YRotation -= 360;
  CameraChanged();
}

void CSkyView::MoveRight() {
  if (Zoom < 1) return;
  UserTurned();
  Document->Settings().YRotation -= 15 / Zoom;
  if (Document->Settings().YRotation < 0) Document->Settings().YRotation += 360;
  CameraChanged();
}

void CSkyView::MoveUp() {
  if (Zoom < 1) return;
  UserTurned();
  Document->Settings().XRotation += 15 / Zoom;
  if (Document->Settings().XRotation > 360) Document->Settings().XRotation -= 360;
  CameraChanged();
}

void CSkyView::MoveDown() {
  if (Zoom < 1) return;
  UserTurned();
  Document->Settings().XRotation -= 15 / Zoom;
  if (Document->Settings().XRotation < 0) Document->Settings().XRotation += 360;
  CameraChanged();
}

void CSkyView::ZoomIn() {
  if (Zoom * 2 <= sky::kMaxZoom) Zoom *= 2;
  Document->UpdateAutoLimits(Zoom);
  Geometry.ProjectionDirty = true;
  CameraChanged();
}

void CSkyView::ZoomOut() {
  if (Zoom > sky::kMinZoom) Zoom *= 0.5;
  Document->UpdateAutoLimits(Zoom);
  Geometry.ProjectionDirty = true;
  CameraChanged();
}

void CSkyView::TrackPointer(int x, int y) {
  double ra, dec;
  if (Document->WindowToSky(Geometry, x, y, Zoom, ra, dec) &&
      (ra != CursorRA || dec != CursorDec)) {
    CursorRA = ra;
    CursorDec = dec;
    emit CursorMoved();
  }
}

void CSkyView::TurnToHorizonPoint(int index) {
  UserTurned();
  ::ShowHorizonPoint(*Document, index);
  CameraChanged();
}

void CSkyView::TurnToAltitude(double altitude) {
  UserTurned();
  ::ShowZenith(*Document, altitude);
  CameraChanged();
}

// The horizon table runs every 5 degrees from the south through the east.
void CSkyView::ShowEast() { TurnToHorizonPoint(18); }
void CSkyView::ShowWest() { TurnToHorizonPoint(54); }
void CSkyView::ShowNorth() { TurnToHorizonPoint(36); }
void CSkyView::ShowSouth() { TurnToHorizonPoint(0); }
void CSkyView::ShowZenith() { TurnToAltitude(90); }
void CSkyView::ShowNadir() { TurnToAltitude(-90); }

void CSkyView::CentreOnWindowPoint(int x, int y) {
  double ra, dec;
  if (!Document->WindowToSky(Geometry, x, y, Zoom, ra, dec)) return;
  UserTurned();
  if (Document->Settings().HorizonMode) {
    const astro::HorizontalCoord h = Document->HorizontalOf(ra, dec);
    Document->Settings().YRotation = h.Azimuth + 90;
    Document->Settings().XRotation = -h.Altitude;
  } else {
    Document->Settings().YRotation = -15 * ra;
    Document->Settings().XRotation = -dec;
  }
  Redraw();
}

void CSkyView::DragBy(double dx, double dy) {
  // Near the middle of the view a pixel spans 1/radius radians of the sphere.
  const double radius =
      (std::min(Geometry.Viewport[2], Geometry.Viewport[3]) / 2) * std::max(Zoom, 1.0);
  if (radius <= 0) return;
  UserTurned();
  const double degreesPerPixel = 57.29577951308232 / radius;
  // The turn about the pole (or the zenith) moves the middle of the view by
  // the cosine of its declination (or altitude): the drag turns it by more,
  // and the other way round when the view is upside down.
  double c = std::cos(Document->Settings().XRotation * 0.017453292519943295);
  if (std::fabs(c) < 0.1) c = std::copysign(0.1, c);
  Document->Settings().YRotation =
      std::fmod(Document->Settings().YRotation - dx * degreesPerPixel / c, 360.0);
  if (Document->Settings().YRotation < 0) Document->Settings().YRotation += 360;
  Document->Settings().XRotation =
      std::fmod(Document->Settings().XRotation - dy * degreesPerPixel, 360.0);
  if (Document->Settings().XRotation < 0) Document->Settings().XRotation += 360;
  CameraChanged();
}

void CSkyView::mouseMoveEvent(QMouseEvent* event) {
  const QPointF p = event->position() * devicePixelRatioF();
  if (leftDown_ && (event->buttons() & Qt::LeftButton)) {
    if (!dragging_ && (p - pressPoint_).manhattanLength() >=
                          QApplication::startDragDistance() * devicePixelRatioF())
      dragging_ = true;
    if (dragging_) {
      DragBy(p.x() - dragPoint_.x(), p.y() - dragPoint_.y());
      dragPoint_ = p;
    }
  }
  TrackPointer(static_cast<int>(p.x()), static_cast<int>(p.y()));
  if (Document->Run.FullScreen && event->position().y() <= 3) emit LeaveFullScreen();
}

std::vector<sky::PickHit> CSkyView::PickAt(int x, int y) {
  makeCurrent();
  std::vector<sky::PickHit> hits = renderer_->SelectionPass(x, y, Zoom);
  doneCurrent();
  return hits;
}

void CSkyView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    // GL works in device pixels: on a screen of ratio 2 the pointer's
    // position counts twice as many.
    const QPointF p = event->position() * devicePixelRatioF();
    emit ObjectsPicked(PickAt(static_cast<int>(p.x()), static_cast<int>(p.y())));
    return;
  }
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  pressPoint_ = dragPoint_ = event->position() * devicePixelRatioF();
  leftDown_ = true;
  dragging_ = false;
}

void CSkyView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !leftDown_) return QWidget::mouseReleaseEvent(event);
  leftDown_ = false;
  if (dragging_) {
    dragging_ = false;
    return;
  }
  CentreOnWindowPoint(static_cast<int>(pressPoint_.x()), static_cast<int>(pressPoint_.y()));
}

void CSkyView::wheelEvent(QWheelEvent* event) {
  // One notch (15 degrees, 120 eighths) is one zoom step; touchpads send less at a time.
  wheelAngle_ += event->angleDelta().y();
  for (; wheelAngle_ >= 120; wheelAngle_ -= 120) ZoomIn();
  for (; wheelAngle_ <= -120; wheelAngle_ += 120) ZoomOut();
  event->accept();
}

QString CSkyView::RaPaneText() const { return QtText(::RaPaneText(CursorRA)); }
QString CSkyView::DecPaneText() const { return QtText(::DecPaneText(CursorDec)); }
