// Writes a cairo image surface as a baseline JPEG.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <vector>

namespace tibbo::art {

class JpegError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Encodes an ARGB32 or RGB24 image surface as a baseline (sequential, Huffman-optimised)
// JPEG with 4:2:0 chroma. Transparent parts come out as if laid over black.
// quality is libjpeg's 1..100. Throws JpegError.
std::vector<std::uint8_t> encode_jpeg(cairo_surface_t* surface, int quality);

// encode_jpeg, then writes the bytes to path (the folder must exist). Throws JpegError.
void write_jpeg(cairo_surface_t* surface, const std::filesystem::path& path, int quality);

}  // namespace tibbo::art
