// What the game says to a screen reader.
#include "display/spoken_messages.h"

#include <array>

#include <QCoreApplication>
#include <QStringList>

#include "core/board_topology.h"
#include "core/rules.h"
#include "core/tile_kinds.h"

namespace kestalon {
namespace {

QString Tr(const char* text) {
  return QCoreApplication::translate("SpokenMessages", text);
}

QString Name(TileKind kind) {
  return QString::fromStdString(TileKindName(kind));
}

QString MovesAvailable(int moves) {
  return moves == 1 ? Tr("1 move available") : Tr("%1 moves available").arg(moves);
}

}  // namespace

QString CountsMessage(const Game& game) {
  const int tiles = game.TilesRemaining();
  return (tiles == 1 ? Tr("1 tile") : Tr("%1 tiles").arg(tiles)) + QStringLiteral(", ") +
         MovesAvailable(game.AvailableMoves);
}

QString ChangeMessage(BoardChange change, const Game& game) {
  const char* what = change == BoardChange::NewGame  ? "New game. "
                     : change == BoardChange::Undone ? "Undone. "
                     : change == BoardChange::Redone ? "Redone. "
                                                     : "Game loaded. ";
  return Tr(what) + CountsMessage(game);
}

QString NoFreeTileMessage(const QString& typed) {
  return Tr("No free tile %1").arg(typed);
}

QString BlockedReason(const Game& game, Position pos) {
  const Neighbours& n = TileNeighbours[pos];
  QStringList why;
  if (game.Board[n.above] > 0) why << Tr("under %1").arg(Name(game.Board[n.above]));
  if (game.Board[n.left] > 0 && game.Board[n.right] > 0) {
    // The inner right end tile has one neighbour only, on both its sides.
    why << (n.left == n.right
                ? Tr("beside %1").arg(Name(game.Board[n.left]))
                : Tr("between %1 and %2").arg(Name(game.Board[n.left]), Name(game.Board[n.right])));
  }
  return why.join(QStringLiteral(", "));
}

QString TileDescription(const Game& game, Position pos) {
  const QString layer = Tr("layer %1").arg(kGridPlaces[pos].layer);
  if (IsFree(game, pos)) return Tr("free, %1").arg(layer);
  return Tr("blocked: %1, %2").arg(BlockedReason(game, pos), layer);
}

QString TileWords(const Game& game, Position pos) {
  return Name(game.Board[pos]) + QStringLiteral(", ") + TileDescription(game, pos);
}

QString NoFreeMatchMessage(TileKind kind) {
  return Tr("No free match for %1").arg(Name(kind));
}

QString PileEndMessage(bool above, TileKind kind) {
  return (above ? Tr("Nothing above %1") : Tr("Nothing below %1")).arg(Name(kind));
}

QString BoardSummaryMessage(const Game& game) {
  std::array<int, 6> onLayer{};
  int free = 0;
  for (Position p = 1; p <= kPositionCount; ++p) {
    if (game.Board[p] <= 0) continue;
    ++onLayer[kGridPlaces[p].layer];
    free += IsFree(game, p);
  }
  QString summary;
  for (int layer = 5; layer >= 1; --layer) {
    if (onLayer[layer] == 0) continue;
    summary += (onLayer[layer] == 1 ? Tr("Layer %1: 1 tile. ").arg(layer)
                                    : Tr("Layer %1: %2 tiles. ").arg(layer).arg(onLayer[layer]));
  }
  return summary + (free == 1 ? Tr("1 free tile") : Tr("%1 free tiles").arg(free)) +
         QStringLiteral(", ") + MovesAvailable(CountAvailableMoves(game));
}

QString HintMessage(const Game& game, Position first, Position second) {
  return Tr("Hint: %1 and %2. The game can still be won.")
      .arg(Name(game.Board[first]), Name(game.Board[second]));
}

QString PressMessage(const PressOutcome& outcome, const Game& game) {
  switch (outcome.result) {
    case PressResult::Picked:
      return Tr("%1 picked").arg(Name(game.Board[outcome.first]));
    case PressResult::Dropped:
      return Tr("Pick dropped");
    case PressResult::Removed: {
      const MoveRecord& move = game.MoveHistory[game.MoveIndex - 1];
      QStringList freed;
      for (Position p : TilesFreedBy(game, move)) freed << Name(game.Board[p]);
      return Tr("%1 and %2 removed. ").arg(Name(move.FirstKind), Name(move.SecondKind)) +
             (freed.isEmpty() ? QString() : Tr("Now free: %1. ").arg(freed.join(", "))) +
             CountsMessage(game);
    }
    case PressResult::Refused:
      break;
  }
  switch (outcome.refusal) {
    case Refusal::Blocked:
      return Tr("%1 is blocked: %2")
          .arg(Name(game.Board[outcome.second]), BlockedReason(game, outcome.second));
    case Refusal::NoMatch:
      return Tr("%1 does not match %2")
          .arg(Name(game.Board[outcome.second]), Name(game.Board[outcome.first]));
    case Refusal::EmptySpace:
    case Refusal::None:
      break;
  }
  return Tr("No tile there");
}

}  // namespace kestalon
