// Robustness of the picture engine on hostile point fields: repeated points, points on one
// line or on a coarse grid, shared coordinates, huge and tiny spreads. Every scene runs the
// Voronoi and the tree stage directly on the recording backend and checks what must hold
// whatever the points; plain random fields are also checked against an independent
// computation of the Voronoi neighbours.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "engine/Distance.h"
#include "engine/TreeStage.h"
#include "engine/VoronoiStage.h"
#include "platform/recording/RecordingSurface.h"

namespace kiv::testing {
namespace {

using Kind = RecordedOp::Kind;
using Rng = std::mt19937_64;

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kNoPath = 99999.9;  // the tree stage never chooses a path this long
constexpr std::int32_t kRed = RGB(255, 0, 0);
constexpr std::int32_t kWhite = RGB(255, 255, 255);

struct Point {
    double x, y;
};
using Field = std::vector<Point>;

struct Edge {
    std::int32_t from, to;
    double length;
    auto operator<=>(const Edge&) const = default;
};

// ---------------------------------------------------------------------------------------------
// Point families, on a 1024 x 768 screen unless said otherwise.

// Written out rather than taken from <random>'s distributions, whose output differs between
// standard libraries: a seed names the same fields everywhere.
double Uniform(Rng& rng, double lo, double hi) {
    return lo + (hi - lo) * static_cast<double>(rng() >> 11) * 0x1.0p-53;
}

int Pick(Rng& rng, int lo, int hi) {
    return lo + static_cast<int>(rng() % static_cast<std::uint64_t>(hi - lo + 1));
}

Field Scatter(Rng& rng, int n, double x0, double y0, double width, double height) {
    Field points(n);
    for (Point& p : points) p = {x0 + Uniform(rng, 0, width), y0 + Uniform(rng, 0, height)};
    return points;
}

Field OnScreen(Rng& rng, int n) {
    return Scatter(rng, n, 0, 0, 1024, 768);
}

Field CoarseGrid(Rng& rng, int n) {
    Field points(n);
    for (Point& p : points) p = {128.0 * Pick(rng, 0, 7), 128.0 * Pick(rng, 0, 5)};
    return points;
}

// Most points, in some scenes all of them, moved onto one line; the others left scattered.
template <typename PutOnLine>
Field PartlyOnLine(Rng& rng, int n, PutOnLine putOnLine) {
    Field points = OnScreen(rng, n);
    const int tenthsOffLine = Pick(rng, 0, 4);
    for (Point& p : points)
        if (Pick(rng, 0, 9) >= tenthsOffLine) p = putOnLine(p);
    return points;
}

Field OnHorizontalLine(Rng& rng, int n) {
    return PartlyOnLine(rng, n, [](Point p) { return Point{p.x, 300}; });
}

Field OnVerticalLine(Rng& rng, int n) {
    return PartlyOnLine(rng, n, [](Point p) { return Point{500, p.y}; });
}

// Whole-pixel points on y = x: every slope comes out exactly 1, so the bisectors are parallel.
Field OnExactDiagonal(Rng& rng, int n) {
    return PartlyOnLine(rng, n, [](Point p) { return Point{std::floor(p.y), std::floor(p.y)}; });
}

// On a sloped line only up to rounding: nearly parallel bisectors, cuts far off the screen.
Field OnRoundedLine(Rng& rng, int n) {
    return PartlyOnLine(rng, n, [](Point p) { return Point{p.x, 0.37 * p.x + 11.3}; });
}

Field AllAtOnePlace(Rng& rng, int n) {
    return Field(n, OnScreen(rng, 1)[0]);
}

Field DuplicateClusters(Rng& rng, int n) {
    const Field centres = OnScreen(rng, Pick(rng, 2, 3));
    Field points(n);
    for (Point& p : points) p = centres[Pick(rng, 0, static_cast<int>(centres.size()) - 1)];
    return points;
}

Field SomePointsRepeated(Rng& rng, int n) {
    Field points = OnScreen(rng, n);
    for (int k = 1; k < n; ++k)
        if (Pick(rng, 0, 1) == 1) points[k] = points[Pick(rng, 0, k - 1)];
    return points;
}

Field FewDistinctX(Rng& rng, int n) {
    Field points = OnScreen(rng, n);
    for (Point& p : points) p.x = 100.0 * Pick(rng, 1, 3);
    return points;
}

Field FewDistinctY(Rng& rng, int n) {
    Field points = OnScreen(rng, n);
    for (Point& p : points) p.y = 100.0 * Pick(rng, 1, 3);
    return points;
}

Field HugeSpread(Rng& rng, int n) {
    return Scatter(rng, n, -1e9, -1e9, 2e9, 2e9);
}

Field TinySpreadOnScreen(Rng& rng, int n) {
    return Scatter(rng, n, 500, 400, 1e-6, 1e-6);
}

Field TinySpreadAtOrigin(Rng& rng, int n) {
    return Scatter(rng, n, 0, 0, 1e-6, 1e-6);
}

// Each point after the first put on the grid, on a level line, on an earlier point, or left.
Field Mixed(Rng& rng, int n) {
    Field points = OnScreen(rng, n);
    for (int k = 1; k < n; ++k) {
        switch (Pick(rng, 0, 3)) {
            case 0:
                points[k] = CoarseGrid(rng, 1)[0];
                break;
            case 1:
                points[k].y = 300;
                break;
            case 2:
                points[k] = points[Pick(rng, 0, k - 1)];
                break;
            default:
                break;
        }
    }
    return points;
}

struct Family {
    const char* name;
    Field (*make)(Rng&, int);
    float widthPx;
    // No shared coordinate, no three points on a line, and coordinates exact enough for
    // rounding to change no neighbour: the neighbour pairs can be computed independently.
    bool neighboursKnown;

