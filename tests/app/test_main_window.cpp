// Start-up and shut-down of the whole application, in this process.
#include <gtest/gtest.h>

#include <QTimer>
#include <memory>

#include "app/sky_app.h"
#include "sky/sky_doc.h"
#include "tests/test_files.h"
#include "ui/main_frame.h"

namespace {

// A data directory whose catalogue files exist (empty) and a settings file beside it.
class AppFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::getenv("DISPLAY"))
      GTEST_FAIL() << "needs an X display: run the tests under xvfb-run (./dev.sh test)";
    cwd_ = std::filesystem::current_path();
    std::filesystem::create_directory(dir_.Path() / "data");
    for (const char* name : kCatalogueFiles) dir_.Write(std::string("data/") + name, "");
  }
  void TearDown() override {
    if (!cwd_.empty()) std::filesystem::current_path(cwd_);
  }

  CommandLine Options() const {
    CommandLine cl;
    cl.NonInteractive = true;
    cl.ShowSplash = false;
    cl.DataDir = dir_.File("data");
    cl.SettingsFile = dir_.File("stellix.INI");
    return cl;
  }

  // Starts the application, lets `whileOpen` look at it, then closes the main window.
  void RunOnce(const std::function<void(CSkyApp&)>& whileOpen) {
    int argc = 1;
    char name[] = "stellix";
    char* argv[] = {name, nullptr};
    CSkyApp app(argc, argv, Options());
    ASSERT_TRUE(app.InitInstance());
    whileOpen(app);
    QTimer::singleShot(0, app.MainFrame(), [&app] { app.MainFrame()->close(); });
    app.ExitInstance(app.exec());
  }

  ScratchDir dir_;
  std::filesystem::path cwd_;
};

TEST_F(AppFixture, MainWindowIsTitledAndClosingItWritesTheSettings) {
  dir_.Write("stellix.INI",
             "[Settings]\nBoundaries=0\nCoordinations=1\n[Recent File List]\nFile1=/x.jpg\n");
  RunOnce([](CSkyApp& app) {
    EXPECT_EQ(app.MainFrame()->windowTitle().toStdString(), "Stellix");
    EXPECT_TRUE(app.MainFrame()->isVisible());
    ASSERT_NE(g_SkyDoc, nullptr);
    EXPECT_EQ(g_SkyDoc->Settings().Boundaries, 0);
    EXPECT_EQ(g_SkyDoc->Settings().Coordinations, 1);
    g_SkyDoc->Settings().MilkyWay = 0;
    g_SkyDoc->Settings().HorizonMode = 1;
  });
  EXPECT_EQ(g_SkyDoc, nullptr);

  const std::string text = ReadFile(dir_.File("stellix.INI"));
  EXPECT_NE(text.find("MilkyWay=0\n"), std::string::npos) << text;
  EXPECT_NE(text.find("HorizonMode=1\n"), std::string::npos);
  EXPECT_NE(text.find("File1=/x.jpg\n"), std::string::npos);
  EXPECT_NE(text.find("DaylightSavingTime=1\n"), std::string::npos);

  // The next start shows the switches as they were left.
  RunOnce([](CSkyApp&) {
    ASSERT_NE(g_SkyDoc, nullptr);
    EXPECT_EQ(g_SkyDoc->Settings().MilkyWay, 0);
    EXPECT_EQ(g_SkyDoc->Settings().HorizonMode, 1);
    EXPECT_EQ(g_SkyDoc->Settings().Boundaries, 0);
    EXPECT_EQ(g_SkyDoc->Settings().Coordinations, 1);
  });
}

}  // namespace
