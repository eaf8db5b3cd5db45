#pragma once

#include <cstdint>

namespace kiv {

// Stored truth values are 16-bit integers, True = -1 and False = 0, and readers test for
// exactly True.
using Truth = std::int16_t;
inline constexpr Truth True = -1;
inline constexpr Truth False = 0;

}  // namespace kiv
