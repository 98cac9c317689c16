#include "math/acos.h"

#include <cmath>

#include "math/constants.h"

namespace math {

double acos(double x) {
    if (x <= -1.0) return kPi;
    if (x >= 1.0) return 0.0;
    return std::acos(x);
}

}  // namespace math
