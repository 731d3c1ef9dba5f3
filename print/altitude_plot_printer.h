// The altitude plot drawn with QPainter from print/altitude_plot_geometry:
// in the window, on a printer's page, into a PNG picture or an SVG drawing.
#pragma once

#include <QByteArray>
#include <QString>
#include <string>

#include "print/altitude_plot_geometry.h"

class QPainter;
class QPrinter;

namespace print {

// Paints `g` with `painter`, active on a surface of g.Width x g.Height
// pixels, in the plot's daylight colours, or in night vision's reds (the
// dark hours darkest, the curves brightest).
void PaintAltitudePlot(QPainter& painter, const PlotGeometry& g, bool night = false);

// The size of the plot in a PNG or SVG file, pixels.
inline constexpr int kPlotFileWidth = 1200;
inline constexpr int kPlotFileHeight = 700;

// The kind of file a name asks for by its suffix, any case: "png" or
// "svg"; empty for any other.
QByteArray PlotFileFormatOf(const QString& path);

// Writes `plot` (`place` named in its title) as a PNG picture or an SVG
// drawing by the suffix of `path`, whole or not at all: a temporary file
// beside it is renamed when complete. False with the reason in `error`
// when the suffix is neither or the file could not be written.
bool WriteAltitudePlot(const QString& path, const sky::AltitudePlot& plot, const std::string& place,
                       QString& error);

// Prints `plot` on one page of `printer`, as large as the page allows. False
// when the printer could not start the job.
bool PrintAltitudePlot(QPrinter& printer, const sky::AltitudePlot& plot, const std::string& place);

}  // namespace print
