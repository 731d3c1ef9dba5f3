// stellix --plot-altitude NAME FILE: the altitude plot written as a PNG
// picture or an SVG drawing with no display, and the one line and status 2
// of a name, a file name or a file it cannot take.
#include <gtest/gtest.h>

#include <QSvgRenderer>
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>

#include "tests/child_process.h"
#include "tests/test_files.h"

namespace {

struct ProgramRun {
  int status = -1;
  std::string out, err;
};

// The program with `args`, without any X display.
ProgramRun Plot(const ScratchDir& dir, const std::string& args) {
  const ChildRun run = RunShell("'" + std::string(STELLIX_PROGRAM) + "' " + args,
                                {.Env = {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM=xcb"},
                                 .Out = dir.File("out"),
                                 .Err = dir.File("err")});
  return {run.Status, run.Out, run.Err};
}

std::uint32_t BigEndian(const std::string& bytes, std::size_t at) {
  std::uint32_t n = 0;
  for (std::size_t i = 0; i < 4; ++i) n = n << 8 | static_cast<unsigned char>(bytes[at + i]);
  return n;
}

const char* kKrakow =
    "[Location]\nLocation=Poland:Krakow\nLongDeg=19\nLongMin=56\nEW=E\nLatDeg=50\nLatMin=4\n"
    "NS=N\nTimeZoneId=Europe/Warsaw\n";

TEST(PlotAltitudeCommand, WritesAPngAndAnSvg) {
  ScratchDir dir;
  const std::string settings = dir.Write("s.ini", kKrakow);
  const std::string common = " --datetime 2026-12-09T20:00:00 --settings '" + settings + "'";

  const ProgramRun png = Plot(dir, "--plot-altitude Vega '" + dir.File("vega.png") + "'" + common);
  ASSERT_EQ(png.status, 0) << png.err;
  // What was drawn, as one line of JSON.
  EXPECT_EQ(png.out.rfind("{\"name\":\"Vega\",\"date\":\"2026-12-09\",", 0), 0u) << png.out;
  EXPECT_EQ(std::count(png.out.begin(), png.out.end(), '\n'), 1);
  EXPECT_EQ(png.out.back(), '\n');
  const std::string picture = ReadFile(dir.File("vega.png"));
  ASSERT_GT(picture.size(), 24u);
  EXPECT_EQ(picture.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
  EXPECT_EQ(picture.substr(12, 4), "IHDR");
  EXPECT_EQ(BigEndian(picture, 16), 1200u);
  EXPECT_EQ(BigEndian(picture, 20), 700u);
  // A plot of curves, shades and texts, not a blank page.
  EXPECT_GT(picture.size(), 20000u);

  // The suffix in any case.
  const ProgramRun svg = Plot(dir, "--plot-altitude 'M 31' '" + dir.File("m31.SVG") + "'" + common);
  ASSERT_EQ(svg.status, 0) << svg.err;
  const std::string drawing = ReadFile(dir.File("m31.SVG"));
  ASSERT_GT(drawing.size(), 2000u);
  EXPECT_EQ(drawing.rfind("<?xml", 0), 0u);
  EXPECT_NE(drawing.find("<svg"), std::string::npos);
  EXPECT_NE(drawing.find("viewBox=\"0 0 1200 700\""), std::string::npos);
  EXPECT_NE(drawing.find("M 31 from Poland:Krakow, the night of 2026-12-09"), std::string::npos);
  EXPECT_NE(drawing.find("Astronomical twilight"), std::string::npos);
  // Qt's own SVG reader takes it whole, at the plot's size.
  QSvgRenderer reader(QString::fromStdString(dir.File("m31.SVG")));
  EXPECT_TRUE(reader.isValid());
  EXPECT_EQ(reader.viewBoxF(), QRectF(0, 0, 1200, 700));
  const std::size_t end = drawing.find_last_not_of("\n ");
  ASSERT_NE(end, std::string::npos);
  EXPECT_EQ(drawing.substr(end - 5, 6), "</svg>");
}

TEST(PlotAltitudeCommand, RefusesWhatItCannotTakeInOneLine) {
  ScratchDir dir;
  const std::string settings = dir.Write("s.ini", kKrakow);
  const std::string common = " --settings '" + settings + "'";
  const struct {
    std::string Args, Says;
  } cases[] = {
      {"--plot-altitude Nowhere '" + dir.File("x.png") + "'", "no object is called \"Nowhere\""},
      {"--plot-altitude Vega '" + dir.File("x.pdf") + "'", "ending in .png or .svg"},
      {"--plot-altitude Vega '" + dir.File(".png") + "'", "ending in .png or .svg"},
      {"--plot-altitude Vega", "needs a value"},
      {"--plot-altitude Vega '" + dir.File("missing/x.png") + "'", "cannot write"},
      {"--plot-altitude Vega '" + dir.File("x.png") + "' --render '" + dir.File("y.png") + "'",
       "cannot be combined"},
  };
  for (const auto& c : cases) {
    const ProgramRun run = Plot(dir, common + " " + c.Args);
    EXPECT_EQ(run.status, 2) << c.Args;
    EXPECT_NE(run.err.find(c.Says), std::string::npos) << c.Args << ": " << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_EQ(run.out, "");
  }
  EXPECT_FALSE(std::filesystem::exists(dir.File("x.png")));
  EXPECT_FALSE(std::filesystem::exists(dir.File("x.pdf")));
}

}  // namespace
