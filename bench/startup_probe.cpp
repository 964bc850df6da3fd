// The game's own start-up sequence, reporting on standard output when each step ended and
// when the board was first painted, then quitting. The start-up benchmark runs it to time
// start-up without a display.
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <utility>
#include <vector>

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QTimer>

#include "core/game_state.h"
#include "display/board_widget.h"
#include "shell/application_identity.h"
#include "shell/kestalon_form.h"

#include "bench/process_tools.h"

namespace {

// Watches the board for its first paint event. The report is queued behind it, so it runs
// once that paint has gone through the window's backing store to the screen.
class FirstPaintWatcher final : public QObject {
 public:
  // The steps of start-up in order, each with the time it ended ("main": when main began).
  std::vector<std::pair<const char*, std::int64_t>> steps;

  // Installed on the board, and on the application to catch a result dialog at start-up.
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && watched == board_ && !seen_) {
      seen_ = true;
      QTimer::singleShot(0, this, &FirstPaintWatcher::Report);
    }
    // A first deal without moves shows its modal dialog before the window: not a start-up to
    // time. The benchmark launches again.
    if (event->type() == QEvent::Show && !seen_ && qobject_cast<QDialog*>(watched)) {
      std::printf("dialog_at_start=1\n");
      std::fflush(stdout);
      std::_Exit(0);
    }
    return QObject::eventFilter(watched, event);
  }

  void Watch(QWidget* board) {
    board_ = board;
    board->installEventFilter(this);
    qApp->installEventFilter(this);
  }

 private:
  void Report() {
    steps.emplace_back("painted", kestalon::bench::MonotonicNs());
    timespec cpu{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    int tiles = 0;
    for (int p = 1; p <= kestalon::kPositionCount; ++p) tiles += kestalon::Board[p] > 0 ? 1 : 0;
    const long peakKb = kestalon::bench::PeakResidentKb(getpid()).value_or(-1);
    for (const auto& [name, ns] : steps)
      std::printf("%s_ns=%lld\n", name, static_cast<long long>(ns));
    std::printf("cpu_ns=%lld\npeak_kb=%ld\ntiles=%d\n",
                static_cast<long long>(cpu.tv_sec) * 1'000'000'000 + cpu.tv_nsec, peakKb, tiles);
    std::fflush(stdout);
    QCoreApplication::exit(0);
  }

  QWidget* board_ = nullptr;
  bool seen_ = false;
};

}  // namespace

// Mirrors shell/main.cpp step for step, with the watcher added before the form is shown.
int main(int argc, char** argv) {
  FirstPaintWatcher watcher;
  const auto step = [&watcher](const char* name) {
    watcher.steps.emplace_back(name, kestalon::bench::MonotonicNs());
  };
  step("main");
  QApplication app(argc, argv);
  kestalon::IdentifyApplication();
  step("application");

  kestalon::KestalonForm form;
  watcher.Watch(form.board());
  step("form");
  form.FormLoad(kestalon::ProgramArguments());
  step("formload");
  form.show();
  step("show");
  return QApplication::exec();
}
