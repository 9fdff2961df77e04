// A stage picture: the room with the cat in it.
#pragma once

#include "cat.h"
#include "raster.h"

namespace tibbo::art {

// The room (render_room's picture) with the cat drawn in the given pose, as a new RGB24
// surface of the same size.
Surface render_stage(cairo_surface_t* room, const Canvas& canvas, const CatPose& pose);

}  // namespace tibbo::art
