// One set of 42 tile pictures, with white made transparent and a highlighted version of each,
// made into pixmaps when first drawn at the pixel density in use.
#pragma once

#include <array>

#include <QPixmap>

#include "core/game.h"

class QPainter;

namespace kestalon {

// The two ways a picture is drawn: through its white mask, or blended with the highlight colour.
enum class DrawStyle { Transparent = 1, Selected = 2 };

class TileImageList {
 public:
  // The pictures of one tile size from the compiled-in artwork; nothing is made yet.
  explicit TileImageList(bool large);

  bool large() const { return large_; }
  // Draws picture kind (1..42) with its top-left corner at (x, y); other kinds draw nothing.
  // A surface of high pixel density gets the twice-size picture.
  void Draw(QPainter& painter, TileKind kind, int x, int y, DrawStyle style);
  const QPixmap& Picture(TileKind kind, DrawStyle style, bool hiDpi = false);

 private:
  struct Pictures {
    bool loaded = false;
    std::array<QPixmap, 43> transparent;
    std::array<QPixmap, 43> selected;
  };
  void Load(bool hiDpi, Pictures& set);

  bool large_;
  // The pictures, plain and twice-size, each set made on first use.
  Pictures normal_;
  Pictures doubled_;
};

}  // namespace kestalon
