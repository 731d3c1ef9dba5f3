#include "sky/chart_commands.h"

#include "sky/app_settings.h"
#include "sky/sky_doc.h"

namespace sky {

void ShowEquatorialChart(CSkyDoc& doc) { doc.Settings().HorizonMode = 0; }
void ShowLocalHorizonChart(CSkyDoc& doc) { doc.Settings().HorizonMode = 1; }

void DrawStarsAsPoints(CSkyDoc& doc) { doc.Settings().StarsDrawPoints = 1; }
void DrawStarsAsBitmaps(CSkyDoc& doc) { doc.Settings().StarsDrawPoints = 0; }

void ShowBlackSky(CSkyDoc& doc) {
  doc.Settings().SkyColors = 0;
  doc.Settings().SkyColors = 0;
  doc.Limits.StarMagnitudeLimit = StarLimitFromIndex(doc.Settings().StarsLimit);
  doc.Limits.DeepSkyMagnitudeLimit = DeepSkyLimitFromIndex(doc.Settings().DeepSkyLimit);
}

void ShowColouredSky(CSkyDoc& doc) {
  doc.Settings().SkyColors = 1;
  doc.Settings().SkyColors = 1;
}

}  // namespace sky
