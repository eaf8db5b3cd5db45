#include "engine/SceneLoop.h"

#include <cmath>

#include "engine/TreeStage.h"
#include "engine/VoronoiStage.h"

namespace kiv {
namespace {

constexpr std::int32_t kYellow = RGB(255, 255, 0);

std::int32_t Int(double v) {
    return static_cast<std::int32_t>(std::floor(v));
}

// A light tint, from pale cyan to near white.
std::int32_t DrawSceneColour(Surface& surface) {
    const float r1 = surface.rnd();
    const float r2 = surface.rnd();
    const float r3 = surface.rnd();
    return RGB(Int(r1 * 123.0) + 122, Int(r2 * 23.0) + 222, Int(r3 * 23.0) + 222);
}

void PrintTitle(Surface& surface, float titleX, float titleY, std::int32_t pointCount) {
    surface.setFontSize(20);
    // A zero-length line moves the drawing position to where the print starts.
    surface.line(titleX, titleY, titleX, titleY);
    surface.print("N=", pointCount);
    surface.setFontSize(12);
}

StageEnd Pause(SceneContext& context) {
    for (std::int32_t count = 1; count <= PauseYields; ++count)
        if (context.yieldAndTestQuit()) return StageEnd::Quit;
    return StageEnd::Done;
}

}  // namespace

void StartScene(SceneContext& context) {
    Surface& surface = context.surface;
    SceneStorage& st = context.storage;

    surface.setForeColor(DrawSceneColour(surface));
    const double widthPx = surface.screenSize().width / 15.0;
    const auto titleX = static_cast<float>(surface.rnd() * (widthPx - 380.0));
    const auto titleY = static_cast<float>(surface.rnd() * 150.0 + 40.0);
    surface.setFontSize(12);
    st.PointCount = Int(surface.rnd() * 46.0) + 4;
    PrintTitle(surface, titleX, titleY, st.PointCount);

    for (std::int32_t k = 1; k <= st.PointCount; ++k) {
        st.PointX[k - 1] = static_cast<double>(surface.rnd()) * surface.screenSize().width / 15.0;
        st.PointY[k - 1] = static_cast<double>(surface.rnd()) * surface.screenSize().height / 15.0;
        surface.circle(static_cast<float>(st.PointX[k - 1]), static_cast<float>(st.PointY[k - 1]),
                       3.0f, kYellow);
    }
}

void RunSceneLoop(SceneContext& context) {
    for (;;) {
        StartScene(context);
        if (RunVoronoiStage(context) == StageEnd::Quit) return;
        if (RunTreeStage(context) == StageEnd::Quit) return;
        if (Pause(context) == StageEnd::Quit) return;
        context.surface.clear(FormId::frmKiv);
        if (context.QuitFlag == True) return;
    }
}

}  // namespace kiv
