// The user's eyepiece and camera fields without a window: their size on the
// sky, the dialog's checks, the settings file and the outline drawn.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "astro/transforms.h"
#include "res/strings.h"
#include "sky/app_settings.h"
#include "sky/camera_math.h"
#include "sky/eyepiece_fields.h"
#include "sky/profile.h"

namespace sky {
namespace {

EyepieceField Eyepiece(const char* name, double telescope, double eyepiece, double apparent) {
  EyepieceField f;
  f.Name = name;
  f.Kind = FieldKind::Eyepiece;
  f.TelescopeFocal = telescope;
  f.EyepieceFocal = eyepiece;
  f.ApparentField = apparent;
  return f;
}
EyepieceField Circle(const char* name, double arcMinutes) {
  EyepieceField f;
  f.Name = name;
  f.Kind = FieldKind::Circle;
  f.Diameter = arcMinutes;
  return f;
}
EyepieceField Camera(const char* name, double telescope, double width, double height) {
  EyepieceField f;
  f.Name = name;
  f.Kind = FieldKind::Camera;
  f.TelescopeFocal = telescope;
  f.SensorWidth = width;
  f.SensorHeight = height;
  return f;
}

TEST(EyepieceFields, SizeOnTheSkyOfEachKind) {
  struct Case {
    EyepieceField Field;
    double Width, Height;
    bool Rectangle;
    const char* Text;
  } const kCases[] = {
      {Circle("Moon", 30), 0.5, 0.5, false, "30.0'"},
      {Eyepiece("Plossl", 1000, 25, 52), 1.3, 1.3, false, "1.30\xC2\xB0"},
      {Camera("APS-C", 1000, 23.5, 15.6), 1.3463889, 0.8937960, true, "1.35\xC2\xB0 x 53.6'"},
  };
  for (const Case& c : kCases) {
    const FieldSize size = SizeOf(c.Field);
    EXPECT_NEAR(size.Width, c.Width, 1e-6) << c.Field.Name;
    EXPECT_NEAR(size.Height, c.Height, 1e-6) << c.Field.Name;
    EXPECT_EQ(size.Rectangle, c.Rectangle) << c.Field.Name;
    EXPECT_EQ(FieldSizeText(c.Field), c.Text);
  }
}

TEST(EyepieceFields, TheDialogsChecks) {
  const std::string noName(res::String(res::IDS_FIELD_NO_NAME));
  struct Case {
    FieldTexts Texts;
    std::string Fault;  // the start of the message; "" when accepted
  } const kCases[] = {
      {{"Plossl 25", FieldKind::Eyepiece, "", " 1000 ", "25", "52", "x", "x"}, ""},
      {{"  ", FieldKind::Eyepiece, "", "1000", "25", "52", "", ""}, noName},
      {{"P", FieldKind::Eyepiece, "", "1000mm", "25", "52", "", ""},
       "The telescope's focal length in mm must be a number from 10 to 100000."},
      {{"P", FieldKind::Eyepiece, "", "1000", "", "52", "", ""},
       "The eyepiece's focal length in mm must be"},
      {{"P", FieldKind::Eyepiece, "", "1000", "25", "nan", "", ""},
       "The eyepiece's apparent field in degrees must be"},
      {{"P", FieldKind::Eyepiece, "", "1000", "25", "131", "", ""},
       "The eyepiece's apparent field in degrees must be"},
      // Each number in range, together a field of 2000 degrees.
      {{"P", FieldKind::Eyepiece, "", "10", "200", "100", "", ""}, "This field would be 2000.00"},
      {{"Half sky", FieldKind::Circle, "5400", "", "", "", "", ""}, ""},
      {{"P", FieldKind::Circle, "5400.5", "", "", "", "", ""}, "The diameter in arc-minutes"},
      {{"P", FieldKind::Circle, "1e400", "", "", "", "", ""}, "The diameter in arc-minutes"},
      {{"Cam", FieldKind::Camera, "", "400", "", "", "22.3", "14.9"}, ""},
      {{"Cam", FieldKind::Camera, "", "400", "", "", "22.3", "-1"}, "The sensor's height in mm"},
  };
  for (const Case& c : kCases) {
    EyepieceField field = Circle("before", 10);
    const std::string fault = FieldFromTexts(c.Texts, field);
    if (c.Fault.empty()) {
      EXPECT_EQ(fault, "") << c.Texts.Name;
      EXPECT_EQ(field.Kind, c.Texts.Kind);
      EXPECT_EQ(field.Name, c.Texts.Name);
    } else {
      EXPECT_EQ(fault.substr(0, c.Fault.size()), c.Fault) << fault;
      EXPECT_EQ(field, Circle("before", 10)) << "a refused field changes nothing";
    }
  }
  // What the boxes read is what they were filled with.
  EyepieceField field;
  const EyepieceField held = Camera("Cam", 400, 22.3, 14.9);
  ASSERT_EQ(FieldFromTexts(TextsOf(held), field), "");
  EXPECT_EQ(SizeOf(field).Width, SizeOf(held).Width);
  EXPECT_EQ(SizeOf(field).Height, SizeOf(held).Height);
}

std::vector<EyepieceField> Load(const std::string& ini, std::vector<std::string>& changes) {
  CProfile profile;
  profile.Parse(ini);
  return LoadEyepieceFields(profile, changes);
}

TEST(EyepieceFields, RoundTripThroughTheSettingsFile) {
  AppSettings out;
  out.EyepieceFields = 0;
  out.Fields = {Eyepiece("Pl\xF6ssl 25 mm", 1000, 25, 52), Circle("Telrad", 240),
                Camera("ASI 294", 714.3, 19.1, 13.0), Eyepiece("=[x]; \"odd\"", 1234.5, 6.7, 82)};
  CProfile written;
  StoreSettings(out, written);
  CProfile read;
  read.Parse(written.Text());
  AppSettings in;
  EXPECT_TRUE(LoadSettings(read, in).empty()) << written.Text();
  EXPECT_EQ(in.EyepieceFields, 0);
  EXPECT_EQ(in.Fields, out.Fields);
  // Only the numbers of each field's kind are written.
  const std::string text = written.Text();
  EXPECT_NE(
      text.find("[Eyepiece Fields]\nField1=Pl\xF6ssl 25 mm\nKind1=Eyepiece\nTelescope1=1000\n"
                "Eyepiece1=25\nApparentField1=52\nField2=Telrad\nKind2=Circle\nDiameter2=240\n"),
      std::string::npos)
      << text;

  // A shorter list written over the file leaves nothing of the longer one.
  out.Fields = {Camera("ASI 294", 714.3, 19.1, 13.0)};
  StoreSettings(out, read);
  CProfile again;
  again.Parse(read.Text());
  std::vector<std::string> changes;
  EXPECT_EQ(LoadEyepieceFields(again, changes), out.Fields) << read.Text();
  EXPECT_TRUE(changes.empty());
}

TEST(EyepieceFields, DamagedValuesTakeTheirDefaults) {
  const std::string longName(50, 'N');
  struct Case {
    const char* What;
    std::string Ini;
    std::vector<EyepieceField> Fields;
    std::vector<std::string> Changes;
  } const kCases[] = {
      {"numbers out of range or not numbers",
       "[Eyepiece Fields]\nField1=A\nKind1=Eyepiece\nTelescope1=-5\nEyepiece1=abc\n"
       "ApparentField1=nan\n",
       {Eyepiece("A", 1000, 25, 52)},
       {"Telescope1=-5 -> 1000", "Eyepiece1=abc -> 25", "ApparentField1=nan -> 52"}},
      {"an unknown kind, a missing number",
       "[Eyepiece Fields]\nField1=B\nKind1=Binoculars\nTelescope1=500\n",
       {Eyepiece("B", 500, 25, 52)},
       {"Kind1=Binoculars -> Eyepiece"}},
      {"a name too long, a gap in the list, a diameter beyond a double",
       "[Eyepiece Fields]\nField1=" + longName +
           "\nKind1=Circle\nDiameter1=1e999\n"
           "Field3=C\nKind3=Circle\nDiameter3=12\n",
       {Circle(longName.substr(0, kMaxFieldNameLength).c_str(), 60), Circle("C", 12)},
       {"Diameter1=1e999 -> 60", "Field1=" + longName + " -> " + longName.substr(0, 40)}},
      {"a field too wide to draw is left out",
       "[Eyepiece Fields]\nField1=Wide\nKind1=Eyepiece\nTelescope1=10\nEyepiece1=200\n"
       "ApparentField1=100\nField2=Fine\nKind2=Camera\nTelescope2=400\n",
       {Camera("Fine", 400, 23.5, 15.6)},
       {"Field1=Wide -> left out"}},
      {"no more than sixteen fields",
       "[Eyepiece Fields]\nField16=Last\nKind16=Circle\nField17=Beyond\nKind17=Circle\n",
       {Circle("Last", 60)},
       {}},
  };
  for (const Case& c : kCases) {
    std::vector<std::string> changes;
    EXPECT_EQ(Load(c.Ini, changes), c.Fields) << c.What;
    EXPECT_EQ(changes, c.Changes) << c.What;
  }
  // Through the whole settings: the switch too, and the message of the changes.
  CProfile profile;
  profile.Parse(
      "[Settings]\nEyepieceFields=7\n[Eyepiece Fields]\nField1=A\nKind1=Circle\n"
      "Diameter1=0\n");
  AppSettings s;
  const std::vector<std::string> changes = LoadSettings(profile, s);
  EXPECT_EQ(s.EyepieceFields, 1);
  EXPECT_EQ(s.Fields, std::vector<EyepieceField>{Circle("A", 60)});
  EXPECT_EQ(changes, (std::vector<std::string>{"EyepieceFields=7 -> 1", "Diameter1=0 -> 60"}));
}

TEST(EyepieceFields, HeldFieldsOutOfRangeAreNotWrittenAsTheyAre) {
  AppSettings out;
  out.Fields = {Circle("", 30), Eyepiece("Wide", 10, 200, 100), Circle("Zero", 0)};
  CProfile written;
  StoreSettings(out, written);
  std::vector<std::string> changes;
  EXPECT_EQ(LoadEyepieceFields(written, changes), std::vector<EyepieceField>{Circle("Zero", 60)});
  EXPECT_TRUE(changes.empty());
}

// The angle (degrees) between the middle of the view and window point
// x, y (pixels from the middle) of a w x h view at `zoom`, found through
// the sky's own projection: the point of the sphere that projects there.
double AngleFromMiddle(double x, double y, int w, int h, double zoom) {
  double projection[16], model[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  render::OrthoMatrix(render::SkyOrthoVolume(w, h, zoom), projection);
  const int viewport[4] = {0, 0, w, h};
  double near[3], far[3];
  // The line of sight through the window point; where it meets the sphere's near side.
  render::UnProjectPoint(w / 2.0 + x, h / 2.0 + y, 0, model, projection, viewport, near);
  render::UnProjectPoint(w / 2.0 + x, h / 2.0 + y, 1, model, projection, viewport, far);
  const double px = near[0], py = near[1];
  const double pz = -std::sqrt(std::max(0.0, 1 - px * px - py * py));
  return std::acos(-pz) * astro::kRadToDeg;
}

TEST(EyepieceFields, OutlinesSpanTheirAngleOfSkyAtEveryZoom) {
  struct Case {
    int Width, Height;
    double Zoom;
    FieldSize Size;
  } const kCases[] = {
      {1280, 1024, 2, {1, 1, false}},    {1280, 1024, 16, {1.3, 1.3, false}},
      {600, 900, 64, {0.2, 0.2, false}}, {1000, 1000, 1, {90, 90, false}},
      {1280, 1024, 8, {3.2, 2.1, true}}, {800, 600, 1, {60, 40, true}},
  };
  for (const Case& c : kCases) {
    const auto outline = FieldOutline(c.Size, c.Width, c.Height, c.Zoom);
    ASSERT_FALSE(outline.empty());
    if (!c.Size.Rectangle) {
      // Every point of a circle lies half its diameter from the middle.
      for (const auto& [x, y] : outline)
        EXPECT_NEAR(AngleFromMiddle(x, y, c.Width, c.Height, c.Zoom), c.Size.Width / 2, 1e-6);
      continue;
    }
    // A camera's sides: the middles of the left and right ones are its width
    // apart, of the bottom and top ones its height.
    const auto angleBetween = [&](std::pair<double, double> a, std::pair<double, double> b) {
      const auto direction = [&](std::pair<double, double> p, double d[3]) {
        const double aFrom = AngleFromMiddle(p.first, p.second, c.Width, c.Height, c.Zoom);
        const double r = std::hypot(p.first, p.second);
        d[0] = r > 0 ? p.first / r * std::sin(aFrom * astro::kDegToRad) : 0;
        d[1] = r > 0 ? p.second / r * std::sin(aFrom * astro::kDegToRad) : 0;
        d[2] = -std::cos(aFrom * astro::kDegToRad);
      };
      double da[3], db[3];
      direction(a, da);
      direction(b, db);
      return std::acos(da[0] * db[0] + da[1] * db[1] + da[2] * db[2]) * astro::kRadToDeg;
    };
    const std::size_t side = outline.size() / 4;  // bottom, right, top, left from the bottom left
    const auto bottom = outline[side / 2], right = outline[side + side / 2],
               top = outline[2 * side + side / 2], left = outline[3 * side + side / 2];
    EXPECT_NEAR(angleBetween(left, right), c.Size.Width, 1e-6);
    EXPECT_NEAR(angleBetween(bottom, top), c.Size.Height, 1e-6);
    EXPECT_NEAR(bottom.first, 0, 1e-9);
    EXPECT_GT(right.first, 0) << "the width runs along the view's x";
  }
  EXPECT_TRUE(FieldOutline({std::nan(""), 1, false}, 100, 100, 1).empty());
  EXPECT_TRUE(FieldOutline({0, 0, false}, 100, 100, 1).empty());
}

}  // namespace
}  // namespace sky
