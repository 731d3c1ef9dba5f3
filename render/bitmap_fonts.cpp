#include "render/bitmap_fonts.h"

#include <QChar>
#include <QFont>
#include <QImage>
#include <QOpenGLContext>
#include <QPainter>
#include <QString>
#include <QVariantList>
#include <algorithm>
#include <cmath>
#include <vector>

#include "astro/transforms.h"
#include "render/gl.h"
#include "sky/sky_doc.h"

namespace render {
namespace {

// The context properties that keep the device-pixel ratio the fonts were
// made at and the names of their glyph textures.
constexpr char kFontScaleProperty[] = "stellixLabelFontScale";
constexpr char kFontTextureProperty[] = "stellixLabelFontTextures";

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
  // Glyphs are drawn one by one from their lists: no kerning. Grey levels,
  // but no colour fringes: the glyphs become alpha.
  qfont.setKerning(false);
  qfont.setStyleStrategy(QFont::PreferAntialias);
  qfont.setHintingPreference(QFont::PreferFullHinting);
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

// The characters with a glyph list: Latin-1 and Latin Extended-A.
constexpr int kCharacters = kLastLabelCharacter + 1;

// Control codes (0-31, 127-159) have no glyph and do not advance.
bool Printable(char16_t c) { return QChar(c).isPrint(); }

int Advance(const QFontMetrics& metrics, char16_t c) {
  return Printable(c) ? metrics.horizontalAdvance(QChar(c)) : 0;
}

// One character's coverage: an alpha image whose baseline starts `OriginX`
// pixels from its left edge and `Ascent` pixels below its top row.
struct Glyph {
  QImage Alpha;  // Format_Alpha8; null for a character without ink
  int OriginX = 0, Ascent = 0;
};

Glyph Rasterise(const QFont& qfont, const QFontMetrics& metrics, char16_t c) {
  Glyph glyph;
  if (!Printable(c)) return glyph;
  QRect box = metrics.boundingRect(QChar(c));  // y downwards, baseline at 0
  if (box.isEmpty()) return glyph;
  box.adjust(-1, -1, 1, 1);  // room for a pixel the rasteriser puts outside the metrics

  QImage image(box.size(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.setFont(qfont);
  painter.setPen(Qt::white);
  painter.drawText(QPoint(-box.left(), -box.top()), QString(QChar(c)));
  painter.end();
  glyph.Alpha = image.convertToFormat(QImage::Format_Alpha8);
  glyph.OriginX = -box.left();
  glyph.Ascent = -box.top();
  return glyph;
}

// The glyphs of a font in one alpha texture, 16 cells a row; each character's
// list draws its glyph as a textured square at the current position and
// moves the position on by its advance. DrawText enables the texturing.
void BuildFont(LabelFont font, double deviceRatio, GLuint texture) {
  const QFont qfont = MakeFont(font, deviceRatio);
  const QFontMetrics metrics(qfont);
  std::vector<Glyph> glyphs;
  glyphs.reserve(kCharacters);
  int cellWidth = 1, cellHeight = 1;
  for (int c = 0; c < kCharacters; ++c) {
    glyphs.push_back(Rasterise(qfont, metrics, static_cast<char16_t>(c)));
    cellWidth = std::max(cellWidth, glyphs.back().Alpha.width() + 1);
    cellHeight = std::max(cellHeight, glyphs.back().Alpha.height() + 1);
  }
  QImage atlas(cellWidth * 16, cellHeight * (kCharacters / 16), QImage::Format_Alpha8);
  atlas.fill(0);
  {
    QPainter painter(&atlas);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (int c = 0; c < kCharacters; ++c)
      if (!glyphs[c].Alpha.isNull())
        painter.drawImage(QPoint(c % 16 * cellWidth, c / 16 * cellHeight), glyphs[c].Alpha);
  }
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, static_cast<GLint>(atlas.bytesPerLine()));
  glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA, atlas.width(), atlas.height(), 0, GL_ALPHA,
               GL_UNSIGNED_BYTE, atlas.constBits());
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);

