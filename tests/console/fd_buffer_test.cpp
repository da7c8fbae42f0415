// Standard output's buffer: everything arrives, and a device that fails stays failed.
#include "console/fd_buffer.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <ostream>
#include <string>

namespace hurricane::console {
namespace {

TEST(FdBuffer, DeliversMoreThanOneBufferInOrder) {
  int ends[2];
  ASSERT_EQ(pipe(ends), 0);
  std::string sent;
  for (int k = 0; sent.size() < FdBuffer::kSize + 1000; ++k) sent += std::to_string(k) + '\n';
  ASSERT_LT(sent.size(), 65536u * 2);  // the pipe holds it all without a reader
  fcntl(ends[1], F_SETPIPE_SZ, 1 << 18);
  {
    FdBuffer buffer(ends[1]);
    std::ostream out(&buffer);
    out << sent;
    out.flush();
    EXPECT_TRUE(out.good());
  }
  close(ends[1]);
  std::string received;
  char chunk[4096];
  for (ssize_t n; (n = read(ends[0], chunk, sizeof chunk)) > 0;) {
    received.append(chunk, static_cast<std::size_t>(n));
  }
  close(ends[0]);
  EXPECT_EQ(received, sent);
}

TEST(FdBuffer, AFullDeviceFailsTheStreamForGood) {
  const int fd = open("/dev/full", O_WRONLY);
  if (fd < 0) GTEST_SKIP() << "no /dev/full here";
  FdBuffer buffer(fd);
  std::ostream out(&buffer);
  out.write("twenty bytes of text", 20);
  out.flush();
  EXPECT_TRUE(out.fail());
  out.clear();
  out.write("x", 1);  // fits the buffer, but the device has failed
  out.flush();
  EXPECT_TRUE(out.fail());
  close(fd);
}

}  // namespace
}  // namespace hurricane::console
