// Standard output through a C stream: bytes arrive in order, and a failed device stays failed.
#include "console/stdio_buffer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>

namespace hurricane::console {
namespace {

TEST(StdioBuffer, HandsEveryByteToTheCStream) {
  std::FILE* file = std::tmpfile();
  ASSERT_NE(file, nullptr);
  {
    StdioBuffer buffer(file);
    std::ostream out(&buffer);
    out << 'a';
    out.write("bcd\n", 4);
    out.flush();
    EXPECT_TRUE(out.good());
  }
  std::rewind(file);
  char text[16] = {};
  EXPECT_EQ(std::fread(text, 1, sizeof text, file), 5u);
  EXPECT_EQ(std::string(text), "abcd\n");
  std::fclose(file);
}

TEST(StdioBuffer, AFullDeviceFailsTheStreamForGood) {
  std::FILE* file = std::fopen("/dev/full", "w");
  if (file == nullptr) GTEST_SKIP() << "no /dev/full here";
  static char small[16];  // the C library writes once 16 bytes are held
  std::setvbuf(file, small, _IOFBF, sizeof small);
  StdioBuffer buffer(file);
  std::ostream out(&buffer);
  out.write("twenty bytes of text", 20);
  out.flush();
  EXPECT_TRUE(out.fail());
  out.clear();
  out.write("x", 1);  // the device failed: nothing more is taken
  EXPECT_TRUE(out.fail());
  std::fclose(file);
}

}  // namespace
}  // namespace hurricane::console
