#include "render/bitmap_fonts.h"

#include <QChar>
#include <QFont>
#include <QImage>
#include <QOpenGLContext>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <cmath>
#include <vector>

#include "astro/transforms.h"
#include "render/gl.h"
#include "sky/sky_doc.h"

namespace render {
namespace {

// The context property that keeps the device-pixel ratio the fonts were made at.
constexpr char kFontScaleProperty[] = "stellixLabelFontScale";

struct FontStyle {
  unsigned ListBase;
  int CellHeight;  // pixels from the top of the ascent to the bottom of the descent
  int Weight;      // 100 (thin) ... 900 (black)
  bool Italic;
};

constexpr FontStyle kFonts[] = {
    {1000, 16, 600, false},  // LabelFont::Bold16
    {2000, 14, 500, false},  // LabelFont::Plain14
    {3000, 14, 500, true},   // LabelFont::Italic14
};

const FontStyle& StyleOf(LabelFont font) { return kFonts[static_cast<int>(font)]; }

// The font's height counts as the height of its character cell (ascent plus
// descent), not of its em square: the largest pixel size whose cell fits.
QFont MakeFont(LabelFont font, double deviceRatio) {
  const FontStyle& style = StyleOf(font);
  QFont qfont(QStringLiteral("Arial"));
  qfont.setStyleHint(QFont::SansSerif);
  qfont.setWeight(static_cast<QFont::Weight>(style.Weight));
  qfont.setItalic(style.Italic);
  // Glyphs are drawn one by one from their lists: no kerning, no grey levels.
  qfont.setKerning(false);
  qfont.setStyleStrategy(QFont::NoAntialias);
  const int cell = std::max(1, static_cast<int>(std::lround(style.CellHeight * deviceRatio)));
  int pixels = cell;
  qfont.setPixelSize(pixels);
  while (pixels > 1 && QFontMetrics(qfont).height() > cell) qfont.setPixelSize(--pixels);
  return qfont;
}

double FontScaleOfCurrentContext() {
  const QOpenGLContext* context = QOpenGLContext::currentContext();
  const double scale = context ? context->property(kFontScaleProperty).toDouble() : 0.0;
  return scale > 0 ? scale : 1.0;
}

// Control codes (0-31, 127-159) have no glyph and do not advance.
bool Printable(unsigned char c) { return QChar(c).isPrint(); }

int Advance(const QFontMetrics& metrics, unsigned char c) {
  return Printable(c) ? metrics.horizontalAdvance(QChar(c)) : 0;
}

// One character as a glBitmap: rows bottom-up, most significant bit first,
// rows padded to whole bytes (unpack alignment 1).
struct Glyph {
  int Width = 0, Height = 0;
  int OriginX = 0, OriginY = 0;  // the baseline's start, from the bitmap's lower-left corner
  std::vector<GLubyte> Bits;
};

Glyph Rasterise(const QFont& qfont, const QFontMetrics& metrics, unsigned char c) {
  Glyph glyph;
  if (!Printable(c)) return glyph;
  const QString text{QChar(c)};
  QRect box = metrics.boundingRect(QChar(c));  // y downwards, baseline at 0
  if (box.isEmpty()) return glyph;
  box.adjust(-1, -1, 1, 1);  // room for a pixel the rasteriser puts outside the metrics

  QImage image(box.size(), QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::TextAntialiasing, false);
  painter.setFont(qfont);
  painter.setPen(Qt::white);
  painter.drawText(QPoint(-box.left(), -box.top()), text);
  painter.end();

  glyph.Width = box.width();
  glyph.Height = box.height();
  glyph.OriginX = -box.left();
  glyph.OriginY = box.bottom() + 1;
  const int stride = (glyph.Width + 7) / 8;
  glyph.Bits.assign(static_cast<std::size_t>(stride * glyph.Height), 0);
  for (int row = 0; row < glyph.Height; ++row) {
    const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(glyph.Height - 1 - row));
    for (int x = 0; x < glyph.Width; ++x)
      if (qRed(line[x]) >= 128)
        glyph.Bits[row * stride + x / 8] |= static_cast<GLubyte>(0x80 >> (x % 8));
  }
  return glyph;
}

void BuildFont(LabelFont font, double deviceRatio) {
  const QFont qfont = MakeFont(font, deviceRatio);
  const QFontMetrics metrics(qfont);
  // An empty glBitmap still needs a bitmap pointer, or the list compiles empty
  // and the character would not advance.
  static constexpr GLubyte kNoBits = 0;
  for (int c = 0; c < 256; ++c) {
    const unsigned char code = static_cast<unsigned char>(c);
    const Glyph glyph = Rasterise(qfont, metrics, code);
    glNewList(StyleOf(font).ListBase + c, GL_COMPILE);
    glBitmap(glyph.Width, glyph.Height, static_cast<GLfloat>(glyph.OriginX),
             static_cast<GLfloat>(glyph.OriginY), static_cast<GLfloat>(Advance(metrics, code)), 0,
             glyph.Bits.empty() ? &kNoBits : glyph.Bits.data());
    glEndList();
  }
}

}  // namespace

unsigned FontListBase(LabelFont font) { return StyleOf(font).ListBase; }

void BuildLabelFonts(double deviceRatio) {
  if (QOpenGLContext* context = QOpenGLContext::currentContext())
    context->setProperty(kFontScaleProperty, deviceRatio);
  GLint alignment = 4;
  glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  BuildFont(LabelFont::Bold16, deviceRatio);
  BuildFont(LabelFont::Plain14, deviceRatio);
  BuildFont(LabelFont::Italic14, deviceRatio);
  glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
}

CTextMeasure::CTextMeasure(LabelFont font)
    : metrics_(MakeFont(font, FontScaleOfCurrentContext())) {}

int CTextMeasure::Width(std::string_view text) const {
  int width = 0;
  for (char c : text) width += Advance(metrics_, static_cast<unsigned char>(c));
  return width;
}

void DrawText(LabelFont font, double x, double y, std::string_view text) {
  glRasterPos2d(x, y);
  glListBase(FontListBase(font));
  glCallLists(static_cast<GLsizei>(text.size()), GL_UNSIGNED_BYTE, text.data());
}

void DrawTextBox(const CTextMeasure& measure, double x, double y, std::string_view text, int dx,
                 int dy) {
  const int left = static_cast<int>(std::floor(x)) + dx;
  const int bottom = static_cast<int>(std::floor(y)) + dy;
  const int width = measure.Width(text), height = measure.Height();
  glColor3f(0, 0, 0);
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  glRecti(left, bottom, left + width, bottom + height / 2);
}

bool LabelPosition(const CSkyDoc& doc, double ra, double dec, double& x, double& y) {
  double p[3];
  doc.DrawingPoint(ra, dec, p);
  if (doc.HorizonMode && doc.HorizontalOf(ra, dec).Altitude < 0) return false;
  return doc.SkyToWindow(p[0], p[1], p[2], x, y);
}

}  // namespace render
