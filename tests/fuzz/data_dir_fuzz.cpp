// A whole mutated data directory: the settings and the nine catalogue files
// are written to a scratch directory and loaded by the document as the
// program loads them; then every record, body and horizon point is taken
// through the window-free projection of one frame and through the integer
// arithmetic the layers do with what comes out (label offsets, boxes,
// position angles), under UBSan.
// The input's form is in data_dir_input.h.
//
// No GL frame is drawn: a frame of Mesa's software renderer costs
// milliseconds and needs an X server and a sky view with its fonts per
// document, which would allow a few thousand inputs a minute instead of
// millions; the layers' own use of the records is modelled here instead.
// The test builds draw a real frame of every seed and regression
// (data_dir_frames.cpp).
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "astro/transforms.h"
#include "catalog/builtin_tables.h"
#include "sky/camera_math.h"
#include "sky/profile.h"
#include "sky/sky_colour.h"
#include "sky/sky_doc.h"
#include "tests/fuzz/data_dir_input.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

// The directory the parts are written to, on a memory file system when there is one.
const std::string& ScratchDirectory() {
  static const std::string dir = [] {
    std::string base = ::access("/dev/shm", W_OK) == 0
                           ? "/dev/shm"
                           : std::filesystem::temp_directory_path().string();
    std::string pattern = base + "/stellix-fuzz-XXXXXX";
    FUZZ_CHECK(::mkdtemp(pattern.data()) != nullptr);
    return pattern;
  }();
  return dir;
}

void WriteFile(const std::string& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  FUZZ_CHECK(fd >= 0);
  FUZZ_CHECK(::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()));
  ::close(fd);
}

// Damaged files are named in their message.
class CheckingFailure : public CCatalogueFailure {
 public:
  [[noreturn]] void MissingFile(const char* fileName) override {
    std::fprintf(stderr, "%s was written but could not be opened\n", fileName);
    std::abort();
  }
  void DamagedFile(const char* fileName, const std::string& message) override {
    FUZZ_CHECK(message.find(fileName) != std::string::npos);
  }
};

// glRotated's matrix.
void Rotation(double degrees, double x, double y, double z, double m[16]) {
  const double a = degrees * astro::kDegToRad, c = std::cos(a), s = std::sin(a);
  const double r[9] = {x * x * (1 - c) + c,     y * x * (1 - c) + z * s, x * z * (1 - c) - y * s,
                       x * y * (1 - c) - z * s, y * y * (1 - c) + c,     y * z * (1 - c) + x * s,
                       x * z * (1 - c) + y * s, y * z * (1 - c) - x * s, z * z * (1 - c) + c};
  for (int i = 0; i < 16; ++i) m[i] = i == 15 ? 1 : 0;
  for (int col = 0; col < 3; ++col)
    for (int row = 0; row < 3; ++row) m[col * 4 + row] = r[col * 3 + row];
}

void Rotate(double m[16], double degrees, double x, double y, double z) {
  double r[16];
  Rotation(degrees, x, y, z, r);
  render::MultiplyMatrices(m, r, m);
}

// The camera of a frame as the renderer sets it up, and the matrices the
// window <-> sky conversions read.
void SetUpFrame(const CSkyDoc& doc, sky::ViewGeometry& view, double zoom, int width, int height) {
  view.Viewport[0] = view.Viewport[1] = 0;
  view.Viewport[2] = width;
  view.Viewport[3] = height;
  view.CentreX = width / 2;
  view.CentreY = height / 2;
  render::OrthoMatrix(render::SkyOrthoVolume(width, height, zoom), view.Projection);
  view.Projection[10] = 2.0;
  double* m = view.Modelview;
  for (int i = 0; i < 16; ++i) m[i] = i % 5 == 0 ? 1 : 0;
  Rotate(m, doc.Settings().XRotation, 1, 0, 0);
  Rotate(m, doc.Settings().YRotation, 0, 1, 0);
  if (doc.Settings().HorizonMode) {
    const astro::AstroState& st = doc.Sky.AstroState;
    const double h = (st.SiderealAngle - st.Longitude - 4050.0) * astro::kDegToRad;
    Rotate(m, 90 - st.Latitude, 0, 0, 1);
    Rotate(m, std::atan2(std::sin(h), -std::cos(h)) * astro::kRadToDeg, 0, 1, 0);
    double precess[16];
    render::PrecessionModelMatrix(st.Precession, false, precess);
    render::MultiplyMatrices(m, precess, m);
  }
}

