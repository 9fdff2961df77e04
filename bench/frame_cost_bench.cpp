// One frame of the pet: read the file, decode it, paint it on a stage-sized surface.
// Compared in the same run with a bare libjpeg-turbo decode of the same bytes and with
// gdk-pixbuf's loader. Usage: frame_cost_bench [frame.jpg] [benchmark flags]
#include <benchmark/benchmark.h>
#include <cairo.h>
#include <gdk-pixbuf/gdk-pixbuf.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "platform/jpeg_picture.h"
#include "platform/system_services.h"

namespace {

std::string framePath = TIBBO_DEFAULT_FRAME;

void frameToStage(benchmark::State& state) {
  cairo_surface_t* stage = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 320, 480);
  cairo_t* cr = cairo_create(stage);
  for (auto _ : state) {
    const tibbo::Bytes bytes = tibbo::platform::readFile(framePath);
    tibbo::platform::Picture picture = tibbo::platform::decodeJpegPicture(bytes.data(), bytes.size());
    if (!picture) state.SkipWithError("frame did not decode");
    cairo_set_source_surface(cr, picture.get(), 1, 1);
    cairo_paint(cr);
    cairo_surface_flush(stage);
    benchmark::ClobberMemory();
  }
  cairo_destroy(cr);
  cairo_surface_destroy(stage);
}

void bareLibjpegDecode(benchmark::State& state) {
  const tibbo::Bytes bytes = tibbo::platform::readFile(framePath);
  std::vector<unsigned char> pixels;
  for (auto _ : state) {
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), bytes.size());
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&info);
    const std::size_t stride = info.output_width * 4;
    pixels.resize(stride * info.output_height);
    while (info.output_scanline < info.output_height) {
      JSAMPROW row = pixels.data() + info.output_scanline * stride;
      jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    benchmark::DoNotOptimize(pixels.data());
  }
}

void gdkPixbufLoader(benchmark::State& state) {
  const tibbo::Bytes bytes = tibbo::platform::readFile(framePath);
  for (auto _ : state) {
    GdkPixbufLoader* loader = gdk_pixbuf_loader_new_with_type("jpeg", nullptr);
    gdk_pixbuf_loader_write(loader, bytes.data(), bytes.size(), nullptr);
    gdk_pixbuf_loader_close(loader, nullptr);
    GdkPixbuf* pixbuf = gdk_pixbuf_loader_get_pixbuf(loader);
    if (pixbuf == nullptr) state.SkipWithError("gdk-pixbuf could not load the frame");
    benchmark::DoNotOptimize(pixbuf);
    g_object_unref(loader);
  }
}

BENCHMARK(frameToStage)->Name("frame: read + decode + paint (the pet)")->Unit(benchmark::kMicrosecond);
BENCHMARK(bareLibjpegDecode)->Name("frame: bare libjpeg-turbo decode")->Unit(benchmark::kMicrosecond);
BENCHMARK(gdkPixbufLoader)->Name("frame: gdk-pixbuf loader")->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && argv[1][0] != '-') {
    framePath = argv[1];
    --argc;
    ++argv;
  }
  if (tibbo::platform::readFile(framePath).empty()) {
    std::fprintf(stderr, "frame_cost_bench: cannot read %s\n", framePath.c_str());
    return 1;
  }
  std::printf("frame: %s (%zu bytes)\n", framePath.c_str(), tibbo::platform::readFile(framePath).size());
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
