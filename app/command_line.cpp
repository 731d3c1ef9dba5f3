#include "app/command_line.h"

#include <cctype>
#include <charconv>
#include <filesystem>

#include "app/exit_status.h"
#include "astro/datetime_parse.h"
#include "sky/goto_target.h"

namespace {

// "WxH" with both sides whole numbers from 1 to 16384.
bool ParseSize(const std::string& text, int& width, int& height) {
  const std::size_t x = text.find('x');
  if (x == std::string::npos) return false;
  const auto number = [](const char* first, const char* last, int& out) {
    const auto [end, error] = std::from_chars(first, last, out);
    return error == std::errc() && end == last && out >= 1 && out <= 16384;
  };
  return number(text.data(), text.data() + x, width) &&
         number(text.data() + x + 1, text.data() + text.size(), height);
}

// "HOST:PORT": a host name or address (an IPv6 one in brackets) and a port
// from 1 to 65535.
bool ParseServer(const std::string& text, std::string& host, int& port) {
  const std::size_t colon = text.rfind(':');
  if (colon == std::string::npos || colon == 0) return false;
  host = text.substr(0, colon);
  if (host.size() > 2 && host.front() == '[' && host.back() == ']')
    host = host.substr(1, host.size() - 2);
  const char* last = text.data() + text.size();
  const auto [end, error] = std::from_chars(text.data() + colon + 1, last, port);
  return error == std::errc() && end == last && port >= 1 && port <= 65535;
}

// "A4" or "Letter", in any case.
bool ParsePaper(std::string text, PaperSize& paper) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (text == "a4")
    paper = PaperSize::A4;
  else if (text == "letter")
    paper = PaperSize::Letter;
  else
    return false;
  return true;
}

// Whether `path` ends in ".pdf", in any case; a bare ".pdf" names no file.
bool EndsInPdf(const std::string& path) {
  const std::string name = std::filesystem::path(path).filename().string();
  if (name.size() <= 4) return false;
  std::string suffix = name.substr(name.size() - 4);
  for (char& c : suffix) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return suffix == ".pdf";
}

