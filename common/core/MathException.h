// Exceptions of the geometry code. They add nothing to their base but their
// type, so a caller can tell what failed.
#pragma once

#include <array>

#include "core/Exception.h"

namespace math {

// Resource number of the message for a point that cannot be projected.
inline constexpr unsigned long kVectorInFocusResource = 3001;

class MathException : public core::Exception {
public:
    explicit MathException(unsigned long resource_id) : core::Exception(resource_id) {}
};

class MatrixException : public MathException {
public:
    explicit MatrixException(unsigned long resource_id) : MathException(resource_id) {}
};

// A projective point transform met a homogeneous divisor of exactly 0. The
// matrix is handed over for diagnostics but not kept.
class VectorInFocusException : public MatrixException {
public:
    VectorInFocusException(unsigned long resource_id, std::array<float, 16> const& matrix)
        : MatrixException(resource_id) {
        static_cast<void>(matrix);
    }
};

}  // namespace math
