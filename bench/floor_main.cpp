// valvetrain-floor: the baseline program for the benchmarks. Escape or a close request ends it.
#include <QApplication>

#include "bench/floor_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  valvetrain::FloorWindow window;
  window.show();
  while (!window.closed()) window.Iterate();
  return 0;
}
