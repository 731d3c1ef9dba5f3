// The text of the sky's labels and of the printed chart: Latin-1 bytes, as
// the catalogues hold them, and the letters of Latin Extended-A
// (U+0100-U+017F: "ę", "ł", "Š") in two bytes each, kExtendedA and then the
// low seven bits of the letter's code with the high bit set. The label fonts
// have a glyph for every one of these characters.
#pragma once

#include <string>
#include <string_view>

namespace render {

inline constexpr char kExtendedA = '\x81';  // a control code, never in a catalogue's text

// The last character a label text holds.
inline constexpr char32_t kLastLabelCharacter = 0x17F;

// Appends character `code` (at most kLastLabelCharacter) to `label`.
void AppendLabelCharacter(std::string& label, char32_t code);

// The label text of UTF-8 text; a character beyond Latin Extended-A becomes "?".
std::string LabelTextOfUtf8(std::string_view utf8);

// The characters (U+0000-U+017F) of a label text.
std::u16string LabelCharacters(std::string_view label);

}  // namespace render
