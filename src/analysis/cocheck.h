// Admissibility of one relative-velocity point against the danger cone widened by a margin.
#pragma once

#include "analysis/point.h"

namespace hurricane::analysis {

// Flags of the admissibility code; a code of 0 means admissible.
inline constexpr int kBandEdge1 = 1;   // within the margin outside edge 1, alongside it
inline constexpr int kBandEdge2 = 2;   // within the margin outside edge 2, alongside it
inline constexpr int kInsideCone = 4;  // the point's bearing lies inside the cone
inline constexpr int kBehindApex = 8;  // behind the apex and no farther from it than the margin

// Points nearer to the apex than this (kn) are judged as the apex itself.
inline constexpr double kApexSnap = 1e-6;

// cocheck: ibase = admissibility code of the relative-velocity point (xx, yy) (kn, x north,
// y east) against the cone with apex ph0 from edge be1 clockwise through its centre bearing bec
// to edge be2 (degrees), widened by the margin dspeed (kn, U). be1 and be2 are reduced in place
// into [0, 360). NaN edges (ship inside the critical circle) make every point inadmissible.
void cocheck(double xx, double yy, Point ph0, double& be1, double bec, double& be2, double dspeed,
             int& ibase);

}  // namespace hurricane::analysis
