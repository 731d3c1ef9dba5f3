// The round window of the program: at start-up the splash, with a small
// animation, standing in front while the sky loads; later the About window,
// with the version, the licence and the sources of the sky data. One at a
// time. Its first paint refuses a display of 256 colours or fewer.
#pragma once

#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QWidget>

class QLabel;

namespace ui {

// Whether a display of `bitsPerPixel` can show the sky: more than 256
// colours, that is more than 8 bits per pixel.
bool IsColourDepthEnough(int bitsPerPixel);

// The About window's text, and the box on its face it is wrapped into
// (centred, from the top), above the link to the data's sources.
QString AboutText();
QRect AboutTextBox();
constexpr int kAboutTextFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
// The font of that text: `base` at 11 pixels, or smaller when the text
// would not fit its box whole in it (a wider typeface takes more lines).
QFont AboutTextFont(QFont base);

}  // namespace ui

class CSplashWindow : public QWidget {
  Q_OBJECT

 public:
  enum class Mode { Splash, About };

  // Opens the window in `mode`, centred over `owner` (or the screen), and
  // paints it at once; does nothing when a window is already open. Returns
  // the window that is open afterwards. A display of 256 colours or fewer
  // ends the program as the window first paints: message 311 on standard
  // error, status 3.
  static CSplashWindow* Open(Mode mode, QWidget* owner = nullptr);
  // Closes the open window, if there is one.
  static void Close();
  // The open window; nullptr when there is none.
  static CSplashWindow* Current() { return current_; }

  ~CSplashWindow() override;

  Mode WindowMode() const { return mode_; }
  // The link to the full list of the sky data's sources (About only; else nullptr).
  QLabel* SourcesLink() const { return sourcesLink_; }
  // Lets the window system show the window and waits (a second at most)
  // until it has painted once, for the time before the event loop runs.
  void WaitForFirstPaint();

 signals:
  // The About window's link to the data sources was followed.
  void DataSourcesRequested();

 protected:
  // Open makes the window; a test's subclass may stand for another display.
  CSplashWindow(Mode mode, QWidget* owner);
  // The colour depth of the window's screen, in bits per pixel.
  virtual int ScreenDepth() const;
  // Ends the program at once with `status`, saving nothing.
  virtual void Terminate(int status);

  // The face; the first paint also checks the colour depth.
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ComposeFace();

  static CSplashWindow* current_;  // the one window open, as the program has one at a time

  Mode mode_;
  QPixmap face_;
  QLabel* sourcesLink_ = nullptr;
  bool painted_ = false;
};