    friend void PrintTo(const Family& family, std::ostream* os) { *os << family.name; }
};

const Family kFamilies[] = {
    {"OnScreen", OnScreen, 1024, true},
    {"OnScreenOfOnePixel", OnScreen, 1, true},
    {"CoarseGrid", CoarseGrid, 1024, false},
    {"OnHorizontalLine", OnHorizontalLine, 1024, false},
    {"OnVerticalLine", OnVerticalLine, 1024, false},
    {"OnExactDiagonal", OnExactDiagonal, 1024, false},
    {"OnRoundedLine", OnRoundedLine, 1024, false},
    {"AllAtOnePlace", AllAtOnePlace, 1024, false},
    {"DuplicateClusters", DuplicateClusters, 1024, false},
    {"SomePointsRepeated", SomePointsRepeated, 1024, false},
    {"FewDistinctX", FewDistinctX, 1024, false},
    {"FewDistinctY", FewDistinctY, 1024, false},
    {"HugeSpread", HugeSpread, 1024, true},
    {"HugeSpreadOnOnePixel", HugeSpread, 1, true},
    {"TinySpreadOnScreen", TinySpreadOnScreen, 1024, false},
    {"TinySpreadAtOrigin", TinySpreadAtOrigin, 1024, false},
    {"Mixed", Mixed, 1024, false},
};

// ---------------------------------------------------------------------------------------------
// One scene: both stages straight after each other, as the scene loop runs them.

struct Scene {
    Field points;
    float widthPx = 1024;
    StageEnd voronoiEnd = StageEnd::Quit, treeEnd = StageEnd::Quit;
    std::int64_t voronoiYields = 0;
    std::int32_t edgeCount = 0;  // as the Voronoi stage leaves it, unclamped
    std::vector<RecordedOp> voronoiOps{}, treeOps{};
    std::vector<Edge> listed{};  // the edge list as the Voronoi stage leaves it
    std::vector<Edge> sorted{};  // and as the tree stage leaves it
    std::vector<std::int32_t> reached{};

