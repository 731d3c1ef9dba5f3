// The object the user searched for (CSkyDoc::Selected) as the screen's
// selection layer and the printed chart mark it.
#pragma once

#include <optional>
#include <string>

#include "astro/transforms.h"
#include "catalog/records.h"

class CSkyDoc;

namespace render {

struct SkyConditions;

struct SelectionMark {
  astro::EquatorialCoord Place;         // J2000 as moved to the instant shown
  std::optional<DeepSkyRecord> Object;  // a deep-sky object's record
  unsigned Name = 0;                    // its selection name; 0: its own layer picks it
  std::string Label;                    // its designation
  // Whether its layer draws and names it anyway under these limits and switches.
  bool DrawnByItsLayer = true, NamedByItsLayer = true;
};

// The selection under the sky's conditions at `zoom`; none when
// nothing is selected, or a constellation.
std::optional<SelectionMark> SelectionOf(const CSkyDoc& doc, const SkyConditions& conditions,
                                         double zoom);

// The marker round a selection, in the pixels of the surface it is drawn
// on: the half-side of the square its four corners stand on, and the
// corners' length. `pixelsPerDegree` is the surface's scale of the sky,
// `unit` its pixels to a logical pixel of the screen.
struct MarkerSize {
  double Half, CornerLength;
};
MarkerSize MarkerSizeOf(const SelectionMark& s, double pixelsPerDegree, double unit);

}  // namespace render
