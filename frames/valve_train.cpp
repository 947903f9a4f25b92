#include "frames/valve_train.h"

#include <cmath>

namespace valvetrain {
namespace {

// The cam's radius at these angles from the lobe axis; 46.2 from 75 degrees on.
constexpr std::array<double, 9> kCamAngles = {0, 10, 20, 30, 40, 50, 60, 70, 75};
constexpr std::array<double, 9> kCamRadii = {63.4, 62.6, 60.6, 57.4, 53.4, 49.6, 47.3, 46.7, 46.2};

// Slopes of the cam radius at each listed angle for a monotone cubic through the radii
// (Fritsch and Carlson), flat at the tip and where the lobe meets the base circle.
std::array<double, 9> CamSlopes() {
  constexpr size_t n = kCamAngles.size();
  std::array<double, n - 1> secant{};
  for (size_t i = 0; i + 1 < n; ++i) {
    secant[i] = (kCamRadii[i + 1] - kCamRadii[i]) / (kCamAngles[i + 1] - kCamAngles[i]);
  }
  std::array<double, n> slope{};
  for (size_t i = 1; i + 1 < n; ++i) {
    const double h0 = kCamAngles[i] - kCamAngles[i - 1], h1 = kCamAngles[i + 1] - kCamAngles[i];
    const double w0 = 2 * h1 + h0, w1 = h1 + 2 * h0;
    slope[i] = secant[i - 1] * secant[i] <= 0
                   ? 0
                   : (w0 + w1) / (w0 / secant[i - 1] + w1 / secant[i]);
  }
  return slope;  // ends stay 0
}

constexpr Pixel kLobeTips[18] = {
    {63, 66},   {65, 88},  {74, 108}, {90, 123}, {110, 133}, {132, 135}, {153, 129}, {171, 117},
    {184, 98},  {189, 77}, {188, 55}, {178, 35}, {163, 20},  {143, 10},  {121, 8},   {100, 14},
    {82, 26},   {69, 45},
};

constexpr int kLift[3][kOpenPhases] = {
    {5, 13, 20, 22, 20, 10},
    {3, 8, 11, 11, 8, 3},
    {1, 2, 3, 2, 1, 1},
};

// Roller centres in the open phases. In slots 0, 20, 21, 36, 39 and 41 the centre sits half a
// pixel higher than its whole-pixel position, which puts the outer circle's lowest pixel one
// row above the tappet's top instead of on it.
constexpr Point kRollerOpen[3][kOpenPhases] = {
    {{75, 127.5}, {75, 136}, {75, 142}, {75, 145}, {75, 142}, {75, 133}},
    {{71, 126}, {65, 131}, {62, 133.5}, {62, 133.5}, {65, 131}, {71, 126}},
    {{67, 123.5}, {58, 124}, {54, 125}, {56, 124.5}, {62, 124}, {70, 123.5}},
};

constexpr BlockCorners kBlockCorners[3] = {
    {{60, 111}, {60, 152}, {12, 111}, {12, 152}},
    {{74, 104}, {42, 132}, {44, 68}, {11, 95}},
    {{85, 108}, {43, 111}, {80, 60}, {39, 63}},
};

}  // namespace

double LobeAxisDegrees(int phase) {
  const double degrees = std::fmod(185.0 - 20.0 * phase, 360.0);
  return degrees < 0 ? degrees + 360 : degrees;
}

Pixel LobeTip(int phase) { return kLobeTips[phase]; }

double CamRadius(double degrees_from_axis) {
  static const std::array<double, 9> slopes = CamSlopes();
  double a = std::fabs(std::remainder(degrees_from_axis, 360.0));
  if (a >= kCamAngles.back()) return kCamRadii.back();
  size_t i = 0;
  while (a > kCamAngles[i + 1]) ++i;
  const double h = kCamAngles[i + 1] - kCamAngles[i];
  const double t = (a - kCamAngles[i]) / h;
  const double t2 = t * t, t3 = t2 * t;
  return (2 * t3 - 3 * t2 + 1) * kCamRadii[i] + (t3 - 2 * t2 + t) * h * slopes[i] +
         (-2 * t3 + 3 * t2) * kCamRadii[i + 1] + (t3 - t2) * h * slopes[i + 1];
}

int ValveLift(int setting, int phase) {
  return phase < kOpenPhases ? kLift[setting][phase] : 0;
}

Point RollerCentre(int setting, int phase) {
  return phase < kOpenPhases ? kRollerOpen[setting][phase] : kRollerRestCentre;
}

BlockCorners ControlBlockCorners(int setting) { return kBlockCorners[setting]; }

}  // namespace valvetrain
