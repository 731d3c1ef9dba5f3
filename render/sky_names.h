// The names the sky's labels and the printed chart write, in the window's
// language and in the fonts' Latin-1: the planets', the compass points' and
// the constellations'.
#pragma once

#include <string>

struct AppSettings;

namespace render {

// Body `body` of the Bodies table.
std::string BodyLabel(int body);

// Compass point `point`, every 45 degrees from the south through the east
// ("S", "SE", "E" ... "SW" in English).
std::string CompassLetter(int point);

// The constellation whose name record reads `latin` (Latin-1): its name in
// the window's language, or the Latin one when the settings keep the Latin
// names or the language has none of its own.
std::string ConstellationLabel(const AppSettings& settings, const std::string& latin);

}  // namespace render
