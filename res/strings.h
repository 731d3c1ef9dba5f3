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
