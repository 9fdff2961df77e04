#pragma once
#include <cstdint>
#include <vector>

namespace tibbo {

// A length and that many bytes; the empty buffer stands for "nothing" (a missing file,
// no picture, no sound).
using Bytes = std::vector<std::uint8_t>;

}  // namespace tibbo
