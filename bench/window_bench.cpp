// Real-window figures on an X server (Xvfb in scripts/bench.sh): launch to the mapped main
// window and to the first painted board, peak memory after start-up, CPU while idle, and
// New Game typed on the keyboard to the new board on screen. Each launch is the real game.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include <unistd.h>

#include <X11/keysym.h>

#include "bench/figure_table.h"
#include "bench/process_tools.h"
#include "bench/x_session.h"
#include "display/layout/board_layout.h"

namespace kestalon::bench {
namespace {

constexpr std::uint32_t kBoardGreen = 0x008000;
constexpr std::int64_t kMs = 1'000'000;

struct Options {
  std::string game;
  int runs = 11;
  int idleRuns = 3;
  int idleSeconds = 3;
  int newGameRuns = 4;
  int newGamesPerRun = 5;
};

// The board's place in the main window: the bottom of the client area, below the menu bar.
struct BoardArea {
  int width = 0;
  int height = 0;
  int top = 0;
};

// Pixel polling: how often the screen was looked at while waiting for a paint.
struct PollClock {
  std::int64_t totalNs = 0;
  long polls = 0;
  double MeanPeriodMs() const { return polls ? NsToMs(totalNs) / static_cast<double>(polls) : 0; }
};

class WindowBench {
 public:
  explicit WindowBench(Options options) : options_(std::move(options)) {}

  bool Run();

 private:
  enum class Outcome { Counted, LaunchAgain, Failed };
  // One launch; run < 0 is a warm-up whose figures are not kept.
  Outcome Launch(int run);
  bool FindBoard(Window window, BoardArea& area);
  bool WaitFirstPaint(Window window, const BoardArea& area, std::int64_t& paintedNs);
  bool NewGameTrial(Window window, const BoardArea& area, double& newGameMs);
  void CloseStrayDialogs(pid_t pid);
  bool ReadLines(Window window, int left, int width, const std::vector<int>& ys,
                 std::vector<std::uint32_t>& pixels);
  void PrintFigures() const;

