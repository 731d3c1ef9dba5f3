// Context help: F1 opens the guide at the page of the focused window;
// Shift+F1 enters what's-this mode. Both work in every window of the
// program, modal dialogs included.
#pragma once

#include <QObject>
#include <QString>

class QAction;
class QWidget;

namespace ui {

// The guide's page for `widget`: the first of the widget and its parents, up
// to its window, that has a "helpPage" property or a class or object name
// known to HelpPageFor (ui/help_pages.h); the contents page when none has.
QString HelpPageForWidget(const QWidget* widget);

// Passes F1 and Shift+F1, pressed in any window, to the main window's two
// help commands. The main window's own shortcuts reach only the main
// window; a modal dialog blocks them.
class CHelpKeys : public QObject {
 public:
  CHelpKeys(QAction* contextHelp, QAction* whatsThis, QObject* parent);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QAction* contextHelp_;
  QAction* whatsThis_;
};

}  // namespace ui
