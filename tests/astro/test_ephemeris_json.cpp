// The ephemeris printed on the command line.
#include <gtest/gtest.h>

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "astro/eclipse.h"
#include "astro/ephemeris_json.h"
#include "astro/json.h"
#include "astro_test_support.h"

namespace {

using astro_test::Greenwich;
using astro_test::Place;
using astro_test::Sky;

// A JSON value, read by a strict little parser: enough for the ephemeris.
struct Json {
  enum class Kind { Null, Number, String, Array, Object } Type = Kind::Null;
  double Number = 0.0;
  std::string Text;
  std::vector<Json> Items;
  std::map<std::string, Json> Members;
  std::vector<std::string> Keys;  // in the order written

  const Json& operator[](const std::string& key) const { return Members.at(key); }
  const Json& operator[](std::size_t i) const { return Items.at(i); }
};

class JsonParser {
 public:
  explicit JsonParser(std::string_view text) : text_(text) {}

  // The document's one value, or a failed assertion.
  Json ParseDocument() {
    Json value = ParseValue();
    if (pos_ != text_.size()) Fail("text after the value");
    return value;
  }

  bool Failed() const { return failed_; }

 private:
  void Fail(const char* what) {
    if (!failed_) ADD_FAILURE() << "JSON: " << what << " at offset " << pos_;
    failed_ = true;
    pos_ = text_.size();
  }

  bool Take(char c) {
    if (pos_ < text_.size() && text_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }

  std::string ParseString() {
    if (!Take('"')) Fail("string expected");
    std::string out;
    while (pos_ < text_.size() && text_[pos_] != '"') {
      if (text_[pos_] == '\\' || static_cast<unsigned char>(text_[pos_]) < 0x20) Fail("escape");
      out += text_[pos_++];
    }
    if (!Take('"')) Fail("unterminated string");
    return out;
  }

  Json ParseValue() {
    Json value;
    if (failed_ || pos_ >= text_.size()) {
      Fail("value expected");
      return value;
    }
    const char c = text_[pos_];
    if (c == '{') {
      ++pos_;
      value.Type = Json::Kind::Object;
      if (Take('}')) return value;
      do {
        std::string key = ParseString();
        if (!Take(':')) Fail("':' expected");
        value.Keys.push_back(key);
        if (!value.Members.emplace(key, ParseValue()).second) Fail("duplicate key");
      } while (Take(','));
      if (!Take('}')) Fail("'}' expected");
    } else if (c == '[') {
      ++pos_;
      value.Type = Json::Kind::Array;
      if (Take(']')) return value;
      do {
        value.Items.push_back(ParseValue());
      } while (Take(','));
      if (!Take(']')) Fail("']' expected");
    } else if (c == '"') {
      value.Type = Json::Kind::String;
      value.Text = ParseString();
    } else if (text_.substr(pos_, 4) == "null") {
      pos_ += 4;
    } else {
      // JSON's number grammar: no leading '+', no leading zeros, digits around the point.
      const std::size_t start = pos_;
      Take('-');
      if (Take('0')) {
      } else if (pos_ < text_.size() && text_[pos_] >= '1' && text_[pos_] <= '9') {
        while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) ++pos_;
      } else {
        Fail("number expected");
        return value;
      }
      if (Take('.')) {
        if (pos_ >= text_.size() || !std::isdigit(static_cast<unsigned char>(text_[pos_])))
          Fail("digit expected");
        while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) ++pos_;
      }
      if (Take('e') || Take('E')) {
        if (!Take('-')) Take('+');
        while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) ++pos_;
      }
      value.Type = Json::Kind::Number;
      std::from_chars(text_.data() + start, text_.data() + pos_, value.Number);
    }
    return value;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  bool failed_ = false;
};

Json Parse(const std::string& text) {
  JsonParser parser(text);
  Json value = parser.ParseDocument();
  EXPECT_FALSE(parser.Failed()) << text;
  return value;
}

