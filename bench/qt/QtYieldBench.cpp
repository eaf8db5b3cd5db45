// Times QtSurface::yield() with the saver window shown: idle, as in the end-of-scene pause,
// and with one new line to present, as in the Voronoi stage. Needs a display (or
// QT_QPA_PLATFORM=offscreen).

#include <benchmark/benchmark.h>

#include <QApplication>

#include "platform/qt/QtSurface.h"

namespace {

// Shows the saver window when it is loaded, then returns instead of running the saver.
class ShowOnLoad final : public kiv::SurfaceEvents {
  public:
    explicit ShowOnLoad(kiv::Surface& surface) : surface_(surface) {}
    void Load(kiv::FormId form) override { surface_.show(form); }
    void Click(kiv::ObjectId) override {}
    void KeyDown(kiv::FormId, std::int16_t, std::int16_t) override {}
    void MouseMove(kiv::FormId, std::int16_t, std::int16_t, float, float) override {}
    void Unload(kiv::FormId, std::int16_t&) override {}

  private:
    kiv::Surface& surface_;
};

kiv::Surface* gSurface = nullptr;

void BM_IdleYield(benchmark::State& state) {
    gSurface->yield();  // presents whatever the window still owes
    for (auto _ : state) gSurface->yield();
}
BENCHMARK(BM_IdleYield);

void BM_YieldPresentingALine(benchmark::State& state) {
    float x = 0;
    for (auto _ : state) {
        x = x < 1000 ? x + 1 : 0;
        gSurface->line(x, 10, 1000 - x, 700, kiv::RGB(255, 0, 0));
        gSurface->yield();
    }
}
BENCHMARK(BM_YieldPresentingALine);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    QApplication app(argc, argv);
    kiv::QtSurface surface("");
    ShowOnLoad events(surface);
    surface.attach(events);
    surface.load(kiv::FormId::frmKiv);
    gSurface = &surface;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
