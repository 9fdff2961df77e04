#include "stage.h"

namespace tibbo::art {
namespace {

void paint_props(cairo_surface_t* target, const Canvas& canvas, const PropPainter& paint) {
    if (!paint) return;
    Context cr = make_context(target);
    const cairo_matrix_t to_pixels = canvas.picture_to_pixels();
    cairo_set_matrix(cr.get(), &to_pixels);
    paint(cr.get());
}

}  // namespace

Surface render_stage(cairo_surface_t* room, const Canvas& canvas, const CatPose& pose) {
    return render_stage(room, canvas, SceneFrame{pose, {}, {}});
}

Surface render_stage(cairo_surface_t* room, const Canvas& canvas, const SceneFrame& frame) {
    Surface picture = copy_surface(room);
    paint_props(picture.get(), canvas, frame.behind);
    draw_cat(picture.get(), canvas, frame.pose);
    paint_props(picture.get(), canvas, frame.front);
    cairo_surface_flush(picture.get());
    return picture;
}

}  // namespace tibbo::art
