#include "res/strings.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace res {
namespace {

struct Entry {
  int id;
  std::string_view text;
};

// Sorted by id. Trailing blanks are part of the texts.
constexpr Entry kTable[] = {
    {128, "Stellix\n\nStellix\n\n\nStellix.Document\nStellix Document"},
    {200, "Stellix"},
    {219,
     "Jpeg Files(*.JPG)|*.JPG|GIF Files(*.GIF)|*.GIF|PCX Files(*.PCX)|*.PCX|Targa "
     "Files(*.TGA)|*.TGA|BMP Files(*.BMP)|*.BMP|Tif Files(*.TIF)|*.TIF||"},
    {300, "Can't open \"%s\" file !   "},
    {301, "Object under horizon. Not visible.   "},
    {302, "Select star or press ' Cancel '.    "},
    {303, "Select constellation or press ' Cancel '.    "},
    {304, "Enter Messier number or press ' Cancel '.    "},
    {305, "Wrong catalog number !    "},
    {306, "Select NGC object or press ' Cancel '.    "},
    {307, "Animation has no effect when the Solar System is disabled in Equatorial mode !    "},
    {308, "Can't initialize rendering context for OpenGL !    "},
    {309, "Couldn't load the image \"%s\" !    "},
    {311, "Set your display to High Color or more to run Stellix !    "},
    {317, "You have entered wrong number! It must be from %d to %d.    "},
    {320, "Can't write the settings file \"%s\" !   "},
    // The bitmap reader's messages, shown under the title "Error".
    {330, "Unknown DIB file format."},
    {331, "Image file conversion error."},
    {332, "Failed to open DIB file %s.\n"},
    {333, "Out of memory."},
    {334, "Error"},
    {340, "Settings out of range in \"%s\" were replaced by the nearest allowed values: %s   "},
    {341, "The file \"%s\" is damaged: %s. The sky is shown without those records.   "},
    {342, "records %s to %s are missing"},
    {343, "record %s is missing"},
    {344, "record %s is unusable (%s)"},
    {345, "%s records are unusable, the first record %s (%s)"},
    {346, "a coordinate out of range or not a number"},
    {347, "a magnitude out of range or not a number"},
    {348, "a label offset beyond 1000 pixels"},
    {349, "a position angle or an axis out of range or not a number"},
    {350, "a longitude, latitude, minute or time zone out of range"},
    {351, "a line that does not read as its numbers"},
    {352, "The texture file \"%s\" cannot be used: %s   "},
    {353, "it is not a BMP file."},
    {354, "a proper motion or parallax out of range or not a number"},
    {360, "Give the field a name.    "},
    {361, "%s must be a number from %s to %s.    "},
    {362, "This field would be %s wide; a field may be at most %s wide.    "},
    {363, "There is room for %s fields; remove one to add another.    "},
    {500, "Moon"},
    {501, "Sun"},
    {502, "Mercury"},
    {503, "Venus"},
    {504, "Mars"},
    {505, "Jupiter"},
    {506, "Saturn"},
    {507, "Uranus"},
    {508, "Neptune"},
    {509, "Pluto"},
    {510, "Constellation line.    "},
    {511, "Constellation boundary.    "},
    {512, "Right ascension grid line.    "},
    {513, "Declination grid line.    "},
    {514, "Ecliptic line.    "},
    {516, " million km"},
    {517, "Open cluster"},
    {518, "Globular cluster"},
    {519, "Galaxy"},
    {520, "Nebula"},
    {521, "Planetary nebula"},
    {522, " Real time"},
    {523, " 10 minutes"},
    {524, " 30 minutes"},
    {525, " 1 hour"},
    {526, " 1 day"},
    {527, " 7 days"},
    {528, " 1 month"},
    {529, " 1 year"},
    {530, "Large Magellanic Cloud.    "},
    {531, "Small Magellanic Cloud.    "},
    // Command prompts: the status-bar text, then after "\n" the tooltip.
    {1032, "Time step\nTime step"},
    {32771, "Move the field left\nMove the field left"},
    {32772, "Move the field right\nMove the field right"},
    {32773, "Move the field up\nMove the field up"},
    {32774, "Move the field down\nMove the field down"},
    {32775, "Zoom the field in\nZoom in"},
    {32776, "Zoom the field out\nZoom out"},
    {32777, "Deep sky objects\nDeep sky objects"},
    {32778, "Constellation boundaries\nBoundaries"},
    {32779, "Constellation lines\nConstellation lines"},
    {32780, "Coordination grid lines\nGrids"},
    {32781, "Milky Way\nMilky Way"},
    {32782, "Solar System objects\nSolar System"},
    {32784, "Date and time\nDate and time"},
    {32785, "Location of the observer\nLocation"},
    {32787, "Magnitude limits"},
    {32788, "Deep sky objects settings\nDeep sky objects"},
    {32789, "Animation backward\nAnimation backward"},
    {32790, "Colors settings\nColors"},
    {32791, "One step animation backward\nOne step backward"},
    {32792, "Show or hide stars colors\nStars colors"},
    {32793, "Animation stop\nAnimation stop"},
    {32794, "One step animation forward\nOne step forward"},
    {32795, "Animation forward\nAnimation forward"},
    {32796, "Show or hide star names"},
    {32797, "Show or hide Solar System names"},
    {32798, "Show or hide deep sky labels"},
    {32800, "Equatorial mode"},
    {32801, "Local horizon mode"},
    {32802, "Show or hide red screen mode\nRed screen"},
    {32803, "Show or hide full screen mode\nFull screen"},
    {32804, "Show or hide ecliptic line"},
    {32806, "Black background of the sky"},
    {32807, "Color background of the sky"},
    {32808, "Search for star"},
    {32809, "Search for Solar System object"},
    {32810, "Search for constellation"},
    {32811, "Search for Messier"},
    {32812, "Search for NGC"},
    {32813, "Search for East"},
    {32814, "Search for West"},
    {32815, "Search for North"},
    {32816, "Search for South"},
    {32817, "Search for Zenith"},
    {32818, "Search for Nadir"},
    {32819, "Draw stars as points"},
    {32820, "Draw stars as bitmaps"},
    {32821, "Lift the local-horizon sky by the atmosphere's refraction\nAtmospheric refraction"},
    {32822, "Show the night ahead: twilight, the Moon, the planets and what stands high\nTonight"},
    {32823, "Show or hide the fields of your eyepieces and cameras\nEyepiece fields"},
    {32824, "Define the fields of your eyepieces and cameras\nEyepiece fields"},
    {57601, "Open an image file\nOpen"},
    {57606, "Change the printer and printing options\nPrint Setup"},
    {57607, "Print the active document\nPrint"},
    {57609, "Display full pages\nPrint Preview"},
    {57616, "Open this document"},
    // Status-bar panes: the widest readouts, which size the panes.
    {57632, "RA 23h 59' 59\" "},
    {57633, "DEC -89\u00b0 59' 59\" "},
    {57634, "30 May 2002 "},
    {57635, "23:59 "},
    {57636, "Slovak Republik:Bratislava    "},
    {57664, "Display program information, version number and copyright\nAbout"},
    {57665, "Quit the application; prompts to save documents\nExit"},
    {57667, "List Help topics\nHelp Topics"},
    {57668, "Display instructions about how to use help\nHelp"},
    {57669, "Display help for clicked on buttons, menus and windows\nHelp"},
    {57670, "Display help for current task or command\nHelp"},
    {59392, "Show or hide the toolbar\nToggle ToolBar"},
    {59393, "Show or hide the status bar\nToggle StatusBar"},
};

constexpr bool IsSorted() {
  for (std::size_t i = 1; i < std::size(kTable); ++i)
    if (kTable[i - 1].id >= kTable[i].id) return false;
  return true;
}
static_assert(IsSorted(), "the string table must stay sorted by id");

// Replaces each placeholder ("%s" or "%d") in turn by the next argument.
std::string Substitute(std::string_view format, std::initializer_list<std::string_view> args) {
  std::string out;
  auto next = args.begin();
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] == '%' && i + 1 < format.size() &&
        (format[i + 1] == 's' || format[i + 1] == 'd') && next != args.end()) {
      out += *next++;
      ++i;
    } else {
      out += format[i];
    }
  }
  return out;
}

}  // namespace

std::string_view String(int id) {
  const auto* it = std::lower_bound(std::begin(kTable), std::end(kTable), id,
                                    [](const Entry& e, int value) { return e.id < value; });
  return it != std::end(kTable) && it->id == id ? it->text : std::string_view{};
}

std::string Format(int id, std::string_view arg) { return Substitute(String(id), {arg}); }

std::string Format(int id, std::initializer_list<std::string_view> args) {
  return Substitute(String(id), args);
}

std::string Format(int id, int arg1, int arg2) {
  return Substitute(String(id), {std::to_string(arg1), std::to_string(arg2)});
}

}  // namespace res
