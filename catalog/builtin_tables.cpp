#include "catalog/builtin_tables.h"

#include <cstring>

#include "res/strings.h"

namespace catalog {

// Names are shown exactly as stored here.
const ConstellationCentre kConstellationCentres[kConstellationCentreCount] = {
    {0.7f, 39.0f, "Andromeda"},
    {2.6f, 20.0f, "Aries"},
    {7.0f, 23.0f, "Gemini"},
    {4.4f, 15.0f, "Taurus"},
    {22.1f, 70.0f, "Cepheus"},
    {12.9f, -45.0f, "Centaurus"},
    {14.9f, -62.0f, "Circinus"},
    {20.6f, 13.0f, "Delphinus"},
    {0.9f, -48.0f, "Phoenics"},
    {5.8f, -35.0f, "Columba"},
    {5.5f, -78.0f, "Mensa"},
    {17.3f, 31.0f, "Hercules"},
    {9.0f, -12.0f, "Hydra"},
    {21.2f, -57.0f, "Indus"},
    {22.5f, 46.0f, "Lacerta"},
    {7.1f, 0.0f, "Monoceros"},
    {10.7f, -79.0f, "Chamaeleon"},  // the constellation lies around the south pole
    {1.0f, 61.0f, "Cassiopeia"},
    {9.0f, -61.0f, "Carina"},
    {8.9f, -28.0f, "Pyxis"},
    {18.6f, -41.0f, "Corona Australis"},
    {15.9f, 32.0f, "Corona Borealis"},
    {21.1f, -18.0f, "Capricorn"},
    {12.5f, -19.0f, "Corvus"},
    {12.5f, -60.0f, "Crux"},
    {7.8f, -70.0f, "Volans"},
    {10.7f, 15.0f, "Leo"},
    {20.2f, 25.0f, "Vulpecula"},
    {19.2f, -51.0f, "Telescopium"},
    {18.8f, 37.0f, "Lyra"},
    {20.5f, 44.0f, "Cygnus"},
    {5.3f, -54.0f, "Pictor"},
    {15.0f, 78.0f, "Ursa Minor"},
    {10.2f, 33.0f, "Leo Minor"},
    {7.7f, 6.0f, "Canis Minor"},
    {20.9f, -36.0f, "Microscopium"},
    {12.5f, -69.0f, "Musca"},
    {21.2f, -85.0f, "Octans"},
    {17.3f, -57.0f, "Ara"},
    {5.5f, 5.0f, "Orion"},
    {19.7f, 4.0f, "Aquila"},
    {13.4f, -4.0f, "Virgo"},
    {19.4f, -65.0f, "Pavo"},
    {22.7f, 20.0f, "Pegasus"},
    {3.3f, 45.0f, "Perseus"},
    {2.8f, -32.0f, "Fornax"},
    {10.2f, -34.0f, "Antila"},
    {13.1f, 41.0f, "Canes Venatici"},
    {11.4f, -16.0f, "Crater"},
    {15.9f, -76.0f, "Apus"},
    {8.7f, 20.0f, "Cancer"},
    {7.6f, -32.0f, "Puppis"},
    {22.3f, -31.0f, "Piscis Austrinus"},
    {0.5f, 14.0f, "Pisces"},
    {4.7f, -38.0f, "Caelum"},
    {8.0f, 48.0f, "Lynx"},
    {3.9f, -18.0f, "Eridanus"},
    {0.4f, -33.0f, "Sculptor"},
    {10.3f, -3.0f, "Sextans"},
    {3.9f, -60.0f, "Reticulum"},
    {16.8f, -30.0f, "Scorpius"},
    {17.3f, 68.0f, "Draco"},
    {19.6f, 19.0f, "Sagitta"},
    {19.1f, -29.0f, "Sagittarius"},
    {18.6f, -9.0f, "Scutum"},
    {2.1f, 32.0f, "Triangulum"},
    {16.0f, -65.0f, "Triangulum Australe"},
    {23.8f, -66.0f, "Tucana"},
    {15.2f, -15.0f, "Libra"},
    {12.8f, 23.0f, "Coma Berenices"},
    {15.7f, 11.0f, "Serpens"},
    {2.6f, -70.0f, "Hydrus"},
    {16.0f, -52.0f, "Norma"},
    {17.3f, -7.0f, "Ophiuchus"},
    {11.1f, 52.0f, "Ursa Major"},
    {6.8f, -21.0f, "Canis Major"},
    {1.7f, -8.0f, "Cetus"},
    {15.3f, -43.0f, "Lupus"},
    {22.3f, -11.0f, "Aquarius"},
    {14.6f, 31.0f, "Bootes"},
    {6.1f, 45.0f, "Auriga"},
    {5.6f, -19.0f, "Lepus"},
    {3.3f, -52.0f, "Horologium"},
    {5.0f, -60.0f, "Dorado"},
    {21.2f, 7.0f, "Equuleus"},
    {9.6f, -48.0f, "Vela"},
    {22.4f, -47.0f, "Grus"},
    {5.8f, 75.0f, "Camelopardalis"},
};

const GreekLetter kGreekLetters[kGreekLetterCount] = {
    {"Alp", "Alpha"},  {"Bet", "Beta"}, {"Gam", "Gamma"}, {"Del", "Delta"}, {"Eps", "Epsilon"},
    {"Zet", "Zeta"},   {"Eta", "Eta"},  {"The", "Theta"}, {"Iot", "Iota"},  {"Kap", "Kappa"},
    {"Lam", "Lambda"}, {"Mu", "Mu"},    {"Nu", "Nu"},     {"Xi", "Xi"},     {"Omi", "Omikron"},
    {"Pi", "Pi"},      {"Rho", "Rho"},  {"Sig", "Sigma"}, {"Tau", "Tau"},   {"Ups", "Ypsilon"},
    {"Phi", "Phi"},    {"Chi", "Chi"},  {"Psi", "Psi"},   {"Ome", "Omega"},
};

const DeepSkyTypeCode kDeepSkyTypeCodes[kDeepSkyTypeCount] = {
    {"OPNCL", DeepSkyType::OpenCluster, res::IDS_TYPE_OPEN_CLUSTER},
    {"GLOCL", DeepSkyType::GlobularCluster, res::IDS_TYPE_GLOBULAR_CLUSTER},
    {"GALXY", DeepSkyType::Galaxy, res::IDS_TYPE_GALAXY},
    {"BRTNB", DeepSkyType::Nebula, res::IDS_TYPE_NEBULA},
    {"PLNNB", DeepSkyType::PlanetaryNebula, res::IDS_TYPE_PLANETARY_NEBULA},
};

DeepSkyType DeepSkyTypeOf(const char (&code)[8]) {
  const std::string_view text(code, strnlen(code, sizeof code));
  for (const DeepSkyTypeCode& entry : kDeepSkyTypeCodes)
    if (entry.Code == text) return entry.Type;
  return DeepSkyType::Unknown;
}

}  // namespace catalog
