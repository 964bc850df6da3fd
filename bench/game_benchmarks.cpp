// The game's hot operations, offscreen, in Google Benchmark: drawing the board at both tile
// sizes, dealing, counting the moves of a full board, saving and loading. Repetitions, median
// aggregates and JSON output come from Google Benchmark's own flags (see scripts/bench.sh).
#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "core/rules.h"
#include "core/runtime.h"
#include "display/board_painter.h"
#include "display/tile_size.h"
#include "shell/game_files.h"
#include "shell/kestalon_form.h"

namespace kestalon::bench {
namespace {

// ---- Every call into the game's own interface is in this block, and nowhere below. ----

// Result dialogs and menus do nothing, so that a deal without moves announces nothing.
class QuietView final : public GameView {
 public:
  void DrawBoard(Position) override {}
  void ShowWellDone() override {}
  void ShowNoAvailableMove() override {}
  void PopupGameMenu() override {}
};

// The real main window, shown offscreen with Sound off, and a quiet view.
class GameUnderTest {
 public:
  GameUnderTest() {
    InstallView(&quiet_);
    form_.FormLoad({});
    form_.action("optsound")->setChecked(false);
    form_.show();
    QCoreApplication::processEvents();
  }
  ~GameUnderTest() { InstallView(nullptr); }
  GameUnderTest(const GameUnderTest&) = delete;
  GameUnderTest& operator=(const GameUnderTest&) = delete;

 private:
  KestalonForm form_;
  QuietView quiet_;
};

void UseTiles(bool large) {
  large ? UseLargeTiles() : UseRegularTiles();
}

// A deal with all 144 tiles and at least one move, as a player sees after New Game.
void DealFullBoard() {
  do {
    DealNewGame();
  } while (AvailableMoves == 0);
}

void DealOnce() {
  DealNewGame();
}

void DrawWholeBoard() {
  kestalon::DrawBoard(0);
}

int CountMoves() {
  CheckAvailableMoves();
  return AvailableMoves;
}

bool Save(const QString& path) {
  return SaveGameFile(path);
}

bool Load(const QString& path) {
  return LoadGameFile(path);
}

// ---- The benchmarks. ----

void DrawBoardAtSize(benchmark::State& state, bool large) {
  UseTiles(large);
  DealFullBoard();
  QCoreApplication::processEvents();
  for (auto _ : state) DrawWholeBoard();
}

void BM_DrawBoardLarge(benchmark::State& state) {
  DrawBoardAtSize(state, true);
}

void BM_DrawBoardRegular(benchmark::State& state) {
  DrawBoardAtSize(state, false);
}

void BM_DealNewGame(benchmark::State& state) {
  for (auto _ : state) DealOnce();
}

void BM_CountMovesOfFullBoard(benchmark::State& state) {
  DealFullBoard();
  for (auto _ : state) benchmark::DoNotOptimize(CountMoves());
}

void BM_SaveGame(benchmark::State& state) {
  const QTemporaryDir dir;
  DealFullBoard();
  for (auto _ : state) {
    if (!Save(dir.filePath(QStringLiteral("bench.kng")))) state.SkipWithError("save failed");
  }
}

void BM_LoadGame(benchmark::State& state) {
  const QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("bench.kng"));
  DealFullBoard();
  if (!Save(path)) state.SkipWithError("save failed");
  for (auto _ : state) {
    if (!Load(path)) state.SkipWithError("load failed");
  }
}

BENCHMARK(BM_DrawBoardLarge)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawBoardRegular)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DealNewGame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CountMovesOfFullBoard)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveGame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadGame)->Unit(benchmark::kMicrosecond);

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
  const kestalon::bench::GameUnderTest game;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
