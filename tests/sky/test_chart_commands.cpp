// The Settings menu's chart commands on a document without a window.
#include <gtest/gtest.h>

#include "sky/app_settings.h"
#include "sky/chart_commands.h"
#include "sky/sky_doc.h"

namespace {

// A coloured sky lowers the limits in daylight; back to black, the sky shows
// the limits of the magnitude settings again, and the settings keep black.
TEST(ChartCommands, ABlackSkyTakesBackTheLimitsOfTheSettings) {
  struct Row {
    int StarsIndex, DeepSkyIndex;  // of the magnitude settings
    double StarLimit, DeepSkyLimit;
  };
  for (const Row& row : {Row{11, 5, 7.5, 11.0}, Row{24, 10, 13.0, 16.0}}) {
    AppSettings settings;
    settings.SkyColors = 1;
    settings.StarsLimit = row.StarsIndex;
    settings.DeepSkyLimit = row.DeepSkyIndex;
    CSkyDoc doc(settings);
    doc.Limits.StarMagnitudeLimit = 3.0;
    doc.Limits.DeepSkyMagnitudeLimit = 4.0;
    sky::ShowBlackSky(doc);
    EXPECT_EQ(doc.Settings().SkyColors, 0);
    EXPECT_EQ(settings.SkyColors, 0);
    EXPECT_DOUBLE_EQ(doc.Limits.StarMagnitudeLimit, row.StarLimit) << row.StarsIndex;
    EXPECT_DOUBLE_EQ(doc.Limits.DeepSkyMagnitudeLimit, row.DeepSkyLimit) << row.DeepSkyIndex;
    sky::ShowColouredSky(doc);
    EXPECT_EQ(settings.SkyColors, 1);
  }
}

}  // namespace
