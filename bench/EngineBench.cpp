// Timings of the picture engine on the recording backend, which counts yields and drawing but
// keeps nothing, so what is measured is the engine's own computation. Each benchmark takes
// the seed of its 49-point field as its argument.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

#include "engine/Distance.h"
#include "engine/SceneLoop.h"
#include "engine/TreeStage.h"
#include "engine/VoronoiStage.h"
#include "platform/recording/RecordingSurface.h"

namespace kiv {
namespace {

constexpr std::int32_t kPoints = 49;
constexpr std::int64_t kPairs = kPoints * (kPoints - 1) / 2;
// Every pair tests N - 1 stretches, each with one reference distance and N - 2 others.
constexpr std::int64_t kStretchTestDistances = kPairs * (kPoints - 1) * (kPoints - 1);

RecordingConfig QuietConfig(std::uint32_t seed) {
    RecordingConfig config;  // 1024 x 768
    config.seed = seed;
    config.draws = {0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.99999994f};  // colour, title, 49 points
    config.keepOps = false;
    return config;
}

// One saver run's engine state, with a 49-point field scattered by the real scene start.
struct Engine {
    explicit Engine(std::uint32_t seed) : surface(QuietConfig(seed)) { StartScene(context); }

    RecordingSurface surface;
    std::unique_ptr<SceneStorage> storage = std::make_unique<SceneStorage>();
    Truth quitFlag = False;
    SceneContext context{surface, quitFlag, 1024, *storage};
};

std::uint32_t Seed(const benchmark::State& state) {
    return static_cast<std::uint32_t>(state.range(0));
}

void VoronoiStage(benchmark::State& state) {
    Engine engine(Seed(state));
    for (auto _ : state) {
        RunVoronoiStage(engine.context);
        benchmark::DoNotOptimize(engine.storage->EdgeCount);
    }
    state.counters["points"] = engine.storage->PointCount;
    state.counters["edges"] = engine.storage->EdgeCount;
}

// Each iteration sorts the same unsorted edge list; copying its ~130 entries back costs far
// less than the stage.
void TreeStage(benchmark::State& state) {
    Engine engine(Seed(state));
    SceneStorage& st = *engine.storage;
    RunVoronoiStage(engine.context);
    const auto listed = std::make_unique<SceneStorage>(st);
    for (auto _ : state) {
        std::copy_n(listed->EdgeFrom.begin(), listed->EdgeCount, st.EdgeFrom.begin());
        std::copy_n(listed->EdgeTo.begin(), listed->EdgeCount, st.EdgeTo.begin());
        std::copy_n(listed->EdgeLength.begin(), listed->EdgeCount, st.EdgeLength.begin());
        RunTreeStage(engine.context);
        benchmark::DoNotOptimize(st.Reached.data());
    }
    state.counters["edges"] = st.EdgeCount;
}

void SceneComputation(benchmark::State& state) {
    Engine engine(Seed(state));
    for (auto _ : state) {
        RunVoronoiStage(engine.context);
        RunTreeStage(engine.context);
        benchmark::DoNotOptimize(engine.storage->Reached.data());
    }
}

void OneDistance(benchmark::State& state) {
    Engine engine(Seed(state));
    const SceneStorage& st = *engine.storage;
    double x1 = st.PointX[0], y1 = st.PointY[0], x2 = st.PointX[1], y2 = st.PointY[1];
    for (auto _ : state) {
        benchmark::DoNotOptimize(x1);
        benchmark::DoNotOptimize(y1);
        benchmark::DoNotOptimize(x2);
        benchmark::DoNotOptimize(y2);
        double d = Distance(x1, y1, x2, y2);
        benchmark::DoNotOptimize(d);
    }
}

// As many Distance evaluations as the scene's stretch tests would make if none stopped at
// the first closer point: per pair, N - 1 midpoints, each against point i and the N - 2
// others. The midpoints walk along the pair's bisector direction.
void StretchTestDistances(benchmark::State& state) {
    Engine engine(Seed(state));
    const SceneStorage& st = *engine.storage;
    for (auto _ : state) {
        std::int64_t closer = 0;
        for (std::int32_t i = 0; i < kPoints - 1; ++i) {
            for (std::int32_t j = i + 1; j < kPoints; ++j) {
                const double xm = (st.PointX[i] + st.PointX[j]) / 2;
                const double ym = (st.PointY[i] + st.PointY[j]) / 2;
                const double dx = st.PointY[i] - st.PointY[j], dy = st.PointX[j] - st.PointX[i];
                for (std::int32_t s = 0; s < kPoints - 1; ++s) {
                    const double step = (s - kPoints / 2) * 0.1;
                    const double xs = xm + step * dx, ys = ym + step * dy;
                    const double di = Distance(xs, ys, st.PointX[i], st.PointY[i]);
                    for (std::int32_t t = 0; t < kPoints; ++t) {
                        if (t == i || t == j) continue;
                        closer += Distance(xs, ys, st.PointX[t], st.PointY[t]) < di;
                    }
                }
            }
        }
        benchmark::DoNotOptimize(closer);
    }
    state.SetItemsProcessed(state.iterations() * kStretchTestDistances);
}

void Seeds(benchmark::internal::Benchmark* b) {
    for (std::int64_t seed : {1, 2, 3, 4}) b->Arg(seed);
}

BENCHMARK(VoronoiStage)->Apply(Seeds)->Unit(benchmark::kMillisecond);
BENCHMARK(TreeStage)->Apply(Seeds)->Unit(benchmark::kMicrosecond);
BENCHMARK(SceneComputation)->Apply(Seeds)->Unit(benchmark::kMillisecond);
BENCHMARK(OneDistance)->Arg(1);
BENCHMARK(StretchTestDistances)->Apply(Seeds)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kiv
