#include "render/bmp_reader.h"

#include <bit>
#include <cstdio>
#include <limits>
#include <memory>
#include <new>

#include "catalog/little_endian.h"
#include "catalog/regular_file.h"
#include "res/strings.h"

namespace render {
namespace {

constexpr std::uint64_t kMaxFileBytes = 256ull << 20;
constexpr std::uint64_t kMaxPixels = 64ull << 20;

std::uint32_t U16(std::span<const std::uint8_t> b, std::size_t at) {
  return catalog::LittleU16(&b[at]);
}
std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at) {
  return catalog::LittleU32(&b[at]);
}

// One channel of a bit-field pixel, scaled to 0..255.
std::uint8_t Channel(std::uint32_t pixel, std::uint32_t mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const std::uint32_t max = mask >> shift;
  const std::uint32_t value = (pixel & mask) >> shift;
  return static_cast<std::uint8_t>((value * 255 + max / 2) / max);
}

struct Rgb {
  std::uint8_t r, g, b;
};

}  // namespace

BitmapError DecodeBitmap(std::span<const std::uint8_t> file, TextureImage& image) {
  constexpr std::size_t kFileHeader = 14;
  if (file.size() < kFileHeader + 4) return BitmapError::Conversion;
  const std::uint32_t bitsOffset = U32(file, 10);
  const std::uint32_t headerSize = U32(file, kFileHeader);
  if (headerSize != 12 && headerSize != 40) return BitmapError::UnknownFormat;
  if (file.size() < kFileHeader + headerSize) return BitmapError::Conversion;

  std::int64_t width, height;
  std::uint32_t bitCount, compression = 0, usedColours = 0;
  std::size_t tableEntrySize;
  if (headerSize == 12) {
    width = U16(file, 18);
    height = static_cast<std::int16_t>(U16(file, 20));
    bitCount = U16(file, 24);
    tableEntrySize = 3;
  } else {
    width = static_cast<std::int32_t>(U32(file, 18));
    height = static_cast<std::int32_t>(U32(file, 22));
    bitCount = U16(file, 28);
    compression = U32(file, 30);
    usedColours = U32(file, 46);
    tableEntrySize = 4;
  }
  const bool topDown = height < 0;
  if (topDown) height = -height;
  if (width <= 0 || height <= 0) return BitmapError::Conversion;
  if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 &&
      bitCount != 32)
    return BitmapError::Conversion;
  // Uncompressed bits only; 16- and 32-bit images may give their channel masks.
  const bool bitFields = compression == 3 && (bitCount == 16 || bitCount == 32);
  if (compression != 0 && !bitFields) return BitmapError::Conversion;

  std::uint32_t masks[3];
  if (bitFields) {
    const std::size_t at = kFileHeader + headerSize;
    if (file.size() < at + 12) return BitmapError::Conversion;
    for (int i = 0; i < 3; ++i) masks[i] = U32(file, at + 4 * i);
  } else if (bitCount == 16) {
    masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
  } else {
    masks[0] = 0x00FF0000, masks[1] = 0x0000FF00, masks[2] = 0x000000FF;
  }

  // Colour table of the palette images.
  std::vector<Rgb> palette;
  if (bitCount <= 8) {
    std::uint64_t entries = usedColours != 0 ? usedColours : (1u << bitCount);
    const std::uint64_t tableAt = kFileHeader + headerSize;
    if (entries > 256 || tableAt + entries * tableEntrySize > file.size())
      return BitmapError::Conversion;
    palette.resize(entries);
    for (std::uint64_t i = 0; i < entries; ++i) {
      const std::size_t at = tableAt + i * tableEntrySize;
      palette[i] = {file[at + 2], file[at + 1], file[at]};
    }
  }

  const std::uint64_t stride = (static_cast<std::uint64_t>(width) * bitCount + 31) / 32 * 4;
  const std::uint64_t pixels =
      static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height);
  if (pixels > kMaxPixels) return BitmapError::OutOfMemory;
  if (bitsOffset < kFileHeader + headerSize || bitsOffset > file.size() ||
      stride * static_cast<std::uint64_t>(height) > file.size() - bitsOffset)
    return BitmapError::Conversion;

  TextureImage out;
  out.Width = static_cast<int>(width);
  out.Height = static_cast<int>(height);
  try {
    out.Pixels.resize(pixels * 3);
  } catch (const std::bad_alloc&) {
    return BitmapError::OutOfMemory;
  }

  for (std::int64_t row = 0; row < height; ++row) {
    // Output rows run bottom-up; a top-down file stores its bottom row last.
    const std::int64_t fileRow = topDown ? height - 1 - row : row;
    const std::span<const std::uint8_t> bits = file.subspan(bitsOffset + fileRow * stride, stride);
    std::uint8_t* dst = &out.Pixels[static_cast<std::size_t>(row * width * 3)];
    for (std::int64_t x = 0; x < width; ++x, dst += 3) {
      Rgb c{0, 0, 0};
      if (bitCount <= 8) {
        const std::uint64_t bitPos = static_cast<std::uint64_t>(x) * bitCount;
        const std::uint8_t byte = bits[bitPos / 8];
        const unsigned index = (byte >> (8 - bitCount - bitPos % 8)) & ((1u << bitCount) - 1);
        if (index < palette.size()) c = palette[index];
      } else if (bitCount == 24) {
        c = {bits[x * 3 + 2], bits[x * 3 + 1], bits[x * 3]};
      } else {
        const std::uint32_t p = bitCount == 16 ? U16(bits, x * 2) : U32(bits, x * 4);
        c = {Channel(p, masks[0]), Channel(p, masks[1]), Channel(p, masks[2])};
      }
      dst[0] = c.r, dst[1] = c.g, dst[2] = c.b;
    }
  }
  image = std::move(out);
  return BitmapError::None;
}