// Whether `path` ends in ".png" or ".svg", in any case, after a name.
bool EndsInPlotSuffix(const std::string& path) {
  const std::string name = std::filesystem::path(path).filename().string();
  if (name.size() <= 4) return false;
  std::string suffix = name.substr(name.size() - 4);
  for (char& c : suffix) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return suffix == ".png" || suffix == ".svg";
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  CommandLine cl;
  bool paperGiven = false;
  bool frameGiven = false;
  for (std::size_t i = 0; i < args.size() && cl.Error.empty(); ++i) {
    const std::string& a = args[i];
    const auto value = [&](std::string& out) {
      if (i + 1 >= args.size() || args[i + 1].empty())
        cl.Error = "option " + a + " needs a value";
      else
        out = args[++i];
    };
    // The program changes into its data directory later: a relative path
    // means the directory it was started in.
    const auto path = [&](std::string& out) {
      value(out);
      if (!out.empty()) out = std::filesystem::absolute(out).lexically_normal().string();
    };
    if (a == "--help" || a == "-h")
      cl.Help = true;
    else if (a == "--version")
      cl.Version = true;
    else if (a == "--no-splash")
      cl.ShowSplash = false;
    else if (a == "--non-interactive")
      cl.NonInteractive = true;
    else if (a == "--data-dir")
      path(cl.DataDir);
    else if (a == "--settings")
      path(cl.SettingsFile);
    else if (a == "--ephemeris")
      cl.Ephemeris = true;
    else if (a == "--info")
      value(cl.Info);
    else if (a == "--find")
      value(cl.Find);
    else if (a == "--goto")
      value(cl.Goto);
    else if (a == "--frame") {
      value(cl.GotoFrame);
      frameGiven = true;
    } else if (a == "--slew")
      value(cl.Slew);
    else if (a == "--telescope") {
      std::string text;
      value(text);
      if (!cl.Error.empty()) break;
      if (!ParseServer(text, cl.TelescopeHost, cl.TelescopePort))
        cl.Error = "--telescope needs HOST:PORT, the port a number from 1 to 65535";
    } else if (a == "--almanac")
      cl.Almanac = true;
    else if (a == "--plot-altitude") {
      value(cl.PlotName);
      if (cl.Error.empty()) path(cl.PlotFile);
    } else if (a == "--place")
      value(cl.Place);
    else if (a == "--elements") {
      std::string file;
      path(file);
      if (!file.empty()) cl.Elements.push_back(std::move(file));
    } else if (a == "--timing")
      cl.Timing = true;
    else if (a == "--render")
      path(cl.RenderFile);
    else if (a == "--centre" || a == "--center")
      value(cl.CentreName);
    else if (a == "--print-pdf")
      path(cl.PrintPdfFile);
    else if (a == "--landscape")
      cl.PrintLandscape = true;
    else if (a == "--page") {
      std::string text;
      value(text);
      if (!cl.Error.empty()) break;
      paperGiven = true;
      if (!ParsePaper(text, cl.PrintPaper)) cl.Error = "--page needs A4 or Letter";
    } else if (a == "--datetime" || a == "--size") {
      std::string text;
      value(text);
      if (!cl.Error.empty()) break;
      if (a == "--datetime") {
        cl.DateTime = astro::ParseDateTime(text);
        if (!cl.DateTime)
          cl.Error =
              "--datetime needs a date from 1901 to 2099 as YYYY-MM-DD, YYYY-MM-DDTHH:MM:SS "
              "or YYYY-MM-DDTHH:MM:SS followed by Z or +HH:MM";
      } else if (!ParseSize(text, cl.RenderWidth, cl.RenderHeight)) {
        cl.Error = "--size needs WIDTHxHEIGHT, each from 1 to 16384";
      }
    } else
      cl.Error = "unknown option " + a;
  }
  if (cl.Error.empty() && paperGiven && cl.PrintPdfFile.empty())
    cl.Error = "--page is an option of --print-pdf";
  if (cl.Error.empty() && frameGiven && cl.Goto.empty())
    cl.Error = "--frame is an option of --goto";
  if (cl.Error.empty() && !sky::GotoFrameNamed(cl.GotoFrame))
    cl.Error = "--frame needs j2000, date or altaz";
  if (cl.Error.empty() && cl.TelescopePort && cl.Slew.empty())
    cl.Error = "--telescope is an option of --slew";
  if (cl.Error.empty() && cl.PrintLandscape && cl.PrintPdfFile.empty())
    cl.Error = "--landscape is an option of --print-pdf";
  if (cl.Error.empty() && !cl.PlotFile.empty() &&
      (!cl.RenderFile.empty() || !cl.PrintPdfFile.empty() || cl.Ephemeris))
    cl.Error = "--plot-altitude cannot be combined with --render, --print-pdf or --ephemeris";
  if (cl.Error.empty() && !cl.PlotFile.empty() && !EndsInPlotSuffix(cl.PlotFile))
    cl.Error = "--plot-altitude needs a file name ending in .png or .svg";
  if (cl.Error.empty() && !cl.Elements.empty() && cl.Ephemeris)
    cl.Error = "--elements cannot be combined with --ephemeris";
  if (cl.Error.empty() && !cl.PrintPdfFile.empty() && (!cl.RenderFile.empty() || cl.Ephemeris))
    cl.Error = "--print-pdf cannot be combined with --render or --ephemeris";
  if (cl.Error.empty() && !cl.PrintPdfFile.empty() && !EndsInPdf(cl.PrintPdfFile))
    cl.Error = "--print-pdf needs a file name ending in .pdf";
  return cl;
}

std::string RefusalLine(const std::string& program, const std::string& error) {
  return program + ": " + error + " (see " + program + " --help)\n";
}

