// One picture file decoded for the picture window: JPEG, GIF, BMP and TIFF
// through Qt's image readers, PCX and TGA through the program's own
// decoders. No window is involved.
#pragma once

#include <QImage>
#include <string>

#include "render/image_file.h"

class CPicture {
 public:
  // Loads the picture at `path`; LastError tells how it went.
  explicit CPicture(const std::string& path);

  // Whether an image was decoded.
  bool Loaded() const { return LastError == picture::kLoaded && !Image.isNull(); }

  int LastError = picture::kNoImage;  // a picture::LoadError code
  picture::FileType Type = picture::kNotAPicture;
  int Width = 0, Height = 0;
  QImage Image;          // the decoded picture
  std::string PathName;  // the file's path
};
