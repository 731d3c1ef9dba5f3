#include "ui/splash_window.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QRadialGradient>
#include <QScreen>
#include <QTimer>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>

#include "res/qt_text.h"
#include "sky/messages.h"

namespace {

constexpr QSize kFaceSize(400, 250);
constexpr QRect kAnimationRect(170, 90, 60, 60);
// The About text's dark panel, which reads over the stars.
constexpr QRect kAboutPanel(62, 96, 276, 124);

// A sun with a planet and its moon going round it: the splash's sign of life.
class CSplashAnimation : public QWidget {
 public:
  explicit CSplashAnimation(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(kAnimationRect);
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this] {
      turn_ = std::fmod(turn_ + 0.06, 2 * std::numbers::pi);
      update();
    });
    timer->start(40);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(width() / 2.0, height() / 2.0);
    // The orbit is a tilted circle; the planet passes behind the sun on its far side.
    const double a = 26, b = 9;
    const QPointF planet(a * std::cos(turn_), b * std::sin(turn_));
    const bool behind = std::sin(turn_) < 0;
    p.setPen(QPen(QColor(150, 170, 220, 110), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), a, b);
    if (behind) DrawPlanet(p, planet);
    QRadialGradient glow(QPointF(0, 0), 11);
    glow.setColorAt(0, QColor(255, 250, 220));
    glow.setColorAt(0.45, QColor(255, 210, 90));
    glow.setColorAt(1, QColor(255, 150, 40, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(0, 0), 11, 11);
    if (!behind) DrawPlanet(p, planet);
  }

 private:
  void DrawPlanet(QPainter& p, QPointF at) const {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 160, 255));
    p.drawEllipse(at, 3.5, 3.5);
    const double moonTurn = turn_ * 5;
    p.setBrush(QColor(220, 220, 220));
    p.drawEllipse(at + QPointF(7 * std::cos(moonTurn), 3 * std::sin(moonTurn)), 1.3, 1.3);
  }

  double turn_ = 0;
};

// Draws `text` centred in `box` in white, on a soft dark shadow that keeps it
// readable over bright stars.
void DrawShadowedText(QPainter& p, const QRect& box, const QString& text, int flags) {
  p.setPen(QColor(0, 0, 0, 200));
  for (const QPoint offset : {QPoint(1, 1), QPoint(-1, 1), QPoint(1, -1), QPoint(-1, -1)})
    p.drawText(box.translated(offset), flags, text);
  p.setPen(QColor(255, 255, 255));
  p.drawText(box, flags, text);
}

}  // namespace

namespace ui {

bool IsColourDepthEnough(int bitsPerPixel) { return bitsPerPixel > 8; }

QString AboutText() {
  return QCoreApplication::translate(
      "CSplashWindow",
      "A desktop planetarium. Free software under the GNU General Public "
      "License, version 3 or later, without any warranty. "
      "Sky data: Bright Star Catalogue (Yale), Hipparcos, Tycho, Tycho-2 (ESA), "
      "OpenNGC (CC-BY-SA-4.0), d3-celestial (BSD-3-Clause), KStars, Stellarium "
      "(GPL-2.0-or-later), tz database, NASA. Planet maps: B. Jónsson, J. Hastings-Trew, "
      "Celestia, NASA/JPL.");
}

// Inside the dark panel, above the link.
QRect AboutTextBox() { return kAboutPanel.adjusted(10, 8, -10, -28); }

QFont AboutTextFont(QFont base) {
  constexpr int kLargest = 11, kSmallest = 7;
  base.setPixelSize(kLargest);
  while (base.pixelSize() > kSmallest &&
         QFontMetrics(base).boundingRect(AboutTextBox(), kAboutTextFlags, AboutText()).height() >
             AboutTextBox().height())
    base.setPixelSize(base.pixelSize() - 1);
  return base;
}

}  // namespace ui

CSplashWindow* CSplashWindow::current_ = nullptr;

// The face picture is compiled into this library; make sure the linker keeps it.
static void InitialiseSplashResources() { Q_INIT_RESOURCE(splash); }

CSplashWindow* CSplashWindow::Open(Mode mode, QWidget* owner) {
  if (current_) return current_;
  auto* window = new CSplashWindow(mode, owner);
  window->show();
  window->raise();
  window->activateWindow();
  // At start-up no event loop runs yet: the splash paints now, so that it
  // stands there while the sky loads.
  if (mode == Mode::Splash) window->WaitForFirstPaint();
  return current_;
}

void CSplashWindow::Close() { delete current_; }

