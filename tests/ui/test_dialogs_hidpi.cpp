// The location dialog on a screen of twice the pixel density: the map grows
// with the dialog and clicks still name the right place.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "render/bmp_reader.h"
#include "render/sky_view.h"
#include "sky/messages.h"
#include "sky/sky_doc.h"
#include "ui/location_dialog.h"

namespace {

class NoMessages : public CMessenger {
 public:
  void Show(MessageIcon, std::string_view text) override { ADD_FAILURE() << text; }
};

class ThrowOnMissingCatalogue : public CCatalogueFailure {
 public:
  [[noreturn]] void MissingFile(const char* fileName) override {
    throw std::runtime_error(fileName);
  }
};

TEST(LocationDialogHighDpi, TheMapScalesWithTheDialog) {
  if (!std::getenv("DISPLAY"))
    GTEST_FAIL() << "needs an X display: run the tests under xvfb-run (./dev.sh test)";
  const std::filesystem::path cwd = std::filesystem::current_path();
  std::filesystem::current_path(STELLIX_SOURCE_DATA_DIR);
  AppSettings settings;
  CSkyDoc doc(settings);
  ThrowOnMissingCatalogue failure;
  doc.OnNewDocument(failure, nullptr, astro::CivilTime{2026, 12, 8, 22, 0, 0});
  NoMessages messages;
  CSkyView view(doc, messages);
  CLocationDialog dialog(doc, view, messages);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  ASSERT_DOUBLE_EQ(dialog.devicePixelRatioF(), 2.0);

  QWidget* map = dialog.findChild<QWidget*>("WorldMap");
  ASSERT_NE(map, nullptr);
  EXPECT_EQ(map->size(), QSize(390, 210)) << "device-independent pixels";
  const QImage shown = map->grab().toImage();
  EXPECT_EQ(shown.size(), QSize(780, 420)) << "twice as many device pixels";

  // Every map pixel covers 2 x 2 device pixels of its colour.
  render::TextureImage bitmap;
  ASSERT_EQ(render::ReadBitmapFile("worldmap.bmp", bitmap), render::BitmapError::None);
  for (const QPoint p : {QPoint(100, 40), QPoint(300, 120), QPoint(10, 170)}) {
    const std::size_t at = (static_cast<std::size_t>(bitmap.Height - 1 - p.y()) * bitmap.Width +
                            static_cast<std::size_t>(p.x())) *
                           3;
    const QColor want(bitmap.Pixels[at], bitmap.Pixels[at + 1], bitmap.Pixels[at + 2]);
    const QColor got = shown.pixelColor(2 * (p.x() + 15) + 1, 2 * (p.y() + 15) + 1);
    EXPECT_NEAR(got.red(), want.red(), 40) << p.x() << "," << p.y();
    EXPECT_NEAR(got.green(), want.green(), 40);
    EXPECT_NEAR(got.blue(), want.blue(), 40);
  }

  // A click names the place under it.
  QTest::mouseClick(map, Qt::LeftButton, {}, QPoint(375, 105));
  EXPECT_EQ(dialog.Fields().LongDeg, "180");
  EXPECT_EQ(dialog.Fields().EW, "E");
  QTest::mouseClick(map, Qt::LeftButton, {}, QPoint(214, 55));
  EXPECT_EQ(dialog.Fields().LatDeg, "50");
  EXPECT_EQ(dialog.Fields().LongDeg, "19");
  dialog.hide();
  std::filesystem::current_path(cwd);
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (::testing::GTEST_FLAG(list_tests) || !std::getenv("DISPLAY")) return RUN_ALL_TESTS();
  // As on a screen of 192 dots per inch.
  qputenv("QT_SCALE_FACTOR", "2");
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  return RUN_ALL_TESTS();
}
