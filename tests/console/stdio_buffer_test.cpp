// Standard output through a C stream: a device that fails stays failed.
#include "console/stdio_buffer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>

namespace hurricane::console {
namespace {

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
  out.write("x", 1);  // would fit the C buffer, but the device has failed
  EXPECT_TRUE(out.fail());
  std::fclose(file);
}

}  // namespace
}  // namespace hurricane::console