// Where a label of a place goes, as the label layers find it.
bool LabelPosition(const CSkyDoc& doc, const sky::ViewGeometry& view, double ra, double dec,
                   double& x, double& y) {
  double p[3];
  doc.DrawingPoint(ra, dec, p);
  if (doc.Settings().HorizonMode && doc.HorizontalOf(ra, dec).Altitude < 0) return false;
  if (!view.SkyToWindow(p[0], p[1], p[2], x, y)) return false;
  FUZZ_CHECK(std::isfinite(x) && std::isfinite(y));
  return true;
}

// The integer pixel arithmetic of a label's backing box.
int BoxEdge(double at, int offset) { return static_cast<int>(std::floor(at)) + offset; }

void ProjectEverything(const CSkyDoc& doc, const sky::ViewGeometry& view, double zoom) {
  // Keeps the arithmetic that UBSan checks; the sum itself may wrap.
  volatile unsigned sink = 0;
  double x, y;
  // The layers draw what is bright enough; the loaders' stand-ins for
  // records left out never are, and the runs of repeated vertices they
  // leave in lines are taken once.
  for (const StarRecord& s : doc.Sky.Stars) {
    if (s.Magnitude > doc.Limits.StarMagnitudeLimit) continue;
    FUZZ_CHECK(catalog::FaultOf(s) == catalog::RecordFault::None);
    double p[3];
    doc.DrawingPoint(s.RightAscension, s.Declination, p);
    if (view.SkyToWindow(p[0], p[1], p[2], x, y))
      sink = sink + static_cast<unsigned>(BoxEdge(x, 0)) + static_cast<unsigned>(BoxEdge(y, 0));
  }
  for (const StarNameRecord& n : doc.Sky.ProperNames)
    if (n.Magnitude <= doc.Limits.StarMagnitudeLimit &&
        LabelPosition(doc, view, n.RightAscension, n.Declination, x, y))
      sink = sink + static_cast<unsigned>(BoxEdge(x, -n.LabelOffset)) +
             static_cast<unsigned>(BoxEdge(y, -10));
  for (int i = 0; i < kDeepSkyCount; ++i) {
    const DeepSkyRecord& o = doc.Sky.DeepSkyObjects[i];
    if (o.Magnitude == catalog::kUnusableMagnitude) continue;
    FUZZ_CHECK(catalog::FaultOf(o) == catalog::RecordFault::None);
    sink = sink + static_cast<unsigned>((o.PositionAngle - 90));
    const double n = std::floor(std::clamp(o.MajorAxis * 0.1 + 8, 0.0, 20000.0));
    FUZZ_CHECK(n >= 0 && n <= 20000);
    if (LabelPosition(doc, view, o.RightAscension, o.Declination, x, y)) {
      const int ySign = -1;
      sink = sink + static_cast<unsigned>(BoxEdge(x + 5 + o.LabelOffsetX, 0)) +
             static_cast<unsigned>(BoxEdge(y - 3 + ySign * o.LabelOffsetY, 0));
      sink = sink + static_cast<unsigned>(static_cast<int>(std::to_string(o.Number).size()));
    }
    catalog::DeepSkyTypeOf(o.Type);
  }
  for (const ConstellationNameRecord& c : doc.Catalogues.ConstellationNames)
    if (LabelPosition(doc, view, c.RightAscension, c.Declination, x, y))
      sink = sink + static_cast<unsigned>(BoxEdge(x, 0)) + static_cast<unsigned>(BoxEdge(y, 0));
  const auto vertices = [&](const auto& points) {
    for (std::size_t i = 0; i < std::size(points); ++i) {
      const auto& v = points[i];
      if (i > 0 && v.RightAscension == points[i - 1].RightAscension &&
          v.Declination == points[i - 1].Declination)
        continue;
      FUZZ_CHECK(catalog::FaultOf(v) == catalog::RecordFault::None);
      double p[3];
      doc.DrawingPoint(v.RightAscension, v.Declination, p);
      if (view.SkyToWindow(p[0], p[1], p[2], x, y))
        sink = sink + static_cast<unsigned>(BoxEdge(x, 0));
    }
  };
  vertices(doc.Sky.ConstellationLines);
  vertices(doc.Catalogues.BoundaryPoints);
  vertices(doc.Catalogues.EclipticPoints);
  vertices(doc.Catalogues.MagellanicClouds);
  vertices(doc.Sky.HorizonPoints);
  for (const astro::PlanetState& body : doc.Sky.Bodies)
    if (LabelPosition(doc, view, body.RightAscension, body.Declination, x, y))
      sink = sink + static_cast<unsigned>(BoxEdge(x, 0)) + static_cast<unsigned>(BoxEdge(y, 0));
  // The location dialog's marker on its 360 x 180 map.
  for (const LocationRecord& l : doc.Catalogues.Locations) {
    if (l.Name[0] == '\0') continue;
    FUZZ_CHECK(catalog::FaultOf(l) == catalog::RecordFault::None);
    sink = sink + static_cast<unsigned>((15 + 180 - l.LongDeg)) +
           static_cast<unsigned>((15 + 90 - l.LatDeg));
  }
  // The sky's colour from the Sun and the Moon.
  const double sun = doc.Sky.AstroState
                         .HorizonOf(doc.Sky.Bodies[astro::kSun].RightAscension,
                                    doc.Sky.Bodies[astro::kSun].Declination)
                         .Altitude;
  const double moon = doc.Sky.AstroState
                          .HorizonOf(doc.Sky.Bodies[astro::kMoon].RightAscension,
                                     doc.Sky.Bodies[astro::kMoon].Declination)
                          .Altitude;
  const render::SkyBackground sky =
      render::ComputeSkyBackground(sun, moon, doc.Sky.Bodies[astro::kMoon].HelioDistance,
                                   doc.Settings().SolarSystem != 0, 0, doc.Settings().DeepSkyLimit);
  sink = sink + static_cast<unsigned>(sky.Colour());
  // The pointer's read-out across the window.
  for (int wx = 0; wx <= view.Viewport[2]; wx += view.Viewport[2] / 2)
    for (int wy = 0; wy <= view.Viewport[3]; wy += view.Viewport[3] / 2) {
      double ra, dec;
      if (doc.WindowToSky(view, wx, wy, zoom, ra, dec))
        FUZZ_CHECK(std::isfinite(ra) && std::isfinite(dec));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string_view> parts =
      SplitDataDirInput(std::string_view(reinterpret_cast<const char*>(data), size));

  CProfile profile;
  profile.Parse(parts[0]);
  AppSettings settings;
  LoadSettings(profile, settings);
  const std::string& dir = ScratchDirectory();
  for (std::size_t i = 0; i < std::size(kCatalogueFiles); ++i)
    WriteFile(dir + "/" + kCatalogueFiles[i], parts[i + 1]);

  // One document's storage for every run: a fresh allocation of its size
  // would cost more than the rest of the run.
  alignas(CSkyDoc) static unsigned char storage[sizeof(CSkyDoc)];
  struct Destroy {
    void operator()(CSkyDoc* d) const { d->~CSkyDoc(); }
  };
  const std::unique_ptr<CSkyDoc, Destroy> doc(new (storage) CSkyDoc(settings));
  CheckingFailure failure;
  // The document reads its files from the current directory.
  const int here = ::open(".", O_RDONLY | O_DIRECTORY);
  FUZZ_CHECK(here >= 0 && ::chdir(dir.c_str()) == 0);
  doc->OnNewDocument(failure, nullptr, DataDirTime(profile));
  FUZZ_CHECK(::fchdir(here) == 0);
  ::close(here);

  const double zoom = settings.Zoom == 0 ? 1.0 : settings.Zoom;
  doc->UpdateAutoLimits(zoom);
  sky::ViewGeometry view;
  SetUpFrame(*doc, view, zoom, 640, 480);
  ProjectEverything(*doc, view, zoom);
  return 0;
}
