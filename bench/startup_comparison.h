// Start-up time and memory of the program against the floor program, in a private X session.
#pragma once

#include <string>
#include <vector>

namespace valvetrain {

struct StartupFigures {
  std::vector<double> first_picture_ms;  // from starting the process to its first picture on screen
  std::vector<double> resident_mib;      // resident memory two seconds after the start
};

struct StartupComparison {
  StartupFigures program;
  StartupFigures floor;
};

// Starts `program` and `floor` alternately, `runs` times each, under Xvfb with openbox. The time
// to the first picture is polled from the X server: one of the program's frames (slot 0 comes
// first but stays only while the frame table fills, then slot 1 follows), or either of the
// floor's two pictures, filling the surface's inner area.
StartupComparison CompareStartup(const std::string& program, const std::string& floor, int runs);

double Median(std::vector<double> values);

}  // namespace valvetrain
