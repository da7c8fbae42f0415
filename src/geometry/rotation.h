// Bearings and points re-expressed relative to a reference bearing.
#pragma once

namespace hurricane::geometry {

// rotw1: zw1, zw2 = clockwise angles in degrees, [0, 360), from w0 to w1 and from w0 to w2;
// w0, w1 and w2 are reduced in place into [0, 360).
void rotw1(double& w0, double& w1, double& w2, double& zw1, double& zw2);

// rotx1: the point (xx, yy) in the frame turned by bearing w0 (degrees, reduced in place) about
// the centre (x0, y0): zxx - x0 is the offset's component along w0 (ahead), zyy - y0 its
// component to the right (clockwise side) of w0.
void rotx1(double& w0, double x0, double y0, double xx, double yy, double& zxx, double& zyy);

}  // namespace hurricane::geometry
