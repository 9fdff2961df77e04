// Every frame the pet may show is in the build's animations folder, decodes, and is a
// 320 by 480 baseline JPEG; the whole set stays small enough to ship.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include <jpeglib.h>

#include "behaviour/action_frames.h"
#include "data/action_table.h"
#include "platform/jpeg_picture.h"
#include "platform/system_services.h"

namespace tibbo {
namespace {

namespace fs = std::filesystem;

constexpr std::uintmax_t maxTotalBytes = 25u * 1000u * 1000u;

const std::string animations = TIBBO_ANIMATIONS_DIR "/";

// Empty when the file is a good stage picture, otherwise what is wrong with it.
std::string checkFrame(const std::string& path) {
  const Bytes bytes = platform::readFile(path);
  if (bytes.empty()) return "missing or empty";
  jpeg_decompress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, bytes.data(), bytes.size());
  const bool header = jpeg_read_header(&info, TRUE) == JPEG_HEADER_OK;
  const bool progressive = info.progressive_mode;
  jpeg_destroy_decompress(&info);
  if (!header) return "no JPEG header";
  if (progressive) return "progressive, not baseline";
  platform::Picture picture = platform::decodeJpegPicture(bytes.data(), bytes.size());
  if (!picture) return "does not decode";
  if (cairo_image_surface_get_width(picture.get()) != 320 ||
      cairo_image_surface_get_height(picture.get()) != 480)
    return "not 320 by 480";
  return {};
}

TEST(GeneratedFrames, BlinkFramesAreStagePictures) {
  for (auto name : data::blinkFrames)
    EXPECT_EQ(checkFrame(animations + std::string(name)), "") << name;
}

TEST(GeneratedFrames, EverySeriesIsCompleteAndDecodes) {
  for (const data::ActionRow& action : data::actionTable) {
    for (int frame = 1; frame <= action.frameCount; ++frame) {
      const std::string name = actionFrameName(action.framePrefix, frame);
      EXPECT_EQ(checkFrame(animations + name), "") << name;
    }
    const std::string beyond = animations + actionFrameName(action.framePrefix, action.frameCount + 1);
    EXPECT_FALSE(platform::fileExists(beyond)) << "a frame past the end: " << beyond;
  }
}

TEST(GeneratedFrames, AllFramesTogetherStayUnder25Megabytes) {
  std::uintmax_t total = 0;
  for (const auto& entry : fs::recursive_directory_iterator(animations))
    if (entry.is_regular_file()) total += entry.file_size();
  EXPECT_LT(total, maxTotalBytes);
}

}  // namespace
}  // namespace tibbo
