// The picture window: one picture file shown at its own size, from File
// Open, the recent-file list or a card's Image button.
#pragma once

#include <QDialog>
#include <memory>
#include <string>

#include "render/picture.h"

class CMessenger;

class CPictureWindow : public QDialog {
  Q_OBJECT

 public:
  // Shows a picture that has been loaded; titled with its file name.
  CPictureWindow(std::unique_ptr<CPicture> picture, QWidget* parent = nullptr);
  ~CPictureWindow() override;

  const CPicture& Picture() const { return *picture_; }

 private:
  std::unique_ptr<CPicture> picture_;
};

// Loads the picture at `path` and shows it modally; a file that cannot be
// read or decoded gives "Couldn't load the image "PATH" !" and no window. Returns
// whether the picture was shown.
bool ShowPictureFile(const std::string& path, CMessenger& messages, QWidget* parent);
