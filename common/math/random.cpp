#include "math/random.h"

namespace math {

std::int32_t IY = 1;

void SetRand(long seed) {
    IY = static_cast<std::int32_t>(seed);
}

long LRand() {
    // Unsigned 32-bit arithmetic wraps as the generator needs; the top bit is
    // then dropped, so the sequence runs modulo 2^31.
    std::uint32_t t = static_cast<std::uint32_t>(IY) * 0x3243F6ADu + 0x1B0CB175u;
    t &= 0x7FFFFFFFu;
    IY = static_cast<std::int32_t>(t);
    return static_cast<long>(t);
}

double Rand() {
    return static_cast<double>(LRand()) * 4.656612873077393e-10;  // 2^-31
}

}  // namespace math
