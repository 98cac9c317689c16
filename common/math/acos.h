// Arc cosine that accepts arguments pushed just outside [-1, 1] by rounding.
#pragma once

namespace math {

// x <= -1 gives pi, x >= 1 gives 0, anything else (NaN included) the plain
// arc cosine.
double acos(double x);

}  // namespace math
