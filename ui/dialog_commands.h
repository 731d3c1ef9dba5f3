// The commands that open a window over the main window: the settings
// dialogs, the searches, Tonight, the user guide, what's-this mode and About.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include "sky/altitude_plot.h"

class CAltitudePlotWindow;
class CHelpWindow;
class CMessenger;
class CSkyDoc;
class CSkyView;
class CTonightWindow;
class QWidget;

class CDialogCommands : public QObject {
  Q_OBJECT

 public:
  // The windows open over `owner`, the main window. The user guide is read
  // from help/ in the document's data directory.
  CDialogCommands(CSkyDoc& doc, CSkyView& view, CMessenger& messages, QWidget& owner);

  // Settings and the eyepiece fields; each changes the settings and the sky itself.
  void DateTime();
  void Location();
  void MagnitudeLimits();
  void DeepSkyOptions();
  void Colours();
  void DefineFields();
  // File > Import Orbital Elements: MPCORB.DAT or CometEls.txt files read
  // and kept (CSkyDoc::ImportElements, as --elements), or the file, line
  // and field that refused them.
  void ImportOrbitalElements();
  // The window's language, kept in the settings for the next start.
  void Language();
  // Search: the five dialogs and the Tonight window.
  void SearchStar();
  void SearchConstellation();
  void SearchSolarSystem();
  void SearchMessier();
  void SearchNgc();
  // Search > Go to Coordinates: the view centred on a typed place.
  void GotoCoordinates();
  void Tonight();
  // The altitude plot of the object last searched for (CSkyDoc::Selected),
  // or a word on how to choose one.
  void AltitudePlot();
  // The altitude plot window, opened once and kept, showing `target`.
  void ShowAltitudePlot(const sky::PlotTarget& target);
  // The plot window; nullptr before it is opened and after it is closed.
  CAltitudePlotWindow* AltitudePlotWindow() const;
  // Help: the guide's contents, its page on the help window, the page of the
  // focused window (F1), what's-this mode (Shift+F1) and the About window.
  void HelpContents();
  void UsingHelp();
  void ContextHelp();
  void WhatsThis();
  void About();

  // Shows the user guide at `page` (a file name of the guide, with an
  // optional "#section").
  void ShowHelp(const QString& page);
  // The help window shown last; nullptr before any.
  CHelpWindow* HelpWindow() const;
  // The Tonight and altitude plot windows, once opened, follow the
  // document's date and place.
  void FollowDocument();

 signals:
  // A dialog or the Tonight window changed the document's time or place.
  void TimeOrPlaceChanged();
  // The Tonight window asked for the telescope to be slewed to `target`.
  void SlewRequested(const sky::PlotTarget& target);

 private:
  // Runs a search dialog of this kind; redraws when it turned the view.
  template <typename SearchDialog>
  void RunSearch();
  void ShowDataSources();

  CSkyDoc& doc_;
  CSkyView& view_;
  CMessenger& messages_;
  QWidget& owner_;
  QString helpDirectory_;               // the guide's pages
  QPointer<CHelpWindow> helpWindow_;    // the help window shown last
  QPointer<CTonightWindow> tonight_;    // the Tonight window, once opened
  QPointer<CAltitudePlotWindow> plot_;  // the altitude plot window, once opened
};
