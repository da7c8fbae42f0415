#include "analysis/cocheck.h"

#include <gtest/gtest.h>

#include <cmath>

#include "plane_geometry/position.h"

namespace hurricane::analysis {
namespace {

// Code of the point (xx, yy) against the cone 150..180..210 (or the given edges), apex at 0.
int code(double xx, double yy, double u = 5.0, double be1 = 150.0, double bec = 180.0,
         double be2 = 210.0) {
  int ibase = -1;
  cocheck(xx, yy, Point{}, be1, bec, be2, u, ibase);
  return ibase;
}

// Point `along` nm out on bearing `edge`, then `off` nm further on bearing `side`.
Point beside(double edge, double along, double side, double off) {
  Point p;
  Point q;
  plane_geometry::xbepo(edge, along, p.x, p.y);
  plane_geometry::xbepo(side, off, q.x, q.y);
  return Point{p.x + q.x, p.y + q.y};
}

TEST(Cocheck, RegionsOfTheWidenedCone) {
  EXPECT_EQ(code(-10, 0), 4);  // inside the cone
  EXPECT_EQ(code(4, 0), 8);    // behind the apex, within the margin
  EXPECT_EQ(code(6, 0), 0);    // behind the apex, beyond the margin
  EXPECT_EQ(code(100, 0), 0);
  EXPECT_EQ(code(0, 0), 15);      // the apex: both edge lines, bearing 180, range below U
  EXPECT_EQ(code(0, 0, 0.0), 7);  // no margin: no flag 8
  EXPECT_EQ(code(0, 0, 0.0, 330, 0, 30), 3);
  const Point in1 = beside(150, 20, 60, 4.9);  // outside edge 1 lies anticlockwise of it
  const Point out1 = beside(150, 20, 60, 5.1);
  const Point in2 = beside(210, 20, 300, 4.9);
  const Point out2 = beside(210, 20, 300, 5.1);
  EXPECT_EQ(code(in1.x, in1.y), 1);
  EXPECT_EQ(code(out1.x, out1.y), 0);
  EXPECT_EQ(code(in2.x, in2.y), 2);
  EXPECT_EQ(code(out2.x, out2.y), 0);
}

TEST(Cocheck, UndefinedEdgesRejectEveryPoint) {
  const double nan = std::nan("");
  EXPECT_EQ(code(-10, 0, 5, nan, 180, nan), 4);
  EXPECT_EQ(code(100, 0, 5, nan, 180, nan), 4);
  EXPECT_EQ(code(1, 0, 5, nan, 180, nan), 12);
  EXPECT_EQ(code(0, 0, 5, nan, 180, nan), 12);
}

// A vector this short has no direction of its own; without the snap it reads as 8 here.
TEST(Cocheck, PointNearerThanAMicroKnotCountsAsTheApex) {
  EXPECT_EQ(code(4e-7, 3e-7), 15);
  EXPECT_EQ(code(4e-14, -3e-14, 0.0), 7);
  EXPECT_EQ(code(4e-6, 3e-6), 8);
}

TEST(Cocheck, WritesBackReducedEdges) {
  double be1 = -30.0;
  double be2 = 390.0;
  int ibase = -1;
  cocheck(10, 0, Point{}, be1, 0.0, be2, 1.0, ibase);
  EXPECT_EQ(be1, 330.0);
  EXPECT_EQ(be2, 30.0);
  EXPECT_EQ(ibase, 4);
}

}  // namespace
}  // namespace hurricane::analysis
