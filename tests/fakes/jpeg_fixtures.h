#pragma once
// Small JPEG files made on the spot, and damaged versions of them.
#include "platform/bytes.h"

namespace tibbo::testing {

// A baseline JPEG of the given size, filled with a gradient.
Bytes makeJpeg(int width, int height, int quality = 85);

// The same file with the frame header claiming another size.
Bytes withClaimedSize(Bytes jpeg, int width, int height);

}  // namespace tibbo::testing
