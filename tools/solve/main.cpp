// pc-kestalon-solve [--budget STEPS] FILE...: whether each saved game can still be won, one
// tab-separated line a file: its name, winnable, lost or unknown, the search steps, the
// microseconds, and for a winnable game the moves that win it ("12-57 3-88 ..."). A file that
// is not a saved game reads "invalid" with the game's message last; the command goes on with
// the other files and exits 2 at the end.
#include <charconv>
#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include <QFile>

#include "core/solver.h"
#include "shell/saved_game_file.h"

namespace {

constexpr const char* kUsage = "Usage: pc-kestalon-solve [--budget STEPS] FILE...\n";

const char* VerdictWord(kestalon::Verdict verdict) {
  switch (verdict) {
    case kestalon::Verdict::Winnable:
      return "winnable";
    case kestalon::Verdict::Lost:
      return "lost";
    case kestalon::Verdict::Unknown:
      break;
  }
  return "unknown";
}

// One file's line; false when it is not a saved game.
bool SolveFile(const char* name, std::uint64_t budget) {
  kestalon::Game game;
  QString error;
  if (!kestalon::LoadGameFile(QFile::decodeName(name), game, &error)) {
    std::printf("%s\tinvalid\t0\t0\t%s\n", name, error.toLocal8Bit().constData());
    return false;
  }
  kestalon::Solver solver;
  const auto start = std::chrono::steady_clock::now();
  const kestalon::Solution solution = solver.Solve(game.Board, budget);
  const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(
                          std::chrono::steady_clock::now() - start)
                          .count();
  std::string line = std::string(name) + '\t' + VerdictWord(solution.verdict) + '\t' +
                     std::to_string(solution.steps) + '\t' + std::to_string(micros);
  if (solution.verdict == kestalon::Verdict::Winnable) {
    line += '\t';
    for (std::size_t i = 0; i < solution.moves.size(); ++i) {
      if (i > 0) line += ' ';
      line +=
          std::to_string(solution.moves[i].first) + '-' + std::to_string(solution.moves[i].second);
    }
  }
  std::printf("%s\n", line.c_str());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::uint64_t budget = kestalon::kDefaultSolverBudget;
  std::vector<const char*> files;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--budget" && i + 1 < argc) {
      const std::string_view value = argv[++i];
      const auto [end, fault] = std::from_chars(value.data(), value.data() + value.size(), budget);
      if (fault != std::errc() || end != value.data() + value.size() || budget == 0) {
        std::fputs(kUsage, stderr);
        return 1;
      }
    } else if (arg.starts_with("--")) {
      std::fputs(kUsage, stderr);
      return 1;
    } else {
      files.push_back(argv[i]);
    }
  }
  if (files.empty()) {
    std::fputs(kUsage, stderr);
    return 1;
  }
  bool allRead = true;
  for (const char* name : files) allRead = SolveFile(name, budget) && allRead;
  std::fflush(stdout);
  return allRead ? 0 : 2;
}
