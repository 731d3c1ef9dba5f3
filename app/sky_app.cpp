#include "app/sky_app.h"

#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QImageWriter>
#include <QOpenGLContext>
#include <QPageLayout>
#include <QTimer>
#include <cctype>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <future>

#include "app/exit_status.h"
#include "app/paths.h"
#include "app/quit_signals.h"
#include "app/startup.h"
#include "print/altitude_plot_printer.h"
#include "print/chart_printer.h"
#include "render/offscreen_render.h"
#include "render/sky_view.h"
#include "res/qt_text.h"
#include "res/strings.h"
#include "sky/altitude_plot.h"
#include "sky/object_names.h"
#include "sky/places.h"
#include "sky/search.h"
#include "sky/sky_doc.h"
#include "ui/main_frame.h"
#include "ui/message_box.h"
#include "ui/real_time_clock.h"
#include "ui/splash_window.h"

namespace {

// The margins of a --print-pdf page, as a printer leaves unprinted.
constexpr double kPdfMarginMm = 10.0;

// A catalogue file that cannot be opened ends the program at once with
// status 3, after its message; nothing is saved. A damaged one is named.
class CExitOnMissingCatalogue : public CCatalogueFailure {
 public:
  explicit CExitOnMissingCatalogue(CMessenger& messages) : messages_(messages) {}
  [[noreturn]] void MissingFile(const char* fileName) override {
    messages_.Show(MessageIcon::Stop, TranslatedFormat(res::IDS_CANT_OPEN_FILE, {fileName}));
    std::fflush(nullptr);
    std::_Exit(ToInt(ExitStatus::MissingData));
  }
  void DamagedFile(const char*, const std::string& message) override {
    messages_.Show(MessageIcon::Exclamation, message);
  }

 private:
  CMessenger& messages_;
};

// The image format a file name asks for by its suffix (PNG when it has
// none); empty when Qt cannot write that format.
QByteArray ImageFormatOf(const std::string& fileName) {
  const QByteArray suffix = QFileInfo(QString::fromStdString(fileName)).suffix().toLower().toUtf8();
  if (suffix.isEmpty()) return "png";
  return QImageWriter::supportedImageFormats().contains(suffix) ? suffix : QByteArray();
}

}  // namespace

CSkyApp::CSkyApp(int& argc, char** argv, const CommandLine& commandLine)
    : QApplication(argc, argv), commandLine_(commandLine) {
  // Qt adopts the user's locale; the catalogue readers and the settings
  // store read numbers with a decimal point whatever the language.
  std::setlocale(LC_NUMERIC, "C");
  setApplicationName("stellix");
  setApplicationVersion(STELLIX_VERSION);
  // The desktop entry's name, so that a Wayland compositor matches the window to it.
  setDesktopFileName(QStringLiteral("org.stellix.Stellix"));
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/app-icon/%1.png").arg(size), QSize(size, size));
  setWindowIcon(icon);
}

CSkyApp::~CSkyApp() {
  // A start-up that ended early leaves the splash standing.
  CSplashWindow::Close();
}

