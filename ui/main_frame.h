// The main window: the sky view, and the status bar with the pointer's
// coordinates, the observer's place, the time and the date.
#pragma once

#include <QMainWindow>

class CMessenger;
class CSkyDoc;
class CSkyView;
class QLabel;

class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  CMainFrame(CSkyDoc& doc, CMessenger& messages);

  CSkyView* View() const { return view_; }
  // Refreshes the place, time and date panes from the document.
  void UpdatePanes();

 private:
  QLabel* AddPane(int sampleStringId);

  CSkyDoc& doc_;
  CSkyView* view_;
  QLabel* raPane_;
  QLabel* decPane_;
  QLabel* placePane_;
  QLabel* timePane_;
  QLabel* datePane_;
};
