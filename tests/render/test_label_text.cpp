// The text of the sky's labels: Latin-1 bytes and the letters of Latin
// Extended-A, without a window.
#include <gtest/gtest.h>

#include <string>

#include "render/label_text.h"

namespace {

TEST(LabelText, KeepsLatinOneAndExtendedALettersOfUtf8) {
  struct Case {
    const char* Utf8;
    std::u16string Characters;
  };
  const Case cases[] = {
      {"Orion", u"Orion"},
      {"S\xC3\xBC"
       "d",
       u"S\u00FCd"},  // Latin-1
      {"\xC5\x81"
       "ab\xC4\x99"
       "d\xC5\xBA",
       u"\u0141ab\u0119d\u017A"},  // "Łabędź"
      {"\xC5\xBF", u"\u017F"},     // the last one, long s
      {"\xC8\x99", u"?"},          // "ș" lies beyond
      {"\xE6\x9C\x88", u"?"},      // a CJK character
      {"50\xC2\xB0", u"50\u00B0"},
      {"a\xC5", u"a?"},  // cut short
  };
  for (const Case& c : cases)
    EXPECT_EQ(render::LabelCharacters(render::LabelTextOfUtf8(c.Utf8)), c.Characters) << c.Utf8;
}

TEST(LabelText, ExtendedALettersTakeTwoBytesAndLatinOneOne) {
  std::string label;
  render::AppendLabelCharacter(label, U'L');
  render::AppendLabelCharacter(label, 0xB0);
  render::AppendLabelCharacter(label, 0x142);
  ASSERT_EQ(label.size(), 4u);
  EXPECT_EQ(label[0], 'L');
  EXPECT_EQ(static_cast<unsigned char>(label[1]), 0xB0);
  EXPECT_EQ(label[2], render::kExtendedA);
  EXPECT_EQ(render::LabelCharacters(label), u"L\u00B0\u0142");
  // A catalogue's Latin-1 reads as it is; a lone escape at the end is dropped.
  EXPECT_EQ(render::LabelCharacters("Bo\xF6tes"), u"Bo\u00F6tes");
  EXPECT_EQ(render::LabelCharacters(std::string("ab") + render::kExtendedA), u"ab");
}

}  // namespace
