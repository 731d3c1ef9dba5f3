#include "sky/chart_commands.h"

#include "sky/app_settings.h"
#include "sky/sky_doc.h"

namespace sky {

void ShowEquatorialChart(CSkyDoc& doc) { doc.HorizonMode = 0; }
void ShowLocalHorizonChart(CSkyDoc& doc) { doc.HorizonMode = 1; }

void DrawStarsAsPoints(CSkyDoc& doc) { doc.Settings.StarsDrawPoints = 1; }
void DrawStarsAsBitmaps(CSkyDoc& doc) { doc.Settings.StarsDrawPoints = 0; }

void ShowBlackSky(CSkyDoc& doc) {
  doc.SkyColors = 0;
  doc.Settings.SkyColors = 0;
  doc.StarMagnitudeLimit = StarLimitFromIndex(doc.Settings.StarsLimit);
  doc.DeepSkyMagnitudeLimit = DeepSkyLimitFromIndex(doc.Settings.DeepSkyLimit);
}

void ShowColouredSky(CSkyDoc& doc) {
  doc.SkyColors = 1;
  doc.Settings.SkyColors = 1;
}

}  // namespace sky
