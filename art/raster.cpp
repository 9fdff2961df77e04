#include "raster.h"

#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace tibbo::art {

Surface make_surface(cairo_format_t format, int width, int height) {
    Surface surface(cairo_image_surface_create(format, width, height));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error(std::string("cairo surface: ") +
                                 cairo_status_to_string(cairo_surface_status(surface.get())));
    return surface;
}

Context make_context(cairo_surface_t* surface) {
    Context cr(cairo_create(surface));
    if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error(std::string("cairo context: ") + cairo_status_to_string(cairo_status(cr.get())));
    return cr;
}

Surface copy_surface(cairo_surface_t* surface) {
    Surface copy = make_surface(cairo_image_surface_get_format(surface), cairo_image_surface_get_width(surface),
                                cairo_image_surface_get_height(surface));
    Context cr = make_context(copy.get());
    cairo_set_operator(cr.get(), CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr.get(), surface, 0, 0);
    cairo_paint(cr.get());
    cairo_surface_flush(copy.get());
    return copy;
}

Pattern linear_gradient(double x0, double y0, double x1, double y1) {
    return Pattern(cairo_pattern_create_linear(x0, y0, x1, y1));
}

Pattern radial_gradient(double cx0, double cy0, double r0, double cx1, double cy1, double r1) {
    return Pattern(cairo_pattern_create_radial(cx0, cy0, r0, cx1, cy1, r1));
}

void add_stop(const Pattern& pattern, double offset, unsigned hex, double alpha) {
    cairo_pattern_add_color_stop_rgba(pattern.get(), offset, ((hex >> 16) & 0xff) / 255.0, ((hex >> 8) & 0xff) / 255.0,
                                      (hex & 0xff) / 255.0, alpha);
}

void set_rgb(cairo_t* cr, unsigned hex, double alpha) {
    cairo_set_source_rgba(cr, ((hex >> 16) & 0xff) / 255.0, ((hex >> 8) & 0xff) / 255.0, (hex & 0xff) / 255.0, alpha);
}

cairo_matrix_t Canvas::picture_to_pixels() const {
    cairo_matrix_t m;
    cairo_matrix_init_scale(&m, scale, scale);
    cairo_matrix_translate(&m, -origin_x, -origin_y);
    return m;
}

PixelBox PixelBox::grown(int by, int width, int height) const {
    return {std::max(0, x0 - by), std::max(0, y0 - by), std::min(width, x1 + by), std::min(height, y1 + by)};
}

PixelBox Plane::nonzero_box() const {
    PixelBox box{width, height, 0, 0};
    for (int y = 0; y < height; ++y) {
        const float* row = &values[static_cast<std::size_t>(y) * width];
        for (int x = 0; x < width; ++x) {
            if (row[x] > 0.0f) {
                box.x0 = std::min(box.x0, x);
                box.x1 = std::max(box.x1, x + 1);
                box.y0 = std::min(box.y0, y);
                box.y1 = std::max(box.y1, y + 1);
            }
        }
    }
    if (box.empty())
        return {};
    return box;
}

Plane draw_mask(const Canvas& canvas, const cairo_matrix_t& local_to_picture,
                const std::function<void(cairo_t*)>& paint) {
    Surface surface = make_surface(CAIRO_FORMAT_A8, canvas.width, canvas.height);
    {
        Context cr = make_context(surface.get());
        cairo_matrix_t m;
        const cairo_matrix_t to_pixels = canvas.picture_to_pixels();
        cairo_matrix_multiply(&m, &local_to_picture, &to_pixels);
        cairo_set_matrix(cr.get(), &m);
        paint(cr.get());
    }
    cairo_surface_flush(surface.get());
    Plane plane(canvas.width, canvas.height);
    const unsigned char* data = cairo_image_surface_get_data(surface.get());
    const int stride = cairo_image_surface_get_stride(surface.get());
    for (int y = 0; y < canvas.height; ++y)
        for (int x = 0; x < canvas.width; ++x)
            plane.at(x, y) = data[static_cast<std::size_t>(y) * stride + x] * (1.0f / 255.0f);
    return plane;
}

