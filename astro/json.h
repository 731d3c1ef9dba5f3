// The one writer of the JSON the program prints (--ephemeris, --info,
// --almanac): strings escaped as RFC 8259 asks (quotes, backslashes and
// every control character), numbers that never depend on the locale.
#pragma once

#include <string>
#include <string_view>

namespace astro {

// `s` as a JSON string, quotes included; bytes from 0x80 up (UTF-8) pass as they are.
std::string JsonString(std::string_view s);

// x with 17 significant digits (the shortest of %.17g's forms), or null
// when it is not finite.
std::string JsonNumber(double x);

// x with exactly `decimals` digits after the point ("1.50", "-0.3"), or null.
std::string JsonFixed(double x, int decimals);

// A JSON array or object built member by member; values are JSON texts
// (JsonString, JsonNumber, another writer's Text()).
class JsonArray {
 public:
  JsonArray& Add(std::string_view json);
  std::string Text() const { return out_ + "]"; }

 private:
  std::string out_ = "[";
};

class JsonObject {
 public:
  JsonObject& Add(std::string_view key, std::string_view json);
  JsonObject& AddString(std::string_view key, std::string_view text) {
    return Add(key, JsonString(text));
  }
  JsonObject& AddNumber(std::string_view key, double x) { return Add(key, JsonNumber(x)); }
  std::string Text() const { return out_ + "}"; }

 private:
  std::string out_ = "{";
};

}  // namespace astro
