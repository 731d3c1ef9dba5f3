// The application: start-up, the one document and main window, shut-down.
#pragma once

#include <QApplication>
#include <memory>
#include <optional>
#include <string>

#include "app/command_line.h"
#include "app/translations.h"
#include "sky/app_settings.h"
#include "sky/profile.h"

class CMainFrame;
class CMessageBoxes;
class CSkyDoc;

class CSkyApp : public QApplication {
  Q_OBJECT

 public:
  // `commandLine` is the parsed command line, already checked for errors, --help and --version.
  CSkyApp(int& argc, char** argv, const CommandLine& commandLine);
  ~CSkyApp() override;

  // Finds the data directory, reads the settings, creates the document and
  // the main window and shows it. Returns false when the program must end
  // now, with ExitCode() as its status.
  bool InitInstance();
  // Closes the document and the window and writes the settings file; returns
  // `loopResult`, the status of the event loop.
  int ExitInstance(int loopResult);
  int ExitCode() const { return exitCode_; }

  CMainFrame* MainFrame() const { return frame_.get(); }
  const std::string& SettingsPath() const { return settingsPath_; }

  // The directory of the catalogue, texture and picture files; empty when it was not found.
  std::string InstallDirectory;
  // Every persistent setting; the document, the view and the dialogs read and change it.
  AppSettings Settings;

 private:
  // A refusal of the command line or of the data directory, already on
  // standard error: in a message box as well when the run would open the window.
  void ShowStartRefusal(const std::string& refusal);
  // --centre: turns the view to the named object before the first frame.
  // Returns false when the name is refused in a run that draws to a file
  // (the refusal is then on standard error); in the window the refusal is
  // shown once the window is up.
  bool CentreOnOption();
  // --render: draws one frame offscreen into the image file; returns the exit status.
  int RenderToFile();
  // --print-pdf: prints the chart of the document's view into the PDF file;
  // returns the exit status.
  int PrintToPdf();
  // --plot-altitude: draws the altitude plot of the named object into the PNG
  // or SVG file and prints it as JSON; returns the exit status.
  int PlotToFile();

  CommandLine commandLine_;
  // The window's language, from the settings or the system.
  CTranslations translations_;
  // With --place: the settings before it and the place it gave.
  std::optional<AppSettings> locationBeforePlace_;
  std::optional<AppSettings> placeLocation_;
  std::string settingsPath_;
  std::string printPdfPath_;  // --print-pdf's file, absolute: start-up changes the directory
  CProfile profile_;  // the settings file as read, so that a save keeps what it does not know
  std::unique_ptr<CMessageBoxes> messages_;
  std::unique_ptr<CSkyDoc> doc_;
  std::unique_ptr<CMainFrame> frame_;
  int exitCode_ = 0;
};
