#include "shell/frmKiv.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "engine/SceneLoop.h"

namespace kiv {
namespace {

// The empty ANSI string user32 is handed as pvParam.
char gNoString[1] = {'\0'};

constexpr std::uint32_t kOn = 0xFFFFFFFF;  // -1, all bits set
constexpr std::uint32_t kOff = 0;

}  // namespace

std::int16_t ToInteger(float pixels) {
    if (std::isnan(pixels)) return 0;
    const float nearest = std::nearbyint(pixels);  // the default rounding mode ties to even
    return static_cast<std::int16_t>(std::clamp(nearest, -32768.0f, 32767.0f));
}

void frmKiv::Form_Load() {
    auto storage = std::make_unique<SceneStorage>();
    FirstMouseX = 0;
    FirstMouseY = 0;
    surface_.show(FormId::frmKiv);
    surface_.randomize();
    ScreenWidthPx = surface_.screenSize().width / 15.0f;
    module_.QuitFlag = False;
    user32_.SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, kOn, gNoString, 0);
    user32_.ShowCursor(0);
    surface_.refresh(FormId::frmKiv);

    SceneContext context{surface_, module_.QuitFlag, ScreenWidthPx, *storage};
    RunSceneLoop(context);
    teardown();
}

void frmKiv::teardown() {
    surface_.clear(FormId::frmKiv);
    surface_.hide(FormId::frmKiv);
    surface_.unload(FormId::frmKiv);
}

void frmKiv::Form_Click() {
    module_.QuitFlag = True;
}

void frmKiv::Form_KeyDown(std::int16_t, std::int16_t) {
    module_.QuitFlag = True;
}

void frmKiv::Form_MouseMove(std::int16_t, std::int16_t, float x, float y) {
    const std::int16_t px = ToInteger(x);
    const std::int16_t py = ToInteger(y);
    if (FirstMouseX == 0 && FirstMouseY == 0) {
        FirstMouseX = px;
        FirstMouseY = py;
    } else if (px != FirstMouseX || py != FirstMouseY) {
        module_.QuitFlag = True;
    }
}

void frmKiv::Form_Unload(std::int16_t&) {
    user32_.SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, kOff, gNoString, 0);
    user32_.ShowCursor(-1);
    surface_.endProcess();
}

}  // namespace kiv
