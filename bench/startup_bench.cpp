// Start-up to the first painted board: runs the start-up probe several times, offscreen (or
// with --platform=xcb on $DISPLAY, for the breakdown in a real window) and prints the median
// time from process start to the first painted board, step by step.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "bench/figure_table.h"
#include "bench/process_tools.h"

namespace kestalon::bench {
namespace {

// One launch: the probe's report, as "name=value" lines, with the time it was spawned.
using Report = std::map<std::string, long long>;

bool RunProbeOnce(const std::string& probe, const std::map<std::string, std::string>& environment,
                  Report& report) {
  const std::int64_t spawnNs = MonotonicNs();
  Child child = SpawnChild(probe, {}, environment, true);
  if (child.pid < 0) return false;
  const std::string output = ReadAll(child.stdoutFd, 10000);
  if (!WaitChild(child, 5000)) return false;
  report.clear();
  report["spawn_ns"] = spawnNs;
  std::istringstream lines(output);
  std::string line;
  while (std::getline(lines, line)) {
    const auto equals = line.find('=');
    if (equals != std::string::npos) {
      report[line.substr(0, equals)] = std::strtoll(line.c_str() + equals + 1, nullptr, 10);
    }
  }
  if (report.contains("dialog_at_start")) return true;
  for (const char* key : {"main_ns", "application_ns", "form_ns", "formload_ns", "show_ns",
                          "painted_ns", "cpu_ns", "peak_kb"}) {
    if (!report.contains(key)) {
      std::fprintf(stderr, "startup_bench: unexpected probe output: %s\n", output.c_str());
      return false;
    }
  }
  if (report["tiles"] != 144) {
    std::fprintf(stderr, "startup_bench: the first painted board had %lld tiles\n",
                 report["tiles"]);
    return false;
  }
  return true;
}

// One counted launch. A first deal without moves (a few in a hundred thousand) opens its
// dialog before the window and is launched again.
bool RunProbe(const std::string& probe, const std::map<std::string, std::string>& environment,
              Report& report) {
  for (int attempt = 0; attempt < 5; ++attempt) {
    if (!RunProbeOnce(probe, environment, report)) return false;
    if (!report.contains("dialog_at_start")) return true;
  }
  return false;
}

int Main(int argc, char** argv) {
  int runs = 21;
  std::string probe = OwnDirectory() + "/kestalon_startup_probe";
  bool onX = false;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument.rfind("--runs=", 0) == 0) runs = std::max(1, std::atoi(argument.c_str() + 7));
    if (argument.rfind("--probe=", 0) == 0) probe = argument.substr(8);
    if (argument == "--platform=xcb") onX = true;
  }

  const std::string privateDir = MakePrivateDir("kestalon-bench");
  // Unscaled, with an empty per-user config folder so that no saved settings apply.
  std::map<std::string, std::string> environment{{"QT_QPA_PLATFORM", "offscreen"},
                                                 {"QT_ENABLE_HIGHDPI_SCALING", "0"},
                                                 {"QT_SCALE_FACTOR", ""},
                                                 {"QT_SCREEN_SCALE_FACTORS", ""},
                                                 {"XDG_RUNTIME_DIR", privateDir},
                                                 {"XDG_CONFIG_HOME", privateDir + "/config"},
                                                 {"DISPLAY", ""},
                                                 {"WAYLAND_DISPLAY", ""}};
  if (onX) {
    environment["QT_QPA_PLATFORM"] = "xcb";
    environment.erase("DISPLAY");
  }

  Report report;  // the first launch fills the page cache and is not counted
  bool ok = RunProbe(probe, environment, report);
  std::map<std::string, std::vector<double>> figures;
  const auto span = [&report](const char* from, const char* to) {
    return NsToMs(report[to] - report[from]);
  };
  for (int i = 0; ok && i < runs; ++i) {
    ok = RunProbe(probe, environment, report);
    figures["total"].push_back(span("spawn_ns", "painted_ns"));
    figures["premain"].push_back(span("spawn_ns", "main_ns"));
    figures["application"].push_back(span("main_ns", "application_ns"));
    figures["form"].push_back(span("application_ns", "form_ns"));
    figures["formload"].push_back(span("form_ns", "formload_ns"));
    figures["show"].push_back(span("formload_ns", "show_ns"));
    figures["paint"].push_back(span("show_ns", "painted_ns"));
    figures["cpu"].push_back(NsToMs(report["cpu_ns"]));
    figures["peak"].push_back(static_cast<double>(report["peak_kb"]) / 1024.0);
  }
  RemoveTree(privateDir);
  if (!ok) return 1;

  const std::string how = "median of " + std::to_string(runs) + " launches";
  const auto median = [&figures](const char* name) { return Median(figures[name]); };
  if (onX) {
    PrintTableHeading("Start-up step by step in a real X window (the probe: the game's start-up)");
  } else {
    PrintTableHeading("Start-up without a display (offscreen platform)");
  }
  PrintFigure({"Process start to first painted board", median("total"), Unit::Milliseconds,
               onX ? std::nullopt : std::optional<double>(60.0), how});
  PrintFigure({"  start to main(): exec, libraries, static init", median("premain"),
               Unit::Milliseconds, std::nullopt, how});
  PrintFigure({"  QApplication", median("application"), Unit::Milliseconds, std::nullopt, how});
  PrintFigure(
      {"  KestalonForm constructor", median("form"), Unit::Milliseconds, std::nullopt, how});
  PrintFigure({"  FormLoad (settings, deal, tiles, draw)", median("formload"), Unit::Milliseconds,
               std::nullopt, how});
  PrintFigure({"  show(): native window made and mapped", median("show"), Unit::Milliseconds,
               std::nullopt, how});
  PrintFigure(
      {"  show() to first painted board", median("paint"), Unit::Milliseconds, std::nullopt, how});
  PrintFigure({"CPU time of the process to first painted board", median("cpu"), Unit::Milliseconds,
               std::nullopt, how + ", all threads"});
  PrintFigure({"Peak resident memory at first paint", median("peak"), Unit::Megabytes, std::nullopt,
               how + ", VmHWM"});
  return 0;
}

}  // namespace
}  // namespace kestalon::bench

int main(int argc, char** argv) {
  return kestalon::bench::Main(argc, argv);
}
