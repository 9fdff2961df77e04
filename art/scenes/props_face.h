// Props and helpers shared by the face scenes (happy, knockout, listen, pie, sneeze,
// happy-simple, talk, yawn): easing, the head's place in the picture, and the things that
// fly at, circle or spray from the cat's head. Everything is painted in picture units,
// lit like the room (from the window on the viewer's left), without outlines.
#pragma once

#include <cairo.h>

#include <cstdint>

#include "../brush.h"
#include "../cat.h"
#include "../scene.h"

namespace tibbo::art::face {


// The head's local (base pose) coordinates to picture coordinates for a pose.
cairo_matrix_t head_to_picture(const CatPose& pose);
Point head_point(const CatPose& pose, Point local);

// A plump five-pointed golden star with a soft glow; turn in degrees.
void paint_star(cairo_t* cr, Point centre, double radius, double turn, double alpha);
// Stars circling over the head: an ellipse round the crown at `phase` (radians). Only the
// stars on the far side (behind the head) or the near side are painted, so the painter
// behind the cat and the one in front together give the ring its depth.
void paint_star_ring(cairo_t* cr, const CatPose& pose, double phase, double alpha, bool far_side);

// A red rubber ball, squashed along its travel by squash (0 .. 0.5), spun by spin degrees.
void paint_ball(cairo_t* cr, Point centre, double radius, double squash, double spin);
// A soft shadow cast onto the cat (an ellipse, blurred).
void paint_soft_shadow(cairo_t* cr, Point centre, double rx, double ry, double alpha);

// A cream pie seen from the side (cream up before turning), angle in degrees.
void paint_pie_side(cairo_t* cr, Point centre, double scale, double angle);
// The pie's foil tin seen from behind, pressed flat onto something; splat (0 .. 1)
// pushes cream out round its rim.
void paint_pie_back(cairo_t* cr, Point centre, double radius, double angle, double splat);
// Cream left on the face, in head coordinates; amount 1 fresh .. 0 gone, drip (0 .. 1)
// how far it has run down, eyes (0 .. 1) how far the eyes have blinked clear of it.
void paint_face_cream(cairo_t* cr, const CatPose& pose, double amount, double drip, double eyes);

// A sneeze's spray from the nose: droplets and a puff of mist, t 0 .. 1 across its flight.
void paint_sneeze_spray(cairo_t* cr, const CatPose& pose, double t);

}  // namespace tibbo::art::face
