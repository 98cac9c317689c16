#include "math/acos.h"

#include <algorithm>
#include <cmath>

namespace math {

double acos(double x) { return std::acos(std::clamp(x, -1.0, 1.0)); }

}  // namespace math
