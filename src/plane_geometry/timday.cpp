#include "plane_geometry/timday.h"

#include <cmath>
#include <limits>

#include "plane_geometry/truncate.h"

namespace hurricane::plane_geometry {

void timday(double time, int& iday, int& ihour, int& imin, int& isec) {
  const double seconds = time * 3600.0 + 0.5;
  iday = 0;
  ihour = 0;
  imin = 0;
  isec = 0;
  if (std::isnan(seconds)) return;
  if (!(seconds > -2147483649.0 && seconds < 2147483648.0)) {
    // The seconds do not fit 32 bits: only a day count that cannot be mistaken for a real one.
    iday = seconds > 0.0 ? std::numeric_limits<int>::max() : std::numeric_limits<int>::min();
    return;
  }
  const int itime0 = truncate_to_int(seconds);  // itime0: whole duration in seconds
  int itime = itime0;                           // itime: the part still to be split
  int inew = itime / 86400;                     // inew: the current quotient
  itime = itime - inew * 86400;
  iday = inew;
  inew = itime / 3600;
  itime = itime - inew * 3600;
  ihour = inew;
  inew = itime / 60;
  itime = itime - inew * 60;
  imin = inew;
  isec = itime;
}

}  // namespace hurricane::plane_geometry
