// In-process benchmarks of the game's hot operations, offscreen, printed as a table of
// medians with their targets: DrawBoard at both tile sizes, dealing, counting the moves of
// a full board, and saving and loading a game.
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "bench/figure_table.h"
#include "bench/process_tools.h"
#include "core/rules.h"
#include "core/runtime.h"
#include "display/board_painter.h"
#include "display/board_widget.h"
#include "display/tile_size.h"
#include "shell/formats/save_game_format.h"
#include "shell/game_files.h"
#include "shell/kestalon_form.h"

namespace kestalon::bench {
namespace {

// A main window that announces nothing: result dialogs and menus do nothing.
class QuietView final : public GameView {
 public:
  void DrawBoard(Position) override {}
  void ShowWellDone() override {}
  void ShowNoAvailableMove() override {}
  void PopupGameMenu() override {}
};

// The real main window, shown offscreen, with the real runtime (clock-seeded generator)
// and a quiet view, so that a deal without moves announces nothing.
struct Game {
  KestalonForm form;
  QuietView quiet;
  QTemporaryDir files;

  Game() {
    InstallView(&quiet);
    form.FormLoad({});
    form.action("optsound")->setChecked(false);
    form.show();
    QCoreApplication::processEvents();
  }
  ~Game() { InstallView(nullptr); }
};
Game* game = nullptr;

// A deal with all 144 tiles and at least one move, as a player sees after New Game.
void DealFullBoard() {
  do {
    DealNewGame();
  } while (AvailableMoves == 0);
}

void ShowOnScreen() {
  QCoreApplication::processEvents();
}

void BM_DrawBoardLarge(benchmark::State& state) {
  UseLargeTiles();
  DealFullBoard();
  ShowOnScreen();
  for (auto _ : state) DrawBoard(0);
  ShowOnScreen();
}

void BM_DrawBoardRegular(benchmark::State& state) {
  UseRegularTiles();
  DealFullBoard();
  ShowOnScreen();
  for (auto _ : state) DrawBoard(0);
  ShowOnScreen();
}

// DrawBoard followed by the window's own repaint: what New Game costs after the deal.
void BM_DrawBoardAndRepaintRegular(benchmark::State& state) {
  UseRegularTiles();
  DealFullBoard();
  ShowOnScreen();
  for (auto _ : state) {
    DrawBoard(0);
    BoardWindow()->repaint();
  }
}

void BM_DealNewGame(benchmark::State& state) {
  for (auto _ : state) {
    DealNewGame();
    benchmark::DoNotOptimize(Board.data());
  }
}

void BM_CheckAvailableMoves(benchmark::State& state) {
  DealFullBoard();
  for (auto _ : state) {
    CheckAvailableMoves();
    benchmark::DoNotOptimize(AvailableMoves);
  }
}

QString SavePath() {
  return game->files.filePath(QStringLiteral("bench.kng"));
}

void BM_SaveGame(benchmark::State& state) {
  DealFullBoard();
  for (auto _ : state) {
    if (!SaveGameFile(SavePath())) state.SkipWithError("SaveGameFile failed");
  }
}

void BM_LoadGame(benchmark::State& state) {
  DealFullBoard();
  if (!SaveGameFile(SavePath())) state.SkipWithError("SaveGameFile failed");
  for (auto _ : state) {
    if (!LoadGameFile(SavePath())) state.SkipWithError("LoadGameFile failed");
  }
}

void BM_EncodeSavedGame(benchmark::State& state) {
  DealFullBoard();
  for (auto _ : state) {
    auto bytes = EncodeSavedGame(CaptureGameState());
    benchmark::DoNotOptimize(bytes.data());
  }
}

void BM_DecodeSavedGame(benchmark::State& state) {
  DealFullBoard();
  const auto bytes = EncodeSavedGame(CaptureGameState());
  SavedGame decoded;
  for (auto _ : state) {
    benchmark::DoNotOptimize(DecodeSavedGame(bytes, decoded));
  }
}

BENCHMARK(BM_DrawBoardLarge)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawBoardRegular)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawBoardAndRepaintRegular)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DealNewGame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CheckAvailableMoves)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveGame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadGame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EncodeSavedGame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DecodeSavedGame)->Unit(benchmark::kMicrosecond);

