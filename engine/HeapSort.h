#pragma once

#include <cstdint>
#include <span>

namespace kiv {

// Sorts records 1..NN (at indices 0..NN-1) by the key s1, ascending, moving the companions s2
// and s3 along. Not stable: equal keys come out in the order the heap's two child rules give.
// Throws std::out_of_range if an array holds fewer than NN entries.
void hSort(std::int32_t NN, std::span<double> s1, std::span<double> s2, std::span<double> s3);

}  // namespace kiv
