// The Settings menu's chart commands, each a change of the document alone:
// the chart mode, the stars' style and the sky's background. The caller
// redraws the view.
#pragma once

class CSkyDoc;

namespace sky {

// Chart Mode: the equatorial chart, or the local horizon.
void ShowEquatorialChart(CSkyDoc& doc);
void ShowLocalHorizonChart(CSkyDoc& doc);

// Stars: drawn as points, or as bitmaps sized by magnitude.
void DrawStarsAsPoints(CSkyDoc& doc);
void DrawStarsAsBitmaps(CSkyDoc& doc);

// Sky Background, kept in the settings too. A black sky takes back the
// magnitude limits of the settings, which a coloured sky lowers in daylight.
void ShowBlackSky(CSkyDoc& doc);
void ShowColouredSky(CSkyDoc& doc);

}  // namespace sky
