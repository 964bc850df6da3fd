// Helper of the real-window tests: writes the test games, tells where tiles lie, and checks
// screenshots of the running game against the board that must be shown.
//
//   e2e_tool write-game few|full FILE
//   e2e_tool face regular|large POSITION          prints the face centre "x y" in board pixels
//   e2e_tool check-board SHOT.xwd TOP regular|large few|full TILE_DIR [--without P,P...]
//            [--marked OUT.png]                   the board shows exactly the game's tiles
//   e2e_tool check-deal SHOT.xwd TOP regular|large [--marked OUT.png]
//                                                 the board shows 144 tiles on green ground
//   e2e_tool snapshot OUT.png SCREEN.xwd [WINDOW.xwd X Y]...
//                                                 the screen with windows pasted at X, Y
//
// Exit status: 0 when the check holds, 1 when it does not, 2 for a usage or input error.
#include <cstdio>
#include <optional>
#include <string>

#include <QFile>
#include <QPainter>
#include <QStringList>

#include "display/layout/board_layout.h"
#include "tests/e2e/board_picture.h"
#include "tests/e2e/test_games.h"
#include "tests/e2e/xwd_image.h"

namespace {

using namespace kestalon::e2e;

constexpr int kHolds = 0;
constexpr int kFails = 1;
constexpr int kUsage = 2;

int Usage(const char* why) {
  std::fprintf(stderr, "e2e_tool: %s (see the comment at the top of e2e_tool.cpp)\n", why);
  return kUsage;
}

int Error(const QString& why) {
  std::fprintf(stderr, "e2e_tool: %s\n", qPrintable(why));
  return kUsage;
}

std::optional<bool> LargeFromName(const QString& size) {
  if (size == QLatin1String("large")) return true;
  if (size == QLatin1String("regular")) return false;
  return std::nullopt;
}

std::optional<int> Number(const QString& text) {
  bool ok = false;
  const int value = text.toInt(&ok);
  return ok ? std::optional<int>(value) : std::nullopt;
}

// Options after the fixed arguments: --without P,P... and --marked FILE.
struct Options {
  QStringList without;
  QString marked;
  bool ok = true;
};

Options ParseOptions(const QStringList& args, qsizetype from) {
  Options options;
  for (qsizetype i = from; i < args.size(); ++i) {
    if (args[i] == QLatin1String("--without") && i + 1 < args.size()) {
      options.without = args[++i].split(QLatin1Char(','), Qt::SkipEmptyParts);
    } else if (args[i] == QLatin1String("--marked") && i + 1 < args.size()) {
      options.marked = args[++i];
    } else {
      options.ok = false;
    }
  }
  return options;
}

int Report(const Comparison& result, const QString& marked) {
  std::printf("%s\n", qPrintable(result.summary));
  if (!result.same && !marked.isEmpty() && !result.marked.isNull()) result.marked.save(marked);
  return result.same ? kHolds : kFails;
}

int WriteGame(const QStringList& args) {
  if (args.size() != 2) return Usage("write-game needs a game name and a file");
  const auto game = GameNamed(args[0].toStdString());
  if (!game) return Usage("unknown game");
  QFile file(args[1]);
  const QByteArray bytes = SavedGameBytes(*game);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
    return Error(args[1] + QStringLiteral(": cannot write"));
  return kHolds;
}

int Face(const QStringList& args) {
  if (args.size() != 2) return Usage("face needs a tile size and a position");
  const auto large = LargeFromName(args[0]);
  const auto p = Number(args[1]);
  if (!large || !p || *p < 1 || *p > kPositions) return Usage("bad tile size or position");
  kestalon::BuildLayout(*large);
  const auto& at = kestalon::TilePosXY[static_cast<std::size_t>(*p)];
  std::printf("%d %d\n", at.x + kestalon::TileWidth / 2, at.y + kestalon::TileHeight / 2);
  return kHolds;
}

int CheckBoard(const QStringList& args) {
  if (args.size() < 5) return Usage("check-board needs a shot, the top, a size, a game, tiles");
  const auto top = Number(args[1]);
  const auto large = LargeFromName(args[2]);
  auto game = GameNamed(args[3].toStdString());
  const Options options = ParseOptions(args, 5);
  if (!top || !large || !game || !options.ok) return Usage("bad check-board arguments");
  for (const QString& text : options.without) {
    const auto p = Number(text);
    if (!p || *p < 1 || *p > kPositions) return Usage("bad position after --without");
    game->board[static_cast<std::size_t>(*p)] = 0;
  }
  QString error;
  const QImage shot = ReadXwd(args[0], &error);
  if (shot.isNull()) return Error(error);
  const QImage expected = ExpectedBoard(*game, *large, args[4], &error);
  if (expected.isNull()) return Error(error);
  return Report(CompareBoard(shot, *top, expected, *game, *large), options.marked);
}

int CheckDeal(const QStringList& args) {
  if (args.size() < 3) return Usage("check-deal needs a shot, the top and a size");
  const auto top = Number(args[1]);
  const auto large = LargeFromName(args[2]);
  const Options options = ParseOptions(args, 3);
  if (!top || !large || !options.ok || !options.without.isEmpty())
    return Usage("bad check-deal arguments");
  QString error;
  const QImage shot = ReadXwd(args[0], &error);
  if (shot.isNull()) return Error(error);
  return Report(CheckFullDeal(shot, *top, *large), options.marked);
}

int Snapshot(const QStringList& args) {
  if (args.size() < 2 || (args.size() - 2) % 3 != 0)
    return Usage("snapshot needs an output, the screen, and window, x, y triples");
  QString error;
  QImage screen = ReadXwd(args[1], &error);
  if (screen.isNull()) return Error(error);
  QPainter painter(&screen);
  for (qsizetype i = 2; i + 2 < args.size(); i += 3) {
    const QImage window = ReadXwd(args[i], &error);
    const auto x = Number(args[i + 1]);
    const auto y = Number(args[i + 2]);
    if (window.isNull() || !x || !y) continue;  // a window that went away meanwhile
    painter.drawImage(*x, *y, window);
  }
  painter.end();
  if (!screen.save(args[0])) return Error(args[0] + QStringLiteral(": cannot write"));
  return kHolds;
}

}  // namespace

int main(int argc, char** argv) {
  QStringList args;
  for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  if (args.isEmpty()) return Usage("no command");
  const QString command = args.takeFirst();
  if (command == QLatin1String("write-game")) return WriteGame(args);
  if (command == QLatin1String("face")) return Face(args);
  if (command == QLatin1String("check-board")) return CheckBoard(args);
  if (command == QLatin1String("check-deal")) return CheckDeal(args);
  if (command == QLatin1String("snapshot")) return Snapshot(args);
  return Usage("unknown command");
}
