#include "plane_geometry/bearing.h"

namespace hurricane::plane_geometry {

void normb(double& bearing) {
  norma(bearing);
  if (bearing > 180.0) bearing -= 360.0;
}

}  // namespace hurricane::plane_geometry
