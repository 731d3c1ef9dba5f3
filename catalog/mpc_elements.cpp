#include "catalog/mpc_elements.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace catalog {
namespace {

constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

// Columns first..last (from 1) of a line, shorter when the line is; spaces trimmed.
std::string_view Columns(std::string_view line, std::size_t first, std::size_t last) {
  if (line.size() < first) return {};
  std::string_view field = line.substr(first - 1, last - first + 1);
  while (!field.empty() && field.front() == ' ') field.remove_prefix(1);
  while (!field.empty() && field.back() == ' ') field.remove_suffix(1);
  return field;
}

std::optional<double> Number(std::string_view field) {
  double value = 0.0;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (field.empty() || error != std::errc() || end != field.data() + field.size() ||
      !std::isfinite(value))
    return std::nullopt;
  return value;
}

std::optional<int> Integer(std::string_view field) {
  int value = 0;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (field.empty() || error != std::errc() || end != field.data() + field.size())
    return std::nullopt;
  return value;
}

// One line being read: the first fault is kept with its place.
class LineReader {
 public:
  LineReader(std::string_view line, const std::string& fileName, int lineNumber)
      : line_(line), file_(fileName), number_(lineNumber) {}

  // The number in columns first..last, within [low, high].
  double Value(std::size_t first, std::size_t last, const char* field, double low, double high) {
    const std::string_view text = Columns(line_, first, last);
    const std::optional<double> v = Number(text);
    if (!v || *v < low || *v > high) {
      Fail(field, text);
      return 0.0;
    }
    return *v;
  }

  // The same, kNoValue when the columns are blank.
  double OptionalValue(std::size_t first, std::size_t last, const char* field, double low,
                       double high) {
    if (Columns(line_, first, last).empty()) return kNoValue;
    return Value(first, last, field, low, high);
  }

  int Whole(std::size_t first, std::size_t last, const char* field, int low, int high) {
    const std::string_view text = Columns(line_, first, last);
    const std::optional<int> v = Integer(text);
    if (!v || *v < low || *v > high) {
      Fail(field, text);
      return low;
    }
    return *v;
  }

  void Fail(const char* field, std::string_view text) {
    if (!error_.empty()) return;
    error_ = file_ + ":" + std::to_string(number_) + ": " + field + ": ";
    error_ += text.empty() ? std::string("missing") : "bad value '" + std::string(text) + "'";
  }

  const std::string& Error() const { return error_; }
  std::string_view Line() const { return line_; }

 private:
  std::string_view line_;
  const std::string& file_;
  int number_;
  std::string error_;
};

// The packed date of MPCORB's epoch: century letter I, J or K (1800,
// 1900, 2000), two digits of the year, then the month and the day as 1-9
// and A-V (10-31).
std::optional<double> PackedDate(std::string_view packed) {
  if (packed.size() != 5 || packed[0] < 'I' || packed[0] > 'K') return std::nullopt;
  const auto code = [](char c) -> int {
    if (c >= '1' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'V') return c - 'A' + 10;
    return 0;
  };
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  const int month = code(packed[3]), day = code(packed[4]);
  if (!digit(packed[1]) || !digit(packed[2]) || month < 1 || month > 12 || day < 1)
    return std::nullopt;
  const int year = 1800 + 100 * (packed[0] - 'I') + 10 * (packed[1] - '0') + (packed[2] - '0');
  return GregorianJulianDay(year, month, day);
}

// Lines from `firstLine` on, blank ones skipped, and with `comments` those that start with "#".
template <typename ReadLine>
ElementsImport ReadLines(std::string_view text, std::size_t firstLine, bool comments,
                         ReadLine readLine) {
  ElementsImport import;
  std::size_t start = 0;
  for (int number = 1; start < text.size(); ++number) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (static_cast<std::size_t>(number) < firstLine ||
        line.find_first_not_of(' ') == std::string_view::npos || (comments && line[0] == '#'))
      continue;
    SmallBodyElements body;
    const std::string error = readLine(line, number, body);
    if (!error.empty()) return {{}, error};
    import.Bodies.push_back(std::move(body));
  }
  return import;
}

}  // namespace