// The one writer: every control character escaped, numbers in the C locale's form.
TEST(JsonWriter, EscapesAndNumbers) {
  const struct {
    std::string Got;
    const char* Want;
  } rows[] = {
      {astro::JsonString("Vega"), "\"Vega\""},
      {astro::JsonString("a\"b\\c"), "\"a\\\"b\\\\c\""},
      {astro::JsonString(std::string("\x01\n\t\x1f\x7f", 5)),
       "\"\\u0001\\u000a\\u0009\\u001f\\u007f\""},
      {astro::JsonString(std::string("a\0b", 3)), "\"a\\u0000b\""},
      {astro::JsonString("\xC2\xB0"), "\"\xC2\xB0\""},
      {astro::JsonNumber(0.1), "0.10000000000000001"},
      {astro::JsonNumber(std::numeric_limits<double>::infinity()), "null"},
      {astro::JsonFixed(-1.456, 2), "-1.46"},
      {astro::JsonFixed(1e20, 1), "100000000000000000000.0"},
      {astro::JsonFixed(std::nan(""), 1), "null"},
      {astro::JsonObject().AddString("k", "v").Add("n", astro::JsonArray().Add("1").Text()).Text(),
       "{\"k\":\"v\",\"n\":[1]}"},
  };
  for (const auto& row : rows) EXPECT_EQ(row.Got, row.Want);
}

TEST(EphemerisJson, TheInstantIsWrittenInUtWithTheOffsetOfTheClockSet) {
  struct Row {
    astro::CivilTime Local;
    double Offset;
    const char* Ut;
  };
  const Row rows[] = {
      {{2026, 7, 15, 22, 0, 0}, 2.0, "2026-07-15T20:00:00Z"},
      {{2026, 1, 1, 3, 0, 0}, 5.75, "2025-12-31T21:15:00Z"},
      {{2026, 3, 8, 23, 59, 59}, -4.0, "2026-03-09T03:59:59Z"},
      {{1901, 1, 1, 0, 0, 0}, 14.0, "1900-12-31T10:00:00Z"},
  };
  for (const Row& row : rows) {
    astro::ObserverPlace place = Greenwich();
    place.UtOffset = row.Offset;
    const Sky sky(row.Local, place);
    const Json json = Parse(astro::EphemerisJson(sky.State, sky.HorizonPoints, sky.Bodies));
    EXPECT_EQ(json["ut"].Text, row.Ut);
    EXPECT_EQ(json["utcOffset"].Number, row.Offset);
  }
}

