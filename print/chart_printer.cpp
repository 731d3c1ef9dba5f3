#include "print/chart_printer.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPolygon>
#include <QPrinter>
#include <QSaveFile>
#include <algorithm>
#include <map>
#include <string>
#include <tuple>
#include <variant>

#include "print/chart_geometry.h"
#include "render/bitmap_fonts.h"
#include "render/sky_names.h"
#include "res/qt_text.h"
#include "res/translatable.h"
#include "sky/sky_doc.h"

namespace print {
namespace {

// "Arial" (Liberation Sans where it is not installed under its own name) of
// the largest pixel size whose cell fits the font's height on `device`.
QFont MakeFont(const ChartFont& font, const QPaintDevice* device) {
  QFont qfont(QStringLiteral("Arial"));
  qfont.setStyleHint(QFont::SansSerif, QFont::PreferQuality);
  qfont.setWeight(static_cast<QFont::Weight>(font.Weight));
  qfont.setItalic(font.Italic);
  int pixels = std::max(1, font.Height);
  qfont.setPixelSize(pixels);
  while (pixels > 1 && QFontMetrics(qfont, device).height() > font.Height)
    qfont.setPixelSize(--pixels);
  return qfont;
}

// The page's fonts, made once each, and their measures.
class CPageFonts : public CChartTextMeasure {
 public:
  explicit CPageFonts(const QPaintDevice* device) : device_(device) {}

  const QFont& Font(const ChartFont& font) const {
    const auto key = std::make_tuple(font.Height, font.Weight, font.Italic);
    auto it = fonts_.find(key);
    if (it == fonts_.end()) it = fonts_.emplace(key, MakeFont(font, device_)).first;
    return it->second;
  }
  QFontMetrics Metrics(const ChartFont& font) const { return QFontMetrics(Font(font), device_); }

  int Width(const ChartFont& font, std::string_view text) const override {
    return Metrics(font).horizontalAdvance(render::LabelQString(text));
  }
  int Height(const ChartFont& font) const override { return Metrics(font).height(); }

 private:
  const QPaintDevice* device_;
  mutable std::map<std::tuple<int, int, bool>, QFont> fonts_;
};

QColor FillColour(ChartFill fill) {
  switch (fill) {
    case ChartFill::Black:
      return Qt::black;
    case ChartFill::White:
      return Qt::white;
    case ChartFill::LightGrey:
      break;
  }
  return QColor(192, 192, 192);
}

QPoint ToQt(PagePoint p) { return {p.X, p.Y}; }

QPolygon ToQt(const std::vector<PagePoint>& points) {
  QPolygon polygon;
  polygon.reserve(static_cast<qsizetype>(points.size()));
  for (const PagePoint& p : points) polygon << ToQt(p);
  return polygon;
}

// Draws one shape of the chart; the pen is black throughout.
class CShapePainter {
 public:
  CShapePainter(QPainter& painter, const CPageFonts& fonts) : painter_(painter), fonts_(fonts) {}

  void operator()(const ChartCircle& c) const {
    painter_.setBrush(FillColour(c.Fill));
    painter_.drawEllipse(ToQt(c.Centre), c.Radius, c.Radius);
  }
  void operator()(const ChartLines& l) const {
    QPainterPath path;
    for (const auto& [a, b] : l.Segments) {
      path.moveTo(ToQt(a));
      path.lineTo(ToQt(b));
    }
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(path);
  }
  void operator()(const ChartPolyline& l) const { painter_.drawPolyline(ToQt(l.Points)); }
  void operator()(const ChartPolygon& p) const {
    painter_.setBrush(FillColour(p.Fill));
    painter_.drawPolygon(ToQt(p.Points));
  }
  void operator()(const ChartText& t) const {
    const QFont& font = fonts_.Font(t.Font);
    const QFontMetrics metrics = fonts_.Metrics(t.Font);
    const QString text = render::LabelQString(t.Text);
    painter_.setFont(font);
    painter_.setBackgroundMode(t.Opaque ? Qt::OpaqueMode : Qt::TransparentMode);
    if (t.Anchor == TextAnchor::TopLeft)
      painter_.drawText(QPoint(t.At.X, t.At.Y + metrics.ascent()), text);
    else
      painter_.drawText(QPoint(t.At.X - metrics.horizontalAdvance(text) / 2, t.At.Y), text);
  }

 private:
  QPainter& painter_;
  const CPageFonts& fonts_;
};

// The names as the sky's labels write them, in the window's language.
class CWindowNames : public CChartNames {
 public:
  explicit CWindowNames(const AppSettings& settings) : settings_(settings) {}
  std::string Body(int body) const override { return render::BodyLabel(body); }
  std::string CompassPoint(int point) const override { return render::CompassLetter(point); }
  std::string Constellation(const std::string& latin) const override {
    return render::ConstellationLabel(settings_, latin);
  }
  std::string Text(int id) const override { return QtString(id).toStdString(); }

 private:
  const AppSettings& settings_;
};

}  // namespace

void PaintChart(QPainter& painter, CSkyDoc& doc, double zoom, int width, int height) {
  const CPageFonts fonts(painter.device());
  const ChartDrawing drawing =
      BuildChart(doc, width, height, zoom, fonts, CWindowNames(doc.Settings()));
  painter.save();
  // Nothing reaches past the printable area, as on a printer's page.
  painter.setClipRect(0, 0, width, height);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, 1));
  painter.setBackground(Qt::white);
  const CShapePainter draw(painter, fonts);
  for (const ChartItem& item : drawing) std::visit(draw, item.Shape);
  painter.restore();
}

bool PrintChart(QPrinter& printer, CSkyDoc& doc, double zoom) {
  printer.setResolution(kChartDotsPerInch);
  printer.setDocName(QtString(res::IDS_APP_TITLE));
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  PaintChart(painter, doc, zoom, printer.width(), printer.height());
  return painter.end();
}

bool WriteChartPdf(const QString& path, const QPageLayout& layout, CSkyDoc& doc, double zoom,
                   QString& error) {
  // Unbuffered, so that a write the disk cuts short is seen at once.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    error = file.errorString();
    return false;
  }
  // The PDF writer does not look at what its device wrote: the chart is made
  // in memory and written here, every byte checked.
  QByteArray pdf;
  {
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kChartDotsPerInch);
    writer.setPageLayout(layout);
    writer.setTitle(QtString(res::IDS_APP_TITLE));
    writer.setCreator(QtString(res::IDS_APP_TITLE));
    QPainter painter;
    if (!painter.begin(&writer)) {
      file.cancelWriting();
      error = STELLIX_TEXT("print", "the PDF could not be started");
      return false;
    }
    PaintChart(painter, doc, zoom, writer.width(), writer.height());
    painter.end();
  }
  for (qsizetype written = 0; written < pdf.size();) {
    const qint64 n = file.write(pdf.constData() + written, pdf.size() - written);
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

}  // namespace print
