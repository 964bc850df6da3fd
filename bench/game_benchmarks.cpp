// The game's hot operations, offscreen, in Google Benchmark: drawing the board at both tile
// sizes (the first draw of a new board widget, which makes its pictures, and every later one),
// dealing, counting the moves of a full board, saving and loading. Repetitions, median aggregates
// and JSON output come from Google Benchmark's own flags (see scripts/bench.sh).
#include <QApplication>
#include <QTemporaryDir>

#include <memory>

#include <benchmark/benchmark.h>

#include "core/rules.h"
#include "display/board_widget.h"
#include "shell/game_files.h"

namespace kestalon::bench {
namespace {

// ---- Every call into the game's own interface is in this block, and nowhere below. ----

// One game, the clock-seeded generator and a board widget that draws it, offscreen.
struct GameUnderTest {
  Game game;
  ClockSeededRandom random;
  BoardWidget board{game};
};
using Under = GameUnderTest&;

void UseTiles(Under under, bool large) {
  under.board.SetTileSize(large);
}

// A deal with all 144 tiles and at least one move, as a player sees after New Game.
void DealFullBoard(Under under) {
  while (DealNewGame(under.game, under.random).end != GameEnd::Playing) {
  }
}

void DealOnce(Under under) {
  DealNewGame(under.game, under.random);
}

void DrawWholeBoard(Under under) {
  under.board.DrawBoard(0);
}

// A board widget of its own showing the game, not drawn yet.
std::unique_ptr<BoardWidget> NewBoard(Under under, bool large) {
  auto board = std::make_unique<BoardWidget>(under.game);
  board->SetTileSize(large);
  return board;
}

void DrawFirstTime(BoardWidget& board) {
  board.DrawBoard(0);
}

int CountMoves(Under under) {
  CheckAvailableMoves(under.game);
  return under.game.AvailableMoves;
}

bool Save(Under under, const QString& path) {
  return SaveGameFile(path, under.game);
}

bool Load(Under under, const QString& path) {
  return LoadGameFile(path, under.game);
}

// ---- The benchmarks. ----

void DrawBoardAtSize(benchmark::State& state, Under under, bool large) {
  UseTiles(under, large);
  DealFullBoard(under);
  QCoreApplication::processEvents();
  for (auto _ : state) DrawWholeBoard(under);
}

// Only the first draw is timed: the widget is made and destroyed with the clock stopped.
void FirstDrawAtSize(benchmark::State& state, Under under, bool large) {
  DealFullBoard(under);
  for (auto _ : state) {
    state.PauseTiming();
    std::unique_ptr<BoardWidget> board = NewBoard(under, large);
    state.ResumeTiming();
    DrawFirstTime(*board);
    state.PauseTiming();
    board.reset();
    state.ResumeTiming();
  }
}

void DealOnceEach(benchmark::State& state, Under under) {
  for (auto _ : state) DealOnce(under);
}

void CountMovesOfFullBoard(benchmark::State& state, Under under) {
  DealFullBoard(under);
  for (auto _ : state) benchmark::DoNotOptimize(CountMoves(under));
}

void SaveGame(benchmark::State& state, Under under) {
  const QTemporaryDir dir;
  DealFullBoard(under);
  for (auto _ : state) {
    if (!Save(under, dir.filePath(QStringLiteral("bench.kng")))) state.SkipWithError("save failed");
  }
}

void LoadGame(benchmark::State& state, Under under) {
  const QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("bench.kng"));
  DealFullBoard(under);
  if (!Save(under, path)) state.SkipWithError("save failed");
  for (auto _ : state) {
    if (!Load(under, path)) state.SkipWithError("load failed");
  }
}

void RegisterAll(Under under) {
  const auto add = [&](const char* name, auto run) {
    benchmark::RegisterBenchmark(name, [&under, run](benchmark::State& state) {
      run(state, under);
    })->Unit(benchmark::kMicrosecond);
  };
  add("BM_DrawBoardLarge", [](benchmark::State& s, Under u) { DrawBoardAtSize(s, u, true); });
  add("BM_DrawBoardRegular", [](benchmark::State& s, Under u) { DrawBoardAtSize(s, u, false); });
  add("BM_FirstDrawBoardLarge", [](benchmark::State& s, Under u) { FirstDrawAtSize(s, u, true); });
  add("BM_FirstDrawBoardRegular",
      [](benchmark::State& s, Under u) { FirstDrawAtSize(s, u, false); });
  add("BM_DealNewGame", DealOnceEach);
  add("BM_CountMovesOfFullBoard", CountMovesOfFullBoard);
  add("BM_SaveGame", SaveGame);
  add("BM_LoadGame", LoadGame);
}

}  // namespace
}  // namespace kestalon::bench

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
  // Offscreen at 96 dpi without scaling and with private folders, so that neither the
  // desktop nor the user's saved settings change what is measured.
  const QTemporaryDir home;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  qputenv("QT_FONT_DPI", "96");
  qunsetenv("QT_SCALE_FACTOR");
  qunsetenv("QT_SCREEN_SCALE_FACTORS");
  qputenv("XDG_RUNTIME_DIR", home.path().toLocal8Bit());
  qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
  QApplication app(argc, argv);
  kestalon::bench::GameUnderTest game;
  game.board.show();
  kestalon::bench::RegisterAll(game);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
