#pragma once

#include <cstdint>

namespace kiv {

// A 24-bit linear congruential generator with full period (odd increment, multiplier of the
// form 4k + 1): it visits every 24-bit state once before repeating, so no value comes back
// within a scene's draws and no two points share an exact coordinate.
class FullPeriodRandom {
  public:
    explicit FullPeriodRandom(std::uint32_t seed = 0) { seed_(seed); }

    void seed(std::uint32_t seed) { seed_(seed); }

    float next() {
        state_ = (kMultiplier * state_ + kIncrement) & kMask;
        return static_cast<float>(state_) / static_cast<float>(kMask + 1);
    }

  private:
    static constexpr std::uint32_t kMask = 0xFFFFFF;
    static constexpr std::uint32_t kMultiplier = 0xFD43FD;
    static constexpr std::uint32_t kIncrement = 0xC39EC3;

    void seed_(std::uint32_t seed) { state_ = seed & kMask; }

    std::uint32_t state_ = 0;
};

}  // namespace kiv
