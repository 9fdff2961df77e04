#include "platform/system_services.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <utility>

namespace tibbo::platform {
namespace {

constexpr const char* dosAttributeName = "user.DOSATTRIB";
constexpr std::uint32_t settableAttributes =
    readOnlyAttribute | hiddenAttribute | systemAttribute | archiveAttribute;

// Closes a descriptor on every path out of a function.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  int release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

void setDosAttribute(const std::string& path, std::uint32_t dosFlags) {
  if (dosFlags == 0) {
    ::removexattr(path.c_str(), dosAttributeName);
    return;
  }
  char text[16];
  const int length = std::snprintf(text, sizeof text, "0x%" PRIx32, dosFlags);
  ::setxattr(path.c_str(), dosAttributeName, text, static_cast<std::size_t>(length), 0);
}

void setWritable(const std::string& path, bool writable) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return;
  mode_t mode = info.st_mode & 07777;
  mode = writable ? (mode | S_IWUSR) : (mode & ~(S_IWUSR | S_IWGRP | S_IWOTH));
  ::chmod(path.c_str(), mode);
}

// The classic portable generator of the C library's documentation: 15 bits per draw.
std::uint32_t randomState = 1;
std::uint32_t seedCounter = 0;

int nextRandom15() {
  randomState = randomState * 1103515245u + 12345u;
  return static_cast<int>((randomState / 65536u) % 32768u);
}

}  // namespace

std::string runDirectory() {
  std::string path(4096, '\0');
  const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
  if (length <= 0) return ".";
  path.resize(static_cast<std::size_t>(length));
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  path.resize(slash);
  return path;
}

bool fileExists(const std::string& path) {
  struct stat info {};
  return !path.empty() && ::lstat(path.c_str(), &info) == 0;
}

bool writeFile(const std::string& path, const Bytes& bytes) {
  FileDescriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
  if (file.get() < 0) return false;
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(file.get(), bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    written += static_cast<std::size_t>(n);
  }
  return ::close(file.release()) == 0;
}

void setFileAttributes(const std::string& path, std::uint32_t flags) {
  flags &= settableAttributes;
  const bool readOnly = (flags & readOnlyAttribute) != 0;
  // Extended attributes need write access to the file, so they are written while it is
  // still writable: before making it read-only, after making it writable.
  if (!readOnly) setWritable(path, true);
  setDosAttribute(path, flags & ~readOnlyAttribute);
  if (readOnly) setWritable(path, false);
}

std::uint32_t fileAttributes(const std::string& path) {
  std::uint32_t flags = 0;
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0 && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
    flags |= readOnlyAttribute;
  char text[32] = {};
  const ssize_t length = ::getxattr(path.c_str(), dosAttributeName, text, sizeof text - 1);
  if (length > 0) flags |= static_cast<std::uint32_t>(std::strtoul(text, nullptr, 16));
  return flags;
}

Bytes readFile(const std::string& path) {
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat info {};
  if (file.get() < 0 || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) return {};
  if (static_cast<std::uint64_t>(info.st_size) > maxReadableFileBytes) return {};
  Bytes bytes(static_cast<std::size_t>(info.st_size));
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::read(file.get(), bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return {};
    if (n == 0) break;  // the file shrank while we read it
    done += static_cast<std::size_t>(n);
  }
  bytes.resize(done);
  return bytes;
}

std::string numberToText(int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%d", value);
  return text;
}

std::string numberToText(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%.13g", value);
  return text;
}

std::string joinTexts(std::string_view first, std::string_view second) {
  std::string joined;
  joined.reserve(first.size() + second.size());
  joined.append(first).append(second);
  return joined;
}

Bytes intToBytes(std::int32_t value) {
  const auto u = static_cast<std::uint32_t>(value);
  return {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
          static_cast<std::uint8_t>(u >> 16), static_cast<std::uint8_t>(u >> 24)};
}

std::uint32_t tickCount() {
  timespec now{};
  ::clock_gettime(CLOCK_MONOTONIC, &now);
  const auto ms = static_cast<std::uint64_t>(now.tv_sec) * 1000u +
                  static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
  return static_cast<std::uint32_t>(ms);
}

void seedRandom() { seedRandomAt(tickCount()); }

std::uint32_t seedRandomAt(std::uint32_t tick) {
  randomState = tick + seedCounter;
  seedCounter += (randomState % 256u) + 100u;
  return randomState;
}

int randomNumber(int lo, int hi) {
  lo = std::max(lo, 0);
  hi = std::max(hi, 0);
  if (lo > hi) std::swap(lo, hi);
  const std::int64_t span = static_cast<std::int64_t>(hi) - lo + 1;
  return static_cast<int>(lo + nextRandom15() % span);
}

}  // namespace tibbo::platform
