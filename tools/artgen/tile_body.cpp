// Shape of a tile picture: the face, the depth band, the outline and the white surround.
#include "tools/artgen/tile_body.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/artgen/tile_faces.h"

namespace kestalon::artgen {
namespace {

// What each pixel of a tile picture belongs to.
enum class Part { Surround, Band, Outline, Frame, Face };

struct RoundedRect {
  double left, top, right, bottom, radius;

  bool Contains(double x, double y) const {
    if (x < left || x >= right || y < top || y >= bottom) return false;
    const double cx = std::clamp(x, left + radius, right - radius);
    const double cy = std::clamp(y, top + radius, bottom - radius);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
  }
};

QRgb Mix(QRgb a, QRgb b, double f) {
  auto channel = [f](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * f)); };
  return qRgb(channel(qRed(a), qRed(b)), channel(qGreen(a), qGreen(b)),
              channel(qBlue(a), qBlue(b)));
}

// The pale face, a shade warmer towards the bottom.
constexpr QRgb kFaceTop = qRgb(253, 250, 240);
constexpr QRgb kFaceBottom = qRgb(241, 233, 211);
constexpr QRgb kFrame = qRgb(18, 18, 18);
constexpr QRgb kOutline = qRgb(40, 26, 14);
// The visible side: an ivory layer under the face, then a warm amber back. The left side
// catches more light than the bottom one.
constexpr QRgb kLeftIvory = qRgb(236, 224, 192);
constexpr QRgb kLeftIvoryDeep = qRgb(222, 206, 170);
constexpr QRgb kLeftBack = qRgb(226, 152, 62);
constexpr QRgb kLeftBackDeep = qRgb(196, 122, 40);
constexpr QRgb kBottomIvory = qRgb(212, 196, 160);
constexpr QRgb kBottomIvoryDeep = qRgb(196, 178, 140);
constexpr QRgb kBottomBack = qRgb(190, 118, 42);
constexpr QRgb kBottomBackDeep = qRgb(160, 96, 30);
// Share of the depth taken by the ivory layer.
constexpr double kIvoryShare = 0.5;

class Classifier {
 public:
  explicit Classifier(const TileGeometry& g)
      : size_(g.PictureSize()),
        parts_(size_.width() * size_.height(), Part::Surround),
        depth_(parts_.size(), 0.0) {
    const QRect face = g.FaceRect();
    const RoundedRect faceShape{double(face.left()), double(face.top()),
                                double(face.left() + face.width()),
                                double(face.top() + face.height()), double(g.CornerRadius())};
    const int steps = g.depth * g.scale;
    for (int y = 0; y < size_.height(); ++y) {
      for (int x = 0; x < size_.width(); ++x) {
        const double px = x + 0.5, py = y + 0.5;
        // The band is the face swept towards the lower left; the first slice that holds
        // the pixel tells how deep into the tile's side it lies.
        for (int t = 0; t <= steps; ++t) {
          const double dy = std::round(double(t) * (g.depth - 1) / g.depth);
          if (faceShape.Contains(px + t, py - dy)) {
            At(x, y) = t == 0 ? Part::Face : Part::Band;
            depth_[Index(x, y)] = steps > 0 ? double(t) / steps : 0.0;
            break;
          }
        }
      }
    }
    const int frame = g.FrameWidth();
    std::vector<Part> edged = parts_;
    for (int y = 0; y < size_.height(); ++y) {
      for (int x = 0; x < size_.width(); ++x) {
        const Part part = At(x, y);
        if (part == Part::Surround) continue;
        bool nearSurround = false, nearBand = false;
        for (int dy = -frame; dy <= frame; ++dy) {
          for (int dx = -frame; dx <= frame; ++dx) {
            const Part other = Get(x + dx, y + dy);
            nearSurround |= other == Part::Surround;
            nearBand |= other != Part::Face;
          }
        }
        Part& out = edged[Index(x, y)];
        if (part == Part::Face && nearBand) {
          out = Part::Frame;
        } else if (nearSurround) {
          out = Part::Outline;
        }
      }
    }
    parts_ = std::move(edged);
    faceLeft_ = face.left();
    faceBottom_ = face.top() + face.height();
    slope_ = double(g.depth - 1) / g.depth;
  }

  Part At(int x, int y) const { return parts_[Index(x, y)]; }
  double Depth(int x, int y) const { return depth_[Index(x, y)]; }
  // Whether a band pixel shows the bottom side rather than the left one: it lies below the
  // line that the face's bottom-left corner sweeps.
  bool OnBottomSide(int x, int y) const {
    return (y + 0.5 - faceBottom_) > (faceLeft_ - (x + 0.5)) * slope_;
  }

