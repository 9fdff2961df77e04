// Shared by the files that draw the cat: the rig (where each part sits for a pose), the
// layer the cat is built up on, and one drawing function per group of parts.
#pragma once

#include <vector>

#include "brush.h"
#include "cat.h"
#include "fur.h"
#include "raster.h"

namespace tibbo::art::cat {

// Landmarks of the base pose, in picture units. Every part is drawn in these coordinates
// and then carried to its place by its rig matrix.
inline constexpr Point kSitPivot{160, 460};      // where the body rests on the rug
inline constexpr Point kHeadPivot{160, 176};     // the head tilts about the middle of the face
inline constexpr Point kEyeLeft{130, 155};
inline constexpr Point kEyeRight{190, 155};
inline constexpr Point kEarBaseLeft{100, 122};
inline constexpr Point kEarBaseRight{220, 122};
inline constexpr Point kPawLeft{106, 302};
inline constexpr Point kPawRight{208, 291};
inline constexpr Point kShoulderLeft{130, 246};
inline constexpr Point kShoulderRight{190, 246};
inline constexpr Point kFootLeft{134, 452};
inline constexpr Point kFootRight{181, 451};

inline Point mirrored(Point p) { return {320.0 - p.x, p.y}; }
std::vector<Point> mirrored(const std::vector<Point>& points);

// Local (base pose) coordinates to picture coordinates, for every moving part.
struct Rig {
    cairo_matrix_t body;
    cairo_matrix_t torso;  // the body with the chest sunk by the pose's hunch
    cairo_matrix_t head;
    cairo_matrix_t ear_left, ear_right;
    cairo_matrix_t paw_left, paw_right;
    cairo_matrix_t foot_left, foot_right;
};
Rig make_rig(const CatPose& pose);

// Matrix helpers: "first a, then b".
cairo_matrix_t then(const cairo_matrix_t& a, const cairo_matrix_t& b);
// Rotation (degrees) and scale about a pivot, followed by a shift.
cairo_matrix_t about(Point pivot, double degrees, double sx = 1.0, double sy = 1.0, Point shift = {});
Point apply(const cairo_matrix_t& m, Point p);
Point apply_inverse(const cairo_matrix_t& m, Point p);

// The cat as it is built up, part over part, on a transparent layer.
class Layer {
public:
    explicit Layer(const Canvas& canvas);
    const Canvas& canvas() const { return canvas_; }
    cairo_surface_t* surface() const { return surface_.get(); }

    // Shades a furry part and lays it over what is there.
    void fur(const FurPart& part);
    // A soft shadow of shape (local units, moved by offset) on the fur drawn so far only.
    void shadow(const cairo_matrix_t& local_to_picture, const Painter& shape, double blur, double alpha,
                Point offset);
    // Plain cairo drawing in local units.
    void paint(const cairo_matrix_t& local_to_picture, const Painter& painter);

private:
    Canvas canvas_;
    Surface surface_;
};

// Painters for outlines other parts need for their shadows.
Painter head_outline();
Painter torso_outline();
Painter tail_outline(const CatPose& pose);
Painter front_leg_outline(const Rig& rig, bool left);

void draw_tail(Layer& layer, const Rig& rig, const CatPose& pose);
void draw_torso(Layer& layer, const Rig& rig, const CatPose& pose);
void draw_thighs(Layer& layer, const Rig& rig);
void draw_feet(Layer& layer, const Rig& rig, const CatPose& pose);
// Only the legs whose paws reach out towards the viewer when `reaching`, the others when not.
void draw_front_legs(Layer& layer, const Rig& rig, const CatPose& pose, bool reaching);
void draw_ears(Layer& layer, const Rig& rig, const CatPose& pose);
void draw_head(Layer& layer, const Rig& rig, const CatPose& pose);
void draw_face(Layer& layer, const Rig& rig, const CatPose& pose);
void draw_eyes(Layer& layer, const Rig& rig, const CatPose& pose);


}  // namespace tibbo::art::cat
