#include "print/altitude_plot_printer.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <algorithm>

#include "res/qt_text.h"
#include "res/translatable.h"
#include "res/strings.h"
#include "sky/night_vision.h"

namespace print {
namespace {

// Night vision's reds, none brighter than sky/night_vision.h allows: the
// day's paper dim, the night black, the lines and texts brightest.
QColor NightColour(PlotInk ink) {
  const auto red = [](int r) { return QColor(std::min(r, sky::kNightVisionMaxRed), 0, 0); };
  switch (ink) {
    case PlotInk::Paper:
      return red(46);
    case PlotInk::CivilTwilight:
      return red(32);
    case PlotInk::NauticalTwilight:
      return red(20);
    case PlotInk::AstronomicalTwilight:
      return red(10);
    case PlotInk::Night:
      return red(0);
    case PlotInk::Grid:
      return red(72);
    case PlotInk::Frame:
    case PlotInk::Text:
      return red(140);
    case PlotInk::Curve:
      return red(sky::kNightVisionMaxRed);
    case PlotInk::MoonCurve:
      return red(100);
    case PlotInk::Transit:
    case PlotInk::Now:
      return red(120);
  }
  return red(sky::kNightVisionMaxRed);
}

// The daylight colours: white paper, the twilights in deepening blues.
QColor Colour(PlotInk ink, bool night) {
  if (night) return NightColour(ink);
  switch (ink) {
    case PlotInk::Paper:
      return Qt::white;
    case PlotInk::Frame:
    case PlotInk::Text:
      return Qt::black;
    case PlotInk::Grid:
      return QColor(160, 160, 160, 110);
    case PlotInk::CivilTwilight:
      return QColor(196, 214, 240);
    case PlotInk::NauticalTwilight:
      return QColor(140, 168, 214);
    case PlotInk::AstronomicalTwilight:
      return QColor(92, 116, 170);
    case PlotInk::Night:
      return QColor(44, 56, 98);
    case PlotInk::Curve:
      return QColor(214, 40, 20);
    case PlotInk::MoonCurve:
      return QColor(230, 170, 0);
    case PlotInk::Transit:
      return QColor(20, 160, 60);
    case PlotInk::Now:
      return QColor(220, 40, 190);
  }
  return Qt::black;
}

QByteArray PngOf(const PlotGeometry& g) {
  QImage image(static_cast<int>(g.Width), static_cast<int>(g.Height), QImage::Format_RGB32);
  {
    QPainter painter(&image);
    PaintAltitudePlot(painter, g);
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "png");
  return bytes;
}

QByteArray SvgOf(const PlotGeometry& g, const QString& title) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(QSize(static_cast<int>(g.Width), static_cast<int>(g.Height)));
  svg.setViewBox(QRectF(0.0, 0.0, g.Width, g.Height));
  svg.setTitle(title);
  svg.setDescription(QtString(res::IDS_APP_TITLE));
  QPainter painter;
  if (!painter.begin(&svg)) return {};
  PaintAltitudePlot(painter, g);
  painter.end();
  return bytes;
}

}  // namespace

void PaintAltitudePlot(QPainter& painter, const PlotGeometry& g, bool night) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  for (const PlotRect& r : g.Rects)
    painter.fillRect(QRectF(r.X, r.Y, r.Width, r.Height), Colour(r.Ink, night));
  for (const PlotPolyline& line : g.Lines) {
    QPen pen(Colour(line.Ink, night), line.Width);
    if (line.Dashed) pen.setStyle(Qt::DashLine);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    QPainterPath path;
    for (std::size_t i = 0; i < line.Points.size(); ++i) {
      const QPointF p(line.Points[i].X, line.Points[i].Y);
      if (i == 0)
        path.moveTo(p);
      else
        path.lineTo(p);
    }
    painter.drawPath(path);
  }
  QFont font = painter.font();
  font.setPixelSize(std::max(1, static_cast<int>(g.FontPixels * 0.8)));
  for (const PlotText& t : g.Texts) {
    font.setBold(t.Bold);
    painter.setFont(font);
    painter.setPen(Colour(t.Ink, night));
    const QString text = QString::fromStdString(t.Text);
    const double width = QFontMetricsF(font, painter.device()).horizontalAdvance(text);
    const double x = t.Align == PlotAlign::Left     ? t.X
                     : t.Align == PlotAlign::Centre ? t.X - width / 2.0
                                                    : t.X - width;
    painter.drawText(QPointF(x, t.Y), text);
  }
  painter.restore();
}

QByteArray PlotFileFormatOf(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QLatin1String("png") || suffix == QLatin1String("svg")) return suffix.toLatin1();
  return {};
}

bool WriteAltitudePlot(const QString& path, const sky::AltitudePlot& plot, const std::string& place,
                       QString& error) {
  const QByteArray format = PlotFileFormatOf(path);
  if (format.isEmpty()) {
    error = STELLIX_TEXT("print", "the file name must end in .png or .svg");
    return false;
  }
  const PlotGeometry g = LayoutAltitudePlot(plot, place, kPlotFileWidth, kPlotFileHeight);
  const QByteArray bytes =
      format == "png" ? PngOf(g) : SvgOf(g, QString::fromStdString(plot.Target.Name));
  if (bytes.isEmpty()) {
    error = STELLIX_TEXT("print", "the drawing could not be made");
    return false;
  }
  // Unbuffered, so that a write the disk cuts short is seen at once.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    error = file.errorString();
    return false;
  }
  for (qsizetype written = 0; written < bytes.size();) {
    const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
    if (n <= 0) {
      error = file.errorString();
      file.cancelWriting();
      return false;
    }
    written += n;
  }
  if (!file.commit()) {
    error = file.errorString();
    return false;
  }
  return true;
}

bool PrintAltitudePlot(QPrinter& printer, const sky::AltitudePlot& plot, const std::string& place) {
  printer.setDocName(QString::fromStdString(plot.Target.Name));
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  // The file's proportions, scaled to the page's width or height.
  const double scale = std::min(printer.width() / static_cast<double>(kPlotFileWidth),
                                printer.height() / static_cast<double>(kPlotFileHeight));
  painter.scale(scale, scale);
  PaintAltitudePlot(painter, LayoutAltitudePlot(plot, place, kPlotFileWidth, kPlotFileHeight));
  return painter.end();
}

}  // namespace print
