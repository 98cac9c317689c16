// 4 x 4 transformation matrix of the geometry code. Points are column vectors
// (p' = M * (x, y, z, 1)), the translation is the last column, and A * B applies
// B first. The flags cache what kind of matrix it is, only to take faster paths.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>

#include "core/MathException.h"
#include "math/TGeomVector3D.h"
#include "math/constants.h"

namespace math {

template <class T>
class TMatrix3D {
public:
    // Bottom row (0, 0, 0, 1) and an orthonormal 3 x 3 block: a rigid motion.
    static constexpr std::uint16_t kRigid = 1;
    // Exactly the identity; only ever set together with kRigid.
    static constexpr std::uint16_t kIdentity = 2;

    T m[4][4];  // m[row][column]
    std::uint16_t flags;

    // The identity.
    TMatrix3D() : TMatrix3D(HI()) {}

    TMatrix3D(T m00, T m01, T m02, T m03, T m10, T m11, T m12, T m13, T m20, T m21, T m22, T m23, T m30,
              T m31, T m32, T m33)
        : flags(0) {
        set(m00, m01, m02, m03, m10, m11, m12, m13, m20, m21, m22, m23, m30, m31, m32, m33);
        setFlags();
    }

    // Stores the values row by row; the flags are left as they were.
    void set(T m00, T m01, T m02, T m03, T m10, T m11, T m12, T m13, T m20, T m21, T m22, T m23, T m30, T m31,
             T m32, T m33) {
        T const values[16] = {m00, m01, m02, m03, m10, m11, m12, m13, m20, m21, m22, m23, m30, m31, m32, m33};
        for (int i = 0; i < 16; ++i) m[i / 4][i % 4] = values[i];
    }

    // Classifies m afresh.
    void setFlags() {
        if (m[3][0] != T(0) || m[3][1] != T(0) || m[3][2] != T(0) || m[3][3] != T(1)) {
            flags = 0;
            return;
        }
        flags = (m[0][3] == T(0) && m[1][3] == T(0) && m[2][3] == T(0)) ? (kRigid | kIdentity) : kRigid;
        // Rows must be unit length to single precision and orthogonal to each other.
        constexpr T lowest = T(1) - T(0x1p-23);
        constexpr T highest = T(1) + T(0x1p-23);
        for (int i = 2; i >= 0; --i) {
            T const squared = (m[i][0] * m[i][0] + m[i][1] * m[i][1]) + m[i][2] * m[i][2];
            if (squared < lowest || squared > highest) {
                flags = 0;
                return;
            }
            for (int j = i - 1; j >= 0; --j) {
                T const d = (m[i][0] * m[j][0] + m[i][1] * m[j][1]) + m[i][2] * m[j][2];
                if (!(d >= -kFloatMin && d <= kFloatMin)) {
                    flags = 0;
                    return;
                }
                if ((flags & kIdentity) && m[i][j] != T(0)) flags &= ~kIdentity;
            }
            if ((flags & kIdentity) && m[i][i] != T(1)) flags &= ~kIdentity;
            for (int c = 2; c > i; --c) {
                if ((flags & kIdentity) && m[i][c] != T(0)) flags &= ~kIdentity;
            }
        }
    }

    // The one shared identity, built on first use.
    static TMatrix3D const& HI() {
        static TMatrix3D const identity(T(1), T(0), T(0), T(0), T(0), T(1), T(0), T(0), T(0), T(0), T(1), T(0),
                                        T(0), T(0), T(0), T(1));
        return identity;
    }

    static TMatrix3D BuildShift(TGeomVector3D<T> const& t) {
        TMatrix3D r(HI());
        r.m[0][3] = t.x;
        r.m[1][3] = t.y;
        r.m[2][3] = t.z;
        if (t.x != T(0) || t.y != T(0) || t.z != T(0)) r.flags &= ~kIdentity;
        return r;
    }

    // Rotation by `angle` radians about `axis`, counter-clockwise when the axis
    // points at the viewer. A zero axis gives the diagonal (c, c, c, 1).
    static TMatrix3D BuildRotate(TGeomVector3D<T> const& axis, T angle) {
        T const s = std::sin(angle);
        T const c = std::cos(angle);
        T const C = T(1) - c;
        TGeomVector3D<T> u;
        if (axis.Length() != T(0)) {
            u = axis;
            u.Normalize();
        }
        T const x = u.x;
        T const y = u.y;
        T const z = u.z;
        return TMatrix3D(x * x * C + c, x * y * C - s * z, x * z * C + s * y, T(0),  //
                         x * y * C + s * z, y * y * C + c, y * z * C - s * x, T(0),  //
                         x * z * C - s * y, y * z * C + s * x, z * z * C + c, T(0),  //
                         T(0), T(0), T(0), T(1));
    }

    // The product this * other. An identity factor yields an exact copy of the
    // other; a computed product is never flagged as the identity.
    TMatrix3D operator*(TMatrix3D const& b) const {
        if (flags & kIdentity) return b;
        if (b.flags & kIdentity) return *this;
        TMatrix3D r(*this);
        for (int i = 0; i < 4; ++i) {
            for (int j = 0; j < 4; ++j) {
                T sum = T(0);
                for (int k = 3; k >= 0; --k) sum += m[i][k] * b.m[k][j];
                r.m[i][j] = sum;
            }
        }
        r.flags = ((flags & kRigid) && (b.flags & kRigid)) ? kRigid : 0;
        return r;
    }

    // The point this * (p, 1), divided by its homogeneous coordinate when the
    // matrix is not known to be rigid.
    TGeomVector3D<T> operator*(TGeomVector3D<T> const& p) const {
        if (flags & kIdentity) return p;
        TGeomVector3D<T> r(((m[0][0] * p.x + m[0][1] * p.y) + m[0][2] * p.z) + m[0][3],
                           ((m[1][0] * p.x + m[1][1] * p.y) + m[1][2] * p.z) + m[1][3],
                           ((m[2][0] * p.x + m[2][1] * p.y) + m[2][2] * p.z) + m[2][3]);
        if (flags & kRigid) return r;
        T const w = ((m[3][0] * p.x + m[3][1] * p.y) + m[3][2] * p.z) + m[3][3];
        if (w == T(0)) throw VectorInFocusException(kVectorInFocusResource, as_floats());
        r /= w;
        return r;
    }

private:
    std::array<float, 16> as_floats() const {
        std::array<float, 16> values{};
        for (int i = 0; i < 16; ++i) values[i] = static_cast<float>(m[i / 4][i % 4]);
        return values;
    }
};

}  // namespace math
