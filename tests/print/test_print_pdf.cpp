// stellix --print-pdf as a user runs it, without a display: the PDF's pages,
// its text (pdftotext) and its pixels (pdftoppm), and what a file that
// cannot be written leaves behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "astro/transforms.h"
#include "tests/child_process.h"
#include "tests/test_files.h"

namespace {

struct ProgramRun {
  int Status = -1;
  std::string Err;
};

// The program with `args` (a shell's words) in `dir`, with no X display at
// all; its files may grow to `fileSizeLimit` bytes at most when given.
ProgramRun Stellix(const ScratchDir& dir, const std::string& args, long fileSizeLimit = -1) {
  const ChildRun run = RunShell("'" STELLIX_PROGRAM "' " + args, {.Env = {"DISPLAY"},
                                                                  .Dir = dir.Path().string(),
                                                                  .Err = dir.File("stderr"),
                                                                  .FileSizeLimit = fileSizeLimit});
  return {run.Status, run.Err};
}

// What a shell command line printed.
std::string Output(const std::string& command) { return RunShell(command).Out; }

// A grey page from pdftoppm (PGM, 8 bits).
struct GreyPage {
  int Width = 0, Height = 0;
  std::string Pixels;
  int At(int x, int y) const { return static_cast<unsigned char>(Pixels[y * Width + x]); }
  // The darkest pixel within `r` of (x, y).
  int Darkest(double x, double y, int r) const {
    int darkest = 255;
    for (int j = -r; j <= r; ++j)
      for (int i = -r; i <= r; ++i)
        darkest = std::min(darkest, At(static_cast<int>(x) + i, static_cast<int>(y) + j));
    return darkest;
  }
};

GreyPage Rasterise(const std::string& pdf, int dpi) {
  std::istringstream in(Output("pdftoppm -gray -r " + std::to_string(dpi) + " '" + pdf + "'"));
  GreyPage page;
  std::string magic;
  int maximum = 0;
  in >> magic >> page.Width >> page.Height >> maximum;
  in.get();
  page.Pixels.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  EXPECT_EQ(magic, "P5");
  EXPECT_EQ(page.Pixels.size(), static_cast<std::size_t>(page.Width) * page.Height);
  return page;
}

// Orion's belt in the middle of the page at zoom 4, the settings' other
// switches as they come but the NGC objects' (IC 434's outline crosses the belt).
constexpr char kOrion[] = "[Settings]\nZoom=4.0\nXRotation=1.20\nYRotation=275.95\nShowNGC=0\n";

std::vector<std::string> FilesIn(const ScratchDir& dir) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(PrintPdf, OrionAtZoomFourWithItsNamesAndTheBeltAsThreeDots) {
  ScratchDir dir;
  dir.Write("stellix.INI", kOrion);
  const ProgramRun run = Stellix(dir, "--print-pdf orion.pdf --settings stellix.INI");
  ASSERT_EQ(run.Status, 0) << run.Err;
  const std::string pdf = dir.File("orion.pdf");
  const std::string info = Output("pdfinfo '" + pdf + "'");
  EXPECT_NE(info.find("Pages:           1\n"), std::string::npos) << info;
  EXPECT_NE(info.find("(A4)"), std::string::npos) << info;
  EXPECT_NE(info.find("Title:           Stellix\n"), std::string::npos) << info;
  // Printing changes no setting: the file is as it was.
  EXPECT_EQ(ReadFile(dir.File("stellix.INI")), kOrion);

  const std::string text = Output("pdftotext '" + pdf + "' -");
  for (const char* name : {"Orion", "Betelgeuse", "Bellatrix", "Rigel", "Saiph", "Alnitak",
                           "Alnilam", "Mintaka", "M42", "M78", "Aldebaran"})
    EXPECT_NE(text.find(name), std::string::npos) << name << " in:\n" << text;

  // The belt as the orthographic camera shows it: page pixels at 100 dots
  // per inch of the places of Alnitak, Alnilam and Mintaka (J2000), around
  // the middle of the page at 5.6033 h, -1.2 degrees.
  const GreyPage page = Rasterise(pdf, 100);
  ASSERT_EQ(page.Width, 827);
  const double radius = (2244 / 2) * 4 / 3.0;  // the sky disc: half the printable width, x 4
  const double middleX = page.Width / 2.0, middleY = 1169.29 / 2;
  const double ra0 = 24 - 275.95 / 15, dec0 = -1.2 * astro::kDegToRad;
  const auto pixel = [&](double ra, double dec) {
    const double h = (ra - ra0) * 15 * astro::kDegToRad, d = dec * astro::kDegToRad;
    const double east = std::cos(d) * std::sin(h);
    const double north = std::sin(d) * std::cos(dec0) - std::cos(d) * std::sin(dec0) * std::cos(h);
    return std::pair{middleX - radius * east, middleY - radius * north};
  };
  const std::pair<double, double> belt[] = {pixel(5 + 40 / 60.0 + 45.5 / 3600, -1.9428),
                                            pixel(5 + 36 / 60.0 + 12.8 / 3600, -1.2019),
                                            pixel(5 + 32 / 60.0 + 0.4 / 3600, -0.2992)};
  for (const auto& [x, y] : belt) EXPECT_LT(page.Darkest(x, y, 2), 80) << x << "," << y;
  // Dots, not a line: white paper 7 pixels on from each towards the next
  // (above the names, which hang below their stars).
  for (int k = 0; k < 2; ++k) {
    const double dx = belt[k + 1].first - belt[k].first, dy = belt[k + 1].second - belt[k].second;
    const double length = std::hypot(dx, dy);
    const double x = belt[k].first + 7 * dx / length, y = belt[k].second + 7 * dy / length;
    EXPECT_GT(page.Darkest(x, y, 1), 200) << x << "," << y;
  }
}

// The grid's values where its lines meet the frame: the hour circles of 5 h
// and 6 h at the top and the foot, the circles of declination at the sides;
// the alt-azimuth grid's beside them when it is shown.
TEST(PrintPdf, TheGridsValuesStandAtTheFrame) {
  ScratchDir dir;
  dir.Write("stellix.INI", std::string(kOrion) + "Coordinations=1\nAltAzGrid=0\n");
  ASSERT_EQ(Stellix(dir, "--print-pdf grid.pdf --settings stellix.INI").Status, 0);
  // Each value a line of its own.
  std::string text = "\n" + Output("pdftotext '" + dir.File("grid.pdf") + "' -");
  for (const char* value : {"5h", "6h", "+15\u00b0", "0\u00b0", "-15\u00b0"})
    EXPECT_NE(text.find(std::string("\n") + value + "\n"), std::string::npos) << value << " in:\n"
                                                                              << text;

  dir.Write("stellix.INI", std::string(kOrion) + "Coordinations=0\nAltAzGrid=1\n");
  ASSERT_EQ(Stellix(dir,
                    "--print-pdf altaz.pdf --settings stellix.INI --datetime "
                    "2026-12-08T22:00:00Z --place Poland:Krakow")
                .Status,
            0);
  text = "\n" + Output("pdftotext '" + dir.File("altaz.pdf") + "' -");
  EXPECT_EQ(text.find("\n5h\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\n+30\u00b0\n"), std::string::npos) << text;
}

TEST(PrintPdf, PaperAndOrientation) {
  ScratchDir dir;
  dir.Write("stellix.INI", kOrion);
  ASSERT_EQ(
      Stellix(dir, "--print-pdf a.pdf --page Letter --landscape --settings stellix.INI").Status, 0);
  EXPECT_NE(Output("pdfinfo '" + dir.File("a.pdf") + "'").find("792 x 612 pts (letter)"),
            std::string::npos);
}

TEST(PrintPdf, AFileThatCannotBeWrittenEndsWithOneLineAndLeavesNothing) {
  ScratchDir dir;
  dir.Write("stellix.INI", kOrion);
  std::filesystem::create_directory(dir.Path() / "taken.pdf");
  const struct {
    const char* Path;
    long Limit;
  } kCases[] = {
      {"missing/chart.pdf", -1},
      {"taken.pdf", -1},
      // The disk fills up halfway through: at most 8 KB of a file (the chart takes 40).
      {"full.pdf", 8192},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.Path);
    const ProgramRun run =
        Stellix(dir, std::string("--print-pdf ") + c.Path + " --settings stellix.INI", c.Limit);
    EXPECT_EQ(run.Status, 2);
    // The message names the file as the program resolved it, from the start directory.
    const std::string line = "stellix: cannot write " + dir.File(c.Path) + ": ";
    const std::size_t at = run.Err.find(line);
    ASSERT_NE(at, std::string::npos) << run.Err;
    EXPECT_EQ(run.Err.find('\n', at), run.Err.size() - 1) << run.Err;  // one line, the last
    EXPECT_EQ(FilesIn(dir), (std::vector<std::string>{"stderr", "stellix.INI", "taken.pdf"}));
  }
}

TEST(PrintPdf, OptionsOfThePrintOnly) {
  ScratchDir dir;
  for (const char* args : {"--print-pdf a.pdf --page A5", "--page A4", "--landscape",
                           "--print-pdf a.pdf --render a.png", "--print-pdf"}) {
    const ProgramRun run = Stellix(dir, args);
    EXPECT_EQ(run.Status, 2) << args;
    EXPECT_NE(run.Err.find("stellix: "), std::string::npos) << run.Err;
  }
  EXPECT_FALSE(std::filesystem::exists(dir.File("a.pdf")));
}

}  // namespace
