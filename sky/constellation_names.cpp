#include "sky/constellation_names.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "res/translatable.h"

namespace sky {
namespace {

// The names of the name records (cnames.bin), Serpens in its two parts, in
// UTF-8; the window translates them in the context kConstellationContext.
constexpr const char* kNames[] = {
    STELLIX_TEXT("Constellation", "Andromeda"),
    STELLIX_TEXT("Constellation", "Antlia"),
    STELLIX_TEXT("Constellation", "Apus"),
    STELLIX_TEXT("Constellation", "Aquarius"),
    STELLIX_TEXT("Constellation", "Aquila"),
    STELLIX_TEXT("Constellation", "Ara"),
    STELLIX_TEXT("Constellation", "Aries"),
    STELLIX_TEXT("Constellation", "Auriga"),
    STELLIX_TEXT("Constellation", "Boötes"),
    STELLIX_TEXT("Constellation", "Caelum"),
    STELLIX_TEXT("Constellation", "Camelopardalis"),
    STELLIX_TEXT("Constellation", "Cancer"),
    STELLIX_TEXT("Constellation", "Canes Venatici"),
    STELLIX_TEXT("Constellation", "Canis Major"),
    STELLIX_TEXT("Constellation", "Canis Minor"),
    STELLIX_TEXT("Constellation", "Capricornus"),
    STELLIX_TEXT("Constellation", "Carina"),
    STELLIX_TEXT("Constellation", "Cassiopeia"),
    STELLIX_TEXT("Constellation", "Centaurus"),
    STELLIX_TEXT("Constellation", "Cepheus"),
    STELLIX_TEXT("Constellation", "Cetus"),
    STELLIX_TEXT("Constellation", "Chamaeleon"),
    STELLIX_TEXT("Constellation", "Circinus"),
    STELLIX_TEXT("Constellation", "Columba"),
    STELLIX_TEXT("Constellation", "Coma Berenices"),
    STELLIX_TEXT("Constellation", "Corona Austrina"),
    STELLIX_TEXT("Constellation", "Corona Borealis"),
    STELLIX_TEXT("Constellation", "Corvus"),
    STELLIX_TEXT("Constellation", "Crater"),
    STELLIX_TEXT("Constellation", "Crux"),
    STELLIX_TEXT("Constellation", "Cygnus"),
    STELLIX_TEXT("Constellation", "Delphinus"),
    STELLIX_TEXT("Constellation", "Dorado"),
    STELLIX_TEXT("Constellation", "Draco"),
    STELLIX_TEXT("Constellation", "Equuleus"),
    STELLIX_TEXT("Constellation", "Eridanus"),
    STELLIX_TEXT("Constellation", "Fornax"),
    STELLIX_TEXT("Constellation", "Gemini"),
    STELLIX_TEXT("Constellation", "Grus"),
    STELLIX_TEXT("Constellation", "Hercules"),
    STELLIX_TEXT("Constellation", "Horologium"),
    STELLIX_TEXT("Constellation", "Hydra"),
    STELLIX_TEXT("Constellation", "Hydrus"),
    STELLIX_TEXT("Constellation", "Indus"),
    STELLIX_TEXT("Constellation", "Lacerta"),
    STELLIX_TEXT("Constellation", "Leo"),
    STELLIX_TEXT("Constellation", "Leo Minor"),
    STELLIX_TEXT("Constellation", "Lepus"),
    STELLIX_TEXT("Constellation", "Libra"),
    STELLIX_TEXT("Constellation", "Lupus"),
    STELLIX_TEXT("Constellation", "Lynx"),
    STELLIX_TEXT("Constellation", "Lyra"),
    STELLIX_TEXT("Constellation", "Mensa"),
    STELLIX_TEXT("Constellation", "Microscopium"),
    STELLIX_TEXT("Constellation", "Monoceros"),
    STELLIX_TEXT("Constellation", "Musca"),
    STELLIX_TEXT("Constellation", "Norma"),
    STELLIX_TEXT("Constellation", "Octans"),
    STELLIX_TEXT("Constellation", "Ophiuchus"),
    STELLIX_TEXT("Constellation", "Orion"),
    STELLIX_TEXT("Constellation", "Pavo"),
    STELLIX_TEXT("Constellation", "Pegasus"),
    STELLIX_TEXT("Constellation", "Perseus"),
    STELLIX_TEXT("Constellation", "Phoenix"),
    STELLIX_TEXT("Constellation", "Pictor"),
    STELLIX_TEXT("Constellation", "Pisces"),
    STELLIX_TEXT("Constellation", "Piscis Austrinus"),
    STELLIX_TEXT("Constellation", "Puppis"),
    STELLIX_TEXT("Constellation", "Pyxis"),
    STELLIX_TEXT("Constellation", "Reticulum"),
    STELLIX_TEXT("Constellation", "Sagitta"),
    STELLIX_TEXT("Constellation", "Sagittarius"),
    STELLIX_TEXT("Constellation", "Scorpius"),
    STELLIX_TEXT("Constellation", "Sculptor"),
    STELLIX_TEXT("Constellation", "Scutum"),
    STELLIX_TEXT("Constellation", "Serpens Caput"),
    STELLIX_TEXT("Constellation", "Serpens Cauda"),
    STELLIX_TEXT("Constellation", "Sextans"),
    STELLIX_TEXT("Constellation", "Taurus"),
    STELLIX_TEXT("Constellation", "Telescopium"),
    STELLIX_TEXT("Constellation", "Triangulum"),
    STELLIX_TEXT("Constellation", "Triangulum Australe"),
    STELLIX_TEXT("Constellation", "Tucana"),
    STELLIX_TEXT("Constellation", "Ursa Major"),
    STELLIX_TEXT("Constellation", "Ursa Minor"),
    STELLIX_TEXT("Constellation", "Vela"),
    STELLIX_TEXT("Constellation", "Virgo"),
    STELLIX_TEXT("Constellation", "Volans"),
    STELLIX_TEXT("Constellation", "Vulpecula"),
};

// UTF-8 of Latin-1 text.
std::string Utf8(std::string_view latin1) {
  std::string out;
  for (const char c : latin1) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x80) {
      out += c;
    } else {
      out += static_cast<char>(0xC0 | (u >> 6));
      out += static_cast<char>(0x80 | (u & 0x3F));
    }
  }
  return out;
}

}  // namespace

const char* ConstellationNameText(std::string_view latin1) {
  const std::string utf8 = Utf8(latin1);
  const auto found = std::find_if(std::begin(kNames), std::end(kNames),
                                  [&](const char* name) { return utf8 == name; });
  return found == std::end(kNames) ? nullptr : *found;
}

const char* ConstellationCentreText(std::string_view centre) {
  // The centres' older spellings.
  constexpr std::pair<std::string_view, std::string_view> kSpellings[] = {
      {"Antila", "Antlia"},         {"Bootes", "Bo\xF6tes"},
      {"Capricorn", "Capricornus"}, {"Corona Australis", "Corona Austrina"},
      {"Phoenics", "Phoenix"},
  };
  for (const auto& [old, record] : kSpellings)
    if (centre == old) return ConstellationNameText(record);
  return ConstellationNameText(centre);
}

}  // namespace sky
