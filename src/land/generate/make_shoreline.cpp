// Build-time tool: turns a binned GSHHG shoreline file (netCDF, as Debian's gmt-gshhg packages
// install it) into this program's compact shoreline file.
//
//   make_shoreline binned_GSHHS_i.nc shoreline.bin "GSHHG 2.3.7 intermediate"
//
// The binned file cuts every shoreline into pieces per 5-degree bin. A piece either closes
// inside its bin or runs from one bin edge to another, where the neighbouring bin's piece goes
// on from the very same point, so the pieces together are the closed shorelines again (the bin
// edges GMT walks to fill polygons are not shoreline and are left out).
#include <netcdf.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "land/mercator.h"
#include "land/shoreline.h"

namespace {

using hurricane::land::Shoreline;

// Level of the Antarctic grounding line; the ice front (level 5, stored as 1 with a flag) is
// the edge a ship meets, so the grounding line is left out.
constexpr int kGroundingLineLevel = 6;
// Relative coordinates count 1/65535 of the bin size from its south-west corner.
constexpr double kBinSteps = 65535.0;
// The poles are infinitely far north and south in the Mercator plane.
constexpr double kLatitudeLimit = 89.99;

[[noreturn]] void fail(const std::string& what) {
  std::fprintf(stderr, "make_shoreline: %s\n", what.c_str());
  std::exit(1);
}

class NetCdf {
 public:
  explicit NetCdf(const char* path) {
    if (nc_open(path, NC_NOWRITE, &id_) != NC_NOERR) fail(std::string("cannot open ") + path);
  }
  ~NetCdf() { nc_close(id_); }
  NetCdf(const NetCdf&) = delete;
  NetCdf& operator=(const NetCdf&) = delete;

  int scalar(const char* name) { return ints(name, 1).front(); }
  std::vector<int> ints(const char* name, std::size_t n) {
    std::vector<int> out(n);
    check(nc_get_var_int(id_, var(name), out.data()), name);
    return out;
  }
  std::vector<short> shorts(const char* name, std::size_t n) {
    std::vector<short> out(n);
    check(nc_get_var_short(id_, var(name), out.data()), name);
    return out;
  }

 private:
  int var(const char* name) {
    int v = 0;
    check(nc_inq_varid(id_, name, &v), name);
    return v;
  }
  static void check(int status, const char* name) {
    if (status != NC_NOERR) fail(std::string(name) + ": " + nc_strerror(status));
  }
  int id_ = 0;
};

std::size_t count(int n, const char* what) {
  if (n < 0) fail(std::string("negative count of ") + what);
  return static_cast<std::size_t>(n);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) fail("usage: make_shoreline BINNED_GSHHS.nc OUTPUT SOURCE-TEXT");
  NetCdf nc(argv[1]);
  const double bin_deg = nc.scalar("Bin_size_in_minutes") / 60.0;
  const std::size_t columns = count(nc.scalar("N_bins_in_360_longitude_range"), "columns");
  const std::size_t bins = count(nc.scalar("N_bins_in_file"), "bins");
  const std::size_t segments = count(nc.scalar("N_segments_in_file"), "segments");
  const std::size_t points = count(nc.scalar("N_points_in_file"), "points");
  const auto bin_first = nc.ints("Id_of_first_segment_in_a_bin", bins);
  const auto bin_segments = nc.shorts("N_segments_in_a_bin", bins);
  const auto segment_info = nc.ints("Embedded_npts_levels_exit_entry_for_a_segment", segments);
  const auto segment_first = nc.ints("Id_of_first_point_in_a_segment", segments);
  const auto dx = nc.shorts("Relative_longitude_from_SW_corner_of_bin", points);
  const auto dy = nc.shorts("Relative_latitude_from_SW_corner_of_bin", points);

  Shoreline out;
  out.source = argv[3];
  out.line_start.push_back(0);
  for (std::size_t bin = 0; bin < bins; ++bin) {
    // Bins run west to east from 0 degrees, rows north to south from the pole.
    double west = static_cast<double>(bin % columns) * bin_deg;
    if (west >= 180.0) west -= 360.0;
    const double south = 90.0 - static_cast<double>(bin / columns + 1) * bin_deg;
    const std::size_t first = count(bin_first[bin], "segment id");
    for (std::size_t s = first; s < first + count(bin_segments[bin], "bin segments"); ++s) {
      if (s >= segments) fail("segment beyond the file");
      const int info = segment_info[s];
      const std::size_t n = count(info >> 9, "segment points");
      const std::size_t p0 = count(segment_first[s], "point id");
      if (((info >> 6) & 7) == kGroundingLineLevel || n < 2) continue;
      if (p0 + n > points) fail("segment points beyond the file");
      for (std::size_t p = p0; p < p0 + n; ++p) {
        // Times the bin size before the division, so that 65535 steps give the edge exactly
        // and neighbouring bins agree on it.
        const double u = static_cast<unsigned short>(dx[p]) * bin_deg / kBinSteps;
        const double v = static_cast<unsigned short>(dy[p]) * bin_deg / kBinSteps;
        const double lat = std::clamp(south + v, -kLatitudeLimit, kLatitudeLimit);
        out.x.push_back(static_cast<float>(west + u));
        out.y.push_back(static_cast<float>(hurricane::land::isometric_latitude(lat)));
      }
      out.line_start.push_back(static_cast<std::uint32_t>(out.x.size()));
    }
  }
  if (!hurricane::land::write_shoreline(out, argv[2])) fail(std::string("cannot write ") + argv[2]);
  std::printf("make_shoreline: %zu polylines, %zu vertices\n", out.line_count(), out.x.size());
  return 0;
}
