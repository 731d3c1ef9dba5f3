// The orbit files of comets and minor planets: the Minor Planet Center's one-line ones: MPCORB.DAT
// (the minor planets, "Export Format for Minor-Planet Orbits") and CometEls.txt (the comets,
// "Format For Cometary Orbits"). Columns are counted from 1 as the Center's descriptions count
// them; angles are J2000 ecliptic, times TT.
//
// A reading is all or nothing: the first damaged line refuses the whole
// import with a message naming the file, the line and the field, and no body
// of it is kept.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "astro/orbit.h"

namespace catalog {

struct SmallBodyElements {
  std::string Designation;  // readable: "(1) Ceres", "2P/Encke", "C/2020 F3 (NEOWISE)"
  bool Comet = false;
  astro::OrbitalElements Orbit;
  // Minor planets: H and G of the phase law; comets: M1 and K1 of
  // M1 + 5 log Delta + K1 log r. NaN when the file gives no magnitude.
  double Magnitude = 0.0;
  double Slope = 0.0;
};

struct ElementsImport {
  std::vector<SmallBodyElements> Bodies;  // empty when refused
  std::string Error;                      // "file:line: field: why"; empty when read
};

// MPCORB.DAT or an extract of it (NEA.txt, ...): the lines before the one
// that starts with "-----" are a header when there is such a line, blank
// lines are skipped. Per line: the packed designation (1-7), H (9-13, may be
// blank), G (15-19, 0.15 when blank), the packed epoch (21-25), M (27-35),
// the argument of perihelion (38-46), the node (49-57), i (60-68), e
// (71-79), n (81-91), a (93-103) and the readable designation (167-194,
// the packed one when the line stops short of it).
ElementsImport ReadMpcOrb(std::string_view text, const std::string& fileName);

// CometEls.txt: per line the number and orbit type (1-5), the packed
// provisional designation (6-12), the perihelion time as year (15-18),
// month (20-21) and day with its fraction (23-29), q (31-39), e (42-49), the
// argument of perihelion (52-59), the node (62-69), i (72-79), the epoch's
// year, month and day (82-89, the perihelion time when blank), H (92-95)
// and the slope K (97-100) of H + 5 log Delta + 2.5 K log r, both blank or
// both given, and the designation and name (103-158).
ElementsImport ReadCometEls(std::string_view text, const std::string& fileName);

// data/smallbodies.tab, the bodies the program brings (tools/datagen/
// small_bodies.py): after "#" comment lines, one body a line of 11
// tab-separated fields: kind ("C" comet, "A" minor planet), designation, q,
// e, i, node, argument of perihelion, perihelion time, epoch, then M1 and K1
// of a comet or H and G of a minor planet (either may be empty: not given).
ElementsImport ReadSmallBodyTable(std::string_view text, const std::string& fileName);

// An orbit file of the Minor Planet Center, of either kind: CometEls.txt
// when its first line with elements (after MPCORB.DAT's header, if any)
// has a year in columns 15-18 and a blank in 19 (the perihelion's; MPCORB.DAT
// has G in 15-19), else MPCORB.DAT; then as ReadCometEls or ReadMpcOrb.
ElementsImport ReadOrbitFile(std::string_view text, const std::string& fileName);

// The text of `bodies` in the form of data/smallbodies.tab, which
// ReadSmallBodyTable reads back to the same numbers; a magnitude or slope
// the elements do not give (NaN) is an empty field.
std::string SmallBodyTableText(const std::vector<SmallBodyElements>& bodies);

// Julian day of 0 h on a Gregorian date; `day` may carry a fraction.
// Meeus, Astronomical Algorithms, ch. 7.
double GregorianJulianDay(int year, int month, double day);

}  // namespace catalog