 private:
  int Index(int x, int y) const { return y * size_.width() + x; }
  Part& At(int x, int y) { return parts_[Index(x, y)]; }
  Part Get(int x, int y) const {
    if (x < 0 || y < 0 || x >= size_.width() || y >= size_.height()) return Part::Surround;
    return At(x, y);
  }

  QSize size_;
  std::vector<Part> parts_;
  std::vector<double> depth_;
  int faceLeft_ = 0;
  int faceBottom_ = 0;
  double slope_ = 1.0;
};

QRgb BandColour(double depth, bool bottom) {
  if (depth <= kIvoryShare) {
    const double f = depth / kIvoryShare;
    return bottom ? Mix(kBottomIvory, kBottomIvoryDeep, f) : Mix(kLeftIvory, kLeftIvoryDeep, f);
  }
  const double f = (depth - kIvoryShare) / (1.0 - kIvoryShare);
  return bottom ? Mix(kBottomBack, kBottomBackDeep, f) : Mix(kLeftBack, kLeftBackDeep, f);
}

}  // namespace

QSize TileGeometry::PictureSize() const {
  return {(faceWidth + depth) * scale, (faceHeight + depth - 1) * scale};
}

QRect TileGeometry::FaceRect() const {
  return {depth * scale, 0, faceWidth * scale, faceHeight * scale};
}

int TileGeometry::FrameWidth() const {
  return scale * std::max(1, static_cast<int>(std::lround(faceWidth / 63.0)));
}

int TileGeometry::CornerRadius() const {
  return scale * std::max(2, static_cast<int>(std::lround(faceWidth / 15.0)));
}

TileGeometry TileGeometry::AtScale(int newScale) const {
  TileGeometry g = *this;
  g.scale = newScale;
  return g;
}

QImage RenderTile(const TileGeometry& geometry, int kind) {
  const Classifier parts(geometry);
  const QSize size = geometry.PictureSize();
  const QRect face = geometry.FaceRect();
  QImage body(size, QImage::Format_ARGB32);
  body.fill(Qt::transparent);
  for (int y = 0; y < size.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(body.scanLine(y));
    for (int x = 0; x < size.width(); ++x) {
      switch (parts.At(x, y)) {
        case Part::Surround:
          break;
        case Part::Outline:
          line[x] = kOutline;
          break;
        case Part::Frame:
          line[x] = kFrame;
          break;
        case Part::Band:
          line[x] = BandColour(parts.Depth(x, y), parts.OnBottomSide(x, y));
          break;
        case Part::Face:
          line[x] = Mix(kFaceTop, kFaceBottom, double(y - face.top()) / face.height());
          break;
      }
    }
  }

  // The symbol is painted antialiased over a copy, then only the face pixels are taken
  // from it: the frame, band and surround keep their hard edges.
  QImage painted = body.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  {
    QPainter painter(&painted);
    painter.setRenderHint(QPainter::Antialiasing);
    const int frame = geometry.FrameWidth();
    const QRect interior = face.adjusted(frame, frame, -frame, -frame);
    painter.setClipRect(interior);
    DrawFaceSymbol(painter, QRectF(interior), kind);
  }
  painted = painted.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < size.height(); ++y) {
    auto* out = reinterpret_cast<QRgb*>(body.scanLine(y));
    const auto* symbol = reinterpret_cast<const QRgb*>(painted.constScanLine(y));
    for (int x = 0; x < size.width(); ++x) {
      if (parts.At(x, y) == Part::Face) out[x] = symbol[x] | 0xFF000000u;
    }
  }
  return body;
}

QImage WithWhiteSurround(const QImage& tile) {
  const QImage source = tile.convertToFormat(QImage::Format_ARGB32);
  QImage out(source.size(), QImage::Format_RGB32);
  constexpr QRgb kWhite = qRgb(255, 255, 255);
  for (int y = 0; y < source.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < source.width(); ++x) {
      if (qAlpha(in[x]) < 128) {
        line[x] = kWhite;
      } else {
        const QRgb rgb = qRgb(qRed(in[x]), qGreen(in[x]), qBlue(in[x]));
        line[x] = rgb == kWhite ? qRgb(254, 254, 254) : rgb;
      }
    }
  }
  return out;
}

}  // namespace kestalon::artgen
