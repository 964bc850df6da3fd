// The independent oracle of the saved-game format: one file built byte by byte, without the
// game's encoder.
#pragma once

#include <cstdint>
#include <vector>

namespace kestalon::testing {

// 889 bytes: "PC Kestalon", then signed 16-bit little-endian values at their offsets.
struct HandBuiltFile {
  std::vector<std::uint8_t> bytes = {'P', 'C', ' ', 'K', 'e', 's', 't', 'a', 'l', 'o', 'n'};
  HandBuiltFile() { bytes.resize(889); }
  HandBuiltFile& Set(std::size_t offset, int value) {
    bytes.at(offset) = static_cast<std::uint8_t>(value & 0xFF);
    bytes.at(offset + 1) = static_cast<std::uint8_t>((value >> 8) & 0xFF);
    return *this;
  }
  HandBuiltFile& SetBoard(int pos, int kind) { return Set(11 + 2 * pos, kind); }
  HandBuiltFile& SetSlot(int m, int firstPos, int firstKind, int secondPos, int secondKind) {
    const std::size_t at = 301 + 8 * static_cast<std::size_t>(m);
    return Set(at, firstPos).Set(at + 2, firstKind).Set(at + 4, secondPos).Set(at + 6, secondKind);
  }
  HandBuiltFile& SetCounters(int moveIndex, int redoLimit) {
    return Set(885, moveIndex).Set(887, redoLimit);
  }
};

// The pool-order deal (kinds 1..42 at 1..42, then 9..42 at 43..76, 77..110 and 111..144),
// three moves (Plum 1 with Orchid 4, Red dragon 9 with 43, Bamboo 9 144 with 110) and one
// undo: MoveIndex 3, RedoLimit 4, the third move still in its slot.
inline HandBuiltFile KnownFile() {
  HandBuiltFile file;
  for (int p = 1; p <= 42; ++p) file.SetBoard(p, p);
  for (int p = 43; p <= 144; ++p) file.SetBoard(p, 9 + (p - 43) % 34);
  file.SetBoard(1, 0).SetBoard(4, 0).SetBoard(9, 0).SetBoard(43, 0);
  file.SetSlot(1, 1, 1, 4, 4).SetSlot(2, 9, 9, 43, 9).SetSlot(3, 144, 42, 110, 42);
  return file.SetCounters(3, 4);
}

}  // namespace kestalon::testing
