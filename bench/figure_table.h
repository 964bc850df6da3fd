// The table every benchmark tool prints: one line per figure, its target beside it.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kestalon::bench {

enum class Unit { Microseconds, Milliseconds, Megabytes, Ticks, Count };

struct Figure {
  std::string name;
  double value = 0;
  Unit unit = Unit::Milliseconds;
  std::optional<double> target;  // the most the figure may be, in its own unit
  std::string how;               // how it was measured, briefly
};

// A heading line, then the column titles.
void PrintTableHeading(const std::string& title);
void PrintFigure(const Figure& figure);

// The median of the values (the mean of the middle two for an even count); 0 for none.
double Median(std::vector<double> values);

}  // namespace kestalon::bench
