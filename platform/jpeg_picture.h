#pragma once
// JPEG bytes to a picture the stage can paint.
#include <cairo.h>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace tibbo::platform {

struct SurfaceRelease {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using Picture = std::unique_ptr<cairo_surface_t, SurfaceRelease>;

// Larger pictures are refused before anything is allocated for them: the stage is
// 318 by 478, and a forged header must not cost gigabytes.
inline constexpr int maxPictureSide = 4096;

// Decodes a whole JPEG into an opaque RGB24 surface at its natural size. Empty, truncated,
// corrupt or oversized input gives no picture.
Picture decodeJpegPicture(const std::uint8_t* bytes, std::size_t size);

}  // namespace tibbo::platform
