#include "render/selection_mark.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "catalog/builtin_tables.h"
#include "render/display_list_ids.h"
#include "sky/app_settings.h"
#include "sky/deep_catalogues.h"
#include "sky/drawing_rules.h"
#include "sky/moon_places.h"
#include "sky/pick_walk.h"
#include "sky/sky_doc.h"

namespace render {

MarkerSize MarkerSizeOf(const SelectionMark& s, double pixelsPerDegree, double unit) {
  // The corners stand this far outside the object's symbol, at least this
  // far from its middle, and are this long (units).
  constexpr double kGap = 5, kSmallest = 10, kCornerLength = 6;
  const double symbol = s.Object ? s.Object->MajorAxis / 120.0 * pixelsPerDegree : 0;
  return {std::max(symbol + kGap * unit, kSmallest * unit), kCornerLength * unit};
}

std::optional<SelectionMark> SelectionOf(const CSkyDoc& doc, const SkyConditions& conditions,
                                         double zoom) {
  if (!doc.Selected) return std::nullopt;
  const AppSettings& settings = doc.Settings();
  const int i = doc.Selected->Index;
  SelectionMark s;
  switch (doc.Selected->What) {
    case sky::SkyObjectRef::DeepSky: {
      if (i < 0 || i >= kDeepSkyCount) return std::nullopt;
      const DeepSkyRecord& r = doc.Sky.DeepSkyObjects[i];
      s.Place = {r.RightAscension, r.Declination};
      s.Object = r;
      s.Name = kNameDeepSkyFirst + static_cast<unsigned>(i);
      s.Label = (catalog::IsMessierIndex(i) ? "M" : "NGC ") + std::to_string(r.Number);
      s.DrawnByItsLayer = doc.Settings().DeepSky && r.Magnitude <= conditions.DeepSkyLimit &&
                          DeepSkyObjectShown(settings, i, catalog::DeepSkyTypeOf(r.Type));
      s.NamedByItsLayer = s.DrawnByItsLayer && doc.Settings().DeepSkyLabels &&
                          sky::NamesShown(zoom) && !sky::DeepSkyLabel(settings, i, r).empty();
      return s;
    }
    case sky::SkyObjectRef::NgcIc: {
      const catalog::NgcIcCatalogue& objects = doc.Catalogues.DeepCatalogues.NgcIc();
      if (i < 0 || static_cast<std::size_t>(i) >= objects.Records.size()) return std::nullopt;
      const catalog::NgcIcRecord& r = objects.Records[i];
      const catalog::DeepSkyType type = catalog::DeepSkyTypeOf(r.Type);
      s.Place = doc.Catalogues.DeepCatalogues.NgcIcPlace(i, doc.Sky.CatalogueMotion);
      s.Object = sky::AsDeepSkyRecord(r);
      s.Name = kNameNgcIcFirst + static_cast<unsigned>(i);
      s.Label = sky::NgcIcDesignation(r);
      s.DrawnByItsLayer = doc.Settings().DeepSky && settings.ShowNGC &&
                          type != catalog::DeepSkyType::Unknown &&
                          DeepSkyTypeShown(settings, type) &&
                          r.Magnitude <= sky::NgcIcWalkLimit(conditions.DeepSkyLimit);
      s.NamedByItsLayer =
          s.DrawnByItsLayer && doc.Settings().DeepSkyLabels && zoom >= sky::kNgcIcLabelZoom;
      return s;
    }
    case sky::SkyObjectRef::Star:
      if (i < 0 || i >= kStarCount) return std::nullopt;
      s.Place = {doc.Sky.Stars[i].RightAscension, doc.Sky.Stars[i].Declination};
      return s;
    case sky::SkyObjectRef::Body:
      if (i < 0 || i >= astro::kBodyCount) return std::nullopt;
      s.Place = {doc.Sky.Bodies[i].RightAscension, doc.Sky.Bodies[i].Declination};
      return s;
    case sky::SkyObjectRef::FaintStar:
      if (i < 0 ||
          static_cast<std::size_t>(i) >= doc.Catalogues.DeepCatalogues.FaintStars().Records.size())
        return std::nullopt;
      s.Place = doc.Catalogues.DeepCatalogues.FaintStarPlace(i, doc.Sky.CatalogueMotion);
      return s;
    case sky::SkyObjectRef::SmallBody: {
      if (i < 0 || static_cast<std::size_t>(i) >= doc.Catalogues.SmallBodies.size())
        return std::nullopt;
      s.Place = sky::PlaceOf(doc, *doc.Selected);
      s.Name = sky::kSmallBodyNameFirst + static_cast<unsigned>(i);
      s.Label = sky::SmallBodyName(doc.Catalogues.SmallBodies[i]);
      // Its layer draws it while it is as bright as the layer's limit.
      const auto& shown = doc.Sky.SmallBodies;
      const auto drawn =
          std::find_if(shown.begin(), shown.end(), [i](const auto& b) { return b.Index == i; });
      s.DrawnByItsLayer = settings.SmallBodies && drawn != shown.end();
      s.NamedByItsLayer =
          s.DrawnByItsLayer && settings.PlanetNames && sky::SmallBodyNamed(drawn->Magnitude, zoom);
      return s;
    }
    case sky::SkyObjectRef::PlanetMoon:
      if (i < 0 || i >= sky::kMoonCount) return std::nullopt;
      s.Place = {doc.Sky.Moons[i].RightAscension, doc.Sky.Moons[i].Declination};
      return s;
    case sky::SkyObjectRef::Constellation:
      break;
  }
  return std::nullopt;
}

}  // namespace render
