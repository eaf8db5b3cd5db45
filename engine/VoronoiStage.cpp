#include "engine/VoronoiStage.h"

#include <cmath>

#include "engine/Distance.h"
#include "engine/HeapSort.h"

namespace kiv {
namespace {

constexpr std::int32_t kRed = RGB(255, 0, 0);

// A line y = p * x + b, walked by x.
struct Bisector {
    double p, b;
};

// The perpendicular bisector of the segment (xi, yi) - (xk, yk).
Bisector BisectorOf(double xi, double yi, double xk, double yk) {
    const double m = (yi - yk) / (xi - xk);
    const double p = -1 / m;
    const double ym = (yk + yi) / 2;
    const double xm = (xk + xi) / 2;
    return {p, ym - xm * p};
}

class PairExamination {
  public:
    PairExamination(SceneContext& context, std::int32_t i, std::int32_t j)
        : context_(context),
          st_(context.storage),
          i_(i),
          j_(j),
          bisector_(BisectorOf(x(i), y(i), x(j), y(j))) {}

    void run() {
        collectCuts();
        hSort(st_.CutCount, st_.CutX, st_.CutScratch1, st_.CutScratch2);
        for (std::int32_t s = 1; s <= st_.CutCount - 1; ++s)
            if (stretchIsCommonBoundary(st_.CutX[s - 1], st_.CutX[s])) appendEdge();
    }

  private:
    double x(std::int32_t k) const { return st_.PointX[k - 1]; }
    double y(std::int32_t k) const { return st_.PointY[k - 1]; }

    // The range ends and where the bisectors of (i, k) cross ours.
    void collectCuts() {
        const double W = context_.ScreenWidthPx;
        st_.CutX[0] = -10 * W;
        st_.CutCount = 1;
        for (std::int32_t k = 1; k <= st_.PointCount; ++k) {
            if (k == i_ || k == j_) continue;
            const Bisector other = BisectorOf(x(i_), y(i_), x(k), y(k));
            const double cut = (other.b - bisector_.b) / (bisector_.p - other.p);
            // Parallel bisectors (three points on a line) or undefined ones (equal
            // coordinates) never cross: no cut, and no NaN to upset the sort.
            if (std::isfinite(cut)) st_.CutX[st_.CutCount++] = cut;
        }
        st_.CutX[st_.CutCount++] = 11 * W;
    }

    // Between two neighbouring cuts no third point changes sides, so the midpoint decides.
    bool stretchIsCommonBoundary(double from, double to) const {
        const double xs = (to + from) / 2;
        const double ys = bisector_.p * xs + bisector_.b;
        const double di = Distance(xs, ys, x(i_), y(i_));
        // A bisector that cannot be walked by x (the pair shares a y coordinate, or a
        // position) gives no finite midpoint and so no evidence of a common boundary.
        if (!std::isfinite(di)) return false;
        for (std::int32_t t = 1; t <= st_.PointCount; ++t) {
            if (t == i_ || t == j_) continue;
            if (Distance(xs, ys, x(t), y(t)) < di) return false;
        }
        return true;
    }

    void appendEdge() {
        // Only degenerate fields (many points sharing positions) could list this many.
        if (st_.EdgeCount >= kEdgeCapacity) return;
        context_.surface.line(static_cast<float>(x(i_)), static_cast<float>(y(i_)),
                              static_cast<float>(x(j_)), static_cast<float>(y(j_)), kRed);
        st_.EdgeFrom[st_.EdgeCount] = i_ - 1;
        st_.EdgeTo[st_.EdgeCount] = j_ - 1;
        st_.EdgeLength[st_.EdgeCount] = Distance(x(i_), y(i_), x(j_), y(j_));
        ++st_.EdgeCount;
    }

    SceneContext& context_;
    SceneStorage& st_;
    const std::int32_t i_, j_;  // point numbers, counted from 1
    const Bisector bisector_;
};

}  // namespace

StageEnd RunVoronoiStage(SceneContext& context) {
    SceneStorage& st = context.storage;
    const std::int32_t N = st.PointCount;
    st.EdgeCount = 0;
    for (std::int32_t i = 1; i <= N - 1; ++i) {
        for (std::int32_t j = i + 1; j <= N; ++j) {
            if (context.yieldAndTestQuit()) return StageEnd::Quit;
            PairExamination(context, i, j).run();
        }
    }
    return StageEnd::Done;
}

}  // namespace kiv
