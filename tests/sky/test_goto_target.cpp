// Go to coordinates without a window: the spellings each field takes, the
// message naming the field that does not read, the split of --goto's one
// text, and the place of each frame at the document's instant (ERFA's
// IAU 2006/2000A precession-nutation and sidereal time as the reference).
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "astro/refraction.h"
#include "astro/transforms.h"
#include "sky/goto_target.h"
#include "sky/messages.h"
#include "sky/search.h"
#include "sky/sky_doc.h"

namespace {

using sky::GotoEntry;
using sky::GotoField;
using sky::GotoFrame;

constexpr double kArcsec = 1.0 / 3600;

TEST(GotoFields, RightAscensionSpellings) {
  const struct {
    const char* Text;
    std::optional<double> Hours;
  } kCases[] = {
      {"5h35m17s", 5 + 35 / 60.0 + 17 / 3600.0},
      {"5h 35m 17.3s", 5 + 35 / 60.0 + 17.3 / 3600.0},
      {" 5 35 17 ", 5 + 35 / 60.0 + 17 / 3600.0},
      {"5:35:17", 5 + 35 / 60.0 + 17 / 3600.0},
      {"5h35.5m", 5 + 35.5 / 60.0},
      {"5.588h", 5.588},
      {"5.588", 5.588},
      {"5,588", 5.588},
      {"5H35M17S", 5 + 35 / 60.0 + 17 / 3600.0},
      {"83.82\u00b0", 83.82 / 15},
      {"83.82d", 83.82 / 15},
      {"83\u00b049\u203212\u2033", (83 + 49 / 60.0 + 12 / 3600.0) / 15},
      {"83\u00b049'12''", (83 + 49 / 60.0 + 12 / 3600.0) / 15},
      {"0", 0.0},
      {"24h", 0.0},
      {"360\u00b0", 0.0},
      {"23h59m59.9s", 23 + 59 / 60.0 + 59.9 / 3600.0},
      // Refused: out of range, signed hours, minutes or seconds of 60, the
      // decimals before the end, marks out of place, words, nothing.
      {"24.1", std::nullopt},
      {"-5h", std::nullopt},
      {"+5", std::nullopt},
      {"\u22125 35", std::nullopt},
      {"361\u00b0", std::nullopt},
      {"5 60 0", std::nullopt},
      {"5 35 60", std::nullopt},
      {"5.5 30", std::nullopt},
      {"5 35 17 4", std::nullopt},
      {"35m", std::nullopt},
      {"5s", std::nullopt},
      {"5h35m17s x", std::nullopt},
      {"five", std::nullopt},
      {"5::35", std::nullopt},
      {"5:", std::nullopt},
      {"", std::nullopt},
      {"   ", std::nullopt},
      {"1234567890123", std::nullopt},
  };
  for (const auto& c : kCases) {
    const std::optional<double> got = sky::ParseRightAscension(c.Text);
    ASSERT_EQ(got.has_value(), c.Hours.has_value()) << c.Text;
    if (got) {
      EXPECT_NEAR(*got, *c.Hours, 1e-9) << c.Text;
    }
  }
}

TEST(GotoFields, DeclinationAndAzimuthSpellings) {
  const double m42 = -(5 + 23 / 60.0 + 28 / 3600.0);
  const struct {
    const char* Text;
    std::optional<double> Declination, Azimuth;
  } kCases[] = {
      {"-5\u00b023'28\"", m42, std::nullopt},
      {"\u22125\u00b023\u203228\u2033", m42, std::nullopt},
      {"\u20135\u00b023\u203228\u2033", m42, std::nullopt},
      {"-5 23 28", m42, std::nullopt},
      {"- 5 23 28", m42, std::nullopt},
      {"-5:23:28", m42, std::nullopt},
      {"-5d23m28s", m42, std::nullopt},
      {"-5\u00ba23'28\"", m42, std::nullopt},
      {"-5.39", -5.39, std::nullopt},
      {"+20", 20.0, std::nullopt},
      {"20", 20.0, 20.0},
      {"-0 30", -0.5, std::nullopt},
      {"90", 90.0, 90.0},
      {"-90", -90.0, std::nullopt},
      {"135\u00b030'", std::nullopt, 135.5},
      {"135 30", std::nullopt, 135.5},
      {"359.99", std::nullopt, 359.99},
      {"360", std::nullopt, 0.0},
      {"90.0001", std::nullopt, 90.0001},
      {"-90.5", std::nullopt, std::nullopt},
      {"5h", std::nullopt, std::nullopt},
      {"-5 23 61", std::nullopt, std::nullopt},
      {"-5 -23", std::nullopt, std::nullopt},
      {"361", std::nullopt, std::nullopt},
      {"north", std::nullopt, std::nullopt},
      {"", std::nullopt, std::nullopt},
  };
  for (const auto& c : kCases) {
    const std::optional<double> dec = sky::ParseDeclination(c.Text);
    const std::optional<double> az = sky::ParseAzimuth(c.Text);
    ASSERT_EQ(dec.has_value(), c.Declination.has_value()) << c.Text;
    ASSERT_EQ(az.has_value(), c.Azimuth.has_value()) << c.Text;
    if (dec) {
      EXPECT_NEAR(*dec, *c.Declination, 1e-9) << c.Text;
    }
    if (az) {
      EXPECT_NEAR(*az, *c.Azimuth, 1e-9) << c.Text;
    }
  }
}

TEST(GotoFields, TheMessageNamesTheFieldThatDoesNotRead) {
  const struct {
    GotoFrame Frame;
    const char* First;
    const char* Second;
    GotoField Wrong;
    const char* Named;  // in the message
  } kCases[] = {
      {GotoFrame::J2000, "5h35m17s", "-5 23 28", GotoField::None, ""},
      {GotoFrame::OfDate, "25h", "-5 23 28", GotoField::First, "right ascension"},
      {GotoFrame::J2000, "", "", GotoField::First, "right ascension"},
      {GotoFrame::J2000, "5h35m17s", "-95", GotoField::Second, "declination"},
      {GotoFrame::Horizon, "100", "10", GotoField::First, "altitude"},
      {GotoFrame::Horizon, "30", "-10", GotoField::Second, "azimuth"},
      {GotoFrame::Horizon, "30", "5h", GotoField::Second, "azimuth"},
      {GotoFrame::Horizon, "-10", "370", GotoField::Second, "azimuth"},
  };
  for (const auto& c : kCases) {
    const GotoEntry entry = sky::ReadGotoFields(c.Frame, c.First, c.Second);
    EXPECT_EQ(entry.Wrong, c.Wrong) << c.First << " | " << c.Second;
    EXPECT_EQ(entry.Error.empty(), c.Wrong == GotoField::None) << c.First << " | " << c.Second;
    EXPECT_NE(entry.Error.find(c.Named), std::string::npos) << entry.Error;
  }
}

TEST(GotoFields, OneTextSplitsWhereBothHalvesRead) {
  const double ra = 5 + 35 / 60.0 + 17 / 3600.0, dec = -(5 + 23 / 60.0 + 28 / 3600.0);
  const struct {
    GotoFrame Frame;
    const char* Text;
    bool Read;
    double First, Second;
  } kCases[] = {
      {GotoFrame::J2000, "5h35m17s -5\u00b023'28\"", true, ra, dec},
      {GotoFrame::J2000, "5 35 17 -5 23 28", true, ra, dec},
      {GotoFrame::J2000, "5h 35m 17s -5d 23m 28s", true, ra, dec},
      {GotoFrame::J2000, "5 35 17, -5 23 28", true, ra, dec},
      {GotoFrame::J2000, "5 35 17 5 23 28", true, ra, -dec},
      {GotoFrame::J2000, "83.82\u00b0 -5.39", true, 83.82 / 15, -5.39},
      {GotoFrame::J2000, "5.588, -5.39", true, 5.588, -5.39},
      {GotoFrame::Horizon, "35 30 135", true, 35.5, 135},  // 30° 135' does not read
      {GotoFrame::Horizon, "35 30 45", false, 0, 0},  // 35° 30' and 45°, or 35° and 30° 45'?
      {GotoFrame::Horizon, "35 30, 135", true, 35.5, 135},
      {GotoFrame::Horizon, "35.5 135", true, 35.5, 135},
      {GotoFrame::J2000, "5 35 -5 23", true, 5 + 35 / 60.0, -(5 + 23 / 60.0)},
      {GotoFrame::J2000, "5 35 5 23", false, 0, 0},  // three ways
      {GotoFrame::J2000, "5h35m17s", false, 0, 0},
      {GotoFrame::J2000, "", false, 0, 0},
      {GotoFrame::J2000, "25h -5", false, 0, 0},
  };
  for (const auto& c : kCases) {
    const GotoEntry entry = sky::ReadGotoText(c.Frame, c.Text);
    EXPECT_EQ(entry.Error.empty(), c.Read) << c.Text << ": " << entry.Error;
    if (c.Read) {
      EXPECT_NEAR(entry.First, c.First, 1e-9) << c.Text;
      EXPECT_NEAR(entry.Second, c.Second, 1e-9) << c.Text;
    }
  }
  // What does not read says which field; what reads two ways asks for the comma.
  EXPECT_NE(sky::ReadGotoText(GotoFrame::J2000, "25h -5").Error.find("right ascension"),
            std::string::npos);
  EXPECT_NE(sky::ReadGotoText(GotoFrame::J2000, "5 35 5 23").Error.find("comma"),
            std::string::npos);
}

TEST(GotoFields, FrameNames) {
  EXPECT_EQ(sky::GotoFrameNamed("j2000"), GotoFrame::J2000);
  EXPECT_EQ(sky::GotoFrameNamed("J2000"), GotoFrame::J2000);
  EXPECT_EQ(sky::GotoFrameNamed("date"), GotoFrame::OfDate);
  EXPECT_EQ(sky::GotoFrameNamed("AltAz"), GotoFrame::Horizon);
  EXPECT_FALSE(sky::GotoFrameNamed("b1950"));
  EXPECT_FALSE(sky::GotoFrameNamed(""));
}

class ThrowOnMissing : public CCatalogueFailure {
 public:
  [[noreturn]] void MissingFile(const char* fileName) override {
    throw std::runtime_error(fileName);
  }
};

class RecordingMessenger : public CMessenger {
 public:
  void Show(MessageIcon icon, std::string_view text) override {
    Lines.push_back(MessageLine(icon, text));
  }
  std::vector<std::string> Lines;
};

// The default place (Krakow, 19°55' E, 50°02' N) on Universal Time, on
// 2026-12-08 at 22:00.
class GotoPlaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::filesystem::path cwd = std::filesystem::current_path();
    std::filesystem::current_path(STELLIX_SOURCE_DATA_DIR);
    settings_.TimeZone = 0;
    settings_.DaylightSavingTime = 0;
    settings_.TimeZoneId.clear();
    doc_ = std::make_unique<CSkyDoc>(settings_);
    ThrowOnMissing failure;
    doc_->OnNewDocument(failure, nullptr, astro::CivilTime{2026, 12, 8, 22, 0, 0});
    std::filesystem::current_path(cwd);
  }

  AppSettings settings_;
  std::unique_ptr<CSkyDoc> doc_;
};

