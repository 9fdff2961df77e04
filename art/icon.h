// The program's icon: a close-up of the cat's face on a warm tile.
#pragma once

#include <cstdint>
#include <vector>

#include "raster.h"

namespace tibbo::art {

// The icon at size by size pixels as an ARGB32 surface: a rounded tile, transparent
// corners. Meant for sizes of 64 and up.
Surface render_icon(int size);

// The icon as raw RGB bytes (rows top to bottom, R,G,B), size*size*3 of them. The tile
// fills the square, as there is no transparency. Small sizes are drawn large and reduced,
// then sharpened a little so the eyes and nose stay crisp.
std::vector<std::uint8_t> render_icon_rgb(int size);

}  // namespace tibbo::art
