#include "jpeg_writer.h"

#include <cstdio>
#include <csetjmp>
#include <cstdlib>
#include <fstream>
#include <string>

#include <jpeglib.h>

namespace tibbo::art {
namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

extern "C" void on_jpeg_error(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

// Holds the memory destination's buffer, which libjpeg allocates with malloc.
struct OutputBuffer {
    unsigned char* data = nullptr;
    unsigned long size = 0;
    ~OutputBuffer() { std::free(data); }
};

}  // namespace

std::vector<std::uint8_t> encode_jpeg(cairo_surface_t* surface, int quality) {
    if (surface == nullptr || cairo_surface_get_type(surface) != CAIRO_SURFACE_TYPE_IMAGE)
        throw JpegError("JPEG encoding needs a cairo image surface");
    const cairo_format_t format = cairo_image_surface_get_format(surface);
    if (format != CAIRO_FORMAT_ARGB32 && format != CAIRO_FORMAT_RGB24)
        throw JpegError("JPEG encoding needs an ARGB32 or RGB24 surface");
    if (quality < 1 || quality > 100)
        throw JpegError("JPEG quality must lie in 1..100, got " + std::to_string(quality));

    cairo_surface_flush(surface);
    const int width = cairo_image_surface_get_width(surface);
    const int height = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const unsigned char* pixels = cairo_image_surface_get_data(surface);
    if (pixels == nullptr || width <= 0 || height <= 0)
        throw JpegError("JPEG encoding got an empty surface");

    // Everything the longjmp may skip over lives outside the jump's scope.
    std::vector<JSAMPLE> row(static_cast<std::size_t>(width) * 3);
    OutputBuffer output;
    jpeg_compress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = on_jpeg_error;

    if (setjmp(errors.jump) != 0) {
        jpeg_destroy_compress(&info);
        throw JpegError(std::string("libjpeg: ") + errors.message);
    }

    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &output.data, &output.size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.optimize_coding = TRUE;
    info.write_JFIF_header = TRUE;
    jpeg_start_compress(&info, TRUE);

    while (info.next_scanline < info.image_height) {
        const auto* source =
            reinterpret_cast<const std::uint32_t*>(pixels + static_cast<std::size_t>(info.next_scanline) * stride);
        for (int x = 0; x < width; ++x) {
            // Cairo keeps premultiplied native-endian 0xAARRGGBB words; premultiplied
            // colour is the colour over black.
            const std::uint32_t p = source[x];
            row[static_cast<std::size_t>(x) * 3 + 0] = static_cast<JSAMPLE>((p >> 16) & 0xff);
            row[static_cast<std::size_t>(x) * 3 + 1] = static_cast<JSAMPLE>((p >> 8) & 0xff);
            row[static_cast<std::size_t>(x) * 3 + 2] = static_cast<JSAMPLE>(p & 0xff);
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);

    return std::vector<std::uint8_t>(output.data, output.data + output.size);
}

void write_jpeg(cairo_surface_t* surface, const std::filesystem::path& path, int quality) {
    const std::vector<std::uint8_t> bytes = encode_jpeg(surface, quality);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file)
        throw JpegError("cannot open " + path.string() + " for writing");
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file)
        throw JpegError("cannot write " + path.string());
}

}  // namespace tibbo::art
