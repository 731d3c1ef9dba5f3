#include "ui/help_pages.h"

namespace ui {
namespace {

struct HelpTopic {
  const char* Window;  // a class name or an object name
  const char* Page;
};

constexpr HelpTopic kHelpTopics[] = {
    // The main window and the windows of the help itself.
    {"CMainFrame", kMainWindowHelpPage},
    {"CSkyView", kMainWindowHelpPage},
    {"MainToolBar", "menus.html#toolbar"},
    {"NavigationToolBar", "moving.html#keys"},
    {"TimeStepBox", "animation.html#step"},
    {"CHelpWindow", kUsingHelpPage},
    {"CSplashWindow", kSourcesHelpPage},
    // Settings dialogs.
    {"CLocationDialog", "location.html"},
    {"CDateTimeDialog", "datetime.html"},
    {"CMagnitudeLimitsDialog", "magnitudes.html"},
    {"CDeepSkyDialog", "deepsky.html"},
    {"CColoursDialog", "colours.html"},
    {"CFieldsDialog", "menus.html#fields"},
    {"QColorDialog", "colours.html#chooser"},
    // Search dialogs.
    {"CStarSearchDialog", "search.html#star"},
    {"CConstellationSearchDialog", "search.html#constellation"},
    {"CBodySearchDialog", "search.html#solar-system"},
    {"CMessierSearchDialog", "search.html#messier"},
    {"CNgcSearchDialog", "search.html#ngc"},
    {"CGotoDialog", "search.html#goto"},
    {"CAltitudePlotWindow", "menus.html#altitude-plot"},
    // Information cards and pictures.
    {"CStarInfoDialog", "cards.html#star"},
    {"CFaintStarInfoDialog", "cards.html#faint-star"},
    {"CBodyInfoDialog", "cards.html#solar-system"},
    {"CDeepSkyInfoDialog", "cards.html#deep-sky"},
    {"CPictureWindow", "pictures.html#window"},
    {"QFileDialog", "pictures.html#open"},
    // Printing.
    {"QPrintDialog", "printing.html#print"},
    {"QPrintPreviewDialog", "printing.html#preview"},
    {"QPageSetupDialog", "printing.html#setup"},
};

}  // namespace

const char* HelpPageFor(std::string_view className, std::string_view objectName) {
  for (const HelpTopic& topic : kHelpTopics)
    if (topic.Window == className) return topic.Page;
  for (const HelpTopic& topic : kHelpTopics)
    if (!objectName.empty() && topic.Window == objectName) return topic.Page;
  return nullptr;
}

}  // namespace ui
