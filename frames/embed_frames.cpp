// valvetrain-embed-frames FILE: writes the C++ source that defines kStoredFrames, the 54 frame
// pictures in their stored form, so that the program carries them ready-made.
#include <cstdio>

#include "frames/bmp.h"
#include "frames/frame_set.h"

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fputs("usage: valvetrain-embed-frames FILE.cpp\n", stderr);
    return 2;
  }
  std::FILE* out = std::fopen(argv[1], "w");
  if (out == nullptr) {
    std::perror(argv[1]);
    return 2;
  }
  std::fputs(
      "// Written by valvetrain-embed-frames while building: do not edit.\n"
      "#include \"frames/stored_frames.h\"\n\n"
      "namespace valvetrain {\n\n"
      "alignas(4) const std::uint8_t kStoredFrames[54][kBmpFileSize] = {\n",
      out);
  const std::vector<valvetrain::FramePicture> frames = valvetrain::DrawFrameSet();
  for (const valvetrain::FramePicture& frame : frames) {
    const auto bytes = valvetrain::EncodeBmp(frame);
    std::fputs("    {", out);
    for (size_t i = 0; i < bytes.size(); ++i) {
      std::fprintf(out, "%s%u,", i % 32 == 0 ? "\n        " : "", bytes[i]);
    }
    std::fputs("\n    },\n", out);
  }
  std::fputs("};\n\n}  // namespace valvetrain\n", out);
  return std::fclose(out) == 0 ? 0 : 2;
}