std::string UsageText(const std::string& program) {
  std::string text =
      "Usage: " + program +
      " [options]\n"
      "Stellix shows the sky from any place on Earth at any date and time.\n"
      "\n"
      "Options:\n"
      "  --help               show this text and exit\n"
      "  --version            show the version and exit\n"
      "  --data-dir DIR       read the catalogue and texture files from DIR\n"
      "  --settings FILE      read and write the settings in FILE\n"
      "  --no-splash          start without the splash window\n"
      "  --datetime YYYY-MM-DD[THH:MM:SS[Z|+HH:MM]]\n"
      "                       show the sky at this clock time of the place (a\n"
      "                       date alone is 00:00), or at this instant when Z or\n"
      "                       an offset from UT follows, instead of now\n"
      "  --place NAME         observe from this place of the list for this run\n"
      "                       (\"Poland:Krakow\", \"Sydney\"); not saved\n"
      "  --ephemeris          print the Julian day, the instant (ut) and the clock's\n"
      "                       offset (utcOffset, hours), sidereal time, the Sun,\n"
      "                       the Moon, the planets and the horizon as JSON and exit\n"
      "  --info NAME          print the information card of one object (\"Sirius\",\n"
      "                       \"Alpha Ori\", \"58 Ori\", \"HR 2491\", \"HIP 87937\", \"M 42\",\n"
      "                       \"NGC 7000\", \"IC 434\", \"Mars\") as JSON and exit\n"
      "  --find TEXT          print up to 20 objects or places whose names fit\n"
      "                       TEXT, best first, forgiving case, accents and small\n"
      "                       slips (\"betelguese\", \"m 31\", \"alpha orionis\",\n"
      "                       \"C 14\", \"Ori\", \"Krakow\") as JSON and exit; []\n"
      "                       when none fits\n"
      "  --goto \"RA DEC\"      print where the coordinates point at the date and place\n"
      "                       (raJ2000, decJ2000, raDate, decDate, altitudeDeg,\n"
      "                       azimuthDeg) as JSON and exit: \"5h35m17s -5d23m28s\",\n"
      "                       \"5 35 17 -5 23 28\", \"83.82d, -5.39\"; with --frame\n"
      "                       altaz \"ALT AZ\", the azimuth from the north through the\n"
      "                       east\n"
      "  --frame j2000|date|altaz\n"
      "                       what the coordinates of --goto are (default j2000)\n"
      "  --almanac            print the night beginning on the evening of the date at\n"
      "                       the place (sunset, twilights, the Moon, the dark hours,\n"
      "                       the planets and what stands high) as JSON and exit\n"
      "  --slew NAME          point the telescope at NAME where it stands now, wait\n"
      "                       until the slew ends (3 minutes at most), print where\n"
      "                       the mount points as JSON and exit\n"
      "  --telescope HOST:PORT  the INDI server of --slew (default: the one of the\n"
      "                       settings, localhost:7624 at first)\n"
      "  --plot-altitude NAME FILE\n"
      "                       draw NAME's altitude from noon to noon of the night\n"
      "                       of the date, with the Moon's and the twilights, into\n"
      "                       FILE (.png or .svg) and exit; NAME as for --info\n"
      "  --render FILE        draw one frame of the sky into FILE and exit; the\n"
      "                       suffix of FILE names the format (png, jpg, bmp, ...)\n"
      "  --size WxH           the size of that frame (default 1280x1024)\n"
      "  --print-pdf FILE.pdf print the chart of the view into a one-page PDF and exit\n"
      "  --page A4|Letter     the paper of that chart (default A4)\n"
      "  --landscape          print it in landscape orientation\n"
      "  --centre NAME        turn the view to NAME first (also --center): a star's\n"
      "                       proper name, a constellation, \"M 31\", \"NGC 869\",\n"
      "                       \"HR 2491\", the Sun, the Moon or a planet\n"
      "  --elements FILE      import the orbital elements of an MPCORB.DAT or\n"
      "                       CometEls.txt file (may be repeated) and keep them for\n"
      "                       every later start; alone, print how many were read\n"
      "                       as JSON and exit\n"
      "  --timing             report start-up and frame times on standard error\n"
      "  --non-interactive    write messages to standard error as \"ICON: text\"\n"
      "                       and answer them with their default button\n"
      "\n"
      "--render, --print-pdf, --plot-altitude, --ephemeris, --info, --find, --goto,\n"
      "--almanac, --slew and --elements need no display.\n"
      "\n"
      "Exit status:\n";
  for (const ExitStatusMeaning& e : kExitStatuses) {
    text += "  " + std::to_string(ToInt(e.Status)) + "  ";
    text += e.Meaning;
    text += '\n';
  }
  return text;
}
