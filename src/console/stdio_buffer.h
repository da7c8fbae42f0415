// A stream buffer that writes through a C stdio stream.
#pragma once

#include <cstdio>
#include <ios>
#include <streambuf>

namespace hurricane::console {

// Hands every byte to `file`, whose own buffer (sized with setvbuf) gathers them into large
// writes; sync() flushes it. Once the C stream has failed, every later write fails too, so
// the failure stays visible to the ostream.
class StdioBuffer final : public std::streambuf {
 public:
  explicit StdioBuffer(std::FILE* file) : file_(file) {}

 protected:
  std::streamsize xsputn(const char* bytes, std::streamsize count) override {
    if (std::ferror(file_)) return 0;
    return static_cast<std::streamsize>(
        std::fwrite(bytes, 1, static_cast<std::size_t>(count), file_));
  }
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char byte = traits_type::to_char_type(c);
    return xsputn(&byte, 1) == 1 ? c : traits_type::eof();
  }
  int sync() override { return std::fflush(file_) == 0 && !std::ferror(file_) ? 0 : -1; }

 private:
  std::FILE* file_;
};

}  // namespace hurricane::console
