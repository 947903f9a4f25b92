#include "input/surface_units.h"

namespace valvetrain {

SurfacePoint ToSurfaceUnits(double px, double py) {
  return {static_cast<float>(px * kSurfaceWidthUnits / kSurfaceInnerWidth),
          static_cast<float>(py * kSurfaceHeightUnits / kSurfaceInnerHeight)};
}

}  // namespace valvetrain
