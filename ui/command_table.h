// Every command of the main window in one table: id, menu text, key, enable
// rule and check rule. The main window makes its menu items, toolbar buttons
// and shortcuts from it; the prompt of each command is string `Id` of the
// string table (status text, then after "\n" the tooltip).
#pragma once

class CMainFrame;
class CSkyDoc;

namespace ui {

enum class EnableRule {
  Always,                      // display toggles, red and full screen, exit, the view's moves
  UnlessAnimating,             // dialogs, search, files, printing, help, chart mode, star style
  UnlessAnimatingOrRedScreen,  // the coloured sky background
  WhileAnimating,              // animation stop
};

struct Command {
  int Id;
  const char* MenuText;  // with its mnemonic; nullptr for toolbar-only commands
  // In QKeySequence's portable form, alternatives separated by "; ";
  // nullptr when none.
  const char* Key;
  void (CMainFrame::*Handler)();  // nullptr: the command has no action of its own yet
  EnableRule Enable;
  bool (*Checked)(const CSkyDoc& doc, const CMainFrame& frame);  // nullptr: not a check item
};

extern const Command kCommands[];
extern const int kCommandCount;

// The command with this id; nullptr when there is none.
const Command* FindCommand(int id);

// Whether `rule` lets a command run in this state of the document.
bool IsEnabled(EnableRule rule, const CSkyDoc& doc);

}  // namespace ui
