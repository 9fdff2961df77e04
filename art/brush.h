// Path building blocks: smooth curves through points and tapered brush strokes.
#pragma once

#include <cairo.h>

#include <functional>
#include <vector>

namespace tibbo::art {

struct Point {
    double x = 0, y = 0;
};
inline Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
inline Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
inline Point operator*(Point a, double k) { return {a.x * k, a.y * k}; }
inline Point lerp(Point a, Point b, double t) { return a + (b - a) * t; }

// Catmull-Rom curve through the points (centripetal-free, uniform), as a polyline with
// `per_segment` samples between neighbours.
std::vector<Point> sample_curve(const std::vector<Point>& points, bool closed, int per_segment = 12);

// Adds a smooth closed curve through the points to cr's path.
void smooth_closed(cairo_t* cr, const std::vector<Point>& points);
// Adds a smooth open curve through the points to cr's path (starting a new sub-path).
void smooth_open(cairo_t* cr, const std::vector<Point>& points);

// Adds a closed outline around a smooth curve through the points whose width follows
// width(t), t from 0 at the first point to 1 at the last (by length). Round ends.
void brush_path(cairo_t* cr, const std::vector<Point>& points, const std::function<double(double)>& width);
// brush_path with the width going linearly from w0 to w1, then fills it.
void taper(cairo_t* cr, const std::vector<Point>& points, double w0, double w1);
// Like taper, but fattest in the middle: w_end at both ends, w_mid halfway.
void spindle(cairo_t* cr, const std::vector<Point>& points, double w_end, double w_mid);

void ellipse_path(cairo_t* cr, double cx, double cy, double rx, double ry, double angle = 0.0);

}  // namespace tibbo::art
