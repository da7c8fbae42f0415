// Breakdown of a duration into days, hours, minutes and seconds.
#pragma once

namespace hurricane::plane_geometry {

// timday: `time` in hours, rounded to whole seconds (half a second up), split into iday, ihour,
// imin, isec; a negative duration gives parts that are zero or negative. A duration whose
// seconds do not fit 32 bits gives INT_MAX (or INT_MIN when negative) days and 0 h 0 m 0 s;
// NaN gives 0 for each of the four.
void timday(double time, int& iday, int& ihour, int& imin, int& isec);

}  // namespace hurricane::plane_geometry
