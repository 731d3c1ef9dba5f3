// Every command of the main window in one table: id, menu text, key, the
// handler on the object it acts on, enable rule and check rule. The main
// window makes its menu items, toolbar buttons and shortcuts from it; the
// prompt of each command is string `Id` of the string table (status text,
// then after "\n" the tooltip).
#pragma once

#include <QString>
#include <variant>

class CAnimationController;
class CRealTimeClock;
class CChartPrintJobs;
class CDialogCommands;
class CMainFrame;
class CSkyDoc;
struct AppSettings;
class CSkyView;
class CTelescopeControl;

namespace ui {

enum class EnableRule {
  Always,                      // display toggles, red and full screen, exit, the view's moves
  UnlessAnimating,             // dialogs, search, files, printing, help, chart mode, star style
  UnlessAnimatingOrRedScreen,  // the coloured sky background
  WhileAnimating,              // animation stop
  WhileFollowingAndIdle,       // the end of following by Esc (while animating, Esc stops that)
  WhileTelescopeConnected,     // the telescope's commands
};

// What the commands act on; the main window hands them to RunCommand.
struct CommandTargets {
  CMainFrame& Frame;  // the window itself: its bars, full and red screen, pictures, exit
  CSkyDoc& Doc;
  CSkyView& View;
  CAnimationController& Animation;
  CRealTimeClock& RealTime;
  CChartPrintJobs& Printing;
  CDialogCommands& Dialogs;
  CTelescopeControl& Telescope;
};

// A command's handler: a member function of its target, or one of the
// display switches of the settings (flipped), or a change of the document alone.
// After a change of the document the view redraws.
using CommandHandler = std::variant<void (CMainFrame::*)(), int AppSettings::*, void (*)(CSkyDoc&),
                                    void (CSkyView::*)(), void (CAnimationController::*)(),
                                    void (CRealTimeClock::*)(), void (CChartPrintJobs::*)(),
                                    void (CDialogCommands::*)(), void (CTelescopeControl::*)()>;

struct Command {
  int Id;
  const char* MenuText;  // with its mnemonic; nullptr for toolbar-only commands
  // In QKeySequence's portable form, alternatives separated by "; ";
  // nullptr when none.
  const char* Key;
  CommandHandler Handler;
  EnableRule Enable;
  bool (*Checked)(const CSkyDoc& doc, const CMainFrame& frame);  // nullptr: not a check item
};

extern const Command kCommands[];
extern const int kCommandCount;

// The command with this id; nullptr when there is none.
const Command* FindCommand(int id);

// The command's menu text in the window's language; MenuText must not be nullptr.
QString CommandMenuText(const Command& command);

// Runs the command's handler on its target.
void RunCommand(const Command& command, const CommandTargets& targets);

// Whether `rule` lets a command run in this state of the document.
bool IsEnabled(EnableRule rule, const CSkyDoc& doc);

}  // namespace ui
