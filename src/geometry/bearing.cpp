#include "geometry/bearing.h"

namespace hurricane::geometry {

void normb(double& bearing) {
  norma(bearing);
  if (bearing > 180.0) bearing -= 360.0;
}

}  // namespace hurricane::geometry
