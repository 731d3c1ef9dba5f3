// The find index over the real catalogues: what a typed text finds first.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "sky/find_index.h"
#include "sky/sky_doc.h"

namespace {

class ThrowOnMissing : public CCatalogueFailure {
 public:
  [[noreturn]] void MissingFile(const char* fileName) override {
    throw std::runtime_error(fileName);
  }
};

// Krakow's sky on Universal Time, 2026-12-08 22:00.
class FindIndexTest : public ::testing::Test {
 protected:
  void SetUp() override {
    settings_.TimeZone = 0;
    settings_.DaylightSavingTime = 0;
    settings_.TimeZoneId.clear();
    doc_ = std::make_unique<CSkyDoc>(settings_, catalog::DataFiles{STELLIX_SOURCE_DATA_DIR});
    ThrowOnMissing failure;
    doc_->OnNewDocument(failure, nullptr, astro::CivilTime{2026, 12, 8, 22, 0, 0});
    index_ = sky::BuildFindIndex(*doc_);
  }

  AppSettings settings_;
  std::unique_ptr<CSkyDoc> doc_;
  sky::FindIndex index_;
};

TEST_F(FindIndexTest, FirstMatchIsTheObjectMeant) {
  struct Row {
    const char* Typed;
    const char* Name;  // of the first match
    const char* Kind;
  };
  const Row rows[] = {
      {"betelgeuse", "Betelgeuse", "star"},
      {"betelguese", "Betelgeuse", "star"},
      {"siruis", "Sirius", "star"},
      {"alf Ori", "Betelgeuse", "star"},
      {"\xCE\xB1 Ori", "Betelgeuse", "star"},
      {"Alpha Ori", "Betelgeuse", "star"},
      {"58 Ori", "Betelgeuse", "star"},
      {"HR 2061", "Betelgeuse", "star"},
      {"M31", "M 31", "galaxy"},
      {"messier 31", "M 31", "galaxy"},
      {"M 42", "M 42", "bright nebula"},
      {"Saturn", "Saturn", "planet"},
      {"moon", "Moon", "moon"},
      {"ursa major", "Ursa Major", "constellation"},
  };
  for (const Row& r : rows) {
    const std::vector<sky::FindMatch> found = sky::FindMatches(*doc_, index_, r.Typed, 20);
    ASSERT_FALSE(found.empty()) << r.Typed;
    EXPECT_EQ(found.front().Name, r.Name) << r.Typed;
    EXPECT_EQ(found.front().Kind, r.Kind) << r.Typed;
  }
}

TEST_F(FindIndexTest, MatchesCarryTheAltitudeShownAndStopAtTheLimit) {
  const std::vector<sky::FindMatch> found = sky::FindMatches(*doc_, index_, "a", 20);
  ASSERT_EQ(found.size(), 20u);
  for (const sky::FindMatch& m : found) {
    const astro::EquatorialCoord place = sky::PlaceOf(*doc_, m.Object);
    EXPECT_DOUBLE_EQ(m.AltitudeDeg,
                     doc_->HorizontalOf(place.RightAscension, place.Declination).Altitude);
  }
  EXPECT_TRUE(sky::FindMatches(*doc_, index_, "qqqqqqqq", 20).empty());
}

}  // namespace
