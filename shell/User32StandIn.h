#pragma once

#include <functional>

#include "shell/User32.h"

namespace kiv {

// user32's pointer display counter and screen-saver-active switch, for platforms without
// user32. The pointer is shown while the counter is zero or more, as on Windows.
class User32StandIn final : public User32 {
  public:
    int ShowCursor(int bShow) override;
    int SystemParametersInfoA(std::uint32_t uiAction, std::uint32_t uiParam, void* pvParam,
                              std::uint32_t fWinIni) override;

    int displayCount() const { return displayCount_; }
    bool pointerVisible() const { return displayCount_ >= 0; }
    bool screenSaverActive() const { return screenSaverActive_; }

    // Called whenever the pointer turns visible or hidden.
    std::function<void(bool visible)> onPointerVisibilityChanged;

  private:
    int displayCount_ = 0;
    bool screenSaverActive_ = false;
};

}  // namespace kiv
