// What the game says to a screen reader.
#include "display/spoken_messages.h"

#include <QCoreApplication>
#include <QStringList>

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

}  // namespace

QString CountsMessage(const Game& game) {
  const int tiles = game.TilesRemaining();
  const int moves = game.AvailableMoves;
  return (tiles == 1 ? Tr("1 tile") : Tr("%1 tiles").arg(tiles)) + QStringLiteral(", ") +
         (moves == 1 ? Tr("1 move available") : Tr("%1 moves available").arg(moves));
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
      return Tr("%1 is blocked").arg(Name(game.Board[outcome.second]));
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
