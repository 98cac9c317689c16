#include "math/intersect.h"

#include <cmath>

#include "math/constants.h"

namespace math {

bool intersect(TGeomVector3D<double> const& p0, TGeomVector3D<double> const& d, TGeomVector3D<double> const& q,
               TGeomVector3D<double> const& n, TGeomVector3D<double>& out) {
    double const den = dot(d, n);
    if (std::fabs(den) < kTolerance) return false;
    double const t = dot(q - p0, n) / den;
    out = p0 + t * d;
    return true;
}

}  // namespace math
