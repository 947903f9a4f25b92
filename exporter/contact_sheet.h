// A contact sheet: all 54 frame pictures on one page, labelled by slot.
#pragma once

#include "exporter/png.h"

namespace valvetrain {

// 18 columns (cam phases) by 3 rows (lift settings), slot = column + 18 * row. Each picture
// has its slot number written in the margin above it and a hairline frame around it; the
// pictures themselves are untouched.
BlackWhiteImage DrawContactSheet();

}  // namespace valvetrain
