// Arc cosine that accepts arguments pushed just outside [-1, 1] by rounding.
#pragma once

namespace math {

// x beyond -1 or 1 is taken as -1 or 1; NaN stays NaN.
double acos(double x);

}  // namespace math
