#include "ui/picture_window.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <filesystem>

#include "res/qt_text.h"
#include "sky/messages.h"

CPictureWindow::CPictureWindow(std::unique_ptr<CPicture> picture, QWidget* parent)
    : QDialog(parent), picture_(std::move(picture)) {
  setObjectName("PictureWindow");
  setWindowTitle(
      QString::fromStdString(std::filesystem::path(picture_->PathName).filename().string()));
  auto* image = new QLabel;
  image->setObjectName("Picture");
  image->setPixmap(QPixmap::fromImage(picture_->Image));
  auto* scroll = new QScrollArea;
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setAlignment(Qt::AlignCenter);
  scroll->setWidget(image);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(scroll);
  // The window fits the picture; one larger than the screen scrolls.
  QSize size(picture_->Width, picture_->Height);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
  resize(size);
}

CPictureWindow::~CPictureWindow() = default;

bool ShowPictureFile(const std::string& path, CMessenger& messages, QWidget* parent) {
  auto picture = std::make_unique<CPicture>(path);
  if (!picture->Loaded()) {
    messages.Show(MessageIcon::Stop, TranslatedFormat(res::IDS_CANT_LOAD_IMAGE, {path}));
    return false;
  }
  CPictureWindow window(std::move(picture), parent);
  window.exec();
  return true;
}
