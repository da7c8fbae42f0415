// The compact shoreline file: what is written reads back, and a damaged file is refused with a
// message naming it, never read past its end.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "land/shoreline.h"

namespace hurricane::land {
namespace {

std::string temporary(const char* name) {
  return (std::filesystem::temp_directory_path() / name).string();
}

Shoreline square() {
  return {"test square", {0.0f, 1.0f, 1.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 1.0f, 1.0f, 0.0f}, {0, 5}};
}

std::string bytes_of(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void write_bytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

TEST(ShorelineFile, WrittenReadsBack) {
  const std::string path = temporary("hurricane_land_square.bin");
  ASSERT_TRUE(write_shoreline(square(), path));
  const auto read = read_shoreline(path);
  ASSERT_TRUE(read.ok()) << read.error().problem;
  const Shoreline& s = read.value();
  EXPECT_EQ(s.source, "test square");
  EXPECT_EQ(s.x, square().x);
  EXPECT_EQ(s.y, square().y);
  EXPECT_EQ(s.line_start, square().line_start);
  std::remove(path.c_str());
}

TEST(ShorelineFile, DamagedFilesAreRefusedByName) {
  const std::string path = temporary("hurricane_land_damaged.bin");
  ASSERT_TRUE(write_shoreline(square(), path));
  const std::string good = bytes_of(path);

  const auto refused = [&](const std::string& bytes, const std::string& why) {
    write_bytes(path, bytes);
    const auto read = read_shoreline(path);
    ASSERT_FALSE(read.ok()) << why;
    EXPECT_NE(read.error().problem.find(path), std::string::npos) << why;
  };
  refused("", "empty");
  refused("NOTSHORE" + good.substr(8), "wrong magic");
  refused(good.substr(0, good.size() - 1), "truncated");
  refused(good + "x", "trailing bytes");
  std::string huge = good;
  huge[15] = '\x7f';  // vertex count far beyond any shoreline
  refused(huge, "impossible count");
  std::string open_line = good;
  // Header of 20 bytes, the 11 of the source, then the polyline starts and the longitudes.
  open_line[20 + 11 + 4] = 4;  // the polyline ends before the last vertex
  refused(open_line, "polyline starts");
  std::string outside = good;
  const float far = 500.0f;
  std::memcpy(outside.data() + 20 + 11 + 8, &far, sizeof far);  // first longitude
  refused(outside, "longitude beyond 180");

  Shoreline escaping = square();
  escaping.source = "\x1b[2J";  // would clear the navigator's terminal
  ASSERT_TRUE(write_shoreline(escaping, path));
  refused(bytes_of(path), "control bytes in the source");

  std::remove(path.c_str());
  const auto missing = read_shoreline(path);
  ASSERT_FALSE(missing.ok());
  EXPECT_NE(missing.error().problem.find(path), std::string::npos);
}

}  // namespace
}  // namespace hurricane::land
