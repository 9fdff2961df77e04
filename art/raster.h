// Pixel-level helpers shared by the drawing code: owned cairo handles, the canvas a
// picture is drawn onto, float planes with blur, and colour arithmetic.
#pragma once

#include <cairo.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace tibbo::art {

struct SurfaceDeleter {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct ContextDeleter {
    void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};
struct PatternDeleter {
    void operator()(cairo_pattern_t* pattern) const { cairo_pattern_destroy(pattern); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;
using Context = std::unique_ptr<cairo_t, ContextDeleter>;
using Pattern = std::unique_ptr<cairo_pattern_t, PatternDeleter>;

// Throws std::runtime_error when cairo cannot make the surface.
Surface make_surface(cairo_format_t format, int width, int height);
Context make_context(cairo_surface_t* surface);
// A new surface with the same format and pixels.
Surface copy_surface(cairo_surface_t* surface);

Pattern linear_gradient(double x0, double y0, double x1, double y1);
Pattern radial_gradient(double cx0, double cy0, double r0, double cx1, double cy1, double r1);
// Colours as 0xRRGGBB.
void add_stop(const Pattern& pattern, double offset, unsigned hex, double alpha = 1.0);
void set_rgb(cairo_t* cr, unsigned hex, double alpha = 1.0);

// Everything is drawn in picture units: the 320 by 480 stage picture, origin top left.
// A canvas maps them onto its own pixels, so the icon can reuse the cat at another size.
struct Canvas {
    int width = 320;
    int height = 480;
    double scale = 1.0;     // canvas pixels per picture unit
    double origin_x = 0.0;  // picture point shown at the canvas's top left corner
    double origin_y = 0.0;

    cairo_matrix_t picture_to_pixels() const;
};

struct PixelBox {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // half open: [x0, x1) x [y0, y1)
    bool empty() const { return x1 <= x0 || y1 <= y0; }
    PixelBox grown(int by, int width, int height) const;
};

// One float channel over the whole canvas, zero outside.
struct Plane {
    int width = 0;
    int height = 0;
    std::vector<float> values;

    Plane() = default;
    Plane(int w, int h) : width(w), height(h), values(static_cast<std::size_t>(w) * h, 0.0f) {}
    float& at(int x, int y) { return values[static_cast<std::size_t>(y) * width + x]; }
    float at(int x, int y) const { return values[static_cast<std::size_t>(y) * width + x]; }
    float sample(int x, int y) const {
        return (x < 0 || y < 0 || x >= width || y >= height) ? 0.0f : at(x, y);
    }
    PixelBox nonzero_box() const;
};

// Paints with cairo into an alpha-only canvas (source defaults to opaque) using
// local coordinates that local_to_picture maps onto the picture, and returns the coverage.
Plane draw_mask(const Canvas& canvas, const cairo_matrix_t& local_to_picture,
                const std::function<void(cairo_t*)>& paint);

// Three box passes approximate a gaussian; radius in pixels may be fractional.
// Only the pixels inside box (grown by the blur's reach) take part.
void blur(Plane& plane, double radius, PixelBox box);
void blur(Plane& plane, double radius);

struct Rgb {
    float r = 0, g = 0, b = 0;
};
inline Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Rgb operator-(Rgb a, Rgb b) { return {a.r - b.r, a.g - b.g, a.b - b.b}; }
inline Rgb operator*(Rgb a, float k) { return {a.r * k, a.g * k, a.b * k}; }
inline Rgb operator*(Rgb a, Rgb b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }
inline Rgb mix(Rgb a, Rgb b, float t) { return a + (b - a) * t; }
inline Rgb rgb_hex(unsigned hex) {
    return {((hex >> 16) & 0xff) / 255.0f, ((hex >> 8) & 0xff) / 255.0f, (hex & 0xff) / 255.0f};
}

inline float clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }
inline float smoothstep(float edge0, float edge1, float v) {
    const float t = clamp01((v - edge0) / (edge1 - edge0));
    return t * t * (3.0f - 2.0f * t);
}
inline float lerp(float a, float b, float t) { return a + (b - a) * t; }

// Straight (not premultiplied) colour and alpha into a cairo ARGB32 pixel word.
std::uint32_t pack_argb(Rgb colour, float alpha);
// Cairo pixel word back to straight colour; returns alpha.
float unpack_argb(std::uint32_t pixel, Rgb& colour);

inline std::uint32_t* pixel_row(cairo_surface_t* surface, int y) {
    return reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(surface) +
                                            static_cast<std::size_t>(y) * cairo_image_surface_get_stride(surface));
}

// Blurs the colour of an image surface in place (all four channels).
void blur_surface(cairo_surface_t* surface, double radius);

}  // namespace tibbo::art
