// Prints figures as aligned table lines with their targets and whether each is met.
#include "bench/figure_table.h"

#include <algorithm>
#include <cstdio>

namespace kestalon::bench {
namespace {

const char* UnitText(Unit unit) {
  switch (unit) {
    case Unit::Microseconds:
      return "us";
    case Unit::Milliseconds:
      return "ms";
    case Unit::Megabytes:
      return "MB";
    case Unit::Ticks:
      return "ticks";
    case Unit::Count:
      return "";
  }
  return "";
}

}  // namespace

void PrintTableHeading(const std::string& title) {
  std::printf("\n%s\n", title.c_str());
  std::printf("  %-46s %14s   %-14s %-7s %s\n", "Figure", "Median", "Target", "", "How");
}

void PrintFigure(const Figure& figure) {
  char value[32];
  // Ticks and counts are whole numbers; times and sizes get three decimals.
  const bool whole = figure.unit == Unit::Ticks || figure.unit == Unit::Count;
  std::snprintf(value, sizeof value, whole ? "%.0f %s" : "%.3f %s", figure.value,
                UnitText(figure.unit));
  char target[32] = "-";
  const char* verdict = "";
  if (figure.target) {
    std::snprintf(target, sizeof target, "<= %g %s", *figure.target, UnitText(figure.unit));
    verdict = figure.value <= *figure.target ? "met" : "MISSED";
  }
  std::printf("  %-46s %14s   %-14s %-7s %s\n", figure.name.c_str(), value, target, verdict,
              figure.how.c_str());
  std::fflush(stdout);
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  if (values.size() % 2 == 1) return values[middle];
  return (values[middle - 1] + values[middle]) / 2;
}

}  // namespace kestalon::bench
