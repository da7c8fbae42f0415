// Reduction of bearings (degrees, clockwise from true north) into a standard interval.
#pragma once

namespace hurricane::geometry {

// norma: reduces `bearing` (degrees) in place into [0, 360); NaN and the infinities come back
// unchanged, and so does a negative zero.
void norma(double& bearing);

// normb: reduces `bearing` (degrees) in place into (-180, +180]: +180 stays, -180 becomes +180.
void normb(double& bearing);

}  // namespace hurricane::geometry