TEST(EphemerisJson, J2000) {
  const Sky sky({2000, 1, 1, 12, 0, 0}, Greenwich());
  const std::string text = astro::EphemerisJson(sky.State, sky.HorizonPoints, sky.Bodies);
  const Json json = Parse(text);
  ASSERT_EQ(json.Type, Json::Kind::Object);
  EXPECT_EQ(json.Keys, (std::vector<std::string>{
                           "JulianDay", "ut", "utcOffset", "T1900", "T2000", "DeltaT",
                           "SiderealAngle", "latitude", "longitude", "bodies", "moonPhaseAngle",
                           "moonAxisAngle", "moonIlluminated", "eclipseDarkening", "horizon"}));
  EXPECT_EQ(json["JulianDay"].Number, 2451545.0);
  EXPECT_EQ(json["ut"].Text, "2000-01-01T12:00:00Z");
  EXPECT_EQ(json["utcOffset"].Number, 0.0);
  EXPECT_EQ(json["T1900"].Number, 1.0);
  EXPECT_EQ(json["T2000"].Number, 0.0);
  EXPECT_EQ(json["DeltaT"].Number, sky.State.DeltaT);
  EXPECT_EQ(json["SiderealAngle"].Number, sky.State.SiderealAngle);
  EXPECT_NE(text.find("\"JulianDay\":2451545,"), std::string::npos);

  const Json& bodies = json["bodies"];
  ASSERT_EQ(bodies.Items.size(), 10u);
  for (int i = 0; i < astro::kBodyCount; ++i) {
    const Json& body = bodies[i];
    EXPECT_EQ(body.Keys, (std::vector<std::string>{"name", "ra", "dec", "helio", "altitude",
                                                   "apparentAltitude", "azimuth", "raJ2000",
                                                   "decJ2000", "raDate", "decDate", "altitudeDeg",
                                                   "azimuthDeg", "apparentAltitudeDeg", "geo"}));
    EXPECT_EQ(body["name"].Text, astro::kBodyNames[i]);
    // 17 significant digits: each number reads back to the same double.
    EXPECT_EQ(body["ra"].Number, sky.Bodies[i].RightAscension);
    EXPECT_EQ(body["dec"].Number, sky.Bodies[i].Declination);
    EXPECT_EQ(body["helio"].Number, sky.Bodies[i].HelioDistance);
    EXPECT_EQ(body["geo"].Number, sky.Bodies[i].GeoDistance);
    // Azimuth from the north through the east.
    const astro::HorizontalCoord h =
        sky.State.HorizonOf(sky.Bodies[i].RightAscension, sky.Bodies[i].Declination);
    EXPECT_EQ(body["altitude"].Number, h.Altitude);
    EXPECT_EQ(body["altitudeDeg"].Number, h.Altitude);
    EXPECT_NEAR(std::remainder(body["azimuth"].Number - (h.Azimuth + 180.0), 360.0), 0.0, 1e-12);
    EXPECT_EQ(body["azimuthDeg"].Number, body["azimuth"].Number);
    EXPECT_EQ(body["apparentAltitudeDeg"].Number, body["apparentAltitude"].Number);
    EXPECT_EQ(body["raJ2000"].Number, sky.Bodies[i].RaJ2000);
    EXPECT_EQ(body["decJ2000"].Number, sky.Bodies[i].DecJ2000);
    const astro::EquatorialCoord ofDate =
        sky.State.ToDate(sky.Bodies[i].RightAscension, sky.Bodies[i].Declination);
    EXPECT_EQ(body["raDate"].Number, ofDate.RightAscension);
    EXPECT_EQ(body["decDate"].Number, ofDate.Declination);
    // A year's precession from J2000 and the aberration: under a minute of arc.
    EXPECT_LT(astro::AngularSeparation(body["raDate"].Number, body["decDate"].Number,
                                       body["raJ2000"].Number, body["decJ2000"].Number),
              1.0 / 60.0);
  }
  EXPECT_EQ(bodies[0]["name"].Text, "Moon");
  EXPECT_EQ(bodies[9]["name"].Text, "Pluto");
  EXPECT_EQ(json["moonPhaseAngle"].Number, sky.State.MoonPhaseAngle);
  EXPECT_EQ(json["moonAxisAngle"].Number, sky.State.MoonAxisAngle);
  EXPECT_EQ(json["moonIlluminated"].Number, sky.State.MoonIlluminated);
  EXPECT_EQ(json["eclipseDarkening"].Number, 0.0);

  const Json& horizon = json["horizon"];
  ASSERT_EQ(horizon.Items.size(), 73u);
  for (int k = 0; k < astro::kHorizonPointCount; ++k) {
    ASSERT_EQ(horizon[k].Items.size(), 2u) << k;
    EXPECT_EQ(horizon[k][0].Number, sky.HorizonPoints[k].RightAscension) << k;
    EXPECT_EQ(horizon[k][1].Number, sky.HorizonPoints[k].Declination) << k;
  }
}

TEST(EphemerisJson, PlaceAndEclipse) {
  const Sky sky({2034, 3, 20, 11, 33, 0}, Place(29, 37, "N", 52, 32, "E"));
  const Json json = Parse(astro::EphemerisJson(sky.State, sky.HorizonPoints, sky.Bodies));
  EXPECT_EQ(json["latitude"].Number, sky.State.Latitude);
  EXPECT_LT(json["longitude"].Number, 0.0);  // east is negative
  EXPECT_EQ(json["eclipseDarkening"].Number, astro::EclipseDarkeningNow(sky.State, sky.Bodies));
  EXPECT_GT(json["eclipseDarkening"].Number, 11.5);
}

TEST(EphemerisJson, NonFiniteNumbersAreNull) {
  Sky sky({2000, 1, 1, 12, 0, 0}, Greenwich());
  sky.State.MoonAxisAngle = std::numeric_limits<double>::quiet_NaN();
  const Json json = Parse(astro::EphemerisJson(sky.State, sky.HorizonPoints, sky.Bodies));
  EXPECT_EQ(json["moonAxisAngle"].Type, Json::Kind::Null);
}

}  // namespace
