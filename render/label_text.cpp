#include "render/label_text.h"

#include <cstddef>

namespace render {

void AppendLabelCharacter(std::string& label, char32_t code) {
  if (code < 0x100) {
    label += static_cast<char>(code);
  } else {
    label += kExtendedA;
    label += static_cast<char>((code & 0x7F) | 0x80);
  }
}

std::string LabelTextOfUtf8(std::string_view utf8) {
  std::string label;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i++]);
    const int trailing = lead < 0x80    ? 0
                         : lead >= 0xF0 ? 3
                         : lead >= 0xE0 ? 2
                         : lead >= 0xC0 ? 1
                                        : -1;
    char32_t code = trailing == 0 ? lead : lead & (0x3F >> trailing);
    bool whole = trailing >= 0;
    for (int k = 0; k < trailing; ++k) {
      if (i >= utf8.size() || (static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80) {
        whole = false;
        break;
      }
      code = (code << 6) | (static_cast<unsigned char>(utf8[i++]) & 0x3F);
    }
    if (whole && code <= kLastLabelCharacter)
      AppendLabelCharacter(label, code);
    else
      label += '?';
  }
  return label;
}

std::u16string LabelCharacters(std::string_view label) {
  std::u16string characters;
  characters.reserve(label.size());
  for (std::size_t i = 0; i < label.size(); ++i) {
    if (label[i] != kExtendedA) {
      characters += static_cast<char16_t>(static_cast<unsigned char>(label[i]));
    } else if (i + 1 < label.size()) {
      characters += static_cast<char16_t>(0x100 | (static_cast<unsigned char>(label[++i]) & 0x7F));
    }
  }
  return characters;
}

}  // namespace render
