// The process-wide pseudo-random sequence: a 31-bit linear congruential
// generator. Every random decision of an application draws from it, so the
// results are fully determined by the seed and the order of draws.
#pragma once

#include <cstdint>

namespace math {

// The generator state; after any draw it lies in 0 .. 2147483647.
extern std::int32_t IY;

// Takes the low 32 bits of `seed` as the state; zero and negative seeds are valid.
void SetRand(long seed);

// Advances the state and returns it (0 .. 2147483647).
long LRand();

// One LRand step scaled to [0, 1); 1.0 never comes out.
double Rand();

}  // namespace math