// M 42's J2000 place; ERFA's place of date (pnm06a) and geometric altitude
// and azimuth (gst06a) of it for the instant and place.
constexpr double kRaJ2000 = 5.5881389, kDecJ2000 = -5.3911111;
constexpr double kRaDate = 5.6103611, kDecDate = -5.3734218;
constexpr double kAltitude = 32.765401, kAzimuth = 160.270283;

TEST_F(GotoPlaceTest, EachFrameGivesTheSamePlace) {
  const struct {
    GotoFrame Frame;
    double First, Second;
  } kCases[] = {
      {GotoFrame::J2000, kRaJ2000, kDecJ2000},
      {GotoFrame::OfDate, kRaDate, kDecDate},
      {GotoFrame::Horizon, kAltitude, kAzimuth},
  };
  for (const int refraction : {0, 1}) {
    doc_->Settings().Refraction = refraction;
    doc_->Settings().HorizonMode = refraction;  // refracting only in local-horizon mode
    for (const auto& c : kCases) {
      GotoEntry entry;
      entry.First = c.First;
      entry.Second = c.Second;
      // The altitude typed is the one the view shows.
      if (c.Frame == GotoFrame::Horizon && doc_->Refracting())
        entry.First = astro::ApparentAltitude(c.First);
      const sky::GotoPlace p = sky::GotoPlaceOf(*doc_, c.Frame, entry);
      const auto frame = static_cast<int>(c.Frame);
      EXPECT_NEAR(p.RaJ2000, kRaJ2000, 1.5 * kArcsec / 15) << frame << " " << refraction;
      EXPECT_NEAR(p.DecJ2000, kDecJ2000, 1.5 * kArcsec) << frame << " " << refraction;
      EXPECT_NEAR(p.RaDate, kRaDate, 1.5 * kArcsec / 15) << frame << " " << refraction;
      EXPECT_NEAR(p.DecDate, kDecDate, 1.5 * kArcsec) << frame << " " << refraction;
      EXPECT_NEAR(p.AltitudeDeg, kAltitude, 5 * kArcsec) << frame << " " << refraction;
      EXPECT_NEAR(p.AzimuthDeg, kAzimuth, 5 * kArcsec) << frame << " " << refraction;
    }
  }
}

