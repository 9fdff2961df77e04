#include "platform/jpeg_picture.h"

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE

#include <jpeglib.h>

namespace tibbo::platform {
namespace {

// Progressive files may hold many scans; an absurd number of them is a way to burn
// seconds of CPU on one small file, so such files are refused.
constexpr long maxScans = 500;

struct DecodeErrors {
  jpeg_error_mgr manager{};
  jpeg_progress_mgr progress{};
  std::jmp_buf escape{};
  bool damaged = false;
  cairo_surface_t* surface = nullptr;  // lives here so that it survives a longjmp
};

DecodeErrors& errorsOf(j_common_ptr info) { return *reinterpret_cast<DecodeErrors*>(info->err); }

[[noreturn]] void onFatalError(j_common_ptr info) { std::longjmp(errorsOf(info).escape, 1); }

// Level -1 is a warning about damaged data (a truncated file among them): such a frame
// would show grey or garbage, so it counts as undecodable.
void onMessage(j_common_ptr info, int level) {
  if (level < 0) errorsOf(info).damaged = true;
}

void onProgress(j_common_ptr info) {
  if (info->is_decompressor &&
      reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > maxScans)
    std::longjmp(errorsOf(info).escape, 1);
}

// Kept out of the function that calls setjmp, so that no local needs to survive a longjmp.
cairo_surface_t* decodeInto(jpeg_decompress_struct& info, DecodeErrors& errors,
                            const std::uint8_t* bytes, std::size_t size) {
  jpeg_mem_src(&info, bytes, static_cast<unsigned long>(size));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) return nullptr;
  if (info.image_width == 0 || info.image_height == 0 ||
      info.image_width > static_cast<unsigned>(maxPictureSide) ||
      info.image_height > static_cast<unsigned>(maxPictureSide))
    return nullptr;
  // Cairo's RGB24 is one 32-bit word per pixel, which in memory reads B, G, R, X here.
  info.out_color_space = __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__ ? JCS_EXT_BGRX : JCS_EXT_XRGB;
  jpeg_start_decompress(&info);
  cairo_surface_t* surface = errors.surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, static_cast<int>(info.output_width),
                                       static_cast<int>(info.output_height));
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) return nullptr;
  cairo_surface_flush(surface);
  unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = data + static_cast<std::ptrdiff_t>(info.output_scanline) * stride;
    if (jpeg_read_scanlines(&info, &row, 1) != 1) return nullptr;
  }
  jpeg_finish_decompress(&info);
  if (errors.damaged) return nullptr;
  cairo_surface_mark_dirty(surface);
  return surface;
}

}  // namespace

Picture decodeJpegPicture(const std::uint8_t* bytes, std::size_t size) {
  if (bytes == nullptr || size == 0) return nullptr;
  jpeg_decompress_struct info{};
  DecodeErrors errors;
  info.err = jpeg_std_error(&errors.manager);
  errors.manager.error_exit = onFatalError;
  errors.manager.emit_message = onMessage;
  errors.progress.progress_monitor = onProgress;
  cairo_surface_t* decoded = nullptr;
  if (setjmp(errors.escape) == 0) {
    jpeg_create_decompress(&info);
    info.progress = &errors.progress;
    decoded = decodeInto(info, errors, bytes, size);
  }
  jpeg_destroy_decompress(&info);
  if (decoded == nullptr && errors.surface != nullptr) cairo_surface_destroy(errors.surface);
  return Picture(decoded);
}

}  // namespace tibbo::platform
