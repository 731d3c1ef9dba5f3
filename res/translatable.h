// Marks the fixed texts of the window-free code that the window shows in the
// user's language. lupdate reads STELLIX_TEXT as QT_TRANSLATE_NOOP; the
// context names the folder the text lives in ("astro", "sky", "ui"), and the
// window translates the text with it (QtTranslated in res/qt_text.h). Scripts
// and JSON keep the text as written.
#pragma once

#define STELLIX_TEXT(context, text) text
