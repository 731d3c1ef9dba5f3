// The commands that open a window over the main window: the settings
// dialogs, the searches, Tonight, the user guide, what's-this mode and About.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

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
  // The window's language, kept in the settings for the next start.
  void Language();
  // Search: the five dialogs and the Tonight window.
  void SearchStar();
  void SearchConstellation();
  void SearchSolarSystem();
  void SearchMessier();
  void SearchNgc();
  void Tonight();
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
  // The Tonight window, once opened, follows the document's date and place.
  void FollowDocument();

 signals:
  // A dialog or the Tonight window changed the document's time or place.
  void TimeOrPlaceChanged();

 private:
  // Runs a search dialog of this kind; redraws when it turned the view.
  template <typename SearchDialog>
  void RunSearch();
  void ShowDataSources();

  CSkyDoc& doc_;
  CSkyView& view_;
  CMessenger& messages_;
  QWidget& owner_;
  QString helpDirectory_;             // the guide's pages
  QPointer<CHelpWindow> helpWindow_;  // the help window shown last
  QPointer<CTonightWindow> tonight_;  // the Tonight window, once opened
};
