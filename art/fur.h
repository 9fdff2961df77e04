// Shades one furry body part: a silhouette filled with coat colour, tabby markings and
// white patches, rounded by soft light from the window, with hairs streaking away from
// a flow centre and a hairy outline. The texture lives in the part's own coordinates, so
// it moves with the part from frame to frame instead of crawling.
#pragma once

#include <cmath>
#include <cstdint>
#include <functional>

#include "brush.h"
#include "raster.h"

namespace tibbo::art {

struct Coat {
    Rgb base = rgb_hex(0x8c867e);    // the grey of the coat
    Rgb stripe = rgb_hex(0x3e3834);  // tabby markings
    Rgb white = rgb_hex(0xe9e5de);   // white patches
};

// Key light from the window (viewer's upper left), a warm bounce from the room.
struct Light {
    double x = -0.65, y = -0.45, z = 0.6;  // towards the light, picture axes, z out of the picture
    Rgb lit_tint = rgb_hex(0xfff6ea);
    Rgb shade_tint = rgb_hex(0xc4c8d6);
    float ambient = 0.28f;
    float diffuse = 0.74f;
    float wrap = 0.4f;
    double fill_x = 0.35, fill_y = 0.55, fill_z = 0.76;  // bounce from the rug and the chest, below right
    float fill = 0.32f;
    float rim = 0.7f;  // back light from the window catching the fur along left and top edges
    Rgb rim_tint = rgb_hex(0xfff1dc);
};

using Painter = std::function<void(cairo_t*)>;

struct FurPart {
    std::uint32_t seed = 1;
    cairo_matrix_t local_to_picture{1, 0, 0, 1, 0, 0};
    Painter outline;  // adds a closed path (the renderer fills it)
    Painter stripes;  // paints the dark markings (alpha = strength); may be empty
    Painter white;    // paints the white fur; may be empty
    Painter shadow;   // paints creases and occlusion to darken; may be empty
    Painter creases;  // paints fine dark lines (between toes, lid folds), barely softened; may be empty
    Painter pale;     // paints where the coat fades softly towards white (no hairy edge); may be empty
    Painter bumps;    // paints raised areas (muzzle pads, cheeks) that catch the light; may be empty
    Coat coat;

    // Hairs run straight away from flow_centre (local units). seam_angle is the direction
    // (radians, picture axes) in which the texture wraps around; point it somewhere hidden.
    Point flow_centre{0, 0};
    double seam_angle = -M_PI / 2;
    double flow_radius = 60;   // across-hair distance is measured as angle times this
    // Parts whose hairs bend (the tail) give their own (along, across) hair coordinates
    // for a local point instead.
    std::function<Point(Point)> hair_coords;
    double hair_length = 3.6;  // picture units
    double hair_width = 0.75;
    double roundness = 12;     // how far in from the outline the shading turns (picture units)
    double relief = 1.0;       // strength of that rounding
    double bulk = 40;          // the scale of the part's overall form (picture units)
    double bulk_relief = 1.0;  // strength of the overall form's shading
    double bump_radius = 5;    // softness of the bumps (picture units)
    double bump_relief = 1.0;
    double fuzz = 1.0;         // hairiness of the outline
    float sheen = 0.06f;
};

// Renders the part into a new transparent ARGB32 layer of the canvas's size.
Surface render_fur(const Canvas& canvas, const FurPart& part, const Light& light = {});

}  // namespace tibbo::art
