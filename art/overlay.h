// A drawing aid, not part of the built pictures: the stage picture with the clickable
// body-part rectangles laid over it, to check that each sits on its part.
#pragma once

#include <filesystem>

#include <cairo.h>

namespace tibbo::art {

// Writes a PNG of the stage picture, doubled in size, with every rectangle outlined and
// named. Throws std::runtime_error when the file cannot be written.
void write_region_overlay(cairo_surface_t* stage, const std::filesystem::path& png);

}  // namespace tibbo::art
