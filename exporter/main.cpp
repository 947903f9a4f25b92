// valvetrain-frames: writes the program's 54 frame pictures as BMP files.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "exporter/export.h"

namespace {

constexpr char kUsage[] =
    "usage: valvetrain-frames [FOLDER] [--sheet FILE.png] [--icon SIZE FILE.png]\n"
    "Writes the 54 frame pictures as FOLDER/frame01.bmp .. frame54.bmp (frameNN shows slot\n"
    "NN - 1: lift setting (NN - 1) / 18, cam phase (NN - 1) % 18), creating FOLDER if needed.\n"
    "With --sheet, also writes all 54 on one labelled contact sheet as a PNG file.\n"
    "With --icon, writes the program's icon, SIZE pixels square (1 to 1024), as a PNG file.\n";

int Fail(const std::string& reason) {
  std::fprintf(stderr, "valvetrain-frames: %s\n", reason.c_str());
  return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
  std::optional<std::string> folder, sheet, icon;
  int icon_size = 0;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(kUsage, stdout);
      return 0;
    }
    if (std::strcmp(argv[i], "--sheet") == 0) {
      if (i + 1 >= argc) return Fail("--sheet needs a file name (see --help)");
      sheet = argv[++i];
    } else if (std::strcmp(argv[i], "--icon") == 0) {
      if (i + 2 >= argc) return Fail("--icon needs a size and a file name (see --help)");
      icon_size = std::atoi(argv[++i]);
      if (icon_size < 1 || icon_size > 1024) return Fail("--icon size must be 1 to 1024");
      icon = argv[++i];
    } else if (argv[i][0] == '-' && argv[i][1] != '\0') {
      return Fail(std::string("unknown option ") + argv[i] + " (see --help)");
    } else if (folder) {
      return Fail("one folder only (see --help)");
    } else {
      folder = argv[i];
    }
  }
  if (!folder && !sheet && !icon) return Fail("nothing to write (see --help)");
  if (folder) {
    if (auto failure = valvetrain::ExportFrames(*folder)) return Fail(*failure);
  }
  if (sheet) {
    if (auto failure = valvetrain::ExportContactSheet(*sheet)) return Fail(*failure);
  }
  if (icon) {
    if (auto failure = valvetrain::ExportIcon(icon_size, *icon)) return Fail(*failure);
  }
  return 0;
}