    std::int32_t n() const { return static_cast<std::int32_t>(points.size()); }
    std::int32_t start() const { return n() - 1; }
};

std::vector<Edge> EdgesOf(const SceneStorage& st) {
    std::vector<Edge> edges;
    for (std::int32_t k = 0; k < std::clamp(st.EdgeCount, 0, kEdgeCapacity); ++k)
        edges.push_back({st.EdgeFrom[k], st.EdgeTo[k], st.EdgeLength[k]});
    return edges;
}

// `storage` may hold an earlier scene, as it does in a saver run: the stages must not rely on
// anything of it but the new point field.
Scene RunScene(const Field& points, float widthPx, SceneStorage& storage) {
    Scene scene{.points = points, .widthPx = widthPx};
    RecordingSurface surface;
    // Reading past the point count would show up as a coordinate that is not finite.
    storage.PointX.fill(kNaN);
    storage.PointY.fill(kNaN);
    storage.PointCount = scene.n();
    for (std::int32_t k = 0; k < scene.n(); ++k) {
        storage.PointX[k] = points[k].x;
        storage.PointY[k] = points[k].y;
    }
    const Truth quitFlag = False;
    SceneContext context{surface, quitFlag, widthPx, storage};

    scene.voronoiEnd = RunVoronoiStage(context);
    scene.voronoiYields = surface.yieldCount();
    scene.edgeCount = storage.EdgeCount;
    scene.listed = EdgesOf(storage);
    scene.voronoiOps = surface.ops();

    scene.treeEnd = RunTreeStage(context);
    scene.treeOps.assign(surface.ops().begin() + std::ssize(scene.voronoiOps), surface.ops().end());
    scene.sorted = EdgesOf(storage);
    scene.reached.assign(storage.Reached.begin(), storage.Reached.begin() + scene.n());
    return scene;
}

// On the heap, where reading or writing past its end is caught.
Scene RunScene(const Field& points, float widthPx) {
    return RunScene(points, widthPx, *std::make_unique<SceneStorage>());
}

std::vector<RecordedOp> Drawn(const std::vector<RecordedOp>& ops) {
    std::vector<RecordedOp> drawn;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(drawn),
                 [](const RecordedOp& op) { return op.kind != Kind::Yield; });
    return drawn;
}

bool SameSingles(const RecordedOp& op, const Point& a, const Point& b) {
    return op.x1 == static_cast<float>(a.x) && op.y1 == static_cast<float>(a.y) &&
           op.x2 == static_cast<float>(b.x) && op.y2 == static_cast<float>(b.y);
}

// Whether no two points land on the same place once their coordinates are passed as Single,
// so that a drawn line names its two points.
bool DrawnPlacesAreDistinct(const Field& points) {
    std::set<std::pair<float, float>> places;
    for (const Point& p : points) places.insert({static_cast<float>(p.x), static_cast<float>(p.y)});
    return std::ssize(places) == std::ssize(points);
}

// Shortest path lengths from the start point over the edge list; infinite where no path.
std::vector<double> PathLengths(const Scene& scene) {
    std::vector<double> length(scene.n(), kInfinity);
    std::vector<bool> done(scene.n(), false);
    length[scene.start()] = 0;
    for (;;) {
        std::int32_t next = -1;
        for (std::int32_t v = 0; v < scene.n(); ++v)
            if (!done[v] && std::isfinite(length[v]) && (next < 0 || length[v] < length[next]))
                next = v;
        if (next < 0) return length;
        done[next] = true;
        for (const Edge& e : scene.listed) {
            if (e.from != next && e.to != next) continue;
            const std::int32_t other = e.from == next ? e.to : e.from;
            length[other] = std::min(length[other], length[next] + e.length);
        }
    }
}

// ---------------------------------------------------------------------------------------------
// What must hold for every field.

// Done, after one yield per pair of points.
void ExpectStagesDone(const Scene& scene) {
    EXPECT_EQ(scene.voronoiEnd, StageEnd::Done);
    EXPECT_EQ(scene.treeEnd, StageEnd::Done);
    EXPECT_EQ(scene.voronoiYields, std::int64_t{scene.n()} * (scene.n() - 1) / 2);
}

void ExpectFiniteDrawing(const Scene& scene) {
    for (const auto* ops : {&scene.voronoiOps, &scene.treeOps})
        for (const RecordedOp& op : Drawn(*ops))
            EXPECT_TRUE(std::isfinite(op.x1) && std::isfinite(op.y1) && std::isfinite(op.x2) &&
                        std::isfinite(op.y2) && std::isfinite(op.size))
                << TraceLine(op);
}

// Each entry a pair of distinct points with their distance, listed pair by pair in the order
// the pairs are examined, one red segment per entry.
void ExpectWellFormedEdgeList(const Scene& scene) {
    ASSERT_TRUE(0 <= scene.edgeCount && scene.edgeCount <= kEdgeCapacity) << scene.edgeCount;
    const std::vector<RecordedOp> red = Drawn(scene.voronoiOps);
    ASSERT_EQ(red.size(), scene.listed.size());
    for (std::size_t k = 0; k < scene.listed.size(); ++k) {
        const Edge& e = scene.listed[k];
        ASSERT_TRUE(0 <= e.from && e.from < e.to && e.to < scene.n()) << e.from << " " << e.to;
        const Point& a = scene.points[e.from];
        const Point& b = scene.points[e.to];
        ASSERT_TRUE(std::isfinite(e.length) && e.length >= 0) << e.length;
        EXPECT_EQ(e.length, Distance(a.x, a.y, b.x, b.y));
        if (k > 0) {
            const Edge& before = scene.listed[k - 1];
            EXPECT_LE(std::tie(before.from, before.to), std::tie(e.from, e.to));
        }
        EXPECT_EQ(red[k].kind, Kind::LineC);
        EXPECT_EQ(red[k].value, kRed);
        EXPECT_TRUE(SameSingles(red[k], a, b)) << TraceLine(red[k]);
    }
}

void ExpectSortedPermutation(const Scene& scene) {
    std::vector<Edge> before = scene.listed;
    std::vector<Edge> after = scene.sorted;
    EXPECT_TRUE(std::is_sorted(after.begin(), after.end(),
                               [](const Edge& a, const Edge& b) { return a.length < b.length; }));
    std::sort(before.begin(), before.end());
    std::sort(after.begin(), after.end());
    EXPECT_EQ(before, after);
}

// The white ring, then one line per further point reached; the points reached are those with
// a path from the start point that is short enough to be chosen.
void ExpectTreeOfReachablePoints(const Scene& scene) {
    const std::vector<RecordedOp> drawn = Drawn(scene.treeOps);
    ASSERT_FALSE(drawn.empty());
    const Point& start = scene.points[scene.start()];
    EXPECT_EQ(TraceLine(drawn[0]), TraceLine({.kind = Kind::Circle,
                                              .x1 = static_cast<float>(start.x),
                                              .y1 = static_cast<float>(start.y),
                                              .size = 6,
                                              .value = kWhite}));

    const std::vector<double> pathLength = PathLengths(scene);
    std::int32_t reachable = 0;
    for (std::int32_t v = 0; v < scene.n(); ++v) {
        const bool expected = pathLength[v] < kNoPath;
        reachable += expected;
        EXPECT_EQ(scene.reached[v], expected ? 1 : 0) << "point " << v;
    }
    const std::vector<RecordedOp> lines(drawn.begin() + 1, drawn.end());
    EXPECT_EQ(std::ssize(lines), reachable - 1);
    EXPECT_LE(std::ssize(lines), scene.n() - 1);
    for (const RecordedOp& line : lines) {
        EXPECT_EQ(line.kind, Kind::Line);
        EXPECT_TRUE(std::any_of(scene.listed.begin(), scene.listed.end(), [&](const Edge& e) {
            return SameSingles(line, scene.points[e.from], scene.points[e.to]);
        })) << TraceLine(line);
    }
}

// Where the lines name their points: each leaves the tree built so far for a new point, along
// a shortest path, and the points come in order of path length.
void ExpectShortestPathTreeInOrder(const Scene& scene) {
    if (!DrawnPlacesAreDistinct(scene.points)) return;
    const std::vector<double> pathLength = PathLengths(scene);
    std::vector<bool> inTree(scene.n(), false);
    inTree[scene.start()] = true;
    double lastLength = 0;
    for (const RecordedOp& line : Drawn(scene.treeOps)) {
        if (line.kind != Kind::Line) continue;
        const auto edge =
            std::find_if(scene.listed.begin(), scene.listed.end(), [&](const Edge& e) {
                return SameSingles(line, scene.points[e.from], scene.points[e.to]);
            });
        ASSERT_NE(edge, scene.listed.end()) << TraceLine(line);
        ASSERT_NE(inTree[edge->from], inTree[edge->to]) << "a line closes a cycle";
        const std::int32_t reached = inTree[edge->from] ? edge->to : edge->from;
        const std::int32_t via = inTree[edge->from] ? edge->from : edge->to;
        EXPECT_EQ(pathLength[reached], pathLength[via] + edge->length) << "point " << reached;
        EXPECT_GE(pathLength[reached], lastLength);
        lastLength = pathLength[reached];
        inTree[reached] = true;
    }
}

// ---------------------------------------------------------------------------------------------
// The Voronoi neighbours of a field without degeneracy, computed without slopes: the points c
// of the bisector of (i, j) at least as near to i as to any k satisfy a linear inequality in c,
// so walking the bisector as c(t) = M + t D, the common boundary is an interval of t.

struct Interval {
    double lo, hi;
};

Interval CommonBoundaryX(const Field& points, std::int32_t i, std::int32_t j) {
    const Point& a = points[i];
    const Point& b = points[j];
    const Point m{(a.x + b.x) / 2, (a.y + b.y) / 2};
    const Point d{a.y - b.y, b.x - a.x};
    double lo = -kInfinity, hi = kInfinity;
    for (std::int32_t k = 0; k < std::ssize(points); ++k) {
        if (k == i || k == j) continue;
        const Point& c = points[k];
        // |c(t) - Pk|^2 - |c(t) - Pi|^2 = slack + slope * t must not be negative.
        const double gx = 2 * (a.x - c.x), gy = 2 * (a.y - c.y);
        const double slack =
            gx * m.x + gy * m.y + (c.x * c.x + c.y * c.y) - (a.x * a.x + a.y * a.y);
        const double slope = gx * d.x + gy * d.y;
        if (slope > 0) lo = std::max(lo, -slack / slope);
        if (slope < 0) hi = std::min(hi, -slack / slope);
        if (slope == 0 && slack < 0) return {0, 0};
    }
    if (!(lo < hi)) return {0, 0};
    const double x1 = m.x + lo * d.x, x2 = m.x + hi * d.x;
    return {std::min(x1, x2), std::max(x1, x2)};
}

// How often the stage lists a pair with this common boundary: once per piece between the two
// range ends and the boundary's own ends; an endless piece is never tested. Returns -1 when an
// end lies too close to a range end, or the boundary is too short, for rounding to be sure.
int ExpectedListings(Interval boundary, double widthPx) {
    if (!(boundary.lo < boundary.hi)) return 0;
    const double rangeEnds[] = {-10 * widthPx, 11 * widthPx};
    const auto tooClose = [&](double u, double v) {
        return std::isfinite(u) && std::isfinite(v) &&
               std::abs(u - v) <= 1e-7 * (std::abs(u) + std::abs(v) + widthPx);
    };
    if (tooClose(boundary.lo, boundary.hi)) return -1;
    int pieces = 1;
    for (double end : rangeEnds) {
        if (tooClose(end, boundary.lo) || tooClose(end, boundary.hi)) return -1;
        pieces += boundary.lo < end && end < boundary.hi;
    }
    return pieces - std::isinf(boundary.lo) - std::isinf(boundary.hi);
}

void ExpectTheVoronoiNeighbours(const Scene& scene) {
    for (std::int32_t i = 0; i < scene.n(); ++i) {
        for (std::int32_t j = i + 1; j < scene.n(); ++j) {
            const int expected =
                ExpectedListings(CommonBoundaryX(scene.points, i, j), scene.widthPx);
            const auto listings =
                std::count_if(scene.listed.begin(), scene.listed.end(),
                              [&](const Edge& e) { return e.from == i && e.to == j; });
            EXPECT_LE(listings, 3) << i << "-" << j;
            if (expected >= 0) {
                EXPECT_EQ(listings, expected) << i << "-" << j;
            }
        }
    }
    // Pairs of a shortest connecting tree have their midpoint on their common boundary, found
    // as long as it lies between the range ends.
    const bool betweenRangeEnds =
        std::all_of(scene.points.begin(), scene.points.end(),
                    [&](Point p) { return -10 * scene.widthPx < p.x && p.x < 11 * scene.widthPx; });
    const std::vector<double> pathLength = PathLengths(scene);
    if (betweenRangeEnds) {
        EXPECT_TRUE(std::all_of(pathLength.begin(), pathLength.end(), [](double length) {
            return std::isfinite(length);
        })) << "the neighbour pairs do not connect all points";
    }
}

std::string Describe(const Field& points, float widthPx) {
    std::ostringstream out;
    out.precision(17);
    out << "ScreenWidthPx " << widthPx << ", points";
    for (const Point& p : points) out << " (" << p.x << ", " << p.y << ")";
    return out.str();
}

void ExpectSceneHolds(const Scene& scene, bool neighboursKnown) {
    SCOPED_TRACE(Describe(scene.points, scene.widthPx));
    ExpectStagesDone(scene);
    ExpectFiniteDrawing(scene);
    ExpectWellFormedEdgeList(scene);
    if (::testing::Test::HasFatalFailure()) return;  // the checks below index by the edge list
    ExpectSortedPermutation(scene);
    ExpectTreeOfReachablePoints(scene);
    ExpectShortestPathTreeInOrder(scene);
    if (neighboursKnown) ExpectTheVoronoiNeighbours(scene);
}

// ---------------------------------------------------------------------------------------------

constexpr int kRounds = 2;  // each round runs every point count from 4 to 49 once

class EngineFuzz : public ::testing::TestWithParam<Family> {};

TEST_P(EngineFuzz, EveryFieldGivesAWellFormedEdgeListAndTree) {
    const Family& family = GetParam();
    std::seed_seq seed(family.name, family.name + std::strlen(family.name));
    Rng rng(seed);
    const auto storage = std::make_unique<SceneStorage>();
    for (int round = 0; round < kRounds && !HasFailure(); ++round) {
        for (int n = 4; n <= 49 && !HasFailure(); ++n) {
            const Scene scene = RunScene(family.make(rng, n), family.widthPx, *storage);
            ExpectSceneHolds(scene, family.neighboursKnown);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Families, EngineFuzz, ::testing::ValuesIn(kFamilies),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------
// Regressions, named after the fault they catch.

// Every pair across two clusters of duplicates passes the test on the many zero-length
// stretches where the third cluster's copies all cut the bisector at one place: far more
// entries than the edge list holds.
TEST(EngineFuzzRegression, ThreeDuplicateClustersStayWithinEdgeCapacity) {
    Field points;
    const Point centres[] = {{100, 100}, {300, 600}, {700, 200}};
    for (int k = 0; k < 49; ++k) points.push_back(centres[k % 3]);
    const Scene scene = RunScene(points, 1024);
    ExpectSceneHolds(scene, false);
    EXPECT_EQ(std::ssize(scene.listed), kEdgeCapacity);
}

TEST(EngineFuzzRegression, AllPointsAtOnePlaceEndTheTreeWithNothingToChoose) {
    const Scene scene = RunScene(Field(49, {512, 384}), 1024);
    ExpectSceneHolds(scene, false);
    EXPECT_TRUE(scene.listed.empty());
}

// Parallel bisectors give no cut, yet every pair of neighbours on the line is found.
TEST(EngineFuzzRegression, PointsOnAnExactDiagonalStillFormAPath) {
    Field points;
    for (int k = 0; k < 49; ++k) points.push_back({(k * 17) % 49 * 10.0, (k * 17) % 49 * 10.0});
    const Scene scene = RunScene(points, 1024);
    ExpectSceneHolds(scene, false);
    EXPECT_EQ(std::ssize(scene.listed), 48);
    EXPECT_EQ(std::count(scene.reached.begin(), scene.reached.end(), 1), 49);
}

// A level pair's bisector cannot be walked by x: it must list nothing rather than garbage.
TEST(EngineFuzzRegression, PointsOnOneLevelLineListNoPair) {
    Field points;
    for (int k = 0; k < 49; ++k) points.push_back({k * 20.0 + 3, 300});
    const Scene scene = RunScene(points, 1024);
    ExpectSceneHolds(scene, false);
    EXPECT_TRUE(scene.listed.empty());
}

// Paths longer than the tree stage's starting cost are never chosen, so the first growth step
// finds nothing to choose although there are edges.
TEST(EngineFuzzRegression, PathsTooLongToChooseLeaveTheTreeAtItsStart) {
    const Field points = {{-4e8, 3e8}, {2e8, -1e8}, {5e8, 6e8}, {1e8, 1e8 + 7}};
    const Scene scene = RunScene(points, 1);
    ExpectSceneHolds(scene, false);
    EXPECT_EQ(std::count(scene.reached.begin(), scene.reached.end(), 1), 1);
}

}  // namespace
}  // namespace kiv::testing
