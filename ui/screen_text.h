// Texts the window-free code writes (cards, the night ahead) as the window
// shows them: in the window's language, with the locale's numbers and months.
#pragma once

#include <QString>
#include <string>

namespace ui {

// `text` in the window's language: a fixed text of the string table or one
// marked STELLIX_TEXT in sky/ or astro/; a text composed from a text of the
// table with placeholders ("The file "%s" is damaged: %s."), with that text
// translated and each value filled in again as this function shows it;
// anything else as it stands.
QString TranslatedText(const std::string& text);

// `text` as the window shows it: a fixed text of the string table or one
// marked STELLIX_TEXT in sky/ or astro/ (a type, a phase, "never rises"), a
// card's caption and the distance's unit translated; the decimal point
// between two digits written as the locale writes it ("1,5" in German), and
// the months' English abbreviations of the almanac's dates in the locale's
// own. The scripts' JSON keeps the text as written.
QString ScreenText(const std::string& text);

// A number a form writes in the C locale, as the settings file keeps it
// ("-5.5"), written in the locale's form for a field ("-5,5" in German).
QString ScreenNumber(const std::string& number);

// A number typed into a field, in the locale's form or the C locale's, as
// the forms read it: the locale's decimal separator becomes a point ("1,5"
// and "1.5" are both "1.5" in German).
std::string TypedNumber(const QString& typed);

}  // namespace ui
