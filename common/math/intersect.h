// Where a line meets a plane.
#pragma once

#include "math/TGeomVector3D.h"

namespace math {

// Intersects the line p0 + t * d with the plane through q with normal n. A line
// (nearly) parallel to the plane gives false and leaves `out` untouched.
bool intersect(TGeomVector3D<double> const& p0, TGeomVector3D<double> const& d, TGeomVector3D<double> const& q,
               TGeomVector3D<double> const& n, TGeomVector3D<double>& out);

}  // namespace math
