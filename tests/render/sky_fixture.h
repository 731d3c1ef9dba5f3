// Renders real frames of the sky offscreen, from the real data files, for
// tests that look at what a user would see.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QImage>
#include <cmath>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "astro/transforms.h"
#include "render/display_list_ids.h"
#include "render/gl.h"
#include "render/offscreen_render.h"
#include "render/sky_renderer.h"
#include "render/sky_view.h"
#include "sky/messages.h"
#include "sky/sky_doc.h"

// Collects the messages a frame would have shown.
class RecordingMessenger : public CMessenger {
 public:
  void Show(MessageIcon icon, std::string_view text) override {
    Lines.push_back(MessageLine(icon, text));
  }
  std::vector<std::string> Lines;
};

class ThrowOnMissingCatalogue : public CCatalogueFailure {
 public:
  [[noreturn]] void MissingFile(const char* fileName) override {
    throw std::runtime_error(fileName);
  }
};

// A document loaded from data/, a sky view (never shown) and an offscreen
// canvas of its format. Each test starts from the default settings at a
// fixed instant; it may change the settings, the document or the view
// before calling Render.
class SkyFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::getenv("DISPLAY"))
      GTEST_FAIL() << "needs an X display: run the tests under xvfb-run (./dev.sh test)";
    settings_.TimeZone = 0;
    settings_.DaylightSavingTime = 0;
    settings_.TimeZoneId.clear();
    ReadDataFrom(STELLIX_SOURCE_DATA_DIR);
  }

  // A document, view and canvas made anew from the data files of `directory`.
  void ReadDataFrom(const std::string& directory) {
    canvas_.reset();
    view_.reset();
    doc_.reset();
    doc_ = std::make_unique<CSkyDoc>(settings_, catalog::DataFiles{directory});
    ThrowOnMissingCatalogue failure;
    doc_->OnNewDocument(failure, nullptr, astro::CivilTime{2026, 12, 8, 22, 0, 0});
    // The layers of the faint-star and NGC/IC files only where a test fills them.
    doc_->Catalogues.DeepCatalogues.Use({}, {});
    view_ = std::make_unique<CSkyView>(*doc_, messages_);
    canvas_ = std::make_unique<COffscreenCanvas>(*view_);
    ASSERT_TRUE(canvas_->IsValid());
  }

  void TearDown() override {
    canvas_.reset();
    view_.reset();
    doc_.reset();
  }

  // Switches every optional layer off, so a test sees only what it turns on.
  void AllLayersOff() {
    doc_->Settings().Coordinations = doc_->Settings().Boundaries = doc_->Settings().Constelations =
        doc_->Settings().DeepSky = 0;
    doc_->Settings().MilkyWay = doc_->Settings().SolarSystem = doc_->Settings().Ecliptic =
        doc_->Settings().StarNames = 0;
    doc_->Settings().PlanetNames = doc_->Settings().DeepSkyLabels = doc_->Settings().SkyColors =
        doc_->Settings().SmallBodies = 0;
  }

  // Puts body `index` of Bodies at altitude and azimuth (degrees, from the
  // south through the east) for the document's instant and place.
  void PlaceBody(int index, double altitude, double azimuth) {
    const astro::EquatorialCoord c = doc_->Sky.AstroState.SkyAt(azimuth, altitude);
    doc_->Sky.Bodies[index].RightAscension = c.RightAscension;
    doc_->Sky.Bodies[index].Declination = c.Declination;
  }

  // A landscape picture clear everywhere: the land hides nothing above the
  // ground (the landscape is drawn whatever the sky background).
  void ClearLandscape() {
    ASSERT_TRUE(canvas_->MakeCurrent());
    if (view_->Renderer().TextureName(render::kTexHorizon) == 0) {
      // The scene's textures are made with the first frame.
      canvas_->DoneCurrent();
      Render();
      ASSERT_TRUE(canvas_->MakeCurrent());
    }
    const unsigned char clear[4] = {0, 0, 0, 0};
    glBindTexture(GL_TEXTURE_2D, view_->Renderer().TextureName(render::kTexHorizon));
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, clear);
    glBindTexture(GL_TEXTURE_2D, 0);
    canvas_->DoneCurrent();
  }

  // The ground's colour, lit or dark: its own hue at any brightness.
  static bool GroundColoured(const QColor& c) {
    return std::abs(c.red() - c.green() * 92.0 / 98) <= 2 &&
           std::abs(c.blue() - c.green() * 72.0 / 98) <= 2;
  }

  QImage Render(int width = 400, int height = 400) {
    QImage image = canvas_->Render(width, height);
    EXPECT_FALSE(image.isNull());
    return image;
  }

  static QColor At(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

  AppSettings settings_;
  RecordingMessenger messages_;
  std::unique_ptr<CSkyDoc> doc_;
  std::unique_ptr<CSkyView> view_;
  std::unique_ptr<COffscreenCanvas> canvas_;
};
