#include "app/sky_app.h"

#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <clocale>
#include <cstdio>
#include <cstdlib>

#include "app/paths.h"
#include "app/sky_doc.h"
#include "res/strings.h"
#include "ui/main_frame.h"
#include "ui/message_box.h"
#include "ui/qt_text.h"

namespace {

// A catalogue file that cannot be opened ends the program at once with
// status 3, after its message; nothing is saved.
class CExitOnMissingCatalogue : public CCatalogueFailure {
 public:
  explicit CExitOnMissingCatalogue(CMessenger& messages) : messages_(messages) {}
  [[noreturn]] void MissingFile(const char* fileName) override {
    messages_.Show(MessageIcon::Stop, res::Format(res::IDS_CANT_OPEN_FILE, fileName));
    std::fflush(nullptr);
    std::_Exit(3);
  }

 private:
  CMessenger& messages_;
};

}  // namespace

CSkyApp::CSkyApp(int& argc, char** argv, const CommandLine& commandLine)
    : QApplication(argc, argv), commandLine_(commandLine) {
  // Qt adopts the user's locale; the catalogue readers and the settings
  // store read numbers with a decimal point whatever the language.
  std::setlocale(LC_NUMERIC, "C");
  setApplicationName("stellix");
  setApplicationDisplayName(QtString(res::IDS_APP_TITLE));
  setApplicationVersion(STELLIX_VERSION);
}

CSkyApp::~CSkyApp() = default;

bool CSkyApp::InitInstance() {
  const std::string program =
      QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString();
  messages_ = std::make_unique<CMessageBoxes>(commandLine_.NonInteractive);

  // The data directory holds the catalogues and textures, opened by bare
  // name from there, and (when writable) the settings file.
  InstallDirectory =
      FindDataDirectory(QCoreApplication::applicationDirPath().toStdString(), commandLine_.DataDir);
  settingsPath_ = SettingsFilePath(InstallDirectory, program, commandLine_.SettingsFile);
  settingsPath_ = QFileInfo(QString::fromStdString(settingsPath_)).absoluteFilePath().toStdString();
  if (!InstallDirectory.empty() && ::chdir(InstallDirectory.c_str()) != 0) InstallDirectory.clear();

  profile_.Load(settingsPath_);
  LoadSettings(profile_, Settings);

  doc_ = std::make_unique<CSkyDoc>(Settings);
  frame_ = std::make_unique<CMainFrame>();
  CExitOnMissingCatalogue onMissing(*messages_);
  if (!doc_->OnNewDocument(onMissing, nullptr)) {
    exitCode_ = 1;
    return false;
  }
  frame_->show();
  return true;
}

int CSkyApp::ExitInstance(int loopResult) {
  // The window and the document hand their state back to the settings as they close.
  frame_.reset();
  doc_.reset();
  StoreSettings(Settings, profile_);
  if (!profile_.Save(settingsPath_))
    messages_->Show(MessageIcon::Stop, res::Format(res::IDS_CANT_WRITE_SETTINGS, settingsPath_));
  return loopResult;
}
