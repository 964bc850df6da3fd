// The keyboard cursor: moving it between tiles, and the press it asks for.
#include "display/layout/keyboard_cursor.h"

#include <cctype>
#include <cstdlib>

#include "core/board_topology.h"
#include "core/rules.h"
#include "core/tile_kinds.h"

namespace kestalon {
namespace {

// Steps through positions 1..144 from pos in direction step, wrapping round, pos itself last.
Position FindFreeTile(const Game& game, Position pos, int step) {
  int p = pos;
  for (int i = 0; i < kPositionCount; ++i) {
    p = (p + step + kPositionCount - 1) % kPositionCount + 1;
    if (IsFreeTile(game, static_cast<Position>(p))) return static_cast<Position>(p);
  }
  return 0;
}

bool IsUncoveredTile(const Game& game, int p) {
  return game.Board[p] > 0 && game.Board[TileNeighbours[p].above] <= 0;
}

// Whether a tile's name answers what was typed: its letters (case and blanks aside) begin with
// the letters typed, and its value begins with the digits typed after them. So "cr" reaches
// any Craks tile, "cr5" and "c5" the Craks 5 (and "c5" the Circles 5), "5" any tile of value 5.
bool NameAnswers(TileKind kind, const std::string& typed) {
  std::string letters, digits;
  for (char c : TileKindName(kind)) {
    const auto u = static_cast<unsigned char>(c);
    if (std::isalpha(u)) letters += static_cast<char>(std::tolower(u));
    if (std::isdigit(u)) digits += c;
  }
  const std::size_t split = typed.find_first_of("0123456789");
  const std::string typedLetters = typed.substr(0, split);
  const std::string typedDigits = split == std::string::npos ? "" : typed.substr(split);
  const bool digitsOnly = typedDigits.find_first_not_of("0123456789") == std::string::npos;
  return digitsOnly && letters.starts_with(typedLetters) && digits.starts_with(typedDigits) &&
         (typedDigits.empty() || !digits.empty());
}

// The first free tile that answers, in Tab order from position from onwards, wrapping.
template <typename Answers>
Position FindFreeFrom(const Game& game, Position from, Answers answers) {
  for (int i = 0; i < kPositionCount; ++i) {
    const auto p = static_cast<Position>((from - 1 + i) % kPositionCount + 1);
    if (IsFreeTile(game, p) && answers(p)) return p;
  }
  return 0;
}

Position FindNamed(const Game& game, const std::string& typed, Position from) {
  return FindFreeFrom(game, from, [&](Position p) { return NameAnswers(game.Board[p], typed); });
}

}  // namespace

Position NextFreeTile(const Game& game, Position pos) {
  return FindFreeTile(game, pos, +1);
}

Position PreviousFreeTile(const Game& game, Position pos) {
  return FindFreeTile(game, pos == 0 ? Position{1} : pos, -1);
}

Position TileInDirection(const Game& game, const TileGeometry& geometry, Position pos,
                         BoardKey arrow) {
  // Twice the centre of a face, so that odd tile sizes stay whole.
  const auto centreX2 = [&](int p) { return 2 * geometry.TilePosXY[p].x + geometry.TileWidth; };
  const auto centreY2 = [&](int p) { return 2 * geometry.TilePosXY[p].y + geometry.TileHeight; };
  // Prefer tiles within 45 degrees of the arrow; failing those, anything on its side.
  const bool horizontal = arrow == BoardKey::Left || arrow == BoardKey::Right;
  const int sign = arrow == BoardKey::Left || arrow == BoardKey::Up ? -1 : 1;
  Position best = 0;
  long bestDistance = 0;
  bool bestInCone = false;
  for (int p = 1; p <= kPositionCount; ++p) {
    if (p == pos || !IsUncoveredTile(game, p)) continue;
    const int dx = centreX2(p) - centreX2(pos);
    const int dy = centreY2(p) - centreY2(pos);
    const int along = sign * (horizontal ? dx : dy);
    const int across = horizontal ? dy : dx;
    if (along <= 0) continue;
    const bool inCone = std::abs(across) <= along;
    const long distance = static_cast<long>(along) * along + static_cast<long>(across) * across;
    if (best == 0 || (inCone && !bestInCone) || (inCone == bestInCone && distance < bestDistance)) {
      best = static_cast<Position>(p);
      bestDistance = distance;
      bestInCone = inCone;
    }
  }
  return best;
}

bool KeyboardCursor::TypeAhead(char letter, bool follows, const Game& game) {
  const std::string single(1, static_cast<char>(std::tolower(static_cast<unsigned char>(letter))));
  const auto after = static_cast<Position>(pos_ % kPositionCount + 1);
  Position found = 0;
  if (follows && pos_ != 0) {
    typed_ += single;
    found = FindNamed(game, typed_, pos_);
  }
  if (found == 0) {
    typed_ = single;
    found = FindNamed(game, typed_, pos_ == 0 ? Position{1} : after);
  }
  if (found != 0) pos_ = found;
  return found != 0;
}

bool KeyboardCursor::MoveInPile(bool up, const Game& game) {
  if (pos_ == 0) {
    pos_ = NextFreeTile(game, 0);
    return true;
  }
  Position next = 0;
  if (up) {
    next = TileNeighbours[pos_].above;
  } else {
    // The top tile lies on four.
    for (Position p = 1; p <= kPositionCount && next == 0; ++p)
      if (TileNeighbours[p].above == pos_ && game.Board[p] > 0) next = p;
  }
  if (next == 0 || game.Board[next] <= 0) return false;
  pos_ = next;
  return true;
}

bool KeyboardCursor::MoveToMatch(const Game& game) {
  const Position wanted = game.SelectedPos != 0 ? game.SelectedPos : pos_;
  if (wanted == 0) {
    pos_ = NextFreeTile(game, 0);
    return true;
  }
  // From the tile after the cursor's (or the pick's) round to the cursor's own.
  const Position from = pos_ != 0 ? pos_ : wanted;
  const Position found = FindFreeFrom(
      game, static_cast<Position>(from % kPositionCount + 1),
      [&](Position p) { return p != wanted && TilesMatch(game.Board[p], game.Board[wanted]); });
  if (found != 0) pos_ = found;
  return found != 0;
}

void KeyboardCursor::Settle(const Game& game) {
  if (pos_ == 0) return;
  if (game.Board[pos_] <= 0) {
    pos_ = NextFreeTile(game, pos_);
    return;
  }
  while (game.Board[TileNeighbours[pos_].above] > 0) pos_ = TileNeighbours[pos_].above;
}

std::optional<Position> KeyboardCursor::KeyPress(BoardKey key, const Game& game,
                                                 const TileGeometry& geometry) {
  if (key == BoardKey::DropPick) {
    if (game.SelectedPos != 0) return Position{0};
    return std::nullopt;
  }
  const bool jump = key == BoardKey::FirstTile || key == BoardKey::LastTile;
  if (pos_ == 0 && !jump) {
    pos_ = NextFreeTile(game, 0);
    return std::nullopt;
  }
  if (key == BoardKey::Press) return pos_;
  Position next = 0;
  switch (key) {
    case BoardKey::NextTile:
      next = NextFreeTile(game, pos_);
      break;
    case BoardKey::PreviousTile:
      next = PreviousFreeTile(game, pos_);
      break;
    case BoardKey::FirstTile:
      next = NextFreeTile(game, 0);
      break;
    case BoardKey::LastTile:
      next = PreviousFreeTile(game, 0);
      break;
    default:
      next = TileInDirection(game, geometry, pos_, key);
  }
  if (next != 0) pos_ = next;
  return std::nullopt;
}

}  // namespace kestalon
