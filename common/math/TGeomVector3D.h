// Three-dimensional vector of the geometry code. Besides the members below,
// componentwise arithmetic and the dot product are free inline functions; note
// that `*` between two vectors is the cross product and `^` their angle.
#pragma once

#include <cmath>

#include "math/acos.h"
#include "math/constants.h"

namespace math {

template <class T>
struct TGeomVector3D {
    T x{};
    T y{};
    T z{};

    constexpr TGeomVector3D() = default;
    constexpr TGeomVector3D(T x_, T y_, T z_) : x(x_), y(y_), z(z_) {}

    friend constexpr bool operator==(TGeomVector3D const&, TGeomVector3D const&) = default;

    // Euclidean length; anything at or below the tolerance (or NaN) is 0.
    T Length() const {
        T const length = std::sqrt((x * x + y * y) + z * z);
        return length > kTolerance ? length : T(0);
    }

    // Unit length in place, scaling by the reciprocal; too short a vector
    // becomes the zero vector.
    void Normalize() {
        T const length = Length();
        if (length > kTolerance) {
            T const k = T(1) / length;
            x *= k;
            y *= k;
            z *= k;
        } else {
            x = y = z = T(0);
        }
    }

    // The divisor is not checked.
    TGeomVector3D& operator/=(T d) {
        x /= d;
        y /= d;
        z /= d;
        return *this;
    }
    TGeomVector3D operator/(T d) const { return TGeomVector3D(x / d, y / d, z / d); }

    // Cross product this x other.
    TGeomVector3D operator*(TGeomVector3D const& b) const {
        return TGeomVector3D(y * b.z - b.y * z, z * b.x - b.z * x, x * b.y - b.x * y);
    }

    // Angle between the two vectors in 0 .. pi; 0 when either is (nearly) zero.
    T operator^(TGeomVector3D const& b) const {
        T const n = std::sqrt(((x * x + y * y) + z * z) * ((b.x * b.x + b.y * b.y) + b.z * b.z));
        if (n >= -kFloatMin && n <= kFloatMin) return T(0);
        T const dot = (x * b.x + y * b.y) + z * b.z;
        if (dot * kTolerance > n) return T(0);
        return math::acos(dot / n);
    }

    static TGeomVector3D const& Ex() {
        static TGeomVector3D const e(T(1), T(0), T(0));
        return e;
    }
    static TGeomVector3D const& Ey() {
        static TGeomVector3D const e(T(0), T(1), T(0));
        return e;
    }
    static TGeomVector3D const& Ez() {
        static TGeomVector3D const e(T(0), T(0), T(1));
        return e;
    }
};

template <class T>
constexpr TGeomVector3D<T> operator+(TGeomVector3D<T> const& a, TGeomVector3D<T> const& b) {
    return TGeomVector3D<T>(a.x + b.x, a.y + b.y, a.z + b.z);
}

template <class T>
constexpr TGeomVector3D<T> operator-(TGeomVector3D<T> const& a, TGeomVector3D<T> const& b) {
    return TGeomVector3D<T>(a.x - b.x, a.y - b.y, a.z - b.z);
}

template <class T>
constexpr TGeomVector3D<T> operator-(TGeomVector3D<T> const& a) {
    return TGeomVector3D<T>(-a.x, -a.y, -a.z);
}

template <class T>
constexpr TGeomVector3D<T> operator*(T k, TGeomVector3D<T> const& a) {
    return TGeomVector3D<T>(k * a.x, k * a.y, k * a.z);
}

template <class T>
constexpr TGeomVector3D<T> operator*(TGeomVector3D<T> const& a, T k) {
    return TGeomVector3D<T>(a.x * k, a.y * k, a.z * k);
}

// Dot product, summed in the order x, y, z.
template <class T>
constexpr T dot(TGeomVector3D<T> const& a, TGeomVector3D<T> const& b) {
    return (a.x * b.x + a.y * b.y) + a.z * b.z;
}

}  // namespace math
