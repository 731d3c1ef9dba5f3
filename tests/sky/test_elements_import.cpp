// Imported orbital elements: read all or nothing, kept in the user's file,
// replacing the bundled elements of the same bodies, from one start to the next.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "sky/elements_import.h"
#include "sky/sky_doc.h"
#include "sky/small_bodies.h"
#include "tests/test_files.h"

namespace {

// 2P/Encke from CometEls.txt and Ceres from MPCORB.DAT, as the Center gives them.
const std::string kEncke =
    "0002P         2023 10 22.5284  0.339435  0.847093  187.2794  334.1588   11.3466  20230913  "
    "14.0  4.0  2P/Encke                                                 MPEC 2023\n";
const std::string kCeres =
    "00001    3.34  0.15 K239D  60.07966   73.42179   80.25496   10.58688  0.0789126  0.21406957 "
    "  2.7670463  0 E2023-R49  7330 125 1801-2023 0.65 M-v 30k MPCLINUX   4000 (1) Ceres         "
    "          20230906\n";

std::string Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

catalog::SmallBodyElements Body(const char* designation, bool comet, double q) {
  catalog::SmallBodyElements b;
  b.Designation = designation;
  b.Comet = comet;
  b.Orbit.PerihelionDistance = q;
  return b;
}

std::vector<std::string> Designations(const std::vector<catalog::SmallBodyElements>& bodies) {
  std::vector<std::string> names;
  for (const catalog::SmallBodyElements& b : bodies) names.push_back(b.Designation);
  return names;
}

// By name, whatever the number's brackets and the case: in the bundled
// body's place; new ones after, the later of two of one name.
TEST(ElementsImport, ImportedBodiesReplaceThoseOfTheSameName) {
  const std::vector<catalog::SmallBodyElements> bundled = {
      Body("1 Ceres", false, 2.5), Body("1P/Halley", true, 0.6), Body("4 Vesta", false, 2.1)};
  const std::vector<catalog::SmallBodyElements> imported = {
      Body("C/2023 A3 (Tsuchinshan-ATLAS)", true, 0.39), Body("(1) Ceres", false, 2.55),
      Body("1p/halley", true, 0.58), Body("C/2023 A3 (Tsuchinshan-ATLAS)", true, 0.391)};
  const std::vector<catalog::SmallBodyElements> merged = sky::MergeSmallBodies(bundled, imported);
  EXPECT_EQ(Designations(merged), (std::vector<std::string>{"(1) Ceres", "1p/halley", "4 Vesta",
                                                            "C/2023 A3 (Tsuchinshan-ATLAS)"}));
  EXPECT_EQ(merged[0].Orbit.PerihelionDistance, 2.55);
  EXPECT_EQ(merged[3].Orbit.PerihelionDistance, 0.391);
  EXPECT_EQ(Designations(sky::MergeSmallBodies(bundled, {})), Designations(bundled));
}

// Two imports keep both files' bodies, the second replacing the first's of
// the same name; a damaged or missing file changes nothing and names the
// file, the line and the field.
TEST(ElementsImport, KeepsWhatWasReadAndNothingOfADamagedFile) {
  ScratchDir dir;
  const std::string kept = sky::KeptElementsPath(dir.File("stellix.INI"));
  EXPECT_EQ(kept, dir.File("elements.tab"));
  const std::string comets = dir.Write("CometEls.txt", kEncke);
  const std::string minor = dir.Write("MPCORB.DAT", "header\n-----------\n" + kCeres);
  sky::ElementsImportResult r = sky::ImportElementFiles({comets}, kept);
  EXPECT_EQ(r.Error, "");
  EXPECT_EQ(r.Read, 1);
  r = sky::ImportElementFiles({minor, comets}, kept);
  EXPECT_EQ(r.Error, "");
  EXPECT_EQ(r.Read, 2);
  std::string error;
  const std::vector<catalog::SmallBodyElements> both = sky::KeptElements(kept, error);
  EXPECT_EQ(error, "");
  EXPECT_EQ(Designations(both), (std::vector<std::string>{"2P/Encke", "(1) Ceres"}));
  const std::string before = Contents(kept);

  std::string damaged = kEncke;
  damaged.replace(41, 8, "0.8x7093");
  const struct {
    std::vector<std::string> Files;
    std::string Error;
  } refusals[] = {
      {{minor, dir.Write("bad.txt", kEncke + damaged)},
       "No orbital elements were imported: bad.txt:2: eccentricity: bad value '0.8x7093'"},
      {{dir.File("missing.txt")},
       "No orbital elements were imported: missing.txt: the file cannot be read"},
      {{dir.Write("empty.txt", "\n\n")},
       "No orbital elements were imported: empty.txt: the file holds no orbital elements"},
  };
  for (const auto& refusal : refusals) {
    r = sky::ImportElementFiles(refusal.Files, kept);
    EXPECT_EQ(r.Error.substr(0, r.Error.find_last_not_of(' ') + 1), refusal.Error);
    EXPECT_EQ(Contents(kept), before) << refusal.Error;
  }
  // A kept file that cannot be written is said to be so.
  r = sky::ImportElementFiles({comets}, dir.File("no/such") + "/\x01/elements.tab");
  EXPECT_EQ(r.Error, "");  // its folders are made
  r = sky::ImportElementFiles({comets}, "/proc/elements.tab");
  EXPECT_NE(r.Error.find("could not be kept in \"/proc/elements.tab\""), std::string::npos)
      << r.Error;
}

class NoMissingFile : public CCatalogueFailure {
 public:
  [[noreturn]] void MissingFile(const char*) override { std::abort(); }
  void DamagedFile(const char* file, const std::string& message) override {
    damaged = std::string(file) + " " + message;
  }
  std::string damaged;
};

// The document shows imported bodies at once and at the next start; a
// selected minor planet is let go, as its index may now name another.
TEST(ElementsImport, TheDocumentShowsThemNowAndAtTheNextStart) {
  ScratchDir dir;
  const std::string kept = sky::KeptElementsPath(dir.File("stellix.INI"));
  AppSettings settings;
  CSkyDoc doc(settings, catalog::DataFiles{STELLIX_SOURCE_DATA_DIR});
  doc.KeepElementsIn(kept);
  NoMissingFile failure;
  doc.LoadSmallBodies(failure);
  doc.Sky.DocumentTime = astro::CivilTime{2024, 1, 1, 0, 0, 0};
  doc.UpdateSky();
  const std::size_t bundled = doc.Catalogues.SmallBodies.size();
  const auto ceres = sky::FindObjectByName(doc, "Ceres");
  ASSERT_TRUE(ceres);
  doc.Selected = ceres;
  const int version = doc.Catalogues.SmallBodiesVersion;

  const std::string text =
      kCeres +
      std::string(kCeres).replace(0, 5, "K24A0").replace(166, 28, "2024 AA                     ");
  ASSERT_EQ(doc.ImportElements({dir.Write("NEA.txt", text)}).Error, "");
  EXPECT_EQ(doc.Catalogues.SmallBodiesVersion, version + 1);
  EXPECT_FALSE(doc.Selected);
  ASSERT_EQ(doc.Catalogues.SmallBodies.size(), bundled + 1);
  const auto again = sky::FindObjectByName(doc, "Ceres");
  ASSERT_TRUE(again);
  EXPECT_EQ(again->Index, ceres->Index) << "in the bundled one's place";
  EXPECT_EQ(doc.Catalogues.SmallBodies[again->Index].Designation, "(1) Ceres");
  EXPECT_EQ(doc.Catalogues.SmallBodies[again->Index].Orbit.Epoch, 2460200.5);
  ASSERT_TRUE(sky::FindObjectByName(doc, "2024 AA"));

  // The next start reads them back; a damaged kept file is named and left out.
  CSkyDoc next(settings, catalog::DataFiles{STELLIX_SOURCE_DATA_DIR});
  next.KeepElementsIn(kept);
  next.LoadSmallBodies(failure);
  EXPECT_EQ(failure.damaged, "");
  EXPECT_EQ(Designations(next.Catalogues.SmallBodies), Designations(doc.Catalogues.SmallBodies));
  dir.Write("elements.tab", "A\t(1) Ceres\t2.5\n");
  next.LoadSmallBodies(failure);
  EXPECT_EQ(failure.damaged, "elements.tab elements.tab:1: fields: 3 instead of 11");
  EXPECT_EQ(next.Catalogues.SmallBodies.size(), bundled);
}

}  // namespace
