#include "tests/fakes/jpeg_fixtures.h"

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace tibbo::testing {

Bytes makeJpeg(int width, int height, int quality) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  Bytes row(static_cast<std::size_t>(width) * 3);
  while (info.next_scanline < info.image_height) {
    for (int x = 0; x < width; ++x) {
      row[x * 3 + 0] = static_cast<std::uint8_t>(x * 255 / width);
      row[x * 3 + 1] = static_cast<std::uint8_t>(info.next_scanline * 255 / info.image_height);
      row[x * 3 + 2] = 128;
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  Bytes jpeg(buffer, buffer + size);
  std::free(buffer);
  return jpeg;
}

Bytes withClaimedSize(Bytes jpeg, int width, int height) {
  // The baseline frame header: FF C0, length (2), precision (1), height (2), width (2).
  for (std::size_t i = 0; i + 8 < jpeg.size(); ++i) {
    if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {
      jpeg[i + 5] = static_cast<std::uint8_t>(height >> 8);
      jpeg[i + 6] = static_cast<std::uint8_t>(height);
      jpeg[i + 7] = static_cast<std::uint8_t>(width >> 8);
      jpeg[i + 8] = static_cast<std::uint8_t>(width);
      break;
    }
  }
  return jpeg;
}

}  // namespace tibbo::testing
