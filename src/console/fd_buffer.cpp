#include "console/fd_buffer.h"

#include <unistd.h>

#include <cerrno>

namespace hurricane::console {

FdBuffer::FdBuffer(int fd) : fd_(fd) {
  setp(bytes_.data(), bytes_.data() + bytes_.size());
}

FdBuffer::~FdBuffer() {
  drain();
}

bool FdBuffer::drain() {
  const char* next = pbase();
  const char* const end = pptr();
  while (!failed_ && next < end) {
    const ssize_t written = ::write(fd_, next, static_cast<std::size_t>(end - next));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      failed_ = true;
      break;
    }
    next += written;
  }
  setp(bytes_.data(), bytes_.data() + bytes_.size());
  return !failed_;
}

FdBuffer::int_type FdBuffer::overflow(int_type c) {
  if (!drain()) return traits_type::eof();
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  *pptr() = traits_type::to_char_type(c);
  pbump(1);
  return c;
}

int FdBuffer::sync() {
  return drain() ? 0 : -1;
}

}  // namespace hurricane::console
