// Fixed numbers of the geometry code. Angles inside `math` are radians; the
// host and the dialog speak degrees.
#pragma once

namespace math {

inline constexpr double Constant_DegreeToRadian = 0.017453292519943295;  // pi / 180
inline constexpr double Constant_RadianToDegree = 57.29577951308232;     // 180 / pi

inline constexpr double kPi = 3.141592653589793;

// Below this a length counts as zero and a divisor as unusable.
inline constexpr double kTolerance = 1e-12;

// The smallest normal single-precision value: products of lengths and dot
// products of matrix rows within this of zero count as zero.
inline constexpr double kFloatMin = 1.1754943508222875e-38;

}  // namespace math
