#include "sky/find_match.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <numeric>

namespace sky {
namespace {

struct GreekLetter {
  std::string_view Short;  // the three-letter abbreviation of star catalogues
  std::string_view Long;   // written out
  std::string_view Other;  // another common abbreviation, or empty
};

// In the alphabet's order, so that U+03B1 + i is the letter i (final sigma
// U+03C2 is skipped below).
constexpr std::array<GreekLetter, 24> kGreek{{
    {"alf", "alpha", "alp"}, {"bet", "beta", ""},  {"gam", "gamma", ""},   {"del", "delta", ""},
    {"eps", "epsilon", ""},  {"zet", "zeta", ""},  {"eta", "eta", ""},     {"tet", "theta", "the"},
    {"iot", "iota", ""},     {"kap", "kappa", ""}, {"lam", "lambda", ""},  {"mu", "mu", ""},
    {"nu", "nu", ""},        {"ksi", "xi", ""},    {"omi", "omicron", ""}, {"pi", "pi", ""},
    {"rho", "rho", ""},      {"sig", "sigma", ""}, {"tau", "tau", ""},     {"ups", "upsilon", ""},
    {"phi", "phi", ""},      {"chi", "chi", ""},   {"psi", "psi", ""},     {"ome", "omega", ""},
}};

// The plain letter of an accented letter of Latin-1 (U+00C0..U+00FF) or
// Latin Extended-A (U+0100..U+017F, "ł" and "đ" among them), 0 for none.
char PlainLatin(std::uint32_t code) {
  constexpr char kPlain[] =
      "aaaaaaaceeeeiiiidnooooo\0ouuuuyts"  // U+00C0..U+00DF (upper case)
      "aaaaaaaceeeeiiiidnooooo\0ouuuuyty"  // U+00E0..U+00FF
      "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiii\0\0jjkkkllllllllll"  // U+0100..U+0142
      "nnnnnnnnnoooooo\0\0rrrrrrssssssssttttttuuuuuuuuuuuuwwyyyzzzzzzs";       // U+0143..U+017F
  return code >= 0xC0 && code <= 0x17F ? kPlain[code - 0xC0] : '\0';
}

// The word with a Greek letter at its start replaced by the abbreviation;
// the word itself when it is not one.
std::string GreekWord(const std::string& word) {
  std::size_t letters = 0;
  while (letters < word.size() && std::isalpha(static_cast<unsigned char>(word[letters])))
    ++letters;
  const std::string_view head(word.data(), letters);
  for (const GreekLetter& g : kGreek)
    if (head == g.Short || head == g.Long || (!g.Other.empty() && head == g.Other))
      return std::string(g.Short) + word.substr(letters);
  return word;
}

// Leading zeros of each run of digits dropped (a run of zeros keeps one).
std::string WithoutLeadingZeros(const std::string& word) {
  std::string out;
  for (std::size_t i = 0; i < word.size(); ++i) {
    const bool runStart = i == 0 || !std::isdigit(static_cast<unsigned char>(word[i - 1]));
    if (runStart && word[i] == '0') {
      std::size_t j = i;
      while (j < word.size() && word[j] == '0') ++j;
      if (j < word.size() && std::isdigit(static_cast<unsigned char>(word[j]))) {
        i = j - 1;
        continue;
      }
      out += '0';
      i = j - 1;
      continue;
    }
    out += word[i];
  }
  return out;
}

bool Better(const NameFit& a, const NameFit& b) {
  if (a.Grade != b.Grade) return a.Grade < b.Grade;
  if (a.Distance != b.Distance) return a.Distance < b.Distance;
  return a.Whole && !b.Whole;
}

std::string FoldWord(const std::string& word) {
  if (word == "messier") return "m";
  if (word == "caldwell") return "c";
  return WithoutLeadingZeros(GreekWord(word));
}

}  // namespace

std::string FoldName(std::string_view name) {
  std::string out;
  std::string word;
  const auto endWord = [&] {
    out += FoldWord(word);
    word.clear();
  };
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto c = static_cast<unsigned char>(name[i]);
    if (c == ' ' || c == '\t' || c == '-' || c == '.' || c == '_' || c == '\'') {
      endWord();
    } else if (c < 0x80) {
      word += static_cast<char>(std::tolower(c));
    } else if ((c == 0xC3 || c == 0xC4 || c == 0xC5 || c == 0xCE || c == 0xCF) &&
               i + 1 < name.size()) {
      // Two-byte UTF-8: the letters of Latin-1 and Latin Extended-A, and the
      // Greek lower and upper case.
      const std::uint32_t code =
          ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(name[i + 1]) & 0x3Fu);
      ++i;
      if (const char plain = PlainLatin(code)) {
        word += plain;
      } else if ((code >= 0x391 && code <= 0x3A9) || (code >= 0x3B1 && code <= 0x3C9)) {
        std::uint32_t index = code >= 0x3B1 ? code - 0x3B1 : code - 0x391;
        if (index == 0x11) {  // final sigma, or the gap in the upper case
          word += "sig";
          continue;
        }
        if (index > 0x11) --index;
        word += kGreek[index].Short;
      } else {
        word += name.substr(i - 1, 2);
      }
    } else {
      word += static_cast<char>(c);
    }
  }
  endWord();
  return out;
}

