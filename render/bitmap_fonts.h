// The three label fonts of the sky and the common way of placing a label:
// one display list per character of Latin-1 and Latin Extended-A
// (U+0000-U+017F) that draws its antialiased
// glyph from the font's alpha texture and moves on by its advance, called
// at a position in window pixels with glListBase + glCallLists.
#pragma once

#include <QFontMetrics>
#include <QString>
#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>

#include "render/label_space.h"
#include "render/label_text.h"

class CSkyDoc;
namespace sky {
struct ViewGeometry;
}

namespace render {

enum class LabelFont {
  Bold16,    // lists 1000-1383: constellation names, compass letters
  Plain14,   // lists 2000-2383: star and planet names
  Italic14,  // lists 3000-3383: deep-sky labels, "LMC" and "SMC"
};

// The first display list of a font: the list of character c is base + c.
unsigned FontListBase(LabelFont font);

// Rasterises the three fonts from Liberation Sans ("Arial") into their display
// lists in the current GL context. `deviceRatio` is the number of device
// pixels per logical pixel: the glyphs are made at the size they take on
// the screen. The context remembers the ratio for CTextMeasure.
void BuildLabelFonts(double deviceRatio);

// Measures text exactly as the display lists of `font` in the current GL
// context draw it: the width is the sum of the glyphs' advances, the height
// the character cell's.
class CTextMeasure {
 public:
  explicit CTextMeasure(LabelFont font);
  int Width(std::string_view text) const;
  int Height() const { return metrics_.height(); }
  int Ascent() const { return metrics_.ascent(); }
  int Descent() const { return metrics_.descent(); }

 private:
  QFontMetrics metrics_;
};

// Draws `text` with `font` in the current colour, its baseline starting at
// window position x, y, taken down to whole pixels (pixel projection set).
void DrawText(LabelFont font, double x, double y, std::string_view text);

// The black backing box of a label drawn at window position (x + dx, y + dy):
// from the baseline up to half the height of the text's cell, as wide as the
// text.
void DrawTextBox(const CTextMeasure& measure, double x, double y, std::string_view text, int dx,
                 int dy);

// The window position of the label of sky point (ra hours, dec degrees) in the
// last frame; false when the point lies on the far side of the sphere or, in
// horizon mode, below the horizon.
bool LabelPosition(const CSkyDoc& doc, const sky::ViewGeometry& view, double ra, double dec,
                   double& x, double& y);

// A text in the window's language as the fonts draw it: a letter beyond
// Latin Extended-A keeps its base letter ("ș" -> "s"); any other character
// beyond it becomes "?".
std::string LabelText(const QString& text);

// The characters of a label text.
QString LabelQString(std::string_view text);

// The text of a fixed character array of a catalogue record, which need not
// end with a NUL.
template <std::size_t N>
std::string_view FixedText(const char (&text)[N]) {
  std::size_t length = 0;
  while (length < N && text[length] != '\0') ++length;
  return {text, length};
}

}  // namespace render
