// Renders an SVG document with the system's rsvg-convert and reads pixels of the PNG back.
#pragma once

#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace hurricane::picture::testing {

struct Rgb {
  int r = 0;
  int g = 0;
  int b = 0;
};

// rgb_of: "#rrggbb" as its three components.
inline Rgb rgb_of(const std::string& hex) {
  const long v = std::strtol(hex.c_str() + 1, nullptr, 16);
  return {static_cast<int>((v >> 16) & 0xff), static_cast<int>((v >> 8) & 0xff),
          static_cast<int>(v & 0xff)};
}

// distance: the largest difference of a component.
inline int distance(Rgb a, Rgb b) {
  return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

struct Image {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgb;  // rows top to bottom, three bytes a pixel

  Rgb at(double x, double y) const {
    const auto px = static_cast<std::size_t>(x);
    const auto py = static_cast<std::size_t>(y);
    const std::size_t k = 3 * (py * static_cast<std::size_t>(width) + px);
    return {rgb[k], rgb[k + 1], rgb[k + 2]};
  }
};

// read_png: the PNG at `path` as RGB pixels, or nothing when it cannot be read.
inline std::optional<Image> read_png(const std::string& path) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return std::nullopt;
  image.format = PNG_FORMAT_RGB;
  Image out;
  out.width = static_cast<int>(image.width);
  out.height = static_cast<int>(image.height);
  out.rgb.resize(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, out.rgb.data(), 0, nullptr)) return std::nullopt;
  return out;
}

// run: runs a shell command line; whether it exited with status 0.
inline bool run(const std::string& command) {
  return std::system(command.c_str()) == 0;
}

inline void write_text(const std::string& path, const std::string& content) {
  std::ofstream(path, std::ios::binary) << content;
}

}  // namespace hurricane::picture::testing
