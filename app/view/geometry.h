// Small 3D vector and 3 x 3 matrix for drawing the composition; angles in degrees,
// as the host shows them.
#pragma once

namespace view {

struct Vec3 {
    double x = 0, y = 0, z = 0;
};

inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator*(Vec3 a, double k) { return {a.x * k, a.y * k, a.z * k}; }
double dot(Vec3 a, Vec3 b);
double length(Vec3 a);

// Row-major; multiplies column vectors.
struct Mat3 {
    double m[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
};

Mat3 operator*(const Mat3& a, const Mat3& b);
Vec3 operator*(const Mat3& a, Vec3 v);
Mat3 transposed(const Mat3& a);

// Right-handed turns in the host's frame (x right, y down, z away from the viewer):
// a positive Y turn takes +z towards +x, a positive X turn takes +z towards -y.
Mat3 rotate_x(double degrees);
Mat3 rotate_y(double degrees);
Mat3 rotate_z(double degrees);

}  // namespace view
