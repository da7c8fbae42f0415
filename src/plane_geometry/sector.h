// Where a bearing lies relative to a clockwise sector of bearings.
#pragma once

#include "plane_geometry/bearing.h"

namespace hurricane::plane_geometry {

// wcheck: zone iwx of bearing ww relative to the sector clockwise from w1 to w2 (degrees; all
// three reduced in place into [0, 360)). For sectors narrower than 180 degrees: 0 from w1
// (incl.) to w2 (excl.), 1 from w2 to w2 + 90, 2 from w2 + 90 to w1 - 90, -1 from w1 - 90 to w1.
// Any NaN bearing gives 0.
void wcheck(double& w1, double& w2, double& ww, int& iwx);

// The part of wcheck that depends on the sector alone: its start w1 and its bounds as
// clockwise angles from w1. Many bearings tested against one sector need it only once.
struct Sector {
  double w1 = 0.0;   // sector start, reduced
  double w2 = 0.0;   // sector end, reduced
  double w1x = 0.0;  // start, from w1: 0 (NaN for a NaN start)
  double w2x = 0.0;  // end, from w1: the sector's width
  double w1y = 0.0;  // 90 degrees before the start, from w1
  double w2y = 0.0;  // 90 degrees beyond the end, from w1
};

// The sector from w1 clockwise to w2.
Sector sector(double w1, double w2);

// wcheck against a sector made by sector(w1, w2): the iwx and reduced ww of wcheck(w1, w2, ww,
// iwx), which is this with the sector made on the spot. Inline: a course scan tests two
// bearings per pass. On a shared boundary the later test wins.
inline void wcheck(const Sector& sector, double& ww, int& iwx) {
  iwx = 0;
  norma(ww);
  double wwx = ww - sector.w1;
  norma(wwx);
  if (sector.w1x <= wwx && wwx <= sector.w2x) iwx = 0;
  if (sector.w2x <= wwx && wwx <= sector.w2y) iwx = 1;
  if (sector.w2y <= wwx && wwx <= sector.w1y) iwx = 2;
  if (wwx <= 360.0 && sector.w1y <= wwx) iwx = -1;
}

}  // namespace hurricane::plane_geometry
