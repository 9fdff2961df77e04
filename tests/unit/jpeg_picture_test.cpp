#include "platform/jpeg_picture.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/fakes/jpeg_fixtures.h"

namespace tibbo::platform {
namespace {

using testing::makeJpeg;
using testing::withClaimedSize;

TEST(JpegPicture, DecodesAtNaturalSizeAndOpaque) {
  const Bytes jpeg = makeJpeg(32, 48);
  Picture picture = decodeJpegPicture(jpeg.data(), jpeg.size());
  ASSERT_TRUE(picture);
  EXPECT_EQ(cairo_image_surface_get_width(picture.get()), 32);
  EXPECT_EQ(cairo_image_surface_get_height(picture.get()), 48);
  EXPECT_EQ(cairo_image_surface_get_format(picture.get()), CAIRO_FORMAT_RGB24);
  // The gradient runs from black on the left to red on the right: check the colour order.
  const auto* data = cairo_image_surface_get_data(picture.get());
  const auto pixel = [&](int x, int y) {
    return *reinterpret_cast<const std::uint32_t*>(
        data + y * cairo_image_surface_get_stride(picture.get()) + x * 4);
  };
  EXPECT_GT((pixel(31, 0) >> 16) & 0xFF, 200u) << "red in the red channel";
  EXPECT_NEAR(static_cast<int>(pixel(31, 0) & 0xFF), 128, 12) << "blue in the blue channel";
}

TEST(JpegPicture, BadInputGivesNoPicture) {
  const Bytes good = makeJpeg(64, 64);
  struct Case {
    std::string what;
    Bytes bytes;
  };
  const Case cases[] = {
      {"empty", {}},
      {"not a JPEG", Bytes{'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0, 0, 0}},
      {"header only", Bytes(good.begin(), good.begin() + 200)},
      {"truncated", Bytes(good.begin(), good.begin() + static_cast<long>(good.size() * 2 / 3))},
      {"claims 60000 by 60000", withClaimedSize(good, 60000, 60000)},
      {"claims 0 wide", withClaimedSize(good, 0, 64)},
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(decodeJpegPicture(c.bytes.data(), c.bytes.size())) << c.what;
  }
}

}  // namespace
}  // namespace tibbo::platform
