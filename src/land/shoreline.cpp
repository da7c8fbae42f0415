#include "land/shoreline.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <fstream>
#include <utility>

namespace hurricane::land {
namespace {

static_assert(std::endian::native == std::endian::little, "the shoreline file is little-endian");
static_assert(sizeof(float) == 4);

// More than any shoreline of the full resolution holds; bounds what a damaged header may ask for.
constexpr std::uint32_t kMaxVertices = 1u << 26;
// The source text goes on a console line of its own.
constexpr std::uint32_t kMaxSourceBytes = 64;

// Reads straight into the vectors: some megabytes at every start-up, so no copy between.
template <typename T>
bool read_into(std::ifstream& in, T* out, std::size_t count) {
  return static_cast<bool>(
      in.read(reinterpret_cast<char*>(out), static_cast<std::streamsize>(count * sizeof(T))));
}

template <typename T>
void write_all(std::ofstream& out, const std::vector<T>& values) {
  out.write(reinterpret_cast<const char*>(values.data()),
            static_cast<std::streamsize>(values.size() * sizeof(T)));
}

std::string check(const Shoreline& s) {
  for (const char c : s.source) {
    if (c < ' ' || c > '~') return "the source text holds a byte outside printable ASCII";
  }
  const std::size_t n = s.x.size();
  if (s.line_start.empty() || s.line_start.front() != 0 || s.line_start.back() != n) {
    return "polyline starts do not cover the vertices";
  }
  for (std::size_t i = 1; i < s.line_start.size(); ++i) {
    if (s.line_start[i] < s.line_start[i - 1] + 2) return "a polyline has fewer than 2 vertices";
  }
  for (std::size_t i = 0; i < n; ++i) {
    if (!(std::fabs(s.x[i]) <= 180.0f) || !std::isfinite(s.y[i])) {
      return "a vertex lies outside -180..180 or is not finite";
    }
  }
  return {};
}

// The shoreline file's error: `problem` names the file.
Error shoreline_error(std::string problem) {
  return Error{ErrorKind::kUnusable, Field::kLand, "", std::move(problem)};
}

}  // namespace

Result<Shoreline> read_shoreline(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return shoreline_error("cannot open the shoreline file " + path);
  const std::string bad = path + " is not a shoreline file of this program: ";
  char magic[sizeof kShorelineMagic];
  if (!read_into(in, magic, sizeof magic) ||
      std::memcmp(magic, kShorelineMagic, sizeof magic) != 0) {
    return shoreline_error(bad + "wrong header");
  }
  std::uint32_t counts[3];  // source bytes, vertices, polylines
  if (!read_into(in, counts, 3)) return shoreline_error(bad + "short header");
  if (counts[0] > kMaxSourceBytes || counts[1] > kMaxVertices || counts[2] >= counts[1]) {
    return shoreline_error(bad + "impossible counts");
  }
  Shoreline s;
  s.source.resize(counts[0]);
  s.line_start.resize(std::size_t{counts[2]} + 1);
  s.x.resize(counts[1]);
  s.y.resize(counts[1]);
  if (!read_into(in, s.source.data(), s.source.size()) ||
      !read_into(in, s.line_start.data(), s.line_start.size()) ||
      !read_into(in, s.x.data(), s.x.size()) || !read_into(in, s.y.data(), s.y.size())) {
    return shoreline_error(bad + "truncated");
  }
  if (in.peek() != std::ifstream::traits_type::eof())
    return shoreline_error(bad + "bytes after the data");
  if (const std::string fault = check(s); !fault.empty()) return shoreline_error(bad + fault);
  return s;
}

bool write_shoreline(const Shoreline& s, const std::string& path) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  const std::uint32_t counts[3] = {static_cast<std::uint32_t>(s.source.size()),
                                   static_cast<std::uint32_t>(s.x.size()),
                                   static_cast<std::uint32_t>(s.line_count())};
  out.write(kShorelineMagic, sizeof kShorelineMagic);
  out.write(reinterpret_cast<const char*>(counts), sizeof counts);
  out.write(s.source.data(), static_cast<std::streamsize>(s.source.size()));
  write_all(out, s.line_start);
  write_all(out, s.x);
  write_all(out, s.y);
  out.close();
  return !out.fail();
}

}  // namespace hurricane::land
