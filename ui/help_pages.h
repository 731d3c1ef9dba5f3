// Which page of the user guide explains which window.
//
// The guide is a set of HTML pages in the help/ folder of the data directory,
// each with a stable file name. F1 opens the page of the window that has the
// focus; the page is found, for the focused widget and then each of its
// parents in turn up to its window, by
//   1. a "helpPage" property on the widget, e.g.
//        dialog->setProperty("helpPage", "location.html");
//      (a page name, optionally with "#section"), or
//   2. the widget's class name (its Q_OBJECT meta-object's name, e.g.
//      "CLocationDialog") or its object name, looked up in the table of
//      HelpPageFor below.
// A new dialog either sets the property or gets a line in that table.
#pragma once

#include <string_view>

namespace ui {

// The contents page: the guide's home, and the page for windows nobody mapped.
inline constexpr const char* kHelpContentsPage = "index.html";
// The page that explains the help window itself ("Using Help").
inline constexpr const char* kUsingHelpPage = "using-help.html";
// The page of the main window: the sky and how to move around it.
inline constexpr const char* kMainWindowHelpPage = "moving.html";
// Licence and data sources: the full list behind the About window.
inline constexpr const char* kSourcesHelpPage = "sources.html";

// The page (with its "#section" where it has one) for a window of class
// `className` or object name `objectName`; nullptr when neither is known.
const char* HelpPageFor(std::string_view className, std::string_view objectName);

}  // namespace ui