int BoundedEditDistance(std::string_view a, std::string_view b, int limit) {
  const int n = static_cast<int>(a.size());
  const int m = static_cast<int>(b.size());
  if (std::abs(n - m) > limit) return limit + 1;
  // Three rows of the optimal-string-alignment table.
  std::vector<int> before(m + 1), previous(m + 1), current(m + 1);
  std::iota(previous.begin(), previous.end(), 0);
  for (int i = 1; i <= n; ++i) {
    current[0] = i;
    int rowBest = current[0];
    for (int j = 1; j <= m; ++j) {
      const int cost = a[i - 1] == b[j - 1] ? 0 : 1;
      int d = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + cost});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
        d = std::min(d, before[j - 2] + 1);
      current[j] = d;
      rowBest = std::min(rowBest, d);
    }
    // Every later row is at least the smallest of this one.
    if (rowBest > limit) return limit + 1;
    std::swap(before, previous);
    std::swap(previous, current);
  }
  return std::min(previous[m], limit + 1);
}

NameFit FitName(std::string_view typed, std::string_view name) {
  if (typed.empty()) return {};
  if (name == typed) return {FindGrade::Exact, 0};
  if (name.starts_with(typed)) return {FindGrade::Prefix, 0};
  const int allowed = typed.size() < 5 ? 0 : typed.size() < 8 ? 1 : 2;
  if (allowed == 0) return {};
  const int whole = BoundedEditDistance(typed, name, allowed);
  const int start = BoundedEditDistance(typed, name.substr(0, typed.size()), allowed);
  if (whole <= start && whole <= allowed) return {FindGrade::Close, whole, true};
  if (start <= allowed) return {FindGrade::Close, start, false};
  return {};
}

std::vector<int> RankFinds(const std::vector<FindEntry>& entries, std::string_view typed,
                           int limit) {
  const std::string folded = FoldName(typed);
  struct Hit {
    int Index;
    NameFit Fit;
  };
  std::vector<Hit> hits;
  bool exactOrPrefix = false;
  for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
    NameFit best;
    for (const std::string& name : entries[i].FoldedNames) {
      const NameFit fit = FitName(folded, name);
      if (Better(fit, best)) best = fit;
    }
    if (best.Grade == FindGrade::None) continue;
    exactOrPrefix = exactOrPrefix || best.Grade != FindGrade::Close;
    hits.push_back({i, best});
  }
  // Slips are only offered when the text names nothing as typed.
  if (exactOrPrefix)
    std::erase_if(hits, [](const Hit& h) { return h.Fit.Grade == FindGrade::Close; });
  std::stable_sort(hits.begin(), hits.end(), [&](const Hit& x, const Hit& y) {
    if (Better(x.Fit, y.Fit)) return true;
    if (Better(y.Fit, x.Fit)) return false;
    const bool upX = entries[x.Index].AltitudeDeg >= 0.0;
    const bool upY = entries[y.Index].AltitudeDeg >= 0.0;
    if (upX != upY) return upX;
    return entries[x.Index].Magnitude < entries[y.Index].Magnitude;
  });
  std::vector<int> ranked;
  for (std::size_t k = 0; k < hits.size() && static_cast<int>(k) < limit; ++k)
    ranked.push_back(hits[k].Index);
  return ranked;
}

std::string LatinOfNativeName(const std::vector<NativeName>& names, std::string_view typed) {
  const std::string folded = FoldName(typed);
  if (folded.size() < 3) return {};
  for (const NativeName& name : names)
    if (name.Native != name.Latin && FoldName(name.Native).starts_with(folded)) return name.Latin;
  return {};
}

}  // namespace sky
