#include "brush.h"

#include <cmath>

namespace tibbo::art {
namespace {

Point catmull(Point p0, Point p1, Point p2, Point p3, double t) {
    const double t2 = t * t;
    const double t3 = t2 * t;
    return (p1 * 2.0 + (p2 - p0) * t + (p0 * 2.0 - p1 * 5.0 + p2 * 4.0 - p3) * t2 + (p1 * 3.0 - p0 - p2 * 3.0 + p3) * t3) *
           0.5;
}

Point at(const std::vector<Point>& p, int i, bool closed) {
    const int n = static_cast<int>(p.size());
    if (closed)
        return p[static_cast<std::size_t>(((i % n) + n) % n)];
    if (i < 0)
        return p[0] * 2.0 - p[1];
    if (i >= n)
        return p[static_cast<std::size_t>(n - 1)] * 2.0 - p[static_cast<std::size_t>(n - 2)];
    return p[static_cast<std::size_t>(i)];
}

// Bezier controls equivalent to the Catmull-Rom segment p1..p2.
void catmull_bezier(cairo_t* cr, Point p0, Point p1, Point p2, Point p3) {
    const Point c1 = p1 + (p2 - p0) * (1.0 / 6.0);
    const Point c2 = p2 - (p3 - p1) * (1.0 / 6.0);
    cairo_curve_to(cr, c1.x, c1.y, c2.x, c2.y, p2.x, p2.y);
}

}  // namespace

std::vector<Point> sample_curve(const std::vector<Point>& p, bool closed, int per_segment) {
    std::vector<Point> out;
    const int n = static_cast<int>(p.size());
    if (n < 2)
        return p;
    const int segments = closed ? n : n - 1;
    for (int i = 0; i < segments; ++i)
        for (int s = 0; s < per_segment; ++s)
            out.push_back(catmull(at(p, i - 1, closed), at(p, i, closed), at(p, i + 1, closed), at(p, i + 2, closed),
                                  static_cast<double>(s) / per_segment));
    if (!closed)
        out.push_back(p.back());
    return out;
}

void smooth_closed(cairo_t* cr, const std::vector<Point>& p) {
    const int n = static_cast<int>(p.size());
    if (n < 3)
        return;
    cairo_move_to(cr, p[0].x, p[0].y);
    for (int i = 0; i < n; ++i)
        catmull_bezier(cr, at(p, i - 1, true), at(p, i, true), at(p, i + 1, true), at(p, i + 2, true));
    cairo_close_path(cr);
}

void smooth_open(cairo_t* cr, const std::vector<Point>& p) {
    const int n = static_cast<int>(p.size());
    if (n < 2)
        return;
    cairo_move_to(cr, p[0].x, p[0].y);
    for (int i = 0; i + 1 < n; ++i)
        catmull_bezier(cr, at(p, i - 1, false), at(p, i, false), at(p, i + 1, false), at(p, i + 2, false));
}

void brush_path(cairo_t* cr, const std::vector<Point>& points, const std::function<double(double)>& width) {
    const std::vector<Point> line = sample_curve(points, false, 10);
    const std::size_t n = line.size();
    if (n < 2)
        return;
    std::vector<double> length(n, 0.0);
    for (std::size_t i = 1; i < n; ++i)
        length[i] = length[i - 1] + std::hypot(line[i].x - line[i - 1].x, line[i].y - line[i - 1].y);
    const double total = std::max(length.back(), 1e-9);
    std::vector<Point> left(n), right(n);
    for (std::size_t i = 0; i < n; ++i) {
        const Point a = line[i == 0 ? 0 : i - 1];
        const Point b = line[i + 1 < n ? i + 1 : n - 1];
        double dx = b.x - a.x, dy = b.y - a.y;
        const double d = std::max(std::hypot(dx, dy), 1e-9);
        dx /= d;
        dy /= d;
        const double half = 0.5 * width(length[i] / total);
        left[i] = {line[i].x - dy * half, line[i].y + dx * half};
        right[i] = {line[i].x + dy * half, line[i].y - dx * half};
    }
    cairo_move_to(cr, left[0].x, left[0].y);
    for (std::size_t i = 1; i < n; ++i)
        cairo_line_to(cr, left[i].x, left[i].y);
    // Round end cap.
    const Point end = line[n - 1];
    const double end_r = 0.5 * width(1.0);
    const double end_angle = std::atan2(left[n - 1].y - end.y, left[n - 1].x - end.x);
    if (end_r > 0.05)
        cairo_arc_negative(cr, end.x, end.y, end_r, end_angle, end_angle - M_PI);
    for (std::size_t i = n; i-- > 0;)
        cairo_line_to(cr, right[i].x, right[i].y);
    const Point start = line[0];
    const double start_r = 0.5 * width(0.0);
    const double start_angle = std::atan2(right[0].y - start.y, right[0].x - start.x);
    if (start_r > 0.05)
        cairo_arc_negative(cr, start.x, start.y, start_r, start_angle, start_angle - M_PI);
    cairo_close_path(cr);
}

void taper(cairo_t* cr, const std::vector<Point>& points, double w0, double w1) {
    brush_path(cr, points, [=](double t) { return w0 + (w1 - w0) * t; });
    cairo_fill(cr);
}

void spindle(cairo_t* cr, const std::vector<Point>& points, double w_end, double w_mid) {
    brush_path(cr, points, [=](double t) { return w_end + (w_mid - w_end) * std::sin(M_PI * t); });
    cairo_fill(cr);
}

void ellipse_path(cairo_t* cr, double cx, double cy, double rx, double ry, double angle) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_close_path(cr);
    cairo_restore(cr);
}

}  // namespace tibbo::art
