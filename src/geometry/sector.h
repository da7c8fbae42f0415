// Where a bearing lies relative to a clockwise sector of bearings.
#pragma once

namespace hurricane::geometry {

// wcheck: zone iwx of bearing ww relative to the sector clockwise from w1 to w2 (degrees; all
// three reduced in place into [0, 360)). For sectors narrower than 180 degrees: 0 from w1
// (incl.) to w2 (excl.), 1 from w2 to w2 + 90, 2 from w2 + 90 to w1 - 90, -1 from w1 - 90 to w1.
// Any NaN bearing gives 0.
void wcheck(double& w1, double& w2, double& ww, int& iwx);

}  // namespace hurricane::geometry
