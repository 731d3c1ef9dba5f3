// The find index over the real catalogues: what a typed text finds first.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "catalog/builtin_tables.h"
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
      // Caldwell numbers, written every way.
      {"C 14", "NGC 869", "open cluster"},
      {"C14", "NGC 869", "open cluster"},
      {"Caldwell 14", "NGC 869", "open cluster"},
      {"C 1", "NGC 188", "open cluster"},
      {"c 5", "IC 342", "galaxy"},
      {"Caldwell 65", "NGC 253", "galaxy"},
      {"C 80", "NGC 5139", "globular cluster"},
      {"C 102", "IC 2602", "open cluster"},
      // Constellations by abbreviation and genitive, the stars by the genitive.
      {"Ori", "Orion", "constellation"},
      {"Orionis", "Orion", "constellation"},
      {"UMa", "Ursa Major", "constellation"},
      {"Ursae Majoris", "Ursa Major", "constellation"},
      {"Cygni", "Cygnus", "constellation"},
      {"Bootis", "Bootes", "constellation"},
      {"Antliae", "Antila", "constellation"},
      {"Phe", "Phoenics", "constellation"},
      {"CrA", "Corona Australis", "constellation"},
      {"Alpha Orionis", "Betelgeuse", "star"},
      {"58 Orionis", "Betelgeuse", "star"},
      {"alf Lyrae", "Vega", "star"},
      // The places of the location list, by the whole name and by the city.
      {"Krakow", "Poland:Krakow", "place"},
      {"poland:krakow", "Poland:Krakow", "place"},
      {"Tokyo", "Japan:Tokyo", "place"},
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
    ASSERT_TRUE(m.Object) << m.Name;
    const astro::EquatorialCoord place = sky::PlaceOf(*doc_, *m.Object);
    EXPECT_DOUBLE_EQ(m.AltitudeDeg,
                     doc_->HorizontalOf(place.RightAscension, place.Declination).Altitude);
  }
  EXPECT_TRUE(sky::FindMatches(*doc_, index_, "qqqqqqqq", 20).empty());
}

TEST_F(FindIndexTest, EveryConstellationHasItsAbbreviationAndGenitive) {
  int named = 0;
  for (std::size_t i = 0; i < index_.Objects.size(); ++i)
    if (index_.Objects[i] && index_.Objects[i]->What == sky::SkyObjectRef::Constellation) {
      ++named;
      EXPECT_GE(index_.Designations[i].size(), 2u) << index_.Names[i];
    }
  EXPECT_EQ(named, catalog::kConstellationCentreCount);
}

TEST_F(FindIndexTest, BothStarsOfTheDoubleClusterAreCaldwell14) {
  std::vector<std::string> named;
  for (const sky::FindMatch& m : sky::FindMatches(*doc_, index_, "C 14", 20))
    if (std::find(m.Designations.begin(), m.Designations.end(), "C 14") != m.Designations.end())
      named.push_back(m.Name);
  std::sort(named.begin(), named.end());
  EXPECT_EQ(named, (std::vector<std::string>{"NGC 869", "NGC 884"}));
}

TEST_F(FindIndexTest, APlaceIsTheLocationListsAndHasNoAltitude) {
  const std::vector<sky::FindMatch> found = sky::FindMatches(*doc_, index_, "Krakow", 20);
  ASSERT_FALSE(found.empty());
  const sky::FindMatch& krakow = found.front();
  EXPECT_FALSE(krakow.Object);
  ASSERT_GE(krakow.Place, 0);
  EXPECT_EQ(doc_->Catalogues.Places[krakow.Place].Name, "Poland:Krakow");
  const std::string json = sky::FindMatchesJson({krakow});
  EXPECT_NE(json.find("\"kind\":\"place\""), std::string::npos) << json;
  EXPECT_NE(json.find("\"altitudeDeg\":null"), std::string::npos) << json;
  // A sky object keeps its place -1.
  EXPECT_EQ(sky::FindMatches(*doc_, index_, "Vega", 1).front().Place, -1);
}

}  // namespace
