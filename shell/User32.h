#pragma once

#include <cstdint>

namespace kiv {

inline constexpr std::uint32_t SPI_SETSCREENSAVEACTIVE = 17;

// The two user32 calls the saver makes, with their Windows signatures.
class User32 {
  public:
    virtual ~User32() = default;
    virtual int ShowCursor(int bShow) = 0;
    virtual int SystemParametersInfoA(std::uint32_t uiAction, std::uint32_t uiParam, void* pvParam,
                                      std::uint32_t fWinIni) = 0;
};

}  // namespace kiv