bool CSkyApp::InitInstance() {
  const std::string program =
      QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString();
  // The printed chart and the altitude plot run without a display: their
  // messages go to standard error.
  const bool printing = !commandLine_.PrintPdfFile.empty();
  const bool plotting = !commandLine_.PlotFile.empty();
  messages_ = std::make_unique<CMessageBoxes>(commandLine_.NonInteractive || printing || plotting);

  // The data directory holds the catalogues and textures, opened by their
  // paths under it, and (when writable) the settings file.
  const StartupPaths paths = ResolveStartupPaths(
      commandLine_, QCoreApplication::applicationDirPath().toStdString(), program);
  if (!paths.Error.empty()) {
    std::fprintf(stderr, "%s: %s\n", program.c_str(), paths.Error.c_str());
    ShowStartRefusal(paths.Error);
    exitCode_ = ToInt(ExitStatus::MissingData);
    return false;
  }
  if (!commandLine_.RenderFile.empty() && ImageFormatOf(commandLine_.RenderFile).isEmpty()) {
    std::fprintf(stderr, "%s: cannot write %s: no image format for its suffix (%s)\n",
                 program.c_str(), commandLine_.RenderFile.c_str(),
                 QImageWriter::supportedImageFormats().join(", ").constData());
    exitCode_ = ToInt(ExitStatus::BadCommandLine);
    return false;
  }
  InstallDirectory = paths.InstallDirectory;
  settingsPath_ = paths.SettingsPath;
  // A relative chart file is relative to where the program was started.
  if (printing) printPdfPath_ = std::filesystem::absolute(commandLine_.PrintPdfFile).string();

  std::error_code noFile;
  const bool firstStart = !std::filesystem::exists(settingsPath_, noFile);
  profile_.Load(settingsPath_);
  const std::vector<std::string> clamped = LoadSettings(profile_, Settings);
  if (firstStart) FirstStartView(Settings);
  translations_.Install(QString::fromStdString(TranslationsDirectory(
                            QCoreApplication::applicationDirPath().toStdString())),
                        QString::fromStdString(Settings.Language));
  // Scripts learn that the settings they gave were not taken as they stand.
  if (commandLine_.NonInteractive && !clamped.empty())
    messages_->Show(MessageIcon::Exclamation, SettingsClampedMessage(settingsPath_, clamped));

  doc_ = std::make_unique<CSkyDoc>(Settings, catalog::DataFiles{InstallDirectory});
  doc_->KeepElementsIn(sky::KeptElementsPath(settingsPath_));
  // The faint-star and NGC/IC files are read when a limit or a search first
  // needs them, often in the middle of a zoom or a search: a window tells of
  // their damage once that step is done; a run without a window (or without
  // a person) at once.
  doc_->Catalogues.DeepCatalogues.ReportDamageTo([this](const std::string& message) {
    if (commandLine_.Headless() || commandLine_.NonInteractive)
      messages_->Show(MessageIcon::Exclamation, message);
    else
      QTimer::singleShot(0, this,
                         [this, message] { messages_->Show(MessageIcon::Exclamation, message); });
  });
  // The round splash stands in front while the sky loads. As it first
  // paints, it ends the program on a display of 256 colours or fewer.
  if (commandLine_.ShowSplash && !commandLine_.Headless())
    CSplashWindow::Open(CSplashWindow::Mode::Splash);
  // The printed chart is drawn with QPainter alone: no GL, no window. A
  // frame drawn offscreen checks its own context (it may need no display).
  if (!printing && !plotting) {
    // The first GL context takes a good part of the start-up: it is made
    // in a thread of its own while the window's widgets are made, where Qt
    // allows GL in a thread. Asking it loads the GL driver, on this thread.
    std::future<bool> canCreateContext;
    if (commandLine_.RenderFile.empty())
      canCreateContext = std::async(
          QOpenGLContext::supportsThreadedOpenGL() ? std::launch::async : std::launch::deferred,
          &CSkyView::CanCreateContext);
    frame_ = std::make_unique<CMainFrame>(*doc_, *messages_);
    if (canCreateContext.valid() && !canCreateContext.get()) {
      frame_.reset();
      messages_->Show(MessageIcon::Stop, TranslatedString(res::IDS_CANT_INIT_OPENGL));
      exitCode_ = ToInt(ExitStatus::NoOpenGL);
      return false;
    }
  }
  // The catalogues are loaded now; the view makes its display lists and
  // textures from them when its GL context comes up with the window.
  CExitOnMissingCatalogue onMissing(*messages_);
  if (!doc_->OnNewDocument(onMissing, nullptr, commandLine_.DateTime)) {
    exitCode_ = ToInt(ExitStatus::Failure);
    return false;
  }
  if (!commandLine_.Elements.empty()) {
    const std::string refusal = doc_->ImportElements(commandLine_.Elements).Error;
    if (!refusal.empty()) {
      messages_->Show(MessageIcon::Stop, refusal);
      exitCode_ = ToInt(ExitStatus::BadCommandLine);
      return false;
    }
  }
  // --place changes the place for this run only: ExitInstance puts the
  // settings' own place back unless the user chose another meanwhile.
  const AppSettings beforePlace = Settings;
  if (const std::string refusal = ApplyPlaceOption(commandLine_, *doc_); !refusal.empty()) {
    std::fprintf(stderr, "stellix: %s\n", refusal.c_str());
    ShowStartRefusal(refusal);
    exitCode_ = ToInt(ExitStatus::BadCommandLine);
    return false;
  }
  if (!commandLine_.Place.empty()) {
    locationBeforePlace_ = beforePlace;
    placeLocation_ = Settings;
  }
  if (!CentreOnOption()) {
    exitCode_ = ToInt(ExitStatus::BadCommandLine);
    return false;
  }
  if (plotting) {
    exitCode_ = PlotToFile();
    return false;
  }
  // The chart shows the document's view as start-up leaves it.
  if (printing) {
    exitCode_ = PrintToPdf();
    return false;
  }
  frame_->UpdatePanes();
  // A date and time of the command line's is the sky of this run: no real time.
  if (commandLine_.DateTime) Settings.RealTime = 0;
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
  // The splash goes once the sky is on the screen.
  if (CSplashWindow* splash = CSplashWindow::Current();
      splash && splash->WindowMode() == CSplashWindow::Mode::Splash)
    connect(frame_->View(), &CSkyView::FramePainted, splash, &CSplashWindow::close,
            Qt::SingleShotConnection);
  frame_->showMaximized();
  frame_->RealTime().Start();
  return true;
}

void CSkyApp::ShowStartRefusal(const std::string& refusal) {
  // Started from a desktop's menu, the window's user never sees standard
  // error: the refusal of a run that would open the window is shown there too.
  if (commandLine_.NonInteractive || commandLine_.Headless() || refusal.empty()) return;
  std::string sentence = refusal + ".";
  sentence.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(sentence.front())));
  messages_->Show(MessageIcon::Stop, sentence);
}