TEST_F(GotoPlaceTest, TheJsonLineHasTheSixNumbers) {
  const GotoEntry entry = sky::ReadGotoText(GotoFrame::J2000, "5h35m17.3s -5 23 28");
  ASSERT_TRUE(entry.Error.empty()) << entry.Error;
  const std::string json = sky::GotoPlaceJson(sky::GotoPlaceOf(*doc_, GotoFrame::J2000, entry));
  EXPECT_TRUE(json.starts_with("{\"raJ2000\":5.58813")) << json;
  for (const char* key : {"\"decJ2000\":-5.39111", "\"raDate\":5.6103", "\"decDate\":-5.3734",
                          "\"altitudeDeg\":32.76", "\"azimuthDeg\":160.2"})
    EXPECT_NE(json.find(key), std::string::npos) << key << " in " << json;
}

// The local-horizon view turns to a place above its horizon and refuses one
// below it with the find's message, its camera left as it was.
TEST_F(GotoPlaceTest, BelowTheHorizonOfTheLocalHorizonViewIsRefused) {
  doc_->Settings().HorizonMode = 1;
  doc_->Settings().Refraction = 1;
  RecordingMessenger messages;
  const struct {
    double Altitude, Azimuth;
    bool Centred;
  } kCases[] = {{45, 90, true}, {0.001, 180, true}, {-0.1, 180, false}, {-30, 270, false}};
  for (const auto& c : kCases) {
    doc_->Settings().XRotation = -10;
    doc_->Settings().YRotation = 123;
    GotoEntry entry;
    entry.First = c.Altitude;
    entry.Second = c.Azimuth;
    const sky::GotoPlace p = sky::GotoPlaceOf(*doc_, GotoFrame::Horizon, entry);
    messages.Lines.clear();
    EXPECT_EQ(CentreOn(*doc_, messages, p.RaJ2000, p.DecJ2000), c.Centred) << c.Altitude;
    if (c.Centred) {
      // The camera looks up by the altitude shown, towards the azimuth typed.
      EXPECT_NEAR(-doc_->Settings().XRotation, c.Altitude, 1e-6) << c.Altitude;
      EXPECT_NEAR(astro::NorthEastFromSouthWest(doc_->Settings().YRotation - 90.0), c.Azimuth, 1e-6)
          << c.Altitude;
      EXPECT_TRUE(messages.Lines.empty());
    } else {
      EXPECT_EQ(doc_->Settings().XRotation, -10);
      EXPECT_EQ(doc_->Settings().YRotation, 123);
      ASSERT_EQ(messages.Lines.size(), 1u);
      EXPECT_EQ(messages.Lines[0], "exclamation: Object under horizon. Not visible.   ");
    }
  }
}

}  // namespace
