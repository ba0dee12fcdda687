// Where the main dialog's controls go when the dialog is resized: each control's
// client position and size in pixels, worked out from the window's outer size.
#pragma once

#include <array>

struct ControlPlacement {
  int id;
  int x;
  int y;
  int width;
  int height;
};

inline constexpr int kMainLayoutControlCount = 17;

// For an outer window rectangle of width W and height H. Sizes are not clamped: a
// small window gives negative widths and heights, and they are used as they are.
std::array<ControlPlacement, kMainLayoutControlCount> MainDialogLayout(int W, int H);
