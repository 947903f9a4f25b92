// The program's icon: the cam, roller and tappet of the widest-open frame, scaled down.
#pragma once

#include <cstdint>
#include <vector>

namespace valvetrain {

// A size x size greyscale picture (0 black .. 255 white), row by row. Each icon pixel averages
// the frame pixels it covers, with lines darkened so that they survive small sizes.
std::vector<std::uint8_t> DrawIcon(int size);

}  // namespace valvetrain
