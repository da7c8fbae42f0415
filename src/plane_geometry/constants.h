// Shared constants of the navigation geometry: the pi record and degree/radian factors.
#pragma once

namespace hurricane::plane_geometry {

// pi of the shared record, exactly this decimal value (about 7.1e-15 above the true pi).
inline constexpr double pi = 3.1415926535898;
// twopi of the shared record: pi + pi = 6.2831853071796.
inline constexpr double twopi = pi + pi;
// qdr: degrees to radians, twopi / 360 (0.017453292519943334); radians = degrees * qdr.
inline constexpr double qdr = twopi / 360.0;
// qrd: radians to degrees, 360 / twopi (57.295779513082195); degrees = radians * qrd.
inline constexpr double qrd = 360.0 / twopi;
// Degree-to-radian factor of the frame rotation, the double nearest 3.14159265358979 / 180.
inline constexpr double rotx1_factor = 0.017453292519943278;
// Single-precision 1.0e-19 as a double: range bias of xpobe and the floor of the ship speed.
inline constexpr double tiny_single = 9.999999682655225e-20;
// Single-precision 0.1 as a double.
inline constexpr double tenth_single = 0.10000000149011612;

static_assert(tiny_single == static_cast<double>(1.0e-19f));
static_assert(tenth_single == static_cast<double>(0.1f));
static_assert(qdr == 0.017453292519943334);
static_assert(qrd == 57.295779513082195);

}  // namespace hurricane::plane_geometry
