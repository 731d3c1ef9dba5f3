// Finds a sky object by the name a user types: the one lookup behind the
// command line's --info and the search.
#pragma once

#include <optional>
#include <string_view>

class CSkyDoc;

namespace sky {

struct SkyObjectRef {
  enum Kind { Star, Body, DeepSky };
  Kind What;
  int Index;  // into CSkyDoc::Stars, Bodies (0 Moon, 1 Sun, 2 Mercury ...) or DeepSkyObjects

  bool operator==(const SkyObjectRef&) const = default;
};

// The object called `name`, compared without regard to case and to the
// blanks around and inside it: a star's proper name ("Sirius"), "HR 2491",
// "M 42" or "M42", "NGC 7000", "Sun", "Moon", a planet's name, or a deep-sky
// object's common name ("Orion Nebula"). Nothing when no object has that name.
std::optional<SkyObjectRef> FindObjectByName(const CSkyDoc& doc, std::string_view name);

}  // namespace sky