namespace {

// The whole file, up to kMaxFileBytes.
BitmapError ReadFileBytes(const char* path, std::vector<std::uint8_t>& bytes) {
  struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  std::unique_ptr<std::FILE, Closer> f(catalog::OpenRegularFile(path, "rb"));
  if (!f) return BitmapError::OpenFailed;
  if (std::fseek(f.get(), 0, SEEK_END) != 0) return BitmapError::OpenFailed;
  const long size = std::ftell(f.get());
  if (size < 0) return BitmapError::OpenFailed;
  if (static_cast<std::uint64_t>(size) > kMaxFileBytes) return BitmapError::OutOfMemory;
  std::rewind(f.get());
  bytes.resize(static_cast<std::size_t>(size));
  if (!bytes.empty() && std::fread(bytes.data(), 1, bytes.size(), f.get()) != bytes.size())
    return BitmapError::OpenFailed;
  return BitmapError::None;
}

}  // namespace

BitmapError ReadBitmapFile(const char* path, TextureImage& image) {
  std::vector<std::uint8_t> bytes;
  const BitmapError read = ReadFileBytes(path, bytes);
  return read != BitmapError::None ? read : DecodeBitmap(bytes, image);
}

std::string BitmapErrorMessage(BitmapError error, const char* path) {
  switch (error) {
    case BitmapError::None:
      return {};
    case BitmapError::OpenFailed:
      return res::Format(res::IDS_DIB_OPEN_FAILED, path);
    case BitmapError::UnknownFormat:
      return std::string(res::String(res::IDS_DIB_UNKNOWN_FORMAT));
    case BitmapError::Conversion:
      return std::string(res::String(res::IDS_DIB_CONVERSION_ERROR));
    case BitmapError::OutOfMemory:
      return std::string(res::String(res::IDS_OUT_OF_MEMORY));
  }
  return {};
}

std::string ReadTextureFile(const catalog::DataFiles& files, const char* name,
                            TextureImage& image) {
  std::vector<std::uint8_t> bytes;
  const BitmapError read = ReadFileBytes(files.Path(name).c_str(), bytes);
  if (read == BitmapError::OpenFailed) return res::Format(res::IDS_CANT_OPEN_FILE, name);
  if (read == BitmapError::None && (bytes.size() < 14 || bytes[0] != 'B' || bytes[1] != 'M'))
    return res::Format(res::IDS_TEXTURE_UNUSABLE, {name, res::String(res::IDS_NOT_A_BITMAP)});
  const BitmapError error = read != BitmapError::None ? read : DecodeBitmap(bytes, image);
  if (error == BitmapError::None) return {};
  return res::Format(res::IDS_TEXTURE_UNUSABLE, {name, BitmapErrorMessage(error, name)});
}

std::vector<std::uint8_t> WidenToRgba(const TextureImage& image) {
  std::vector<std::uint8_t> rgba(image.Pixels.size() / 3 * 4);
  for (std::size_t i = 0, j = 0; i + 2 < image.Pixels.size(); i += 3, j += 4) {
    const int r = image.Pixels[i], g = image.Pixels[i + 1], b = image.Pixels[i + 2];
    rgba[j] = static_cast<std::uint8_t>(r);
    rgba[j + 1] = static_cast<std::uint8_t>(g);
    rgba[j + 2] = static_cast<std::uint8_t>(b);
    rgba[j + 3] = static_cast<std::uint8_t>((r + g + b) / 3);
  }
  return rgba;
}

}  // namespace render
