// The one buffer between the console's lines and a file descriptor (standard output).
#pragma once

#include <array>
#include <cstddef>
#include <streambuf>

namespace hurricane::console {

// Gathers bytes into 64 KiB and writes them to `fd` when full and on sync(). Once a write has
// failed (a full disk, a closed pipe), every later write fails too, so the failure stays
// visible to the ostream.
class FdBuffer final : public std::streambuf {
 public:
  static constexpr std::size_t kSize = 1 << 16;
  explicit FdBuffer(int fd);
  ~FdBuffer() override;
  FdBuffer(const FdBuffer&) = delete;
  FdBuffer& operator=(const FdBuffer&) = delete;

 protected:
  int_type overflow(int_type c) override;
  int sync() override;

 private:
  // Writes the held bytes; false once any write has failed.
  bool drain();

  int fd_;
  bool failed_ = false;
  std::array<char, kSize> bytes_;
};

}  // namespace hurricane::console
