#pragma once

#include <string>
#include <utility>
#include <vector>

#include "engine/SceneContext.h"
#include "platform/recording/RecordingSurface.h"

namespace kiv::testing {

// One stage of the engine on the recording backend, with the point field and edge list set
// by hand.
class StageFixture {
  public:
    struct Edge {
        std::int32_t from, to;
        double length;
    };

    explicit StageFixture(float screenWidthPx = 1024)
        : context_{surface, quitFlag, screenWidthPx, storage} {
        surface.attach(quitOnClick_);
        quitOnClick_.quitFlag = &quitFlag;
    }

    void setPoints(const std::vector<std::pair<double, double>>& points) {
        storage.PointCount = static_cast<std::int32_t>(points.size());
        for (std::size_t k = 0; k < points.size(); ++k) {
            storage.PointX[k] = points[k].first;
            storage.PointY[k] = points[k].second;
        }
    }

    void setEdges(const std::vector<Edge>& edges) {
        storage.EdgeCount = static_cast<std::int32_t>(edges.size());
        for (std::size_t k = 0; k < edges.size(); ++k) {
            storage.EdgeFrom[k] = edges[k].from;
            storage.EdgeTo[k] = edges[k].to;
            storage.EdgeLength[k] = edges[k].length;
        }
    }

    void quitAtYield(std::int64_t yieldNumber) {
        surface.deliverAtYield(yieldNumber, InputEvent::click());
    }

    SceneContext& context() { return context_; }
    std::vector<std::string> lines() const { return surface.traceLines(); }

    RecordingSurface surface;
    SceneStorage storage;
    Truth quitFlag = False;

  private:
    // Stands in for the saver window: a click is a quit request.
    struct QuitOnClick final : SurfaceEvents {
        void Load(FormId) override {}
        void Click(ObjectId) override { *quitFlag = True; }
        void KeyDown(FormId, std::int16_t, std::int16_t) override {}
        void MouseMove(FormId, std::int16_t, std::int16_t, float, float) override {}
        void Unload(FormId, std::int16_t&) override {}
        Truth* quitFlag = nullptr;
    };

    QuitOnClick quitOnClick_;
    SceneContext context_;
};

}  // namespace kiv::testing