struct Row {
  const char* title;
  std::optional<double> targetUs;
};
const std::map<std::string, Row> kRows{
    {"BM_DrawBoardLarge", {"DrawBoard, 144 large tiles", 1000.0}},
    {"BM_DrawBoardRegular", {"DrawBoard, 144 regular tiles", std::nullopt}},
    {"BM_DrawBoardAndRepaintRegular", {"  DrawBoard + window repaint, regular", std::nullopt}},
    {"BM_DealNewGame", {"DealNewGame (with its move count)", 50.0}},
    {"BM_CheckAvailableMoves", {"CheckAvailableMoves, full board", std::nullopt}},
    {"BM_SaveGame", {"Save a game (SaveGameFile)", std::nullopt}},
    {"BM_LoadGame", {"Load a game (LoadGameFile)", std::nullopt}},
    {"BM_EncodeSavedGame", {"  encode the 889 bytes alone", std::nullopt}},
    {"BM_DecodeSavedGame", {"  decode and check the 889 bytes alone", std::nullopt}},
};

// Prints the median of the repetitions of each benchmark (its only run when not repeated).
class TableReporter final : public benchmark::BenchmarkReporter {
 public:
  bool ReportContext(const Context&) override {
    PrintTableHeading("In-process, offscreen (Google Benchmark)");
    return true;
  }

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
      if (!median && !single) continue;
      const std::string name = run.run_name.function_name;
      const auto row = kRows.find(name);
      const std::string title = row != kRows.end() ? row->second.title : name;
      if (run.error_occurred) {
        std::printf("  %-46s failed: %s\n", title.c_str(), run.error_message.c_str());
        failed = true;
        continue;
      }
      const std::string how =
          median ? "median of " + std::to_string(run.repetitions) + " repetitions" : "one run";
      PrintFigure({title, run.GetAdjustedRealTime(), Unit::Microseconds,
                   row != kRows.end() ? row->second.targetUs : std::nullopt, how});
    }
  }

  bool failed = false;
};

// The offscreen platform warns at every resize that it cannot pass size hints on; harmless.
QtMessageHandler defaultMessageHandler = nullptr;
void DropSizeHintWarning(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.contains(QLatin1String("propagateSizeHints"))) return;
  if (defaultMessageHandler) {
    defaultMessageHandler(type, context, text);
  } else {
    std::fprintf(stderr, "%s\n", qPrintable(text));
  }
}

// Offscreen at 96 dpi without scaling, with private runtime and config folders, so that
// neither the desktop nor the user's saved settings change what is measured.
void PinEnvironment(const std::string& privateDir) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  setenv("QT_ENABLE_HIGHDPI_SCALING", "0", 1);
  setenv("QT_FONT_DPI", "96", 1);
  unsetenv("QT_SCALE_FACTOR");
  unsetenv("QT_SCREEN_SCALE_FACTORS");
  setenv("XDG_RUNTIME_DIR", privateDir.c_str(), 1);
  setenv("XDG_CONFIG_HOME", (privateDir + "/config").c_str(), 1);
}

int Main(int argc, char** argv) {
  // Defaults first, so that flags given on the command line override them.
  std::vector<std::string> arguments{argv[0], "--benchmark_repetitions=9",
                                     "--benchmark_min_time=0.05",
                                     "--benchmark_report_aggregates_only=true"};
  for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
  std::vector<char*> pointers;
  for (auto& argument : arguments) pointers.push_back(argument.data());
  int count = static_cast<int>(pointers.size());
  benchmark::Initialize(&count, pointers.data());

  const std::string privateDir = MakePrivateDir("kestalon-bench");
  PinEnvironment(privateDir);
  int qtArgc = 1;
  defaultMessageHandler = qInstallMessageHandler(DropSizeHintWarning);
  QApplication app(qtArgc, argv);
  int result = 0;
  {
    Game theGame;
    game = &theGame;
    TableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    game = nullptr;
    result = reporter.failed ? 1 : 0;
  }
  RemoveTree(privateDir);
  return result;
}

}  // namespace
}  // namespace kestalon::bench

int main(int argc, char** argv) {
  return kestalon::bench::Main(argc, argv);
}
