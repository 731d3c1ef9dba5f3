// The program's string table: every text it shows, by its resource id.
#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace res {

// Ids of the texts the code refers to by name.
enum StringId : int {
  IDS_APP_TITLE = 200,
  IDS_OPEN_FILTER = 219,
  IDS_CANT_OPEN_FILE = 300,
  IDS_OBJECT_UNDER_HORIZON = 301,
  IDS_SELECT_STAR = 302,
  IDS_SELECT_CONSTELLATION = 303,
  IDS_ENTER_MESSIER = 304,
  IDS_WRONG_CATALOG_NUMBER = 305,
  IDS_SELECT_NGC = 306,
  IDS_ANIMATION_NO_EFFECT = 307,
  IDS_CANT_INIT_OPENGL = 308,
  IDS_CANT_LOAD_IMAGE = 309,
  IDS_NEED_HIGH_COLOR = 311,
  IDS_WRONG_NUMBER_RANGE = 317,
  IDS_CANT_WRITE_SETTINGS = 320,
  IDS_DIB_UNKNOWN_FORMAT = 330,
  IDS_DIB_CONVERSION_ERROR = 331,
  IDS_DIB_OPEN_FAILED = 332,
  IDS_OUT_OF_MEMORY = 333,
  IDS_ERROR_TITLE = 334,
  // Damaged input: settings out of range, catalogue records left out, textures.
  IDS_SETTINGS_CLAMPED = 340,
  IDS_DAMAGED_FILE = 341,
  IDS_RECORDS_MISSING = 342,
  IDS_RECORD_MISSING = 343,
  IDS_RECORD_UNUSABLE = 344,
  IDS_RECORDS_UNUSABLE = 345,
  IDS_FAULT_COORDINATES = 346,  // 346-351: why a record is unusable, in catalog::RecordFault order
  IDS_FAULT_MOTION = 354,       // ... then catalog::RecordFault::Motion
  IDS_FAULT_ZONE = 355,         // ... and the last fault, catalog::RecordFault::Zone
  IDS_TEXTURE_UNUSABLE = 352,
  IDS_NOT_A_BITMAP = 353,
  IDS_FILE_REFUSED = 356,
  // The eyepiece-fields dialog's checks.
  IDS_FIELD_NO_NAME = 360,
  IDS_FIELD_NUMBER_RANGE = 361,
  IDS_FIELD_TOO_WIDE = 362,
  IDS_FIELDS_FULL = 363,
  // A click on the world map: the place it is named after, and how far.
  IDS_NEAR_PLACE = 364,
  // The status bar while the view follows an object.
  IDS_FOLLOWING = 365,
  IDS_NOTHING_TO_FOLLOW = 366,
  // The telescope: its server, its device, its motion.
  IDS_MOUNT_NO_SERVER = 440,
  IDS_MOUNT_SERVER_LOST = 441,
  IDS_MOUNT_NO_DEVICE = 442,
  IDS_MOUNT_BAD_PLACE = 443,
  IDS_MOUNT_TARGET_MISSED = 444,
  IDS_MOUNT_SLEWING = 445,
  IDS_MOUNT_TRACKING = 446,
  IDS_MOUNT_PARKING = 447,
  IDS_MOUNT_PARKED = 448,
  IDS_MOUNT_NOT_CONNECTED = 449,
  IDS_MOUNT_CONNECTED = 450,
  IDS_MOUNT_SYNCED = 451,
  IDS_MOUNT_ABORTED = 452,
  IDS_MOUNT_DISCONNECTED = 453,
  IDS_MOUNT_CONNECTING = 454,
  IDS_MOUNT_NO_TELESCOPES = 455,
  IDS_MOUNT_NOTHING_SELECTED = 456,
  IDS_MOUNT_BAD_PORT = 457,
  IDS_MOUNT_VIEW_CENTRE = 458,
  IDS_MOUNT_NO_ANSWER = 459,
  IDS_MOUNT_SLEW_TOO_LONG = 460,
  // The printed chart's legend.
  IDS_LEGEND_CENTRE = 461,
  IDS_LEGEND_FIELD = 462,
  IDS_LEGEND_MAGNITUDES = 463,
  // The altitude plot: its title, axes, key, markers, read-out and messages.
  IDS_PLOT_TITLE = 390,
  IDS_PLOT_TIME_AXIS = 391,
  IDS_PLOT_ALTITUDE_AXIS = 392,
  IDS_PLOT_CIVIL_TWILIGHT = 393,
  IDS_PLOT_NAUTICAL_TWILIGHT = 394,
  IDS_PLOT_ASTRONOMICAL_TWILIGHT = 395,
  IDS_PLOT_NIGHT = 396,
  IDS_PLOT_TRANSIT = 397,
  IDS_PLOT_SHOWN = 398,
  IDS_PLOT_READOUT = 399,
  IDS_PLOT_READOUT_MOON = 400,
  IDS_PLOT_NOTHING_SELECTED = 401,
  IDS_PLOT_CANT_WRITE = 402,
  // The comets' and minor planets' cards and the import of their elements.
  IDS_COMET_CAPTION = 370,
  IDS_MINOR_PLANET_CAPTION = 371,
  IDS_ELEMENTS_OLD = 372,
  IDS_AU = 373,
  IDS_PERIOD_YEARS = 374,
  IDS_ELEMENTS_REFUSED = 375,
  IDS_ELEMENTS_NOT_KEPT = 377,
  IDS_ELEMENTS_UNREADABLE = 378,
  IDS_ELEMENTS_NONE = 379,
  // The planets' moons: 470 Io ... 489 Triton, in the order of sky/moon_places.h.
  IDS_MOON_NAME_FIRST = 470,
  // The date and time dialog on a day the clocks change.
  IDS_CLOCKS_WENT_FORWARD = 410,
  IDS_CLOCKS_WENT_BACK = 411,
  IDS_HOUR = 412,             // 412 "%s hour", 413 "%s hours", 414 "%s minute", 415 "%s minutes"
  IDS_BODY_NAME_FIRST = 500,  // 500 Moon ... 509 Pluto, in the order of the Bodies table
  IDS_NOTICE_CONSTELLATION_LINE = 510,
  IDS_NOTICE_BOUNDARY = 511,
  IDS_NOTICE_RA_GRID = 512,
  IDS_NOTICE_DEC_GRID = 513,
  IDS_NOTICE_ECLIPTIC = 514,
  IDS_MILLION_KM = 516,
  IDS_TYPE_OPEN_CLUSTER = 517,
  IDS_TYPE_GLOBULAR_CLUSTER = 518,
  IDS_TYPE_GALAXY = 519,
  IDS_TYPE_NEBULA = 520,
  IDS_TYPE_PLANETARY_NEBULA = 521,
  IDS_TIME_STEP_FIRST = 522,  // 522 " Real time" ... 529 " 1 year"
  IDS_NOTICE_LMC = 530,
  IDS_NOTICE_SMC = 531,
  IDS_PANE_RA = 57632,
  IDS_PANE_DEC = 57633,
  IDS_PANE_DATE = 57634,
  IDS_PANE_TIME = 57635,
  IDS_PANE_PLACE = 57636,
};

// The text of string `id` exactly as stored, trailing blanks included;
// empty when the table has no such string.
std::string_view String(int id);

// `format` (a text of the table, maybe translated) with its "%s" or "%d"
// placeholders replaced by the arguments, in order.
std::string Substitute(std::string_view format, std::span<const std::string_view> args);

// String `id` with its "%s" or "%d" placeholders replaced by the arguments, in order.
std::string Format(int id, std::string_view arg);
std::string Format(int id, int arg1, int arg2);
std::string Format(int id, std::initializer_list<std::string_view> args);

}  // namespace res
