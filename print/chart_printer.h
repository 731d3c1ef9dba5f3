// The printed chart drawn with QPainter: the shapes of print/chart_geometry
// as vector paths, filled circles and text, on a printer's page, in a print
// preview or in a PDF file.
#pragma once

#include <QString>

class CSkyDoc;
class QPageLayout;
class QPainter;
class QPrinter;

namespace print {

// The chart's sizes are device pixels at this resolution, whatever the
// printer could do (a PDF printer offers 1200 dots per inch, at which the
// chart's labels would be specks).
inline constexpr int kChartDotsPerInch = 300;

// Draws the chart of the sky `doc` shows at `zoom` with `painter`, active on
// a page whose printable area is `width` x `height` device pixels.
void PaintChart(QPainter& painter, CSkyDoc& doc, double zoom, int width, int height);

// Prints the chart on one page of `printer`, at the chart's resolution and
// in the printer's page size and orientation, as a job named after the
// program. False when the printer could not start the job.
bool PrintChart(QPrinter& printer, CSkyDoc& doc, double zoom);

// Writes the chart as a one-page PDF file at `path` with the page `layout`,
// whole or not at all: a temporary file beside it is renamed when complete.
// False with the reason in `error` when the file could not be written.
bool WriteChartPdf(const QString& path, const QPageLayout& layout, CSkyDoc& doc, double zoom,
                   QString& error);

}  // namespace print
