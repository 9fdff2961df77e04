// A stage picture: the room with the cat in it.
#pragma once

#include "cat.h"
#include "raster.h"
#include "scene.h"

namespace tibbo::art {

// The room (render_room's picture) with the cat drawn in the given pose, as a new RGB24
// surface of the same size.
Surface render_stage(cairo_surface_t* room, const Canvas& canvas, const CatPose& pose);

// The same for one frame of a scene: its props behind the cat, the cat, its props in front.
Surface render_stage(cairo_surface_t* room, const Canvas& canvas, const SceneFrame& frame);

}  // namespace tibbo::art
