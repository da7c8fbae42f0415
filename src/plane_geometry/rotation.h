// Bearings and points re-expressed relative to a reference bearing.
#pragma once

namespace hurricane::plane_geometry {

// rotw1: zw1, zw2 = clockwise angles in degrees, [0, 360), from w0 to w1 and from w0 to w2;
// w0, w1 and w2 are reduced in place into [0, 360).
void rotw1(double& w0, double& w1, double& w2, double& zw1, double& zw2);

// rotx1: the point (xx, yy) in the frame turned by bearing w0 (degrees, reduced in place) about
// the centre (x0, y0): zxx - x0 is the offset's component along w0 (ahead), zyy - y0 its
// component to the right (clockwise side) of w0.
void rotx1(double& w0, double x0, double y0, double xx, double yy, double& zxx, double& zyy);

// The frame of rotx1 for one reference bearing: the bearing reduced into [0, 360) and the
// cosine and sine rotx1 takes of it. Many points turned by one bearing need them only once.
struct TurnedFrame {
  double w0 = 0.0;  // the reference bearing, reduced
  double cc = 1.0;  // cos(w0 * rotx1_factor)
  double ss = 0.0;  // sin(w0 * rotx1_factor)
};

// The frame of bearing w0.
TurnedFrame turned_frame(double w0);

// rotx1 in a frame made by turned_frame(w0): the zxx and zyy of rotx1(w0, x0, y0, xx, yy, zxx,
// zyy), which is this with the frame made on the spot.
inline void rotx1(const TurnedFrame& frame, double x0, double y0, double xx, double yy, double& zxx,
                  double& zyy) {
  const double x1 = xx - x0;
  const double y1 = yy - y0;
  zxx = frame.cc * x1 + frame.ss * y1;
  zyy = -(frame.ss * x1) + frame.cc * y1;
  zxx = zxx + x0;
  zyy = zyy + y0;
}

}  // namespace hurricane::plane_geometry
