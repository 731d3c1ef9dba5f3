#include "astro/json.h"

#include <charconv>
#include <cmath>

namespace astro {
namespace {

std::string Chars(double x, std::chars_format format, int precision) {
  if (!std::isfinite(x)) return "null";
  char text[400];  // 1e308 in fixed form has 309 digits
  const std::to_chars_result r = std::to_chars(text, text + sizeof text, x, format, precision);
  return std::string(text, r.ptr);
}

}  // namespace

std::string JsonString(std::string_view s) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out = "\"";
  for (const char c : s) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20 || u == 0x7f) {
      out += "\\u00";
      out += kHex[u >> 4];
      out += kHex[u & 15];
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string JsonNumber(double x) { return Chars(x, std::chars_format::general, 17); }

std::string JsonFixed(double x, int decimals) {
  return Chars(x, std::chars_format::fixed, decimals);
}

JsonArray& JsonArray::Add(std::string_view json) {
  if (out_.size() > 1) out_ += ',';
  out_ += json;
  return *this;
}

JsonObject& JsonObject::Add(std::string_view key, std::string_view json) {
  if (out_.size() > 1) out_ += ',';
  out_ += JsonString(key);
  out_ += ':';
  out_ += json;
  return *this;
}

}  // namespace astro
