// The truth a hindcast scores against: a storm's ATCF best track (b-deck) as a track of points
// with their 34-kt radii per quadrant, the centre between rows along the geodesic and the radii
// linear in time, exactly as the forecast area moves a forecast.
#pragma once

#include <string>
#include <string_view>

#include "error/error.h"
#include "forecast/track.h"

namespace hurricane::hindcast {

// The BEST rows of `bytes` (ATCF b-deck records), one point per time in time order: centre, max
// wind and the 34-kt radii (0 where a row states none). Rows repeated for the 50- and 64-kt
// radii and rows at an earlier or equal time are skipped. An unreadable row, or fewer than two
// times, is the error: Field::kBestTrack with the 1-based line of the row at fault (0 for too
// few times).
Result<forecast::StormTrack> read_best_track(std::string_view bytes);

}  // namespace hurricane::hindcast
