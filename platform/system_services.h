#pragma once
// Host services that need no display: files, texts, numbers and the random generator.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/bytes.h"

namespace tibbo::platform {

// The folder of the running executable, without a trailing slash.
std::string runDirectory();

// True if anything at all bears the name: a file, a folder, a dangling link.
bool fileExists(const std::string& path);

// Creates or truncates the file and writes the bytes. False on any failure.
bool writeFile(const std::string& path, const Bytes& bytes);

// Attribute flags as the pet's files know them.
enum FileAttribute : std::uint32_t {
  readOnlyAttribute = 0x1,
  hiddenAttribute = 0x2,
  systemAttribute = 0x4,
  archiveAttribute = 0x20,
};
// Sets exactly the given flags (others are masked away). Read-only is the absence of write
// bits; hidden, system and archive live in the "user.DOSATTRIB" extended attribute.
// Failures are ignored.
void setFileAttributes(const std::string& path, std::uint32_t flags);
// What setFileAttributes left on the file, for checks; flags it cannot see read as clear.
std::uint32_t fileAttributes(const std::string& path);

// Larger files are treated as unreadable: nothing the pet reads is anywhere near this, and
// it keeps a stray video in the animations folder from costing gigabytes on every frame.
inline constexpr std::uint64_t maxReadableFileBytes = 64u << 20;
// The whole file. Missing, unreadable, empty, a folder or too large: the empty buffer.
Bytes readFile(const std::string& path);

// Integers as "%d", doubles as "%.13g".
std::string numberToText(int value);
std::string numberToText(double value);

// Concatenation; an empty text counts as empty, the result is never null.
std::string joinTexts(std::string_view first, std::string_view second);

// The 4 bytes of a 32-bit integer, low byte first.
Bytes intToBytes(std::int32_t value);

// The millisecond tick count: a monotonic clock, 32 bits, wrapping.
std::uint32_t tickCount();

// Seeds the generator from the tick count plus a process-wide counter, which then grows
// by ((tick + counter) mod 256) + 100, so that seeds taken in the same millisecond differ.
void seedRandom();
// The same, with the tick given; returns the seed it used.
std::uint32_t seedRandomAt(std::uint32_t tick);
// lo + r mod (hi - lo + 1) with r pseudo-random in 0..32767; bounds below 0 count as 0 and
// reversed bounds are swapped.
int randomNumber(int lo, int hi);

}  // namespace tibbo::platform
