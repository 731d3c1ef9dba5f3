// The fields of the user's eyepieces and cameras round the middle of the
// view (round the telescope's place while one is connected, if the user
// wants), each named above its top; drawn over everything else, never picked.
// Their names take their label room before the other names (after the
// compass letters), each its own: the other names give way.
#include <algorithm>

#include "render/sky_primitives.h"
#include "sky/eyepiece_fields.h"
#include "sky/sky_doc.h"

namespace render {
namespace {

// Amber (red 255, green 192, blue 0), apart from every colour of the sky's own.
constexpr int kFieldColour = 0x00C0FF;
constexpr double kLineWidth = 1.5;
// Logical pixels between the top of a field and its name's baseline.
constexpr double kNameGap = 4;

}  // namespace

void DescribeEyepieceFields(const LayerInput& input, SkyPrimitives& out) {
  const auto& fields = input.Doc.Settings().Fields;
  const int width = input.View.Viewport[2], height = input.View.Viewport[3];
  double cx = width / 2.0, cy = height / 2.0;
  if (input.Doc.Settings().FieldsOnTelescope == 1 && input.Doc.Telescope.DeviceConnected &&
      !TelescopeWindowPoint(input, cx, cy))
    return;  // the telescope points off the surface: so do its fields
  for (const sky::EyepieceField& field : fields) {
    const auto outline = sky::FieldOutline(sky::SizeOf(field), width, height, input.Zoom);
    if (outline.empty()) continue;
    SkyLine line{{}, true, kFieldColour, kLineWidth};
    double top = 0, bottom = 0;
    for (const auto& [x, y] : outline) {
      line.Points.push_back({cx + x, cy + y});
      top = std::max(top, y);
      bottom = std::min(bottom, y);
    }
    out.Lines.push_back(std::move(line));
    // Centred above its top, or where another name stands there, below its
    // bottom or higher up.
    out.Names.push_back({field.Name, kFieldColour, LabelStyle::Plain, cx,
                         FieldNameBaselines(cy + top, cy + bottom, kNameGap * input.Unit,
                                            input.Measure.Extent(LabelStyle::Plain, field.Name),
                                            static_cast<int>(fields.size()) + 2)});
  }
}

}  // namespace render
