// Land in the way: the shoreline, indexed for the questions a ship's track asks of it.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "land/shoreline.h"
#include "land/track.h"

namespace hurricane::land {

class Land {
 public:
  // Reads the compact shoreline file at `path` and indexes it; a message naming the file when
  // it cannot be used.
  static Result<Land> load(const std::string& path);

  explicit Land(Shoreline shoreline);
  Land(Land&&) noexcept;
  Land& operator=(Land&&) noexcept;
  ~Land();

  // Whether (`lat` degrees north, -90..90; `lon` degrees east, any value) lies on land or on an
  // island in a lake: inside an odd number of shorelines. Lakes and the sea are water; a point
  // that is not finite or beyond -90..90 is not on land.
  bool on_land(double lat, double lon) const;

  // Where the rhumb line from (`lat`, `lon`, degrees) on true `course` (degrees clockwise from
  // north) first touches a shoreline within `distance_nm` (nautical miles), exactly as the
  // data's edges run; none when it meets none (see make_track for tracks that meet nothing). A
  // start on land gives the first shoreline the track touches on its way, not the start.
  std::optional<Landfall> first_landfall(double lat, double lon, double course,
                                         double distance_nm) const;
  std::optional<Landfall> first_landfall(const Track& track) const;

  // Calls `edge(a, b)` for every shoreline edge whose box meets the Mercator box from `low` to
  // `high` (x in -180..180 as the data's), and for some others near it.
  void for_each_edge_in(MercatorPoint low, MercatorPoint high,
                        const std::function<void(MercatorPoint, MercatorPoint)>& edge) const;

  const Shoreline& shoreline() const;
  std::string_view source() const { return shoreline().source; }

 private:
  struct Index;
  std::unique_ptr<Index> index_;
};

}  // namespace hurricane::land
