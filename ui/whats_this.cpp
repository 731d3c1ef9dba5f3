#include "ui/whats_this.h"

#include "res/command_ids.h"

namespace ui {
namespace {

using enum res::CommandId;

struct WhatsThis {
  int Id;
  const char* Text;
};

constexpr WhatsThis kWhatsThis[] = {
    // Main toolbar.
    {ID_FILE_PRINT_PREVIEW,
     "<b>Print Preview</b><p>Shows the printed chart of the field you see, page by page, "
     "before anything goes to the printer.</p>"},
    {ID_FILE_OPEN,
     "<b>Open</b> (Ctrl+O)<p>Opens a picture file (JPEG, GIF, PCX, TGA, BMP or TIFF) "
     "in a picture window. The file dialog starts in the Images folder of the data "
     "directory.</p>"},
    {ID_FILE_PRINT,
     "<b>Print</b> (Ctrl+P)<p>Prints the field you see as a black-on-white chart.</p>"},
    {ID_VIEW_GRIDS,
     "<b>Grids</b> (G)<p>Shows or hides the equatorial grid: a circle every hour of right "
     "ascension and every 15&deg; of declination.</p>"},
    {ID_VIEW_BOUNDARIES,
     "<b>Boundaries</b> (B)<p>Shows or hides the boundaries of the 88 constellations and "
     "their names.</p>"},
    {ID_VIEW_CONSTELLATION_LINES,
     "<b>Constellation lines</b> (L)<p>Shows or hides the figures that join the bright "
     "stars of each constellation.</p>"},
    {ID_VIEW_DEEP_SKY,
     "<b>Deep sky objects</b> (D)<p>Shows or hides the Messier and NGC objects: "
     "clusters, galaxies and nebulae. Settings &gt; Deep Sky Objects chooses which kinds "
     "are drawn.</p>"},
    {ID_VIEW_MILKY_WAY,
     "<b>Milky Way</b> (M)<p>Shows or hides the band of the Milky Way and the outlines "
     "of the Magellanic Clouds.</p>"},
    {ID_VIEW_SOLAR_SYSTEM,
     "<b>Solar System</b> (P)<p>Shows or hides the Sun, the Moon and the planets.</p>"},
    {ID_VIEW_EYEPIECE_FIELDS,
     "<b>Eyepiece fields</b> (Shift+E)<p>Shows or hides the fields of your eyepieces and "
     "cameras round the middle of the view. View &gt; Eyepiece Fields... defines them.</p>"},
    {ID_SETTINGS_DATE_TIME,
     "<b>Date and time</b><p>Sets the date and time of the sky shown, from 1901 to "
     "2099, or back to the present.</p>"},
    {ID_SETTINGS_LOCATION,
     "<b>Location</b><p>Sets the place on Earth you observe from: a city from the list, "
     "a point on the world map, or latitude, longitude and time zone.</p>"},
    {1032,
     "<b>Time step</b><p>How far each step of the time animation moves the clock: from "
     "real time (one second a second) to one year.</p>"},
    {ID_ANIMATION_BACKWARD,
     "<b>Animation backward</b> (Ctrl+B)<p>Runs time backwards, one time step after "
     "another, until you press Animation stop.</p>"},
    {ID_ANIMATION_STEP_BACKWARD,
     "<b>One step backward</b> ([)<p>Moves the clock back by one time step.</p>"},
    {ID_ANIMATION_STOP,
     "<b>Animation stop</b> (Esc)<p>Stops the time animation. The sky stays at the time "
     "it has reached.</p>"},
    {ID_ANIMATION_STEP_FORWARD,
     "<b>One step forward</b> (])<p>Moves the clock on by one time step.</p>"},
    {ID_ANIMATION_FORWARD,
     "<b>Animation forward</b> (Ctrl+F)<p>Runs time forwards, one time step after "
     "another, until you press Animation stop. Menus and dialogs wait until it stops.</p>"},
    {ID_HELP_CONTEXT,
     "<b>What's this?</b> (Shift+F1)<p>Click this button, then on any button, menu item "
     "or field, to read what it does.</p>"},
    {ID_APP_ABOUT,
     "<b>About Stellix</b><p>Shows the program's version, its licence and where its sky "
     "data comes from.</p>"},
    // Navigation toolbar.
    {ID_MOVE_LEFT,
     "<b>Move the field left</b> (Left arrow)<p>The stars move to the left: you see more "
     "of the sky that lay to the right. The step is smaller the more you zoom in.</p>"},
    {ID_MOVE_RIGHT,
     "<b>Move the field right</b> (Right arrow)<p>The stars move to the right: you see "
     "more of the sky that lay to the left.</p>"},
    {ID_MOVE_UP,
     "<b>Move the field up</b> (Up arrow)<p>The stars move up: you see more of the sky "
     "that lay below the middle of the view.</p>"},
    {ID_MOVE_DOWN,
     "<b>Move the field down</b> (Down arrow)<p>The stars move down: you see more of the "
     "sky that lay above the middle of the view.</p>"},
    {ID_ZOOM_IN,
     "<b>Zoom in</b> (* on the numeric keypad)<p>Doubles the magnification, up to 8192 "
     "times.</p>"},
    {ID_ZOOM_OUT,
     "<b>Zoom out</b> (/ on the numeric keypad)<p>Halves the magnification, down to the "
     "whole visible half of the sky.</p>"},
    // Menu commands whose prompt is terse.
    {ID_VIEW_RED_SCREEN,
     "<b>Red screen</b> (Shift+R)<p>Draws the sky and the whole window in dim red on "
     "black, which keeps your eyes adapted to the dark at the telescope.</p>"},
    {ID_VIEW_FULL_SCREEN,
     "<b>Full screen</b> (Shift+F)<p>Shows only the sky, over the whole screen. Press "
     "Esc or Shift+F again, or move the pointer to the top edge, to come back.</p>"},
    {ID_SETTINGS_EQUATORIAL,
     "<b>Equatorial</b> (Ctrl+Q)<p>Shows the sky as a star chart, with the celestial pole "
     "up, as if the Earth were not there.</p>"},
    {ID_SETTINGS_LOCAL_HORIZON,
     "<b>Local horizon</b> (Ctrl+H)<p>Shows the sky as you see it from your place, with "
     "the ground, the landscape and the compass points.</p>"},
    {ID_HELP_CURRENT,
     "<b>Help</b> (F1)<p>Opens the user guide at the page of the window you are in.</p>"},
};

}  // namespace

const char* WhatsThisText(int id) {
  for (const WhatsThis& entry : kWhatsThis)
    if (entry.Id == id) return entry.Text;
  return nullptr;
}

}  // namespace ui
