// The find box's matching: how a typed text is compared with the names of
// the sky's objects, forgiving case, blanks, hyphens, accents, the ways a
// Greek letter or a catalogue number is written, and slips of one or two
// letters; and the order in which the matches are offered.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sky {

// `name` in the form names are compared in: ASCII letters in lower case,
// accented Latin letters (UTF-8, Latin-1 and Latin Extended-A) without
// their accents, blanks, hyphens,
// dots, apostrophes and underscores dropped. A word that is a Greek letter
// (written out "Alpha", abbreviated "alp"/"alf", or the letter itself "α",
// a component number may follow: "alf1") becomes its three-letter
// abbreviation ("alf", "bet", ... "ome"; "mu", "nu", "xi", "pi" kept);
// the words "Messier" and "Caldwell" become "m" and "c"; leading zeros of every run of digits go
// ("ngc 0224" -> "ngc224"). Other bytes are kept as they are.
std::string FoldName(std::string_view name);

// The Damerau-Levenshtein distance (insertions, deletions, substitutions and
// swaps of two neighbours, each counting 1; no substring edited twice) of
// `a` and `b`, or `limit` + 1 when it is larger than `limit`.
int BoundedEditDistance(std::string_view a, std::string_view b, int limit);

// How well a folded name fits a folded typed text, best first.
enum class FindGrade { Exact, Prefix, Close, None };

struct NameFit {
  FindGrade Grade = FindGrade::None;
  int Distance = 0;    // the slips of a Close fit
  bool Whole = false;  // a Close fit to the whole name, not to its beginning
};

// The fit of folded `name` to folded `typed`: Exact when they are equal,
// Prefix when `name` begins with `typed`, Close when `typed` is within the
// slips allowed for its length (none below 5 characters, 1 up to 7, 2 from 8)
// of `name` (Whole) or else of `name`'s beginning of the same length.
NameFit FitName(std::string_view typed, std::string_view name);

// One object as the find box sees it: its names folded, its brightness and
// its altitude at the moment of the search.
struct FindEntry {
  std::vector<std::string> FoldedNames;
  double Magnitude = 99.0;
  double AltitudeDeg = 0.0;
};

// The entries that fit `typed` (which is folded here), at most `limit`, as
// indices into `entries`, best first: by the best fit of any of their names
// (Exact, then Prefix, then Close with fewer slips first, a whole name before
// a name's beginning); among equals those
// above the horizon first, then the brighter, then the earlier entry. Close
// fits are only looked for when nothing fits exactly or as a prefix.
std::vector<int> RankFinds(const std::vector<FindEntry>& entries, std::string_view typed,
                           int limit);

// A constellation's Latin name and its name in the window's language (UTF-8).
struct NativeName {
  std::string Latin;
  std::string Native;
};

// The Latin name of the first of `names` whose name in the window's language
// begins with `typed` ("großer b": "Ursa Major"; "wielka niedzw": "Ursa
// Major"), compared folded (FoldName: case, blanks and accents forgiven);
// empty when `typed` folds to fewer than three characters, when none does,
// or when that name is the Latin one.
std::string LatinOfNativeName(const std::vector<NativeName>& names, std::string_view typed);

}  // namespace sky