  const double w = atlas.width(), h = atlas.height();
  for (int c = 0; c < kCharacters; ++c) {
    const Glyph& glyph = glyphs[c];
    const char16_t code = static_cast<char16_t>(c);
    glNewList(StyleOf(font).ListBase + c, GL_COMPILE);
    if (!glyph.Alpha.isNull()) {
      const double s0 = c % 16 * cellWidth / w, t0 = c / 16 * cellHeight / h;
      const double s1 = s0 + glyph.Alpha.width() / w, t1 = t0 + glyph.Alpha.height() / h;
      const double left = -glyph.OriginX, right = left + glyph.Alpha.width();
      const double top = glyph.Ascent, bottom = top - glyph.Alpha.height();
      glBindTexture(GL_TEXTURE_2D, texture);
      glBegin(GL_QUADS);
      glTexCoord2d(s0, t0);
      glVertex2d(left, top);
      glTexCoord2d(s0, t1);
      glVertex2d(left, bottom);
      glTexCoord2d(s1, t1);
      glVertex2d(right, bottom);
      glTexCoord2d(s1, t0);
      glVertex2d(right, top);
      glEnd();
    }
    glTranslated(Advance(metrics, code), 0, 0);
    glEndList();
  }
}

}  // namespace

unsigned FontListBase(LabelFont font) { return StyleOf(font).ListBase; }

void BuildLabelFonts(double deviceRatio) {
  QOpenGLContext* context = QOpenGLContext::currentContext();
  if (context) context->setProperty(kFontScaleProperty, deviceRatio);
  // The glyph textures of the context, made once and filled again when the
  // fonts are made at another ratio.
  QVariantList textures =
      context ? context->property(kFontTextureProperty).toList() : QVariantList{};
  if (textures.size() != 3) {
    GLuint names[3];
    glGenTextures(3, names);
    textures = {names[0], names[1], names[2]};
    if (context) context->setProperty(kFontTextureProperty, textures);
  }
  GLint alignment = 4;
  glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  BuildFont(LabelFont::Bold16, deviceRatio, textures[0].toUInt());
  BuildFont(LabelFont::Plain14, deviceRatio, textures[1].toUInt());
  BuildFont(LabelFont::Italic14, deviceRatio, textures[2].toUInt());
  glBindTexture(GL_TEXTURE_2D, 0);
  glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
}

CTextMeasure::CTextMeasure(LabelFont font)
    : metrics_(MakeFont(font, FontScaleOfCurrentContext())) {}

std::string LabelText(const QString& text) {
  std::string label;
  for (const QChar c : text) {
    if (c.unicode() <= kLastLabelCharacter) {
      AppendLabelCharacter(label, c.unicode());
    } else {
      const QString parts = QString(c).normalized(QString::NormalizationForm_D);
      label += parts.front().unicode() < 128 ? static_cast<char>(parts.front().unicode()) : '?';
    }
  }
  return label;
}

QString LabelQString(std::string_view text) {
  const std::u16string characters = LabelCharacters(text);
  return QString::fromUtf16(characters.data(), static_cast<qsizetype>(characters.size()));
}

int CTextMeasure::Width(std::string_view text) const {
  int width = 0;
  for (const char16_t c : LabelCharacters(text)) width += Advance(metrics_, c);
  return width;
}

void DrawText(LabelFont font, double x, double y, std::string_view text) {
  // On whole pixels, so that the glyphs' texels fall on the screen's pixels.
  glPushMatrix();
  glTranslated(WholePixel(x), WholePixel(y), 0);
  glEnable(GL_TEXTURE_2D);
  glListBase(FontListBase(font));
  const std::u16string characters = LabelCharacters(text);
  glCallLists(static_cast<GLsizei>(characters.size()), GL_UNSIGNED_SHORT, characters.data());
  glDisable(GL_TEXTURE_2D);
  glPopMatrix();
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

bool LabelPosition(const CSkyDoc& doc, const sky::ViewGeometry& view, double ra, double dec,
                   double& x, double& y) {
  double p[3];
  doc.DrawingPoint(ra, dec, p);
  if (doc.Settings().HorizonMode && doc.HorizontalOf(ra, dec).Altitude < 0) return false;
  return view.SkyToWindow(p[0], p[1], p[2], x, y);
}

}  // namespace render
