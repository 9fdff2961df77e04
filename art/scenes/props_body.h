// Props and timing helpers for the body scenes (scratch, cymbal, drink, eat, fart, the feet,
// the belly poke). Everything is painted in picture units with the room's light: the window
// on the viewer's left, a warm bounce from below. No outlines; form comes from shading.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <initializer_list>

#include "../brush.h"
#include "../cat.h"
#include "../scene.h"

namespace tibbo::art::props {

// The scene timing curves, with the frame first.
inline double ramp(double x, double a, double b) { return ease(a, b, x); }
inline double window(double x, double a, double b, double c, double d) { return envelope(a, b, c, d, x); }

// Where the pose puts a point of the head's or a front paw's drawing (base pose units).
cairo_matrix_t head_matrix(const CatPose& pose);
Point paw_point(const CatPose& pose, bool left);  // centre of that front paw

// A soft contact shadow on the rug.
void floor_shadow(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha);

// Four scratches in the glass of the screen from `from` to `to` (the middle claw's path),
// drawn up to `drawn` (0 .. 1) of their length; `spread` is the gap between claws.
void claw_marks(cairo_t* cr, Point from, Point to, double drawn, double spread, double alpha);

// A brass cymbal held edge-on: centre, tilt (degrees), how much of its face shows
// (0 edge .. 1 facing), which side its hollow faces (+1 right, -1 left).
void cymbal(cairo_t* cr, Point centre, double tilt, double face, double facing, double alpha);
// The flash of the clash.
void clash_flash(cairo_t* cr, Point centre, double strength);

// A cream jug; `spout` is the lip in picture units, `tilt` degrees (negative tips it left).
void jug(cairo_t* cr, Point spout, double tilt, double alpha);
// A falling ribbon of milk from `from` to `to`, `flow` 0 .. 1 its thickness.
void milk_stream(cairo_t* cr, Point from, Point to, double flow);
// A drinking glass standing with its base centred on `base`; `milk` 0 .. 1 how full.
inline constexpr double kGlassHeight = 118.0;
void glass(cairo_t* cr, Point base, double milk, double alpha);
// The milk surface's centre for that level (where the stream lands).
Point glass_milk_top(Point base, double milk);
// A milk moustache on the upper lip, following the head.
void milk_moustache(cairo_t* cr, const CatPose& pose, double amount);

// A glazed food bowl on the rug, centred on `base`; `food` 0 .. 1 how full.
void food_bowl(cairo_t* cr, Point base, double food, double alpha);

// A greenish puff of gas: a few soft balls round `centre`, `size` their scale.
void gas_cloud(cairo_t* cr, Point centre, double size, double alpha, std::uint32_t seed);

// A finger coming in from the lower right, its tip at `tip`, pointing along `angle`
// (degrees, direction from knuckle to tip).
void finger(cairo_t* cr, Point tip, double angle, double alpha);

// Eases through keyframes (frame, value) sorted by frame: smoothstep between neighbours,
// flat before the first and after the last.
struct Key {
    double frame, value;
};
double keyed(double frame, std::initializer_list<Key> keys);

// The hind-foot scenes: the foot on the viewer's left or right lifts high, sole to the
// viewer, and taps down three times while the cat winces, then it looks down at the foot
// and settles.
CatPose foot_tap_pose(double frame, bool viewer_left);
// Where that foot lands: a ring pressed into the rug (behind the cat) and little puffs of
// dust kicked out to either side (in front), fading over the frames after each tap.
void foot_tap_ripple(cairo_t* cr, double frame, bool viewer_left);
void foot_tap_dust(cairo_t* cr, double frame, bool viewer_left);

}  // namespace tibbo::art::props
