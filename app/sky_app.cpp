#include "app/sky_app.h"

#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <clocale>
#include <cstdio>
#include <cstdlib>

#include "app/quit_signals.h"
#include "app/startup.h"
#include "render/offscreen_render.h"
#include "render/sky_view.h"
#include "res/qt_text.h"
#include "res/strings.h"
#include "sky/sky_doc.h"
#include "ui/main_frame.h"
#include "ui/message_box.h"

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
  const StartupPaths paths = ResolveStartupPaths(
      commandLine_, QCoreApplication::applicationDirPath().toStdString(), program);
  InstallDirectory = paths.InstallDirectory;
  settingsPath_ = paths.SettingsPath;
  if (!InstallDirectory.empty() && ::chdir(InstallDirectory.c_str()) != 0) InstallDirectory.clear();

  profile_.Load(settingsPath_);
  LoadSettings(profile_, Settings);

  doc_ = std::make_unique<CSkyDoc>(Settings);
  if (!CSkyView::CanCreateContext()) {
    messages_->Show(MessageIcon::Stop, res::String(res::IDS_CANT_INIT_OPENGL));
    exitCode_ = 1;
    return false;
  }
  frame_ = std::make_unique<CMainFrame>(*doc_, *messages_);
  // The catalogues are loaded now; the view makes its display lists and
  // textures from them when its GL context comes up with the window.
  CExitOnMissingCatalogue onMissing(*messages_);
  if (!doc_->OnNewDocument(onMissing, nullptr, commandLine_.DateTime)) {
    exitCode_ = 1;
    return false;
  }
  frame_->UpdatePanes();
  if (!commandLine_.RenderFile.empty()) {
    exitCode_ = RenderToFile();
    return false;
  }
  if (commandLine_.Timing) {
    // Every frame after the first too: the benchmark counts the frames of
    // the time animation on screen.
    connect(frame_->View(), &CSkyView::FramePainted, this, [frames = 0]() mutable {
      if (++frames == 1)
        std::fprintf(stderr, "stellix: first frame after %.0f ms\n",
                     MillisecondsSinceProcessStart());
      else
        std::fprintf(stderr, "stellix: frame %d after %.0f ms\n", frames,
                     MillisecondsSinceProcessStart());
    });
  }
  new CQuitOnSignals(this);
  frame_->showMaximized();
  return true;
}

int CSkyApp::RenderToFile() {
  COffscreenCanvas canvas(*frame_->View());
  const QImage image = canvas.Render(commandLine_.RenderWidth, commandLine_.RenderHeight);
  if (image.isNull()) {
    messages_->Show(MessageIcon::Stop, res::String(res::IDS_CANT_INIT_OPENGL));
    return 1;
  }
  if (commandLine_.Timing)
    std::fprintf(stderr, "stellix: frame written after %.0f ms\n", MillisecondsSinceProcessStart());
  // Quality 80 is zlib's fastest compression: the default takes longer than
  // drawing the frame, for a file a third smaller.
  if (!image.save(QString::fromStdString(commandLine_.RenderFile), "PNG", 80)) {
    std::fprintf(stderr, "stellix: could not write %s\n", commandLine_.RenderFile.c_str());
    return 1;
  }
  return 0;
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
