// The longer help texts of what's-this mode (Shift+F1, then a click on a
// toolbar button, a menu item or a field).
#pragma once

namespace ui {

// The what's-this text of command `id` (rich text; in the window's language
// by QtTranslated("WhatsThis", text)); nullptr for commands
// whose status-bar prompt says enough.
const char* WhatsThisText(int id);

}  // namespace ui
