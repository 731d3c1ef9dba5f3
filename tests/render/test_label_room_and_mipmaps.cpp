// The room labels take on the screen, and the halving of pictures for their
// mipmaps, without a window.
#include <gtest/gtest.h>

#include <vector>

#include "render/label_space.h"
#include "render/mipmaps.h"

namespace {

TEST(LabelSpace, ALabelOverlappingAnEarlierOneIsRefusedAndTakesNoRoom) {
  render::CLabelSpace space;
  EXPECT_TRUE(space.Take({10, 10, 60, 22}));
  struct Case {
    render::LabelBox Box;
    bool Free;
  };
  for (const Case& c : {
           Case{{59, 21, 90, 30}, false},  // a corner inside
           Case{{0, 0, 100, 40}, false},   // round it
           Case{{20, 12, 30, 18}, false},  // within it
           Case{{60, 10, 90, 22}, true},   // touching on the right
           Case{{10, 22, 60, 34}, true},   // touching above
       })
    EXPECT_EQ(space.Take(c.Box), c.Free) << c.Box.Left << ", " << c.Box.Bottom;
  // A refused label left no room behind: this one overlaps only refused ones.
  EXPECT_TRUE(space.Take({0, -20, 100, 9}));
  EXPECT_EQ(space.Taken().size(), 4u);
  space.Clear();
  EXPECT_TRUE(space.Take({20, 12, 30, 18}));
}

TEST(LabelSpace, ALabelTriesTheOtherSidesOfItsMarkAndStaysInsideTheWindow) {
  // A text 40 wide reaching 10 above and 3 below its baseline, its middle 4
  // up; a mark of radius 5 with a gap of 3 at (100, 50) in a 200 x 100 window.
  const render::TextExtent text{40, 10, 3, 4};
  struct Case {
    const char* what;
    std::vector<render::LabelBox> taken;  // before this label
    double x, y;
    bool placed;
    double left, baseline;
  } const cases[] = {
      {"right, level with the point", {}, 100, 50, true, 108, 46},
      {"left where the right is taken", {{112, 44, 150, 54}}, 100, 50, true, 52, 46},
      {"above where both sides are taken",
       {{112, 44, 150, 54}, {50, 44, 88, 54}},
       100,
       50,
       true,
       80,
       61},
      {"below where only that is left",
       {{112, 44, 150, 54}, {50, 44, 88, 54}, {90, 60, 110, 70}},
       100,
       50,
       true,
       80,
       32},
      {"left at the right edge", {}, 190, 50, true, 142, 46},
      {"above at the bottom edge", {}, 100, 2, true, 80, 13},
      {"nowhere in a corner", {}, 2, 2, false, 0, 0},
  };
  for (const Case& c : cases) {
    render::CLabelSpace space;
    space.Clear(200, 100);
    for (const render::LabelBox& box : c.taken) ASSERT_TRUE(space.Take(box)) << c.what;
    double left = 0, baseline = 0;
    EXPECT_EQ(space.TakeBeside(c.x, c.y, 5, 3, text, left, baseline), c.placed) << c.what;
    if (!c.placed) continue;
    EXPECT_EQ(left, c.left) << c.what;
    EXPECT_EQ(baseline, c.baseline) << c.what;
    const render::LabelBox& room = space.Taken().back();
    EXPECT_TRUE(room.Left >= 0 && room.Bottom >= 0 && room.Right <= 200 && room.Top <= 100)
        << c.what;
  }
  // A label cut by the window's edge takes no room.
  render::CLabelSpace space;
  space.Clear(200, 100);
  EXPECT_FALSE(space.Take({190, 10, 230, 20}));
  EXPECT_FALSE(space.Take({10, -1, 50, 9}));
  EXPECT_TRUE(space.Taken().empty());
}

TEST(LabelSpace, ACentredLabelMovesInsideTheWindowAndTriesItsBaselinesInTurn) {
  // The text of the test above in a 200 x 100 window, one label already at
  // the top middle.
  const render::TextExtent text{40, 10, 3, 4};
  struct Case {
    const char* what;
    double x;
    std::vector<double> baselines;
    bool placed;
    double left, baseline;
  } const cases[] = {
      {"centred where free", 100, {50}, true, 80, 50},
      {"moved in from the left edge", 5, {50}, true, 0, 50},
      {"moved in from the right edge", 198, {50}, true, 160, 50},
      {"moved down from the top edge", 30, {95}, true, 10, 90},
      {"never so far that the point leaves it", -1, {50}, false, 0, 0},
      {"the next baseline where the first is taken", 100, {85, 20}, true, 80, 20},
      {"nowhere when every baseline is taken", 100, {85, 88}, false, 0, 0},
  };
  for (const Case& c : cases) {
    render::CLabelSpace space;
    space.Clear(200, 100);
    ASSERT_TRUE(space.Take({70, 80, 130, 100}));
    double left = 0, baseline = 0;
    EXPECT_EQ(space.TakeCentred(c.x, c.baselines, text, left, baseline), c.placed) << c.what;
    if (!c.placed) continue;
    EXPECT_EQ(left, c.left) << c.what;
    EXPECT_EQ(baseline, c.baseline) << c.what;
  }
}

TEST(LabelSpace, AFieldsNameTriesAboveItThenBelowThenHigherUp) {
  const render::TextExtent text{40, 10, 3, 4};
  EXPECT_EQ(render::FieldNameBaselines(100, -60, 4, text, 4),
            (std::vector<double>{107, -74, 124, 141}));
  // Two fields of one size: the second name goes below, clear of the first.
  render::CLabelSpace space;
  space.Clear(400, 400);
  double left, first, second;
  const auto baselines = render::FieldNameBaselines(300, 100, 4, text, 3);
  ASSERT_TRUE(space.TakeCentred(200, baselines, text, left, first));
  ASSERT_TRUE(space.TakeCentred(200, baselines, text, left, second));
  EXPECT_EQ(first, 307);
  EXPECT_EQ(second, 86);
}

TEST(Mipmaps, HalvingAveragesTwoByTwoAndKeepsOddSidesAtLeastOne) {
  render::PixelImage image{3, 2, 1, {0, 100, 7, 200, 255, 9}};
  const render::PixelImage half = render::HalveImage(image);
  ASSERT_EQ(half.Width, 1);
  ASSERT_EQ(half.Height, 1);
  EXPECT_EQ(half.Pixels[0], (0 + 100 + 200 + 255 + 2) / 4);  // the last column is dropped
  const render::PixelImage one = render::HalveImage(half);
  EXPECT_EQ(one.Width, 1);
  EXPECT_EQ(one.Height, 1);
  EXPECT_EQ(one.Pixels[0], half.Pixels[0]);
  // Channels stay apart.
  render::PixelImage rgb{2, 2, 3, {255, 0, 0, 255, 0, 0, 0, 0, 255, 0, 0, 255}};
  const render::PixelImage mixed = render::HalveImage(rgb);
  EXPECT_EQ(mixed.Pixels, (std::vector<std::uint8_t>{128, 0, 128}));
}

TEST(Mipmaps, AlphaFromBrightnessMakesTheDarkClearAndTheRestOpaque) {
  render::PixelImage image{3, 1, 4, {0, 0, 0, 9, 30, 30, 30, 9, 150, 180, 120, 9}};
  render::AlphaFromBrightness(image, 6);
  EXPECT_EQ(image.Pixels[3], 0);
  EXPECT_EQ(image.Pixels[7], 180);
  EXPECT_EQ(image.Pixels[11], 255);
  render::AlphaFromBrightness(image, 1);
  EXPECT_EQ(image.Pixels[11], 150);
}

}  // namespace
