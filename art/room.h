// The cosy room behind the cat: a warm wall lit from a window on the left, a small
// painting, a wooden floor and a round braided rug. Drawn once and reused by every frame.
#pragma once

#include "raster.h"

namespace tibbo::art {

// An opaque RGB24 picture of the empty room at the canvas's size. Deterministic.
Surface render_room(const Canvas& canvas);

// Where the cat sits: centre of the rug, in picture units.
inline constexpr double kRugCentreX = 160.0;
inline constexpr double kRugCentreY = 452.0;

}  // namespace tibbo::art
