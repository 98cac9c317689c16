#include "view/geometry.h"

#include <cmath>

namespace view {

namespace {
constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;
}

double dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

double length(Vec3 a) { return std::sqrt(dot(a, a)); }

Mat3 operator*(const Mat3& a, const Mat3& b) {
    Mat3 r;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            r.m[i][j] = a.m[i][0] * b.m[0][j] + a.m[i][1] * b.m[1][j] + a.m[i][2] * b.m[2][j];
    return r;
}

Vec3 operator*(const Mat3& a, Vec3 v) {
    return {a.m[0][0] * v.x + a.m[0][1] * v.y + a.m[0][2] * v.z,
            a.m[1][0] * v.x + a.m[1][1] * v.y + a.m[1][2] * v.z,
            a.m[2][0] * v.x + a.m[2][1] * v.y + a.m[2][2] * v.z};
}

Mat3 transposed(const Mat3& a) {
    Mat3 r;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) r.m[i][j] = a.m[j][i];
    return r;
}

Mat3 rotate_x(double degrees) {
    const double c = std::cos(degrees * kRadiansPerDegree), s = std::sin(degrees * kRadiansPerDegree);
    return Mat3{{{1, 0, 0}, {0, c, -s}, {0, s, c}}};
}

Mat3 rotate_y(double degrees) {
    const double c = std::cos(degrees * kRadiansPerDegree), s = std::sin(degrees * kRadiansPerDegree);
    return Mat3{{{c, 0, s}, {0, 1, 0}, {-s, 0, c}}};
}

Mat3 rotate_z(double degrees) {
    const double c = std::cos(degrees * kRadiansPerDegree), s = std::sin(degrees * kRadiansPerDegree);
    return Mat3{{{c, -s, 0}, {s, c, 0}, {0, 0, 1}}};
}

}  // namespace view
