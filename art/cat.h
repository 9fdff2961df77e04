// The cat, drawn from a pose. The default pose is the cat at rest: sitting up on the rug,
// facing the viewer, front paws held at chest height, tail curled up on the viewer's right.
// Scenes animate it by changing pose fields frame by frame; every field's default is the
// base pose, so a scene only sets what it moves.
//
// "Left" and "right" below are the viewer's. Distances are picture units (the 320 by 480
// stage picture), angles degrees, positive clockwise on screen.
#pragma once

#include <cairo.h>

#include "raster.h"

namespace tibbo::art {

struct EyePose {
    double open = 1.0;    // 1 wide open .. 0 shut (the upper lid comes down)
    double squint = 0.0;  // 0 .. 1: lower lid pushed up, as in a smile or a purr
};

struct EarPose {
    double angle = 0.0;    // swivel about the ear's base, degrees; positive turns the tip clockwise
    double perk = 0.0;     // 0 .. 1: taller and turned forward, listening hard
    double flatten = 0.0;  // 0 .. 1: pressed flat sideways (angry, scared, hit)
};

struct PawPose {
    double dx = 0.0, dy = 0.0;  // paw offset from its resting place (negative dy raises it)
    double angle = 0.0;         // tilt of the paw, degrees
    double reach = 0.0;         // 0 .. 1: the paw comes out towards the viewer, larger and over the face
    double claws = 0.0;         // 0 .. 1: claws unsheathed from the toes
};

struct MouthPose {
    double open = 0.0;    // 0 closed .. 1 wide open (yawn, sneeze, cymbal clash)
    double smile = 0.0;   // -1 frown .. 1 broad smile
    double shift = 0.0;   // sideways shift of the jaw, -1 .. 1 (chewing)
    double tongue = 0.0;  // 0 .. 1: tongue out over the lower lip (licking, drinking)
    double jaw = 0.0;     // 0 .. 1: the chin drops below an open mouth, teeth showing (a big yawn)
};

struct TailPose {
    double swing = 0.0;  // degrees, the whole tail about its root; negative lifts it towards the body
    double curl = 1.0;   // 1 curled up beside the body (rest) .. 0 straight out along the floor
    double lash = 0.0;   // amplitude of a travelling wave along the tail, degrees per joint
    double phase = 0.0;  // phase of that wave, radians
    double fluff = 0.0;  // 0 .. 1: bristled, thicker tail (angry)
};

struct CatPose {
    EyePose eye_left, eye_right;
    double pupil = 0.3;               // pupil width as a share of the iris: 0.15 slit .. 0.9 round
    double gaze_x = 0.0, gaze_y = 0.0;  // where the eyes look, -1 .. 1 each
    EarPose ear_left, ear_right;

    double head_dx = 0.0, head_dy = 0.0;  // head offset from the neck
    double head_tilt = 0.0;               // degrees, about the middle of the face

    MouthPose mouth;
    double blush = 0.0;           // 0 .. 1 pink cheeks
    double whisker_twitch = 0.0;  // -1 (down/back) .. 1 (up/forward)
    double nose_wrinkle = 0.0;    // 0 .. 1 (sneeze, sniff)
    double dazed = 0.0;           // 0 .. 1: spirals swim in the eyes (knocked silly)
    double dazed_spin = 0.0;      // turn of those spirals, degrees

    PawPose paw_left, paw_right;              // front paws, held at chest height at rest
    double foot_lift_left = 0.0, foot_lift_right = 0.0;  // hind foot raised by, picture units
    double foot_toes_left = 0.0, foot_toes_right = 0.0;  // 0 .. 1 toes tipped up (tapping)

    TailPose tail;

    double lean = 0.0;    // whole body, degrees, about where it sits
    double squash = 0.0;  // -0.2 stretched up .. 0.2 squashed down (breathing, bracing)
    double breathe = 0.0; // 0 .. 1 chest and belly puffed out
    double hunch = 0.0;   // 0 .. 1 chest and shoulders sink down (crouching over a bowl)
};

struct CatOptions {
    bool floor_shadow = true;  // the soft shadow on the rug under the cat
};

// Draws the cat onto target, which shows the canvas (the room, the icon's backdrop...).
void draw_cat(cairo_surface_t* target, const Canvas& canvas, const CatPose& pose, const CatOptions& options = {});

}  // namespace tibbo::art
