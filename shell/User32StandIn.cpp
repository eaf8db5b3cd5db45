#include "shell/User32StandIn.h"

namespace kiv {

int User32StandIn::ShowCursor(int bShow) {
    const bool wasVisible = pointerVisible();
    displayCount_ += bShow ? 1 : -1;
    if (pointerVisible() != wasVisible && onPointerVisibilityChanged)
        onPointerVisibilityChanged(pointerVisible());
    return displayCount_;
}

int User32StandIn::SystemParametersInfoA(std::uint32_t uiAction, std::uint32_t uiParam, void*,
                                         std::uint32_t) {
    if (uiAction != SPI_SETSCREENSAVEACTIVE) return 0;
    screenSaverActive_ = uiParam != 0;
    return 1;
}

}  // namespace kiv
