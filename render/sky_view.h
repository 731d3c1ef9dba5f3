// The sky view: a widget showing the celestial sphere in an orthographic
// projection, turned and zoomed by the keyboard and the mouse. It draws
// through a native OpenGL window of its own, put in the widget tree by a
// window container: the frame goes straight to the screen, where a GL widget
// would be drawn into a framebuffer object and then composed, with the rest
// of the main window, into the window by a second full-window GL pass.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <memory>
#include <vector>

#include "sky/pick_walk.h"
#include "sky/view_geometry.h"

class CMessenger;
class CSkyDoc;
class CSkyRenderer;
class QSurfaceFormat;

class CSkyView : public QWidget {
  Q_OBJECT

 public:
  // Takes the zoom from the settings (a stored 0 becomes 1).
  CSkyView(CSkyDoc& doc, CMessenger& messages, QWidget* parent = nullptr);
  // Writes the zoom back into the settings.
  ~CSkyView() override;

  // The surface the sky needs: RGBA, double-buffered; no depth or stencil
  // buffer, which nothing draws with.
  static QSurfaceFormat SurfaceFormat();
  // Whether a GL context of that format can be made on this display.
  static bool CanCreateContext();

  CSkyDoc* Document;
  // The matrices and viewport of this view's last frame: picking, the
  // pointer's place and the layers read them.
  sky::ViewGeometry Geometry;
  double Zoom = 1.0;       // 1 shows the whole visible hemisphere in the shorter side
  double CursorRA = 0.0;   // right ascension under the pointer, hours, (0, 24]
  double CursorDec = 0.0;  // declination under the pointer, degrees

  // The six navigation commands.
  void MoveLeft();
  void MoveRight();
  void MoveUp();
  void MoveDown();
  void ZoomIn();
  void ZoomOut();
  // Search > Horizon Point: the four points of the horizon, the zenith and the nadir.
  void ShowEast();
  void ShowWest();
  void ShowNorth();
  void ShowSouth();
  void ShowZenith();
  void ShowNadir();
  // View > Follow (T): keeps the selected object at the centre of the view
  // while time runs, the chart mode changes or the view zooms (sky/follow.h),
  // or stops doing so; Esc stops too, and so does any move of the user's.
  void ToggleFollowing();
  void StopFollowing();
  // Selects `object` and follows it as View > Follow does; when it cannot be
  // centred now, says so and leaves the selection and the following as they were.
  void Follow(sky::SkyObjectRef object);
  // Centres the sky on the point under client position x, y (device pixels).
  void CentreOnWindowPoint(int x, int y);
  // Turns the sky as a drag of dx, dy device pixels (y downwards) moves the
  // point under the pointer along with it.
  void DragBy(double dx, double dy);
  // Reads the sky under client position x, y (device pixels) into the cursor readout.
  void TrackPointer(int x, int y);
  // The selection pass of a right click at client position x, y (device
  // pixels, y downwards): the hits, in the order their layers were drawn.
  std::vector<sky::PickHit> PickAt(int x, int y);

  QString RaPaneText() const;
  QString DecPaneText() const;

  // GL work, with a context current: the same calls serve the widget and
  // frames drawn offscreen.
  void InitialiseContext();  // the scene: display lists, textures, GL state
  void SetWindowSize(int width, int height);
  void DrawFrame();  // clears and composes one frame
  CSkyRenderer& Renderer() { return *renderer_; }

  // Asks for a new frame on screen, after reading the catalogue parts the
  // limits now need (the paint reads no file). QWidget's update() would
  // repaint only the widget under the native window: it is not the view's.
  void Redraw();
  void update() = delete;
  // A frame drawn for the purpose (empty before the view is first shown),
  // the catalogues prepared first as for Redraw.
  QImage grabFramebuffer();
  // Makes the on-screen surface's context current, or releases it.
  void makeCurrent();
  void doneCurrent();

 signals:
  // The pointer's sky position changed.
  void CursorMoved();
  // A frame has been drawn on screen.
  void FramePainted();
  // In full screen the pointer reached the top edge.
  void LeaveFullScreen();
  // A right click hit these (see PickAt); empty for empty sky.
  void ObjectsPicked(const std::vector<sky::PickHit>& hits);
  // A move of the user's ended the following of an object.
  void FollowingEnded();

 protected:
  // The native window's events arrive here (see Surface), as if the widget
  // had them.
  void mouseMoveEvent(QMouseEvent* event) override;
  // A left click centres the clicked point; a left drag turns the sky; a
  // right click picks what lies under the pointer.
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  // The wheel zooms in and out by the zoom commands' steps.
  void wheelEvent(QWheelEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  class Surface;
  friend class Surface;

  void InitialiseSurface();
  void ResizeSurface(int width, int height);
  void PaintSurface();
  // A move or zoom changed the camera: repaint.
  void CameraChanged();
  // The user turned the view: an object followed is no longer.
  void UserTurned();
  // Centres entry `index` of the horizon table, or looks straight up (90) or down (-90).
  void TurnToHorizonPoint(int index);
  void TurnToAltitude(double altitude);
  // Hands the heap's freed pages back to the system now and then (after paintGL).
  void ReturnFreedMemory();

  CMessenger& messages_;
  std::unique_ptr<CSkyRenderer> renderer_;
  Surface* surface_;  // owned by its window container, a child of this widget
  // The left button's drag: where it went down and where it was last, in
  // device pixels, and whether it has moved far enough to be a drag.
  QPointF pressPoint_, dragPoint_;
  bool leftDown_ = false, dragging_ = false;
  int wheelAngle_ = 0;  // eighths of a degree not yet turned into zoom steps
  int framesSinceMemoryReturned_ = 0;
  bool returnedAfterStart_ = false;
};