double GregorianJulianDay(int year, int month, double day) {
  if (month <= 2) {
    year -= 1;
    month += 12;
  }
  const double a = std::floor(year / 100.0);
  const double b = 2.0 - a + std::floor(a / 4.0);
  return std::floor(365.25 * (year + 4716)) + std::floor(30.6001 * (month + 1)) + day + b - 1524.5;
}

ElementsImport ReadMpcOrb(std::string_view text, const std::string& fileName) {
  // The header ends at the line of dashes; an extract without one has none.
  std::size_t firstLine = 1;
  for (std::size_t start = 0, number = 1; start < text.size(); ++number) {
    if (text.substr(start, 5) == "-----") {
      firstLine = number + 1;
      break;
    }
    const std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return ReadLines(text, firstLine, false,
                   [&](std::string_view line, int number, SmallBodyElements& b) {
                     LineReader r(line, fileName, number);
                     const std::string_view packed = Columns(line, 1, 7);
                     if (packed.empty()) r.Fail("designation", packed);
                     b.Magnitude = r.OptionalValue(9, 13, "H", -10.0, 40.0);
                     const double g = r.OptionalValue(15, 19, "G", -2.0, 2.0);
                     b.Slope = std::isnan(g) ? 0.15 : g;
                     const std::string_view epochText = Columns(line, 21, 25);
                     const std::optional<double> epoch = PackedDate(epochText);
                     if (!epoch) r.Fail("epoch", epochText);
                     const double m = r.Value(27, 35, "mean anomaly", 0.0, 360.0);
                     const double peri = r.Value(38, 46, "argument of perihelion", 0.0, 360.0);
                     const double node = r.Value(49, 57, "node", 0.0, 360.0);
                     const double i = r.Value(60, 68, "inclination", 0.0, 180.0);
                     const double e = r.Value(71, 79, "eccentricity", 0.0, 0.999999);
                     r.Value(81, 91, "mean daily motion", 0.0, 1e3);
                     const double a = r.Value(93, 103, "semi-major axis", 1e-3, 1e6);
                     if (!r.Error().empty()) return r.Error();
                     const std::string_view readable = Columns(line, 167, 194);
                     b.Designation = std::string(readable.empty() ? packed : readable);
                     b.Comet = false;
                     b.Orbit = astro::EllipticElements(a, e, i, node, peri, m, *epoch);
                     return std::string();
                   });
}

ElementsImport ReadCometEls(std::string_view text, const std::string& fileName) {
  return ReadLines(text, 1, false, [&](std::string_view line, int number, SmallBodyElements& b) {
    LineReader r(line, fileName, number);
    const int year = r.Whole(15, 18, "perihelion year", -9999, 9999);
    const int month = r.Whole(20, 21, "perihelion month", 1, 12);
    const double day = r.Value(23, 29, "perihelion day", 0.0, 32.0);
    const double q = r.Value(31, 39, "perihelion distance", 1e-4, 1e4);
    const double e = r.Value(42, 49, "eccentricity", 0.0, 100.0);
    const double peri = r.Value(52, 59, "argument of perihelion", 0.0, 360.0);
    const double node = r.Value(62, 69, "node", 0.0, 360.0);
    const double i = r.Value(72, 79, "inclination", 0.0, 180.0);
    const double t = GregorianJulianDay(year, month, day);
    double epoch = t;
    if (!Columns(line, 82, 89).empty()) {
      const int epochYear = r.Whole(82, 85, "epoch year", -9999, 9999);
      const int epochMonth = r.Whole(86, 87, "epoch month", 1, 12);
      epoch = GregorianJulianDay(epochYear, epochMonth, r.Whole(88, 89, "epoch day", 1, 31));
    }
    b.Magnitude = r.OptionalValue(92, 95, "H", -10.0, 40.0);
    const double k = r.OptionalValue(97, 100, "slope", -10.0, 40.0);
    if (std::isnan(b.Magnitude) != std::isnan(k)) r.Fail("slope", Columns(line, 97, 100));
    const std::string_view name = Columns(line, 103, 158);
    if (name.empty()) r.Fail("designation", name);
    if (!r.Error().empty()) return r.Error();
    b.Designation = std::string(name);
    b.Comet = true;
    b.Orbit = {q, e, i, node, peri, t, epoch};
    b.Slope = 2.5 * k;  // the file's K is per 2.5 log r
    return std::string();
  });
}

ElementsImport ReadSmallBodyTable(std::string_view text, const std::string& fileName) {
  return ReadLines(text, 1, true, [&](std::string_view line, int number, SmallBodyElements& b) {
    std::vector<std::string_view> f;
    for (std::size_t start = 0;;) {
      const std::size_t tab = line.find('\t', start);
      f.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
      if (tab == std::string_view::npos) break;
      start = tab + 1;
    }
    const std::string where = fileName + ":" + std::to_string(number) + ": ";
    if (f.size() != 11) return where + "fields: " + std::to_string(f.size()) + " instead of 11";
    const auto value = [&](std::size_t k, double low, double high) -> std::optional<double> {
      const std::optional<double> v = Number(f[k]);
      if (!v || *v < low || *v > high) return std::nullopt;
      return v;
    };
    struct Field {
      const char* Name;
      double Low, High;
    };
    // As wide as the orbit files' elements may come out in this form, so
    // that imported elements kept in this form read back.
    const Field fields[9] = {{"perihelion distance", 1e-9, 1e7},
                             {"eccentricity", 0.0, 100.0},
                             {"inclination", 0.0, 180.0},
                             {"node", 0.0, 360.0},
                             {"argument of perihelion", 0.0, 360.0},
                             {"perihelion time", -1e12, 1e12},
                             {"epoch", 0.0, 1e7},
                             {"magnitude", -10.0, 40.0},
                             {"slope", -25.0, 100.0}};
    double v[9];
    for (std::size_t k = 0; k < 9; ++k) {
      // The magnitude and the slope may be left empty: not given.
      if (k >= 7 && f[k + 2].empty()) {
        v[k] = std::numeric_limits<double>::quiet_NaN();
        continue;
      }
      const std::optional<double> x = value(k + 2, fields[k].Low, fields[k].High);
      if (!x) return where + fields[k].Name + ": bad value '" + std::string(f[k + 2]) + "'";
      v[k] = *x;
    }
    if (f[0] != "C" && f[0] != "A") return where + "kind: bad value '" + std::string(f[0]) + "'";
    if (f[1].empty()) return where + "designation: missing";
    b.Comet = f[0] == "C";
    b.Designation = std::string(f[1]);
    b.Orbit = {v[0], v[1], v[2], v[3], v[4], v[5], v[6]};
    b.Magnitude = v[7];
    b.Slope = v[8];
    return std::string();
  });
}

ElementsImport ReadOrbitFile(std::string_view text, const std::string& fileName) {
  bool afterHeader = text.find("\n-----") == std::string_view::npos && !text.starts_with("-----");
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (line.ends_with('\r')) line.remove_suffix(1);
    start = end + 1;
    if (!afterHeader) {
      afterHeader = line.starts_with("-----");
      continue;
    }
    if (line.find_first_not_of(' ') == std::string_view::npos) continue;
    // A perihelion year in columns 15-18, a blank after it.
    bool comets = line.size() >= 19 && line[18] == ' ';
    for (std::size_t k = 14; comets && k < 18; ++k) comets = line[k] >= '0' && line[k] <= '9';
    return comets ? ReadCometEls(text, fileName) : ReadMpcOrb(text, fileName);
  }
  return ReadMpcOrb(text, fileName);
}

std::string SmallBodyTableText(const std::vector<SmallBodyElements>& bodies) {
  std::string text = "# kind\tdesignation\tq\te\ti\tnode\tperihelion\tT\tepoch\tmagnitude\tslope\n";
  // Seventeen digits give back the same double.
  const auto number = [](double x) {
    if (std::isnan(x)) return std::string();
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, x);
    return error == std::errc() ? std::string(buffer, end) : std::string();
  };
  for (const SmallBodyElements& b : bodies) {
    const astro::OrbitalElements& o = b.Orbit;
    // A designation keeps to its field and its line.
    std::string designation = b.Designation;
    for (char& c : designation)
      if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    text += b.Comet ? "C" : "A";
    for (const std::string& field :
         {designation, number(o.PerihelionDistance), number(o.Eccentricity), number(o.Inclination),
          number(o.Node), number(o.Perihelion), number(o.PerihelionTime), number(o.Epoch),
          number(b.Magnitude), number(b.Slope)})
      text += "\t" + field;
    text += "\n";
  }
  return text;
}

}  // namespace catalog