bool CSkyApp::CentreOnOption() {
  if (commandLine_.CentreName.empty()) return true;
  const std::string refusal = CentreOnName(*doc_, commandLine_.CentreName);
  if (refusal.empty()) return true;
  // A frame or a chart to file cannot ask anyone: the refusal ends the run.
  // The window starts with the camera of the settings and shows the refusal
  // over it.
  if (commandLine_.Headless()) {
    std::fprintf(stderr, "%s\n", MessageLine(MessageIcon::Exclamation, refusal).c_str());
    return false;
  }
  QTimer::singleShot(0, frame_.get(),
                     [this, refusal] { messages_->Show(MessageIcon::Exclamation, refusal); });
  return true;
}

int CSkyApp::RenderToFile() {
  COffscreenCanvas canvas(*frame_->View());
  const QImage image = canvas.Render(commandLine_.RenderWidth, commandLine_.RenderHeight);
  if (image.isNull()) {
    messages_->Show(MessageIcon::Stop, TranslatedString(res::IDS_CANT_INIT_OPENGL));
    return ToInt(ExitStatus::NoOpenGL);
  }
  if (commandLine_.Timing)
    std::fprintf(stderr, "stellix: frame written after %.0f ms\n", MillisecondsSinceProcessStart());
  // A PNG at quality 80, zlib's fastest compression: the default takes longer
  // than drawing the frame, for a file a third smaller. Other formats as
  // the name asks, at their writers' defaults.
  const QByteArray format = ImageFormatOf(commandLine_.RenderFile);
  if (!image.save(QString::fromStdString(commandLine_.RenderFile), format.constData(),
                  format == "png" ? 80 : -1)) {
    std::fprintf(stderr, "stellix: could not write %s\n", commandLine_.RenderFile.c_str());
    return ToInt(ExitStatus::BadCommandLine);
  }
  return ToInt(ExitStatus::Ok);
}

int CSkyApp::PrintToPdf() {
  const QPageLayout layout(
      QPageSize(commandLine_.PrintPaper == PaperSize::Letter ? QPageSize::Letter : QPageSize::A4),
      commandLine_.PrintLandscape ? QPageLayout::Landscape : QPageLayout::Portrait,
      QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm), QPageLayout::Millimeter);
  // The zoom the sky view would start with.
  const double zoom = Settings.Zoom == 0 ? 1.0 : Settings.Zoom;
  QString error;
  if (!print::WriteChartPdf(QString::fromStdString(printPdfPath_), layout, *doc_, zoom, error)) {
    std::fprintf(stderr, "stellix: cannot write %s: %s\n", commandLine_.PrintPdfFile.c_str(),
                 error.toLocal8Bit().constData());
    return ToInt(ExitStatus::BadCommandLine);
  }
  if (commandLine_.Timing)
    std::fprintf(stderr, "stellix: chart written after %.0f ms\n", MillisecondsSinceProcessStart());
  return ToInt(ExitStatus::Ok);
}

int CSkyApp::PlotToFile() {
  const std::optional<sky::SkyObjectRef> object =
      sky::FindObjectByName(*doc_, commandLine_.PlotName);
  if (!object) {
    std::fprintf(stderr, "stellix: no object is called \"%s\"\n", commandLine_.PlotName.c_str());
    return ToInt(ExitStatus::BadCommandLine);
  }
  const sky::AltitudePlot plot = sky::AltitudePlotOf(*doc_, sky::PlotTargetOf(*doc_, *object));
  QString error;
  if (!print::WriteAltitudePlot(QString::fromStdString(commandLine_.PlotFile), plot,
                                Settings.Location, error)) {
    std::fprintf(stderr, "stellix: cannot write %s: %s\n", commandLine_.PlotFile.c_str(),
                 error.toLocal8Bit().constData());
    return ToInt(ExitStatus::BadCommandLine);
  }
  // What was drawn, for scripts.
  std::fprintf(stdout, "%s\n", sky::AltitudePlotJson(plot).c_str());
  return ToInt(std::fflush(stdout) == 0 ? ExitStatus::Ok : ExitStatus::Failure);
}

int CSkyApp::ExitInstance(int loopResult) {
  // The window and the document hand their state back to the settings as they close.
  frame_.reset();
  doc_.reset();
  if (locationBeforePlace_ && sky::SameLocation(Settings, *placeLocation_))
    sky::CopyLocation(*locationBeforePlace_, Settings);
  StoreSettings(Settings, profile_);
  if (!profile_.Save(settingsPath_)) {
    messages_->Show(MessageIcon::Stop,
                    TranslatedFormat(res::IDS_CANT_WRITE_SETTINGS, {settingsPath_}));
    return loopResult != 0 ? loopResult : 1;
  }
  return loopResult;
}
