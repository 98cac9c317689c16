// Cost of the geometry the distribution runs per layer: building placements,
// multiplying them, transforming corners, and drawing random numbers.
#include <benchmark/benchmark.h>

#include "math/TMatrix3D.h"
#include "math/intersect.h"
#include "math/random.h"

namespace {

using V = math::TGeomVector3D<double>;
using M = math::TMatrix3D<double>;

void BM_BuildPlacement(benchmark::State& state) {
    V const position(960, 540, -200);
    V const orientation(0.3, 1.1, -0.4);
    for (auto _ : state) {
        M const placement = M::BuildShift(position) * M::BuildRotate(V::Ex(), orientation.x) *
                            M::BuildRotate(V::Ey(), orientation.y) * M::BuildRotate(V::Ez(), orientation.z);
        benchmark::DoNotOptimize(placement);
    }
}
BENCHMARK(BM_BuildPlacement);

// Rigid matrices take the short path; a general one divides by w.
void BM_TransformPoint(benchmark::State& state) {
    M const rigid = M::BuildShift(V(1, 2, 3)) * M::BuildRotate(V(1, 1, 0), 0.7);
    M general = rigid;
    general.flags = 0;
    M const& m = state.range(0) ? rigid : general;
    V p(320, 240, 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(p = m * p);
    }
}
BENCHMARK(BM_TransformPoint)->Arg(1)->Arg(0);

void BM_IntersectBoxFace(benchmark::State& state) {
    V const eye(0, 0, -1000);
    V const direction(0.1, 0.2, 1);
    V const face(0, 0, 500);
    V out;
    for (auto _ : state) {
        benchmark::DoNotOptimize(math::intersect(eye, direction, face, V::Ez(), out));
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BM_IntersectBoxFace);

void BM_Rand(benchmark::State& state) {
    math::SetRand(1);
    for (auto _ : state) benchmark::DoNotOptimize(math::Rand());
}
BENCHMARK(BM_Rand);

}  // namespace