namespace {

// One box pass along a line of n samples spaced by step, zero beyond both ends.
void box_line(float* line, int n, std::ptrdiff_t step, double radius, std::vector<double>& prefix,
              std::vector<float>& copy) {
    const int whole = static_cast<int>(std::floor(radius));
    const double part = radius - whole;
    const double norm = 1.0 / (2 * whole + 1 + 2 * part);
    copy.resize(static_cast<std::size_t>(n));
    prefix.assign(static_cast<std::size_t>(n) + 1, 0.0);
    for (int i = 0; i < n; ++i) {
        copy[static_cast<std::size_t>(i)] = line[i * step];
        prefix[static_cast<std::size_t>(i) + 1] = prefix[static_cast<std::size_t>(i)] + copy[static_cast<std::size_t>(i)];
    }
    auto value = [&](int i) { return (i < 0 || i >= n) ? 0.0 : static_cast<double>(copy[static_cast<std::size_t>(i)]); };
    for (int i = 0; i < n; ++i) {
        const int lo = std::max(0, i - whole);
        const int hi = std::min(n, i + whole + 1);
        double sum = prefix[static_cast<std::size_t>(hi)] - prefix[static_cast<std::size_t>(lo)];
        sum += part * (value(i - whole - 1) + value(i + whole + 1));
        line[i * step] = static_cast<float>(sum * norm);
    }
}

}  // namespace

void blur(Plane& plane, double radius, PixelBox box) {
    if (radius <= 0.0 || box.empty())
        return;
    const double pass_radius = radius / std::sqrt(3.0);
    box = box.grown(static_cast<int>(std::ceil(radius * 1.8)) + 1, plane.width, plane.height);
    std::vector<double> prefix;
    std::vector<float> copy;
    const int w = box.x1 - box.x0;
    const int h = box.y1 - box.y0;
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = box.y0; y < box.y1; ++y)
            box_line(&plane.at(box.x0, y), w, 1, pass_radius, prefix, copy);
        for (int x = box.x0; x < box.x1; ++x)
            box_line(&plane.at(x, box.y0), h, plane.width, pass_radius, prefix, copy);
    }
}

void blur(Plane& plane, double radius) { blur(plane, radius, plane.nonzero_box()); }

std::uint32_t pack_argb(Rgb c, float alpha) {
    const float a = clamp01(alpha);
    auto channel = [a](float v) { return static_cast<std::uint32_t>(std::lround(clamp01(v) * a * 255.0f)); };
    return (static_cast<std::uint32_t>(std::lround(a * 255.0f)) << 24) | (channel(c.r) << 16) | (channel(c.g) << 8) |
           channel(c.b);
}

float unpack_argb(std::uint32_t p, Rgb& c) {
    const float a = ((p >> 24) & 0xff) / 255.0f;
    if (a <= 0.0f) {
        c = {};
        return 0.0f;
    }
    c = {((p >> 16) & 0xff) / 255.0f / a, ((p >> 8) & 0xff) / 255.0f / a, (p & 0xff) / 255.0f / a};
    return a;
}

void blur_surface(cairo_surface_t* surface, double radius) {
    cairo_surface_flush(surface);
    const int w = cairo_image_surface_get_width(surface);
    const int h = cairo_image_surface_get_height(surface);
    const bool has_alpha = cairo_image_surface_get_format(surface) == CAIRO_FORMAT_ARGB32;
    Plane channels[4] = {Plane(w, h), Plane(w, h), Plane(w, h), Plane(w, h)};
    for (int y = 0; y < h; ++y) {
        const std::uint32_t* row = pixel_row(surface, y);
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 4; ++c)
                channels[c].at(x, y) = static_cast<float>((row[x] >> (8 * c)) & 0xff);
    }
    // Blurring with zero padding would darken the borders: divide by a blurred "ones" plane.
    Plane ones(w, h);
    std::fill(ones.values.begin(), ones.values.end(), 1.0f);
    const PixelBox all{0, 0, w, h};
    blur(ones, radius, all);
    for (auto& channel : channels)
        blur(channel, radius, all);
    for (int y = 0; y < h; ++y) {
        std::uint32_t* row = pixel_row(surface, y);
        for (int x = 0; x < w; ++x) {
            std::uint32_t p = 0;
            for (int c = 0; c < 4; ++c) {
                const float v = channels[c].at(x, y) / ones.at(x, y);
                p |= static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0f, 255.0f))) << (8 * c);
            }
            if (!has_alpha)
                p |= 0xff000000u;
            row[x] = p;
        }
    }
    cairo_surface_mark_dirty(surface);
}

}  // namespace tibbo::art
