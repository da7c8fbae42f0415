// Tangent construction from a point to a circle in the plane (x north, y east, nm).
#pragma once

namespace hurricane::plane_geometry {

// tangt: tangents from A = (xxa, yya) to the circle of radius rb about B = (xxb, yyb).
// rb is replaced in place by |rb|. bec is the bearing of B from A, be1 the tangent anticlockwise
// of it and be2 the one clockwise of it, all degrees in [0, 360); (xt1, yt1) and (xt2, yt2) are
// the touching points on be1 and be2. With A inside the circle all outputs but bec are NaN.
void tangt(double xxa, double yya, double xxb, double yyb, double& rb, double& xt1, double& yt1,
           double& xt2, double& yt2, double& bec, double& be1, double& be2);

}  // namespace hurricane::plane_geometry
