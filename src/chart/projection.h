// The chart's Mercator projection: north up, one scale for longitude and isometric latitude, so
// rhumb lines are straight and angles true.
#pragma once

#include <vector>

#include "forecast/track.h"

namespace hurricane::chart {

// A point of the drawing, pixels: x to the right, y down.
struct Pixel {
  double x = 0.0;
  double y = 0.0;
};

// The rectangle of the drawing a chart's plot fills, pixels.
struct PlotArea {
  double left = 0.0;
  double top = 0.0;
  double width = 0.0;
  double height = 0.0;
};

class Projection {
 public:
  // The smallest window around `points` (longitudes unwrapped near `points[0]`'s) that fits
  // `area` at one scale, centred, with `margin_fraction` (>= 0) of the span added on every
  // side; a window at least `min_span_deg` degrees of longitude wide. `points` must not be
  // empty.
  Projection(const std::vector<navigation::LatLon>& points, PlotArea area, double margin_fraction,
             double min_span_deg);

  // Where (`lat` degrees north, `lon` degrees east, any value) lands; the longitude is taken
  // within 180 degrees of the window's centre.
  Pixel at(navigation::LatLon point) const;
  // The same for a longitude already unwrapped by the caller (degrees east, any value).
  double x_of(double lon_deg) const;
  // The pixel row of the isometric latitude `psi_deg` (degrees north).
  double y_of_isometric(double psi_deg) const;

  // The longitude (degrees east) nearest the window's centre that equals `lon_deg` modulo 360.
  double unwrap(double lon_deg) const;

  double west_deg() const { return west_; }
  double east_deg() const { return east_; }
  double south_deg() const;  // geodetic latitudes of the window's edges
  double north_deg() const;
  double pixels_per_degree() const { return scale_; }
  // The latitude halfway up the window (in isometric latitude), degrees north.
  double centre_lat_deg() const;
  // Pixels per nautical mile at `lat_deg`, the same every way there (a conformal projection).
  double pixels_per_nm(double lat_deg) const;
  const PlotArea& area() const { return area_; }

 private:
  PlotArea area_;
  double west_ = 0.0, east_ = 0.0;            // longitudes of the left and right edge, degrees
  double psi_south_ = 0.0, psi_north_ = 0.0;  // isometric latitudes of the bottom and top, deg
  double scale_ = 1.0;                        // pixels per degree in both directions
};

}  // namespace hurricane::chart
