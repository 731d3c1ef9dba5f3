// Search: turning the view so that an object or a point of the horizon lies
// at its centre, and the lists and checks of the search dialogs. The zoom is
// never changed.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "astro/transforms.h"

class CMessenger;
class CSkyDoc;

struct CameraAngles {
  double XRotation;  // degrees
  double YRotation;  // degrees
};

// Local-horizon mode: the camera that centres the direction at altitude and
// azimuth (from the south through the west) `h`; none below the horizon
// (an altitude of exactly 0 is accepted).
std::optional<CameraAngles> CameraOnHorizontal(const astro::HorizontalCoord& h);

// The camera that centres J2000 place `ra` (hours), `dec` (degrees) in the
// document's chart mode. In local-horizon mode the altitude is the one shown
// (lifted by refraction when refracting), and a place below the horizon gives
// none. The angles are not reduced into any range.
std::optional<CameraAngles> CameraOn(const CSkyDoc& doc, double ra, double dec);

// Turns the document's camera onto the place and returns true; when it is
// refused, shows message 301 and leaves the camera as it was.
bool CentreOn(CSkyDoc& doc, CMessenger& messages, double ra, double dec);

// Turns the camera towards HorizonPoints[index] (every 5 degrees of azimuth
// from the south through the east: 0 south, 18 east, 36 north, 54 west),
// never refused. In local-horizon mode the point is taken where the horizon
// is drawn, at its geometric altitude 0, not lifted by refraction.
void ShowHorizonPoint(CSkyDoc& doc, int index);

// Turns the camera to the zenith (`altitude` 90) or the nadir (-90). In
// local-horizon mode the view looks straight up or down and keeps its
// azimuth; on the equatorial chart it centres the point 0.05 degrees from the
// zenith (or the nadir) towards the north.
void ShowZenith(CSkyDoc& doc, double altitude);

// Centres the object called `name` (see FindObjectByName) as the search
// dialogs would and selects it (CSkyDoc::Selected); returns the text of the
// refusal (an unknown name, message 301), or empty when the camera turned.
std::string CentreOnName(CSkyDoc& doc, std::string_view name);

// The entries of the star and constellation lists, sorted alphabetically
// (without regard to case) as their list boxes show them: the stars' proper
// names and the constellation names.
std::vector<std::string> StarSearchEntries(const CSkyDoc& doc);
std::vector<std::string> ConstellationSearchEntries();
// The entries of the NGC list: every NGC object (those of DeepSkyObjects and
// of the NGC/IC file), then every IC object, each catalogue by number and a
// number's components by their letters, written as the cards write them
// ("NGC 224", "NGC 7000", "IC 434", "IC 715NW"). Reads the NGC/IC file.
std::vector<std::string> NgcSearchEntries(CSkyDoc& doc);

// The NGC list's entry that typing `typed` selects, its index in `entries`;
// -1 when none fits. Case and blanks do not matter. `typed` is a catalogue's
// name or the start of it ("NGC", "n", "IC"; NGC when none is typed), then
// the start of a number without its leading zeros ("7", "700", "0700"), then
// the start of a component's letters, which asks for the whole number
// ("715n"). The first entry that fits is chosen: of numbers that start
// alike the smallest, so "700" finds NGC 700 before NGC 7000.
int NgcSearchMatch(const std::vector<std::string>& entries, std::string_view typed);

// The place a chosen list entry centres: the first record whose text is the
// entry exactly (the NGC list's entry found as FindObjectByName finds it);
// none when no record has it.
std::optional<astro::EquatorialCoord> StarSearchPlace(const CSkyDoc& doc, std::string_view entry);
std::optional<astro::EquatorialCoord> ConstellationSearchPlace(std::string_view entry);
std::optional<astro::EquatorialCoord> NgcSearchPlace(CSkyDoc& doc, std::string_view entry);

// The Messier field holds at most this many characters: "M 110".
constexpr int kMessierFieldLength = 5;

// The check of the Messier field, which takes "M 31", "M31" and "31" alike
// (blanks round them do not count): message 304 when it is blank, 305 when
// the leading digits after the "M" (0 when there are none) are not a number
// from 1 to 110; otherwise the place and index of the first Messier record
// with that number.
struct MessierSearchResult {
  int MessageId = 0;  // 0 when accepted
  astro::EquatorialCoord Place{0.0, 0.0};
  int Index = -1;  // into DeepSkyObjects
};
MessierSearchResult CheckMessierField(const CSkyDoc& doc, std::string_view field);

// The buttons of the solar-system search, in their order in the dialog, and
// the Bodies entry each one centres; the button's text is the body's name.
struct BodyButton {
  int ControlId;
  int BodyIndex;
};
inline constexpr BodyButton kBodyButtons[] = {{1070, 1}, {1071, 0}, {1072, 2}, {1073, 3},
                                              {1074, 4}, {1075, 5}, {1076, 6}, {1077, 7},
                                              {1078, 8}, {1079, 9}};
