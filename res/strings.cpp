#include "res/strings.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "res/command_ids.h"

namespace res {
namespace {

using enum CommandId;

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
    {355, "a time zone that this computer's tzdata does not know"},
    {356,
     "The file \"%s\" is damaged: its header is not one this program reads. The sky is shown "
     "without that file.   "},
    {360, "Give the field a name.    "},
    {361, "%s must be a number from %s to %s.    "},
    {362, "This field would be %s wide; a field may be at most %s wide.    "},
    {363, "There is room for %s fields; remove one to add another.    "},
    {364, "near %s (%s km)"},
    {365, "Following %s"},
    {366, "Choose the object to follow first: search for it, then press T.    "},
    {370, "Comet %s"},
    {371, "Minor planet %s"},
    {372,
     "The orbital elements are for %s, more than a year from the date shown: the place may be "
     "far off."},
    {373, " AU"},
    {374, "%s years"},
    {375, "No orbital elements were imported: %s   "},
    {377, "The orbital elements could not be kept in \"%s\": %s   "},
    {378, "%s: the file cannot be read"},
    {379, "%s: the file holds no orbital elements"},
    {390, "%s from %s, the night of %s"},
    {391, "Time at the place (%s)"},
    {392, "Altitude (\xC2\xB0)"},
    {393, "Civil twilight"},
    {394, "Nautical twilight"},
    {395, "Astronomical twilight"},
    {396, "Night"},
    {397, "Transit %s, %s"},
    {398, "Shown %s"},
    {399, "%s: %s %s, Moon %s"},
    {400, "%s: %s %s"},
    {401, "Choose the object to plot first: search for it or right-click it.    "},
    {402, "Cannot write %s: %s.    "},
    {410, "The clocks went forward by %s on this day: there was no %s; it is read as %s (%s)."},
    {411, "The clocks went back on this day: %s came twice; the first time (%s) is meant."},
    {412, "%s hour"},
    {413, "%s hours"},
    {414, "%s minute"},
    {415, "%s minutes"},
    {440, "No INDI server answers at %s:%s."},
    {441, "The INDI server at %s:%s closed the connection."},
    {442, "The INDI server offers no telescope called \"%s\"."},
    {443, "The telescope %s reported an impossible place: %s."},
    {444, "The telescope %s could not reach its target."},
    {445, "Slewing to %s"},
    {446, "Tracking %s"},
    {447, "Parking %s"},
    {448, "%s is parked"},
    {449, "Connect a telescope first: Tools > Telescope..."},
    {450, "Connected to %s"},
    {451, "%s synced on %s"},
    {452, "%s stopped"},
    {453, "The telescope is disconnected"},
    {454, "Connecting to %s:%s..."},
    {455, "The INDI server at %s:%s offers no telescope."},
    {456, "Select an object first: search for it or click it."},
    {457, "The port must be a number from 1 to 65535."},
    {458, "the centre of the view"},
    {459, "The telescope %s did not answer."},
    {460, "The telescope %s did not end its slew within %s minutes."},
    {461, "Centre: %s   %s (J2000)"},
    {462, "Field: %s x %s"},
    {463, "Magnitudes:"},
    {470, "Io"},
    {471, "Europa"},
    {472, "Ganymede"},
    {473, "Callisto"},
    {474, "Mimas"},
    {475, "Enceladus"},
    {476, "Tethys"},
    {477, "Dione"},
    {478, "Rhea"},
    {479, "Titan"},
    {480, "Hyperion"},
    {481, "Iapetus"},
    {482, "Miranda"},
    {483, "Ariel"},
    {484, "Umbriel"},
    {485, "Titania"},
    {486, "Oberon"},
    {487, "Phobos"},
    {488, "Deimos"},
    {489, "Triton"},
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
    {ID_MOVE_LEFT, "Move the field left\nMove the field left"},
    {ID_MOVE_RIGHT, "Move the field right\nMove the field right"},
    {ID_MOVE_UP, "Move the field up\nMove the field up"},
    {ID_MOVE_DOWN, "Move the field down\nMove the field down"},
    {ID_ZOOM_IN, "Zoom the field in\nZoom in"},
    {ID_ZOOM_OUT, "Zoom the field out\nZoom out"},
    {ID_VIEW_DEEP_SKY, "Deep sky objects\nDeep sky objects"},
    {ID_VIEW_BOUNDARIES, "Constellation boundaries\nBoundaries"},
    {ID_VIEW_CONSTELLATION_LINES, "Constellation lines\nConstellation lines"},
    {ID_VIEW_GRIDS, "Coordination grid lines\nGrids"},
    {ID_VIEW_MILKY_WAY, "Milky Way\nMilky Way"},
    {ID_VIEW_SOLAR_SYSTEM, "Solar System objects\nSolar System"},
    {ID_SETTINGS_DATE_TIME, "Date and time\nDate and time"},
    {ID_SETTINGS_LOCATION, "Location of the observer\nLocation"},
    {ID_SETTINGS_MAGNITUDE_LIMITS, "Magnitude limits"},
    {ID_SETTINGS_DEEP_SKY, "Deep sky objects settings\nDeep sky objects"},
    {ID_ANIMATION_BACKWARD, "Animation backward\nAnimation backward"},
    {ID_SETTINGS_COLOURS, "Colors settings\nColors"},
    {ID_ANIMATION_STEP_BACKWARD, "One step animation backward\nOne step backward"},
    {ID_VIEW_STARS_COLOURS, "Show or hide stars colors\nStars colors"},
    {ID_ANIMATION_STOP, "Animation stop\nAnimation stop"},
    {ID_ANIMATION_STEP_FORWARD, "One step animation forward\nOne step forward"},
    {ID_ANIMATION_FORWARD, "Animation forward\nAnimation forward"},
    {ID_VIEW_STAR_NAMES, "Show or hide star names"},
    {ID_VIEW_PLANET_NAMES, "Show or hide Solar System names"},
    {ID_VIEW_DEEP_SKY_LABELS, "Show or hide deep sky labels"},
    {ID_SETTINGS_EQUATORIAL, "Equatorial mode"},
    {ID_SETTINGS_LOCAL_HORIZON, "Local horizon mode"},
    {ID_VIEW_RED_SCREEN, "Show or hide red screen mode\nRed screen"},
    {ID_VIEW_FULL_SCREEN, "Show or hide full screen mode\nFull screen"},
    {ID_VIEW_ECLIPTIC, "Show or hide ecliptic line"},
    {ID_SETTINGS_SKY_BLACK, "Black background of the sky"},
    {ID_SETTINGS_SKY_COLOUR, "Color background of the sky"},
    {ID_SEARCH_STAR, "Search for star"},
    {ID_SEARCH_SOLAR_SYSTEM, "Search for Solar System object"},
    {ID_SEARCH_CONSTELLATION, "Search for constellation"},
    {ID_SEARCH_MESSIER, "Search for Messier"},
    {ID_SEARCH_NGC, "Search for NGC"},
    {ID_HORIZON_EAST, "Search for East"},
    {ID_HORIZON_WEST, "Search for West"},
    {ID_HORIZON_NORTH, "Search for North"},
    {ID_HORIZON_SOUTH, "Search for South"},
    {ID_HORIZON_ZENITH, "Search for Zenith"},
    {ID_HORIZON_NADIR, "Search for Nadir"},
    {ID_SETTINGS_STARS_POINTS, "Draw stars as points"},
    {ID_SETTINGS_STARS_BITMAPS, "Draw stars as bitmaps"},
    {ID_VIEW_REFRACTION,
     "Lift the local-horizon sky by the atmosphere's refraction\nAtmospheric refraction"},
    {ID_SEARCH_TONIGHT,
     "Show the night ahead: twilight, the Moon, the planets and what stands high\nTonight"},
    {ID_VIEW_EYEPIECE_FIELDS,
     "Show or hide the fields of your eyepieces and cameras\nEyepiece fields"},
    {ID_VIEW_DEFINE_FIELDS, "Define the fields of your eyepieces and cameras\nEyepiece fields"},
    {ID_VIEW_ALT_AZ_GRID, "Show or hide the grid of altitude and azimuth\nAlt-azimuth grid"},
    {ID_VIEW_MERIDIAN, "Show or hide the meridian\nMeridian"},
    {ID_VIEW_FOLLOW, "Keep the object you chose at the middle of the view while time runs\nFollow"},
    {ID_TIME_REAL_TIME, "Keep the sky at the present instant as the clock runs\nReal time"},
    {ID_VIEW_SMALL_BODIES,
     "Show or hide the comets and minor planets down to their own magnitude limit\nComets and "
     "asteroids"},
    {ID_FILE_IMPORT_ELEMENTS,
     "Import the orbital elements of comets or minor planets from an MPCORB.DAT or CometEls.txt "
     "file\nImport orbital elements"},
    {ID_SEARCH_ALTITUDE_PLOT,
     "Plot the chosen object's altitude through the night, with the Moon and the "
     "twilights\nAltitude plot"},
    {ID_SETTINGS_LANGUAGE,
     "Choose the language of the window; it takes effect after a restart\nLanguage"},
    {ID_TOOLS_TELESCOPE, "Connect a telescope through an INDI server\nTelescope"},
    {ID_TELESCOPE_SLEW, "Point the telescope at the object you chose\nSlew to selected"},
    {ID_TELESCOPE_SYNC,
     "Tell the telescope that it points at the object you chose\nSync to selected"},
    {ID_TELESCOPE_SLEW_CENTRE,
     "Point the telescope at the middle of the view\nSlew to view centre"},
    {ID_TELESCOPE_ABORT, "Stop the telescope's motion at once\nAbort slew"},
    {ID_TELESCOPE_PARK, "Send the telescope to its park position\nPark"},
    {ID_TELESCOPE_UNPARK, "Wake the telescope from its park position\nUnpark"},
    {ID_TELESCOPE_FOLLOW,
     "Keep the telescope's place at the middle of the view\nFollow the telescope"},
    {ID_SEARCH_GOTO,
     "Centre the view on a right ascension and declination or an altitude and azimuth\nGo to "
     "coordinates"},
    {ID_FILE_OPEN, "Open an image file\nOpen"},
    {ID_FILE_PRINT_SETUP, "Change the printer and printing options\nPrint Setup"},
    {ID_FILE_PRINT, "Print the active document\nPrint"},
    {ID_FILE_PRINT_PREVIEW, "Display full pages\nPrint Preview"},
    {ID_FILE_RECENT_FIRST, "Open this document"},
    // Status-bar panes: the widest readouts, which size the panes.
    {57632, "RA 23h 59' 59\" "},
    {57633, "DEC -89\u00b0 59' 59\" "},
    {57634, "30 May 2002 "},
    {57635, "23:59 "},
    {57636, "Slovak Republik:Bratislava    "},
    {ID_APP_ABOUT, "Display program information, version number and copyright\nAbout"},
    {ID_APP_EXIT, "Quit the application; prompts to save documents\nExit"},
    {ID_HELP_CONTENTS, "List Help topics\nHelp Topics"},
    {ID_HELP_USING, "Display instructions about how to use help\nHelp"},
    {ID_HELP_CONTEXT, "Display help for clicked on buttons, menus and windows\nHelp"},
    {ID_HELP_CURRENT, "Display help for current task or command\nHelp"},
    {ID_VIEW_TOOLBAR, "Show or hide the toolbar\nToggle ToolBar"},
    {ID_VIEW_STATUS_BAR, "Show or hide the status bar\nToggle StatusBar"},
};

constexpr bool IsSorted() {
  for (std::size_t i = 1; i < std::size(kTable); ++i)
    if (kTable[i - 1].id >= kTable[i].id) return false;
  return true;
}
static_assert(IsSorted(), "the string table must stay sorted by id");

// Replaces each placeholder ("%s" or "%d") in turn by the next argument.
std::string Fill(std::string_view format, std::span<const std::string_view> args) {
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

std::string Substitute(std::string_view format, std::span<const std::string_view> args) {
  return Fill(format, args);
}

std::string Format(int id, std::string_view arg) { return Fill(String(id), {&arg, 1}); }

std::string Format(int id, std::initializer_list<std::string_view> args) {
  return Fill(String(id), {args.begin(), args.size()});
}

std::string Format(int id, int arg1, int arg2) {
  const std::string first = std::to_string(arg1), second = std::to_string(arg2);
  const std::string_view args[] = {first, second};
  return Fill(String(id), args);
}

}  // namespace res