CSplashWindow::CSplashWindow(Mode mode, QWidget* owner)
    : QWidget(owner,
              (mode == Mode::Splash ? Qt::SplashScreen | Qt::WindowStaysOnTopHint : Qt::Dialog) |
                  Qt::FramelessWindowHint),
      mode_(mode) {
  InitialiseSplashResources();
  current_ = this;
  setObjectName("SplashWindow");
  setAttribute(Qt::WA_DeleteOnClose);
  setFocusPolicy(Qt::StrongFocus);
  setWindowTitle(QtString(res::IDS_APP_TITLE));
  setFixedSize(kFaceSize);
  // An ellipse inscribed in the face.
  setMask(QRegion(1, 0, width() - 1, height(), QRegion::Ellipse));
  ComposeFace();

  if (mode == Mode::Splash) {
    new CSplashAnimation(this);
  } else {
    sourcesLink_ = new QLabel(this);
    sourcesLink_->setObjectName("SourcesLink");
    sourcesLink_->setText(
        tr("<a href=\"sources\" style=\"color:#9cc8ff\">Data sources and licences...</a>"));
    sourcesLink_->setAlignment(Qt::AlignCenter);
    sourcesLink_->setGeometry(100, 196, 200, 20);
    sourcesLink_->setWhatsThis(
        tr("Opens the user guide at the full list of the sky data's "
           "sources, their authors and their licences."));
    connect(sourcesLink_, &QLabel::linkActivated, this, [this] {
      emit DataSourcesRequested();
      close();
    });
  }

  // Centred over the owner when it is on screen, otherwise over the screen.
  const QRect area = owner && owner->isVisible() ? owner->frameGeometry()
                     : QGuiApplication::primaryScreen()
                         ? QGuiApplication::primaryScreen()->availableGeometry()
                         : QRect(QPoint(0, 0), kFaceSize);
  move(area.center() - rect().center());
}

CSplashWindow::~CSplashWindow() {
  if (current_ == this) current_ = nullptr;
}

void CSplashWindow::ComposeFace() {
  const QPixmap sky(":/splash/sky.png");
  if (sky.isNull()) {
    face_ = QPixmap(kFaceSize);  // without its picture the face is a night-blue sky
    face_.fill(QColor(8, 16, 40));
  } else {
    face_ = sky.scaled(kFaceSize);
  }
  QPainter p(&face_);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);

  QFont title = font();
  title.setPixelSize(38);
  title.setBold(true);
  p.setFont(title);
  DrawShadowedText(p, QRect(0, 22, 400, 48), QtString(res::IDS_APP_TITLE), Qt::AlignCenter);
  QFont small = font();
  small.setPixelSize(13);
  p.setFont(small);
  DrawShadowedText(p, QRect(0, 68, 400, 18), tr("Version %1").arg(QStringLiteral(STELLIX_VERSION)),
                   Qt::AlignCenter);
  if (mode_ == Mode::Splash) return;

  // The About text on a dark panel, so that it reads over the stars.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 165));
  p.drawRoundedRect(kAboutPanel, 10, 10);
  p.setFont(ui::AboutTextFont(font()));
  DrawShadowedText(p, ui::AboutTextBox(), ui::AboutText(), ui::kAboutTextFlags);
}

void CSplashWindow::WaitForFirstPaint() {
  QTimer deadline;
  deadline.setSingleShot(true);
  deadline.start(1000);
  const QPointer<CSplashWindow> self(this);
  while (self && !painted_ && deadline.isActive())
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents |
                                    QEventLoop::ExcludeUserInputEvents);
}

int CSplashWindow::ScreenDepth() const { return screen() ? screen()->depth() : 32; }

void CSplashWindow::Terminate(int status) {
  std::fflush(nullptr);
  std::_Exit(status);
}

void CSplashWindow::paintEvent(QPaintEvent*) {
  QPainter(this).drawPixmap(0, 0, face_);
  if (painted_) return;
  painted_ = true;
  if (!ui::IsColourDepthEnough(ScreenDepth())) {
    // Qt draws no window on such a display, a message box included: the
    // message goes to standard error, in the form of the program's other
    // messages without a person, and the program ends without waiting.
    hide();
    std::fprintf(
        stderr, "%s\n",
        MessageLine(MessageIcon::Stop, TranslatedString(res::IDS_NEED_HIGH_COLOR)).c_str());
    std::fflush(stderr);
    Terminate(3);
    close();
  }
}

void CSplashWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) close();
}

void CSplashWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
      event->key() == Qt::Key_Escape)
    close();
  else
    QWidget::keyPressEvent(event);
}
