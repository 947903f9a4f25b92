// The valve train's geometry: what moves where, by cam phase and lift setting.
#pragma once

#include <array>

#include "frames/raster.h"

namespace valvetrain {

inline constexpr Point kCamshaftCentre = {126.5, 71.5};
inline constexpr double kCamshaftRadius = 29.5;
inline constexpr Point kRollerRestCentre = {75, 123};  // also the cross mark's centre
inline constexpr double kRollerInnerRadius = 14;       // the axle
inline constexpr double kRollerMiddleRadius = 26;      // runs on the cam
inline constexpr double kRollerOuterRadius = 30.5;     // presses the tappet
inline constexpr int kValveAxisTimesTwo = 132;         // mirror: x -> 132 - x
inline constexpr int kOpenPhases = 6;                  // the valve is open in phases 0..5

// Direction of the cam's lobe axis at `phase`, in degrees clockwise from +x: 185 - 20 * phase,
// in 0..360.
double LobeAxisDegrees(int phase);

// The lobe tip at `phase`: the outline's pixel on the lobe axis, 63.4 px from the centre.
Pixel LobeTip(int phase);

// Radius of the cam outline at `degrees` from the lobe axis (either side): 63.4 at the tip,
// falling smoothly through the listed radii to the base circle's 46.2 at 75 degrees and beyond.
double CamRadius(double degrees_from_axis);

// How far the tappet and the valve are pushed down, in pixels.
int ValveLift(int setting, int phase);

// Where the roller's centre is.
Point RollerCentre(int setting, int phase);

// The control block's corners in one lift setting.
struct BlockCorners {
  Pixel face_a;  // the face's upper end in setting 0
  Pixel face_b;  // the face's lower end in setting 0
  Pixel back_a;  // back corner next to face end A, rounded by about 4 px
  Pixel back_b;  // back corner next to face end B, rounded by about 2 px
};
BlockCorners ControlBlockCorners(int setting);

}  // namespace valvetrain
