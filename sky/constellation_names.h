// The constellations' Latin names as the window translates them into the
// user's language ("Ursa Major" is "Großer Bär" in German). The scripts'
// JSON, the searches and the cards' facts keep the Latin names.
#pragma once

#include <string>
#include <string_view>

namespace sky {

// The translation context of the constellations' names.
inline constexpr const char* kConstellationContext = "Constellation";

// The text to translate for the name record that reads `latin1` (the
// catalogue's Latin-1, "Bo\xF6tes"): its Latin name in UTF-8, marked for
// translation; nullptr for a name that is no constellation's.
const char* ConstellationNameText(std::string_view latin1);

// The text to translate for a constellation of the centres' table (the
// Search > Constellation list), whose spellings are older ("Bootes",
// "Phoenics"); nullptr for Serpens, whose two parts have names of their own.
const char* ConstellationCentreText(std::string_view centre);

}  // namespace sky