  Options options_;
  XSession x_;
  std::map<std::string, std::string> environment_;
  std::vector<double> mapMs_;
  std::vector<double> paintMs_;
  std::vector<double> paintCpuMs_;
  std::vector<double> peakMb_;
  std::vector<double> peakAfterPlayMb_;
  std::vector<long> idleTicks_;
  std::vector<double> idleCpuUs_;
  std::vector<long> idleWakeups_;
  std::vector<double> newGameMs_;
  std::vector<double> menuOpenMs_;
  PollClock pollClock_;
};

void SleepMs(int ms) {
  usleep(static_cast<useconds_t>(ms) * 1000);
}

bool WindowBench::FindBoard(Window window, BoardArea& area) {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  if (!x_.Geometry(window, x, y, width, height)) return false;
  const bool large = width == kLargeBoardWidth;
  if (!large && width != kRegularBoardWidth) {
    std::fprintf(stderr, "window_bench: main window is %d px wide, not a board width\n", width);
    return false;
  }
  BuildLayout(large);
  area.width = width;
  area.height = large ? kLargeBoardHeight : kRegularBoardHeight;
  area.top = height - area.height;
  return area.top >= 0;
}

// The board is on screen once its bottom-left corner shows the green ground and the face
// of position 1 (or a tile lying on it) shows a tile: only the board painter makes both.
bool WindowBench::WaitFirstPaint(Window window, const BoardArea& area, std::int64_t& paintedNs) {
  const int tileX = TilePosXY[1].x + TileWidth / 2;
  const int tileY = area.top + TilePosXY[1].y + TileHeight / 2;
  const std::int64_t deadline = MonotonicNs() + 10'000 * kMs;
  std::vector<std::uint32_t> corner;
  std::vector<std::uint32_t> tile;
  for (;;) {
    const std::int64_t before = MonotonicNs();
    if (before > deadline) return false;
    const bool read = x_.ReadPixels(window, 2, area.top + area.height - 2, 1, 1, corner) &&
                      x_.ReadPixels(window, tileX, tileY, 1, 1, tile);
    const std::int64_t after = MonotonicNs();
    pollClock_.totalNs += after - before;
    ++pollClock_.polls;
    if (read && corner[0] == kBoardGreen && tile[0] != kBoardGreen) {
      paintedNs = after;
      return true;
    }
    usleep(200);
    pollClock_.totalNs += MonotonicNs() - after;
  }
}

bool WindowBench::ReadLines(Window window, int left, int width, const std::vector<int>& ys,
                            std::vector<std::uint32_t>& pixels) {
  pixels.clear();
  std::vector<std::uint32_t> line;
  for (int y : ys) {
    if (!x_.ReadPixels(window, left, y, width, 1, line)) return false;
    pixels.insert(pixels.end(), line.begin(), line.end());
  }
  return true;
}

// A deal without moves brings up the loss dialog; Escape closes it and leaves the board.
void WindowBench::CloseStrayDialogs(pid_t pid) {
  while (auto mapped = x_.NextMap(MonotonicNs() + 50 * kMs)) {
    if (mapped->overrideRedirect || x_.WindowPid(mapped->window) != pid) continue;
    x_.TapKey(XK_Escape);
    x_.WaitUnmap(mapped->window, MonotonicNs() + 1000 * kMs);
  }
}

// Alt+G opens the Game menu; once it is up, N chooses New Game. Timed from the N key to the
// first change of the board's pixels beside the menu, where the menu's closing cannot reach.
bool WindowBench::NewGameTrial(Window window, const BoardArea& area, double& newGameMs) {
  x_.DropPendingEvents();
  const std::int64_t altNs = MonotonicNs();
  x_.AltKey(XK_g);
  std::optional<MapEvent> menu;
  while ((menu = x_.NextMap(MonotonicNs() + 2000 * kMs))) {
    if (menu->overrideRedirect) break;
  }
  if (!menu) {
    std::fprintf(stderr, "window_bench: Alt+G opened no menu\n");
    return false;
  }
  menuOpenMs_.push_back(NsToMs(menu->atNs - altNs));
  SleepMs(150);  // the menu paints itself

  int wx = 0, wy = 0, ww = 0, wh = 0;
  int mx = 0, my = 0, mw = 0, mh = 0;
  if (!x_.Geometry(window, wx, wy, ww, wh) || !x_.Geometry(menu->window, mx, my, mw, mh)) {
    return false;
  }
  const int left = std::max(0, mx + mw - wx + 2);
  if (left >= area.width - 40) {
    std::fprintf(stderr, "window_bench: the menu covers the board\n");
    return false;
  }
  // Lines through the middle of three rows of faces.
  std::set<int> rows;
  for (int p = 1; p <= kPositionCount; ++p) {
    if (PlaceOf(static_cast<Position>(p)).layer == 1) rows.insert(TilePosXY[p].y);
  }
  std::vector<int> ys;
  int index = 0;
  for (int rowY : rows) {
    if (index++ % 3 == 1) ys.push_back(area.top + rowY + TileHeight / 2);
  }
  const int width = area.width - left;
  std::vector<std::uint32_t> before;
  std::vector<std::uint32_t> now;
  if (!ReadLines(window, left, width, ys, before)) return false;

  const std::int64_t keyNs = MonotonicNs();
  x_.TapKey(XK_n);
  const std::int64_t deadline = keyNs + 2000 * kMs;
  bool changed = false;
  while (!changed && MonotonicNs() < deadline) {
    const std::int64_t start = MonotonicNs();
    if (ReadLines(window, left, width, ys, now) && now != before) {
      newGameMs = NsToMs(MonotonicNs() - keyNs);
      changed = true;
    } else {
      usleep(200);
    }
    pollClock_.totalNs += MonotonicNs() - start;
    ++pollClock_.polls;
  }
  x_.WaitUnmap(menu->window, MonotonicNs() + 1000 * kMs);
  if (!changed) std::fprintf(stderr, "window_bench: New Game changed nothing on screen\n");
  return changed;
}

WindowBench::Outcome WindowBench::Launch(int run) {
  x_.DropPendingEvents();
  const std::int64_t startNs = MonotonicNs();
  Child child = SpawnChild(options_.game, {}, environment_, false);
  if (child.pid < 0) {
    std::fprintf(stderr, "window_bench: cannot start %s\n", options_.game.c_str());
    return Outcome::Failed;
  }
  bool ok = false;
  Window window = 0;
  std::int64_t mappedNs = 0;
  bool dialogAtStart = false;
  while (auto mapped = x_.NextMap(startNs + 10'000 * kMs)) {
    if (mapped->overrideRedirect || x_.WindowPid(mapped->window) != child.pid) continue;
    if (x_.WindowTitle(mapped->window) == "PC Kestalon") {
      window = mapped->window;
      mappedNs = mapped->atNs;
      break;
    }
    // A first deal without moves shows its dialog before the window: close it, launch again.
    dialogAtStart = true;
    x_.FocusAndPoint(mapped->window, 1, 1);
    x_.TapKey(XK_Escape);
  }
  if (dialogAtStart) run = -1;
  BoardArea area;
  std::int64_t paintedNs = 0;
  if (window && FindBoard(window, area) && WaitFirstPaint(window, area, paintedNs)) {
    ok = true;
    if (run >= 0) {
      mapMs_.push_back(NsToMs(mappedNs - startNs));
      paintMs_.push_back(NsToMs(paintedNs - startNs));
      paintCpuMs_.push_back(NsToMs(CpuNs(child.pid).value_or(0)));
    }
  } else {
    std::fprintf(stderr, "window_bench: no painted main window appeared\n");
  }

  if (ok && run >= 0) {
    SleepMs(500);  // start-up has settled
    peakMb_.push_back(static_cast<double>(PeakResidentKb(child.pid).value_or(0)) / 1024.0);
    if (run < options_.idleRuns) {
      const auto ticksBefore = CpuTicks(child.pid);
      const auto cpuBefore = CpuNs(child.pid);
      const auto switchesBefore = ContextSwitches(child.pid);
      SleepMs(options_.idleSeconds * 1000);
      const auto ticksAfter = CpuTicks(child.pid);
      const auto cpuAfter = CpuNs(child.pid);
      const auto switchesAfter = ContextSwitches(child.pid);
      if (ticksBefore && ticksAfter && cpuBefore && cpuAfter && switchesBefore && switchesAfter) {
        idleTicks_.push_back(*ticksAfter - *ticksBefore);
        idleCpuUs_.push_back(static_cast<double>(*cpuAfter - *cpuBefore) / 1000.0);
        idleWakeups_.push_back(*switchesAfter - *switchesBefore);
      }
    }
    if (run < options_.newGameRuns) {
      x_.FocusAndPoint(window, area.width - 4, area.top + area.height - 4);
      SleepMs(50);
      for (int trial = 0; ok && trial < options_.newGamesPerRun; ++trial) {
        double ms = 0;
        ok = NewGameTrial(window, area, ms);
        if (ok) newGameMs_.push_back(ms);
        CloseStrayDialogs(child.pid);
        SleepMs(100);
      }
      peakAfterPlayMb_.push_back(static_cast<double>(PeakResidentKb(child.pid).value_or(0)) /
                                 1024.0);
    }
  }
  StopChild(child);
  if (!ok) return Outcome::Failed;
  return dialogAtStart ? Outcome::LaunchAgain : Outcome::Counted;
}

void WindowBench::PrintFigures() const {
  const std::string launches = "median of " + std::to_string(mapMs_.size()) + " launches";
  PrintTableHeading("Real X window (Xvfb), the game executable");
  PrintFigure({"Launch to mapped main window", Median(mapMs_), Unit::Milliseconds, 60.0,
               launches + ", MapNotify"});
  PrintFigure({"Launch to first painted board", Median(paintMs_), Unit::Milliseconds, std::nullopt,
               launches + ", pixels read"});
  PrintFigure({"  CPU time of the game by then", Median(paintCpuMs_), Unit::Milliseconds,
               std::nullopt, launches + ", all threads"});
  PrintFigure({"Peak resident memory after start-up", Median(peakMb_), Unit::Megabytes, 48.0,
               launches + ", VmHWM"});
  if (!idleTicks_.empty()) {
    const std::string idleRuns = "most of " + std::to_string(idleTicks_.size()) + " launches";
    PrintFigure({"CPU while idle for " + std::to_string(options_.idleSeconds) + " s",
                 static_cast<double>(*std::max_element(idleTicks_.begin(), idleTicks_.end())),
                 Unit::Ticks, 0.0, idleRuns + ", utime+stime"});
    PrintFigure({"  time on CPU while idle",
                 *std::max_element(idleCpuUs_.begin(), idleCpuUs_.end()), Unit::Microseconds,
                 std::nullopt, idleRuns + ", schedstat"});
    PrintFigure({"  thread wake-ups while idle",
                 static_cast<double>(*std::max_element(idleWakeups_.begin(), idleWakeups_.end())),
                 Unit::Count, std::nullopt, idleRuns + ", context switches"});
  }
  if (!newGameMs_.empty()) {
    PrintFigure({"New Game (Alt+G, N) to new board on screen", Median(newGameMs_),
                 Unit::Milliseconds, 10.0,
                 "median of " + std::to_string(newGameMs_.size()) + ", from the N key"});
    PrintFigure({"  Alt+G to Game menu mapped", Median(menuOpenMs_), Unit::Milliseconds,
                 std::nullopt, "median of " + std::to_string(menuOpenMs_.size())});
    PrintFigure({"  peak resident memory after the new games", Median(peakAfterPlayMb_),
                 Unit::Megabytes, std::nullopt,
                 "median of " + std::to_string(peakAfterPlayMb_.size()) + " launches"});
  }
  std::printf(
      "  (pixels were read every %.2f ms on average: the resolution of painted-board "
      "times)\n",
      pollClock_.MeanPeriodMs());
}

bool WindowBench::Run() {
  if (!x_.Open()) {
    std::fprintf(stderr, "window_bench: cannot open $DISPLAY with XTest\n");
    return false;
  }
  const std::string privateDir = MakePrivateDir("kestalon-bench");
  environment_ = {{"QT_QPA_PLATFORM", "xcb"},
                  {"QT_SCALE_FACTOR", ""},
                  {"QT_SCREEN_SCALE_FACTORS", ""},
                  {"XDG_RUNTIME_DIR", privateDir},
                  {"XDG_CONFIG_HOME", privateDir + "/config"},
                  {"WAYLAND_DISPLAY", ""}};
  bool ok = Launch(-1) != Outcome::Failed;  // warm-up: fills the page cache, not counted
  int again = 0;
  for (int run = 0; ok && run < options_.runs;) {
    const Outcome outcome = Launch(run);
    ok = outcome != Outcome::Failed && again < 5;
    if (outcome == Outcome::Counted) ++run;
    if (outcome == Outcome::LaunchAgain) ++again;
  }
  RemoveTree(privateDir);
  if (ok) PrintFigures();
  return ok;
}

int Main(int argc, char** argv) {
  Options options;
  options.game = OwnDirectory() + "/../game/pc-kestalon";
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    const auto value = [&](const char* name) -> const char* {
      const std::string prefix = std::string(name) + "=";
      return argument.rfind(prefix, 0) == 0 ? argument.c_str() + prefix.size() : nullptr;
    };
    if (const char* v = value("--game")) options.game = v;
    if (const char* v = value("--runs")) options.runs = std::max(1, std::atoi(v));
    if (const char* v = value("--idle-runs")) options.idleRuns = std::max(0, std::atoi(v));
    if (const char* v = value("--idle-seconds")) options.idleSeconds = std::max(1, std::atoi(v));
    if (const char* v = value("--new-game-runs")) options.newGameRuns = std::max(0, std::atoi(v));
    if (const char* v = value("--new-games")) options.newGamesPerRun = std::max(1, std::atoi(v));
  }
  WindowBench bench(options);
  return bench.Run() ? 0 : 1;
}

}  // namespace
}  // namespace kestalon::bench

int main(int argc, char** argv) {
  return kestalon::bench::Main(argc, argv);
}
