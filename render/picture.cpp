#include "render/picture.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <fstream>
#include <iterator>
#include <vector>

#include "render/pcx_decoder.h"
#include "render/tga_decoder.h"

namespace {

// Files larger than this are not read into memory at all.
constexpr std::streamoff kMaxFileSize = 256LL * 1024 * 1024;

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return false;
  const std::streamoff size = in.tellg();
  if (size < 0 || size > kMaxFileSize) return false;
  bytes.resize(static_cast<std::size_t>(size));
  in.seekg(0);
  return static_cast<bool>(in.read(reinterpret_cast<char*>(bytes.data()), size));
}

const char* QtFormatOf(picture::FileType type) {
  switch (type) {
    case picture::kBmp:
      return "bmp";
    case picture::kGif:
      return "gif";
    case picture::kJpeg:
      return "jpeg";
    default:
      return "tiff";
  }
}

}  // namespace

CPicture::CPicture(const std::string& path) : PathName(path) {
  std::vector<std::uint8_t> bytes;
  if (!ReadWholeFile(path, bytes)) {
    LastError = picture::kCannotOpen;
    return;
  }
  Type = picture::FileTypeOf(bytes);
  if (Type == picture::kNotAPicture) {
    LastError = picture::kUnknownFileType;
    return;
  }
  if (Type == picture::kPcx || Type == picture::kTga) {
    picture::DecodedImage decoded;
    LastError = Type == picture::kPcx ? picture::DecodePcx(bytes, decoded)
                                      : picture::DecodeTga(bytes, decoded);
    if (LastError != picture::kLoaded) return;
    Image = QImage(decoded.Rgba.data(), decoded.Width, decoded.Height, decoded.Width * 4,
                   QImage::Format_RGBA8888)
                .copy();
  } else {
    QByteArray data(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    QImageReader reader(&buffer, QtFormatOf(Type));
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.width() > picture::kMaxDimension || size.height() > picture::kMaxDimension) {
      LastError = picture::kTooLarge;
      return;
    }
    Image = reader.read();
    LastError = Image.isNull() ? picture::kUndecodable : picture::kLoaded;
  }
  if (Image.isNull()) {
    if (LastError == picture::kLoaded) LastError = picture::kNoImage;
    return;
  }
  Width = Image.width();
  Height = Image.height();
}
