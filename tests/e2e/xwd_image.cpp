// Decoding of xwd's window dumps: a big-endian header of 25 numbers, a window name, a colour
// table, then the pixels of the window line by line.
#include "tests/e2e/xwd_image.h"

#include <array>
#include <bit>
#include <cstdint>

#include <QFile>

namespace kestalon::e2e {
namespace {

constexpr std::size_t kHeaderFields = 25;
constexpr std::size_t kHeaderBytes = kHeaderFields * 4;
constexpr std::size_t kColourEntryBytes = 12;
constexpr std::uint32_t kFileVersion = 7;
constexpr std::uint32_t kZPixmap = 2;
constexpr std::uint32_t kTrueColor = 4;
constexpr std::uint32_t kDirectColor = 5;
constexpr std::uint32_t kMaxSide = 16384;

// The header fields used here, by their index in the header.
enum Field : std::size_t {
  kHeaderSize = 0,
  kVersion = 1,
  kPixmapFormat = 2,
  kWidth = 4,
  kHeight = 5,
  kByteOrder = 7,
  kBitsPerPixel = 11,
  kBytesPerLine = 12,
  kVisualClass = 13,
  kRedMask = 14,
  kGreenMask = 15,
  kBlueMask = 16,
  kColourCount = 19,
};

std::uint32_t BigEndian32(const unsigned char* p) {
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) |
         std::uint32_t{p[3]};
}

// A channel scaled to 0..255 from the bits its mask selects.
int Channel(std::uint32_t pixel, std::uint32_t mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const std::uint32_t max = mask >> shift;
  return static_cast<int>(((pixel & mask) >> shift) * 255u / max);
}

QImage Fail(QString* error, const QString& reason) {
  if (error) *error = reason;
  return {};
}

}  // namespace

QImage ReadXwd(const QString& path, QString* error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return Fail(error, path + QStringLiteral(": cannot open"));
  const QByteArray data = file.readAll();
  const auto* bytes = reinterpret_cast<const unsigned char*>(data.constData());
  const auto size = static_cast<std::size_t>(data.size());
  if (size < kHeaderBytes) return Fail(error, path + QStringLiteral(": shorter than a header"));

  std::array<std::uint32_t, kHeaderFields> header{};
  for (std::size_t i = 0; i < kHeaderFields; ++i) header[i] = BigEndian32(bytes + 4 * i);
  if (header[kVersion] != kFileVersion || header[kPixmapFormat] != kZPixmap)
    return Fail(error, path + QStringLiteral(": not a version 7 ZPixmap dump"));
  if (header[kVisualClass] != kTrueColor && header[kVisualClass] != kDirectColor)
    return Fail(error, path + QStringLiteral(": not a true-colour dump"));

  const std::uint32_t width = header[kWidth];
  const std::uint32_t height = header[kHeight];
  const std::uint32_t bitsPerPixel = header[kBitsPerPixel];
  const std::uint32_t bytesPerLine = header[kBytesPerLine];
  if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide)
    return Fail(error, path + QStringLiteral(": implausible size"));
  if (bitsPerPixel != 16 && bitsPerPixel != 24 && bitsPerPixel != 32)
    return Fail(error, path + QStringLiteral(": %1 bits per pixel").arg(bitsPerPixel));
  const std::uint32_t bytesPerPixel = bitsPerPixel / 8;
  if (std::uint64_t{bytesPerLine} < std::uint64_t{width} * bytesPerPixel)
    return Fail(error, path + QStringLiteral(": lines shorter than the width"));

  const std::uint64_t pixelsAt =
      std::uint64_t{header[kHeaderSize]} + std::uint64_t{header[kColourCount]} * kColourEntryBytes;
  if (header[kHeaderSize] < kHeaderBytes || pixelsAt + std::uint64_t{bytesPerLine} * height > size)
    return Fail(error, path + QStringLiteral(": truncated"));

  const bool mostSignificantFirst = header[kByteOrder] == 1;
  QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
  for (std::uint32_t y = 0; y < height; ++y) {
    const unsigned char* line = bytes + pixelsAt + std::uint64_t{bytesPerLine} * y;
    auto* out = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y)));
    for (std::uint32_t x = 0; x < width; ++x) {
      const unsigned char* p = line + x * bytesPerPixel;
      std::uint32_t pixel = 0;
      for (std::uint32_t b = 0; b < bytesPerPixel; ++b) {
        const std::uint32_t byte = p[mostSignificantFirst ? b : bytesPerPixel - 1 - b];
        pixel = (pixel << 8) | byte;
      }
      out[x] = qRgb(Channel(pixel, header[kRedMask]), Channel(pixel, header[kGreenMask]),
                    Channel(pixel, header[kBlueMask]));
    }
  }
  return image;
}

}  // namespace kestalon::e2e
