#include "stage.h"

namespace tibbo::art {

Surface render_stage(cairo_surface_t* room, const Canvas& canvas, const CatPose& pose) {
    Surface frame = copy_surface(room);
    draw_cat(frame.get(), canvas, pose);
    cairo_surface_flush(frame.get());
    return frame;
}

}  // namespace tibbo::art
